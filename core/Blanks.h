#pragma once
// Blanks around what an operator types or a list holds: spaces and tabs.

#include <string_view>

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Whether the text holds nothing but blanks; stops at its first other byte.
constexpr bool IsBlank(std::string_view text)
{
    for (char c : text)
        if (!IsBlank(c))
            return false;
    return true;
}

// The text without the blanks at its ends.
constexpr std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}
