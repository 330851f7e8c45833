#include "ShownText.h"

#include "Utf8.h"

namespace {

// A control or an invalid byte as an escape: \t, \n and \r as in C, others in hex.
void AppendEscape(std::string& out, unsigned char byte)
{
    switch (byte) {
    case '\t':
        out += "\\t";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    default:
        static constexpr char kHex[] = "0123456789ABCDEF";
        out += "\\x";
        out += kHex[byte >> 4];
        out += kHex[byte & 15];
    }
}

bool IsControl(char32_t cp) { return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F); }

} // namespace

std::string ShownText(std::string_view text, std::size_t characters)
{
    std::string shown;
    auto bytes = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t count = 0, i = 0;
    for (const std::size_t n = text.size(); i < n && count < characters; ++count) {
        char32_t cp = bytes[i];
        const std::size_t used = cp < 0x80 ? 1 : DecodeUtf8(bytes + i, n - i, cp, true);
        if (!IsUtf8Character(bytes + i, used, cp) || IsControl(cp)) {
            for (std::size_t k = 0; k < used; ++k)
                AppendEscape(shown, bytes[i + k]);
        } else {
            shown.append(text.substr(i, used));
        }
        i += used;
    }
    if (i < text.size())
        shown += "...";
    return shown;
}

std::string ShownFileName(std::string_view name) { return ShownText(name, std::string_view::npos); }
