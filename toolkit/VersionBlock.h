#pragma once
// Builds a version-information block laid out like the platform's version resource:
// a tree of nodes, each
//   u16 length (of the node with its children), u16 value length, u16 type (1 text,
//   0 binary), the key in UTF-16 with a terminating 0, padding to 4 bytes, the value,
//   padding to 4 bytes, then the children;
// all numbers little-endian; a text value's length counts UTF-16 units with the 0,
// a binary value's length counts bytes. The root "VS_VERSION_INFO" holds the fixed
// file information, then "StringFileInfo" with one table per language and code page
// ("040904B0") of key/text nodes, then "VarFileInfo" with the "Translation" table.
//
// Everything is constexpr, so the build turns the product's version into the block
// at compile time; tests use the same code to build blocks of their own.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

struct TVersionString {
    std::string_view Key;
    std::string_view Value; // UTF-8
};

struct TVersionBlockContent {
    std::array<std::uint16_t, 4> FileVersion{};    // major, minor, patch, build
    std::array<std::uint16_t, 4> ProductVersion{};
    std::uint16_t Language = 0x0409; // US English
    std::uint16_t CodePage = 1200;   // UTF-16
    bool HasTranslation = true;
    std::span<const TVersionString> Strings;
};

class TVersionBlockWriter {
public:
    // Opens a node; its value, if any, must be written before its first child.
    constexpr void Begin(std::string_view key, bool text)
    {
        Align();
        open_.push_back(bytes_.size());
        PutU16(0); // length, patched by End
        PutU16(0); // value length
        PutU16(text ? 1 : 0);
        PutUtf16(key);
        PutU16(0);
        Align();
    }

    constexpr void TextValue(std::string_view utf8)
    {
        const std::size_t start = bytes_.size();
        PutUtf16(utf8);
        PutU16(0);
        Patch(open_.back() + 2, static_cast<std::uint16_t>((bytes_.size() - start) / 2));
    }

    constexpr void BinaryValue(std::span<const std::uint8_t> value)
    {
        for (const std::uint8_t b : value)
            bytes_.push_back(b);
        Patch(open_.back() + 2, static_cast<std::uint16_t>(value.size()));
    }

    constexpr void End()
    {
        const std::size_t start = open_.back();
        open_.pop_back();
        Patch(start, static_cast<std::uint16_t>(bytes_.size() - start));
    }

    constexpr std::vector<std::uint8_t> Take()
    {
        Align();
        return std::move(bytes_);
    }

private:
    constexpr void Align()
    {
        while (bytes_.size() % 4 != 0)
            bytes_.push_back(0);
    }

    constexpr void PutU16(std::uint16_t v)
    {
        bytes_.push_back(static_cast<std::uint8_t>(v & 0xFF));
        bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    }

    constexpr void Patch(std::size_t at, std::uint16_t v)
    {
        bytes_[at] = static_cast<std::uint8_t>(v & 0xFF);
        bytes_[at + 1] = static_cast<std::uint8_t>(v >> 8);
    }

    // UTF-8 to UTF-16; a truncated sequence's lead byte stands for itself.
    constexpr void PutUtf16(std::string_view utf8)
    {
        for (std::size_t i = 0; i < utf8.size();) {
            const auto lead = static_cast<std::uint8_t>(utf8[i]);
            int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
            if (i + extra >= utf8.size())
                extra = 0;
            std::uint32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
            for (int k = 1; k <= extra; ++k)
                cp = (cp << 6) | (static_cast<std::uint8_t>(utf8[i + k]) & 0x3F);
            i += 1 + extra;
            if (cp >= 0x10000) {
                cp -= 0x10000;
                PutU16(static_cast<std::uint16_t>(0xD800 + (cp >> 10)));
                PutU16(static_cast<std::uint16_t>(0xDC00 + (cp & 0x3FF)));
            } else {
                PutU16(static_cast<std::uint16_t>(cp));
            }
        }
    }

    std::vector<std::uint8_t> bytes_;
    std::vector<std::size_t> open_;
};

// The fixed file information: signature, structure version, file and product
// versions, flags mask, flags, system, type (application), subtype, date.
constexpr std::array<std::uint8_t, 52> FixedFileInfo(const TVersionBlockContent& content)
{
    const auto& f = content.FileVersion;
    const auto& p = content.ProductVersion;
    const std::uint32_t words[13] = {0xFEEF04BD,
                                     0x00010000,
                                     std::uint32_t(f[0]) << 16 | f[1],
                                     std::uint32_t(f[2]) << 16 | f[3],
                                     std::uint32_t(p[0]) << 16 | p[1],
                                     std::uint32_t(p[2]) << 16 | p[3],
                                     0x3F,
                                     0,
                                     0,
                                     1,
                                     0,
                                     0,
                                     0};
    std::array<std::uint8_t, 52> bytes{};
    for (std::size_t i = 0; i < 13; ++i)
        for (std::size_t k = 0; k < 4; ++k)
            bytes[i * 4 + k] = static_cast<std::uint8_t>(words[i] >> (8 * k));
    return bytes;
}

constexpr char HexDigit(unsigned v) { return "0123456789ABCDEF"[v & 0xF]; }

constexpr std::vector<std::uint8_t> BuildVersionBlock(const TVersionBlockContent& content)
{
    TVersionBlockWriter w;
    w.Begin("VS_VERSION_INFO", false);
    w.BinaryValue(FixedFileInfo(content));

    w.Begin("StringFileInfo", true);
    const std::uint32_t translation = std::uint32_t(content.Language) << 16 | content.CodePage;
    char table[8] = {};
    for (int i = 0; i < 8; ++i)
        table[i] = HexDigit(translation >> (28 - 4 * i));
    w.Begin(std::string_view(table, 8), true);
    for (const TVersionString& s : content.Strings) {
        w.Begin(s.Key, true);
        w.TextValue(s.Value);
        w.End();
    }
    w.End();
    w.End();

    if (content.HasTranslation) {
        w.Begin("VarFileInfo", true);
        w.Begin("Translation", false);
        const std::array<std::uint8_t, 4> entry = {
            static_cast<std::uint8_t>(content.Language & 0xFF), static_cast<std::uint8_t>(content.Language >> 8),
            static_cast<std::uint8_t>(content.CodePage & 0xFF), static_cast<std::uint8_t>(content.CodePage >> 8)};
        w.BinaryValue(entry);
        w.End();
        w.End();
    }
    w.End();
    return w.Take();
}

// The block as an array, for placing it in the executable at compile time.
template <std::size_t N>
constexpr std::array<std::uint8_t, N> VersionBlockArray(const TVersionBlockContent& content)
{
    const std::vector<std::uint8_t> bytes = BuildVersionBlock(content);
    std::array<std::uint8_t, N> out{};
    for (std::size_t i = 0; i < N && i < bytes.size(); ++i)
        out[i] = bytes[i];
    return out;
}
