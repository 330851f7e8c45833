#pragma once
// Texts of a few bytes (plates, lines of a list) moved in at most two loads or
// stores that may overlap, where a byte-by-byte loop or a call of the library's
// copy would cost more than the bytes themselves.

#include <cstdint>
#include <cstring>
#include <string_view>

// The first `n` (0 to 8) bytes at `p` as one word, the first byte lowest and
// zero above the last; reads no byte beyond them.
inline std::uint64_t LoadShort(const char* p, std::size_t n)
{
    if (n >= 4) {
        std::uint32_t head, tail;
        std::memcpy(&head, p, 4);
        std::memcpy(&tail, p + n - 4, 4);
        // The bytes the two loads share are the same.
        return head | (std::uint64_t(tail) << (8 * (n - 4)));
    }
    if (n == 0)
        return 0;
    // 1 to 3 bytes: the first, the middle and the last (some the same).
    return std::uint64_t(std::uint8_t(p[0])) | (std::uint64_t(std::uint8_t(p[n / 2])) << (8 * (n / 2))) |
           (std::uint64_t(std::uint8_t(p[n - 1])) << (8 * (n - 1)));
}

// Loads 0 to 16 bytes into two words, the first byte lowest in `low`, bytes 8
// to 15 in `high`, zeros after them; reads no byte beyond them.
inline void LoadShort16(const char* p, std::size_t n, std::uint64_t& low, std::uint64_t& high)
{
    if (n >= 8) {
        std::memcpy(&low, p, 8);
        std::memcpy(&high, p + n - 8, 8);
        high = n == 8 ? 0 : high >> (8 * (16 - n)); // the bytes after the first eight
    } else {
        low = LoadShort(p, n);
        high = 0;
    }
}

// Whether a text can be loaded as the 16 bytes from its start: it has at most
// 16 bytes, and the text it lies in goes on to `textEnd`, at least 16 bytes on.
inline bool LoadableAs16(std::string_view text, const char* textEnd)
{
    return text.size() <= 16 && textEnd - text.data() >= 16;
}

// Copies 0 to 16 bytes.
inline void CopyShort(char* out, const char* from, std::size_t n)
{
    if (n >= 8) {
        std::uint64_t head, tail;
        std::memcpy(&head, from, 8);
        std::memcpy(&tail, from + n - 8, 8);
        std::memcpy(out, &head, 8);
        std::memcpy(out + n - 8, &tail, 8);
    } else if (n >= 4) {
        std::uint32_t head, tail;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + n - 4, 4);
        std::memcpy(out, &head, 4);
        std::memcpy(out + n - 4, &tail, 4);
    } else if (n > 0) {
        const char first = from[0], middle = from[n / 2], last = from[n - 1];
        out[0] = first;
        out[n / 2] = middle;
        out[n - 1] = last;
    }
}
