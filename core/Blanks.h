#pragma once
// Blanks around what an operator types or a list holds: spaces and tabs.

#include <string_view>

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The text without the blanks at its ends.
constexpr std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}
