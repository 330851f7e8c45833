#pragma once
// Text from outside (a field of a list, a code, a file name) as a message shows
// it: controls and bytes that are not UTF-8 written as escapes (\n, \t, \x1B),
// so that nothing read can move a terminal's cursor or change its colours, and
// only the first characters of a long text.

#include <cstddef>
#include <string>
#include <string_view>

// The characters of a field a message quotes.
constexpr std::size_t kShownCharacters = 40;

// `text` with its controls and invalid bytes escaped, cut after `characters`
// characters with "..." when it is longer.
std::string ShownText(std::string_view text, std::size_t characters = kShownCharacters);
// A file name as messages show it: as it stands unless it holds a control or a
// byte that is not UTF-8, which are escaped; never cut.
std::string ShownFileName(std::string_view name);
