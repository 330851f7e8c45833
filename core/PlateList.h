#pragma once
// Reading plate lists: the encoding is decided over the whole input (a UTF-16
// byte order mark, else UTF-8 when every byte sequence is valid, else
// Windows-1252), then the bytes are decoded to UTF-8 and split into lines at CR LF,
// LF or CR. A last line without a line break counts. Delimited lists are decoded
// the same way and read as text, since their fields may hold line breaks.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "FileError.h"
#include "Utf8.h"

enum class TTextEncoding { Utf8, Utf16LE, Utf16BE, Windows1252 };

// Decides the encoding of an input that arrives in pieces.
class TEncodingDetector {
public:
    void Feed(std::string_view piece);
    TTextEncoding Result() const;
    // True while every byte fed so far is below 0x80: such text reads the same
    // in every encoding.
    bool AllAscii() const { return utf8_.AllAscii(); }

private:
    unsigned char head_[2] = {};
    std::size_t headSize_ = 0;
    TUtf8Validator utf8_;
};

TTextEncoding DetectEncoding(std::string_view bytes);

void AppendWindows1252AsUtf8(std::string& out, std::string_view bytes);
// One piece of 8-bit text as UTF-8: kept when it is valid UTF-8, else read as
// Windows-1252.
std::string TextToUtf8(std::string_view bytes);

// Receives decoded text: any number of UTF-8 pieces, then the end of the text.
class TTextSink {
public:
    virtual ~TTextSink() = default;
    virtual void Text(std::string_view utf8) = 0;
    virtual void End() = 0;
};

// Receives the decoded lines: any number of UTF-8 pieces, then the line's end;
// or a whole line at once when it lies in one piece of the text, as nearly
// every line does.
class TLineSink {
public:
    virtual ~TLineSink() = default;
    virtual void LinePiece(std::string_view utf8) = 0;
    virtual void LineEnd() = 0;
    virtual void Line(std::string_view utf8)
    {
        LinePiece(utf8);
        LineEnd();
    }
    // Whole lines that came together, in order: a sink that does the same for
    // each takes them in one call instead of one each. They lie in one text,
    // which may be read up to `textEnd`. By default each goes to Line.
    virtual void WholeLines(std::span<const std::string_view> lines, const char* textEnd)
    {
        (void)textEnd;
        for (const std::string_view line : lines)
            Line(line);
    }
};

// Decodes bytes of a known encoding, in pieces, into UTF-8 text; a leading byte
// order mark is dropped.
class TTextDecoder {
public:
    explicit TTextDecoder(TTextEncoding encoding) : encoding_(encoding) {}
    // Continues a UTF-8 or Windows-1252 text whose first `asciiBytes` bytes, all
    // below 0x80, were taken as they stand (and so held no byte order mark).
    TTextDecoder(TTextEncoding encoding, std::uint64_t asciiBytes)
        : encoding_(encoding), offset_(asciiBytes > 0 ? std::max<std::uint64_t>(asciiBytes, 3) : 0)
    {
    }
    // The UTF-8 text of the next piece, valid until the next call.
    std::string_view Feed(std::string_view bytes);
    // What is left at the end: a truncated UTF-16 unit or surrogate as U+FFFD.
    std::string_view Finish();

private:
    void DecodeUtf16(std::string_view bytes);
    void TakeUtf16Unit(char16_t unit);

    TTextEncoding encoding_;
    std::uint64_t offset_ = 0;   // input bytes seen, for skipping a byte order mark
    std::string decoded_;        // the current piece in UTF-8
    int oddByte_ = -1;           // UTF-16: first byte of a unit split between pieces
    char16_t highSurrogate_ = 0; // UTF-16: a high surrogate waiting for its pair
};

// Splits UTF-8 text that arrives in pieces into lines at CR LF, LF or CR; a last
// line without a line break counts. The whole lines of a piece go on together
// (TLineSink::WholeLines); a line split between pieces goes on in pieces.
class TLineSplitter {
public:
    void Split(std::string_view utf8, TLineSink& sink);
    void Finish(TLineSink& sink);

private:
    bool afterCr_ = false;  // the last character was CR: a following LF is part of its break
    bool lineOpen_ = false; // the current line has begun
};

// Decodes bytes of a known encoding, in pieces, into lines of UTF-8.
class TPlateListDecoder {
public:
    explicit TPlateListDecoder(TTextEncoding encoding) : text_(encoding) {}
    void Feed(std::string_view bytes, TLineSink& sink) { lines_.Split(text_.Feed(bytes), sink); }
    void Finish(TLineSink& sink)
    {
        lines_.Split(text_.Finish(), sink);
        lines_.Finish(sink);
    }

private:
    TTextDecoder text_;
    TLineSplitter lines_;
};

// Decodes a whole plate list held in memory into its lines, or into `sink`.
std::vector<std::string> DecodePlateListLines(std::string_view bytes);
void DecodePlateList(std::string_view bytes, TLineSink& sink);
// The whole text of a list held in memory, decoded to UTF-8 with its line breaks.
std::string DecodeListText(std::string_view bytes);

// Reads a plate list from an open, seekable stream in two passes with bounded
// memory: one to decide the encoding, one to decode it line by line into `sink`.
// Text before the first byte above 0x7F reads the same in every encoding, so
// the first pass hands it on at once and the second reads only what follows.
// `name` is used in errors. Throws TFileError.
void ReadPlateList(std::FILE* file, const std::string& name, TLineSink& sink);
// The same, decoded into text with its line breaks rather than into lines.
void ReadListText(std::FILE* file, const std::string& name, TTextSink& sink);
// The bytes of a regular file, read once up to `limit`, so that a file that
// grows while it is read stops there; nullopt when the file holds more. A named
// pipe, a device or a socket is refused without waiting on it (RegularFile.h).
// Throws TFileError.
std::optional<std::string> ReadFileUpTo(const std::string& fileName, std::size_t limit);
