#pragma once
// UTF-8 decoding and encoding. Invalid input decodes to U+FFFD once per maximal
// invalid subsequence (the practice of the Unicode standard and of WHATWG).

#include <cstddef>
#include <string>
#include <string_view>

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point starting at `p` (n > 0 bytes available). Returns the
// bytes consumed, or 0 when the bytes so far are a valid but incomplete sequence
// and `final` is false (the caller supplies more bytes and tries again).
std::size_t DecodeUtf8(const unsigned char* p, std::size_t n, char32_t& cp, bool final);

// Writes the UTF-8 form of a code point (1 to 4 bytes); returns the end.
// Surrogates and values beyond U+10FFFF become U+FFFD.
char* WriteUtf8(char* out, char32_t cp);
// Appends the UTF-8 form of a code point (surrogates and values beyond U+10FFFF
// become U+FFFD).
void AppendUtf8(std::string& out, char32_t cp);

bool IsValidUtf8(std::string_view text);
// Whether `used` bytes at `p` that DecodeUtf8 read as `cp` are a character: not
// a sequence it replaced by U+FFFD (a literal U+FFFD is one).
bool IsUtf8Character(const unsigned char* p, std::size_t used, char32_t cp);
// Where the first byte above 0x7F stands in `bytes`, or its size when there is none.
std::size_t FirstNonAscii(std::string_view bytes);

// Walks UTF-8 that arrives in pieces which may split a sequence: `valid` gets
// the runs of valid UTF-8 as they stand in the piece, `invalid` is called once
// for each run of sequences that are not UTF-8. A sequence split between pieces
// is held (at most three bytes) and given whole with the next piece.
class TUtf8Runs {
public:
    template <class Valid, class Invalid>
    void Feed(std::string_view piece, Valid&& valid, Invalid&& invalid);
    // A sequence still held at the end is cut off: not UTF-8.
    template <class Invalid>
    void Finish(Invalid&& invalid)
    {
        if (pendingSize_ > 0)
            invalid();
        pendingSize_ = 0;
    }
    bool Pending() const { return pendingSize_ > 0; }

private:
    unsigned char pending_[4] = {};
    std::size_t pendingSize_ = 0;
};

template <class Valid, class Invalid>
void TUtf8Runs::Feed(std::string_view piece, Valid&& valid, Invalid&& invalid)
{
    auto bytes = reinterpret_cast<const unsigned char*>(piece.data());
    const std::size_t n = piece.size();
    std::size_t i = 0;
    // Complete a sequence left open by the previous piece, a byte at a time.
    while (pendingSize_ > 0 && i < n) {
        pending_[pendingSize_++] = bytes[i++];
        char32_t cp;
        const std::size_t used = DecodeUtf8(pending_, pendingSize_, cp, false);
        if (used == 0)
            continue;
        if (IsUtf8Character(pending_, used, cp))
            valid(std::string_view(reinterpret_cast<const char*>(pending_), used));
        else
            invalid();
        // An invalid sequence may end before the bytes collected: the rest,
        // all from this piece, are read again.
        i -= pendingSize_ - used;
        pendingSize_ = 0;
    }
    std::size_t run = i; // where the current run of valid UTF-8 began
    while (i < n) {
        i += FirstNonAscii(piece.substr(i));
        if (i >= n)
            break;
        char32_t cp;
        const std::size_t used = DecodeUtf8(bytes + i, n - i, cp, false);
        if (used == 0) { // cut off by the end of the piece
            if (i > run)
                valid(piece.substr(run, i - run));
            for (; i < n; ++i)
                pending_[pendingSize_++] = bytes[i];
            return;
        }
        if (IsUtf8Character(bytes + i, used, cp)) {
            i += used;
            continue;
        }
        if (i > run)
            valid(piece.substr(run, i - run));
        invalid();
        i += used;
        run = i;
    }
    if (n > run)
        valid(piece.substr(run, n - run));
}

// Checks UTF-8 validity over input that arrives in pieces.
class TUtf8Validator {
public:
    void Feed(std::string_view piece)
    {
        if (valid_)
            runs_.Feed(piece, [](std::string_view) {}, [this] { valid_ = false; });
    }
    // True when everything fed so far is valid UTF-8 with no sequence left open.
    bool Finish() const { return valid_ && !runs_.Pending(); }
    bool Valid() const { return valid_; }

private:
    bool valid_ = true;
    TUtf8Runs runs_;
};

// Decodes UTF-8 that arrives in pieces which may split a sequence, calling
// `sink(char32_t)` for every code point.
class TUtf8StreamDecoder {
public:
    template <class Sink>
    void Feed(std::string_view piece, Sink&& sink);
    template <class Sink>
    void Finish(Sink&& sink);

private:
    unsigned char pending_[4] = {};
    std::size_t pendingSize_ = 0;
};

template <class Sink>
void TUtf8StreamDecoder::Feed(std::string_view piece, Sink&& sink)
{
    auto bytes = reinterpret_cast<const unsigned char*>(piece.data());
    std::size_t n = piece.size(), i = 0;
    // Complete a sequence left open by the previous piece, a byte at a time.
    while (pendingSize_ > 0 && i < n) {
        pending_[pendingSize_++] = bytes[i++];
        char32_t cp;
        std::size_t used = DecodeUtf8(pending_, pendingSize_, cp, false);
        if (used == 0)
            continue;
        sink(cp);
        // An invalid sequence may end before the bytes collected: decode them again.
        std::size_t left = pendingSize_ - used;
        i -= left;
        pendingSize_ = 0;
    }
    while (i < n) {
        if (bytes[i] < 0x80) {
            sink(static_cast<char32_t>(bytes[i++]));
            continue;
        }
        char32_t cp;
        std::size_t used = DecodeUtf8(bytes + i, n - i, cp, false);
        if (used == 0) {
            for (; i < n; ++i)
                pending_[pendingSize_++] = bytes[i];
            return;
        }
        sink(cp);
        i += used;
    }
}

template <class Sink>
void TUtf8StreamDecoder::Finish(Sink&& sink)
{
    std::size_t i = 0;
    while (i < pendingSize_) {
        char32_t cp;
        i += DecodeUtf8(pending_ + i, pendingSize_ - i, cp, true);
        sink(cp);
    }
    pendingSize_ = 0;
}
