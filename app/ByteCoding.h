#pragma once
// Bytes written and read back by the program itself: numbers as variable-length
// integers (7 bits a byte, the low ones first), texts as their length and bytes.
// A reader that runs past its end or finds a number too large throws
// TMalformedBytes, so bytes that were damaged are never taken for something.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

class TMalformedBytes : public std::runtime_error {
public:
    TMalformedBytes() : std::runtime_error("malformed bytes") {}
};

class TBytesOut {
public:
    explicit TBytesOut(std::string& out) : out_(out) {}
    void Byte(std::uint8_t value) { out_.push_back(char(value)); }
    void Number(std::uint64_t value)
    {
        while (value >= 0x80) {
            out_.push_back(char(value | 0x80));
            value >>= 7;
        }
        out_.push_back(char(value));
    }
    void Text(std::string_view text)
    {
        Number(text.size());
        out_.append(text);
    }
    std::string& Out() { return out_; }

private:
    std::string& out_;
};

class TBytesIn {
public:
    explicit TBytesIn(std::string_view bytes) : bytes_(bytes) {}
    bool AtEnd() const { return pos_ == bytes_.size(); }
    std::string_view Rest() const { return bytes_.substr(pos_); }
    std::uint8_t Byte()
    {
        if (pos_ >= bytes_.size())
            throw TMalformedBytes();
        return std::uint8_t(bytes_[pos_++]);
    }
    std::uint64_t Number()
    {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const std::uint8_t byte = Byte();
            value |= std::uint64_t(byte & 0x7F) << shift;
            if (!(byte & 0x80))
                return value;
        }
        throw TMalformedBytes();
    }
    // A number no larger than `limit`.
    std::uint64_t Number(std::uint64_t limit)
    {
        const std::uint64_t value = Number();
        if (value > limit)
            throw TMalformedBytes();
        return value;
    }
    std::string_view Text()
    {
        const std::uint64_t size = Number(bytes_.size() - pos_);
        const std::string_view text = bytes_.substr(pos_, std::size_t(size));
        pos_ += std::size_t(size);
        return text;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};
