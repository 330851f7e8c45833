#include "NumberText.h"

void AppendHex(std::string& out, std::uint64_t value, int digits)
{
    char buffer[16];
    int n = 0;
    do {
        buffer[n++] = "0123456789ABCDEF"[value & 0xF];
        value >>= 4;
    } while (value != 0);
    for (int i = n; i < digits; ++i)
        out.push_back('0');
    while (n > 0)
        out.push_back(buffer[--n]);
}

void AppendDecimal(std::string& out, std::uint64_t value)
{
    char buffer[20];
    int n = 0;
    do {
        buffer[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0)
        out.push_back(buffer[--n]);
}
