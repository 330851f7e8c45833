#pragma once
// What a spreadsheet keeps exactly when it reads a cell as a number.

#include <string_view>

// A spreadsheet reads a cell as a number when it can: leading zeros go, long
// numbers lose digits and "12E3" becomes 12000. Only a decimal number of at
// most 15 digits without a leading zero comes back as it was; every other text
// must be marked as text to arrive unchanged.
constexpr bool SpreadsheetKeepsAsNumber(std::string_view text)
{
    if (text.empty() || text.size() > 15 || (text.size() > 1 && text.front() == '0'))
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}
