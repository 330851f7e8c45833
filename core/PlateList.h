#pragma once
// Reading plate lists, in one pass and in bounded memory. A file that is not
// text (a workbook, a ZIP, a PDF, NUL bytes outside UTF-16: see ContentKind.h)
// is refused before any of it is read as text. A UTF-16 byte order mark says
// UTF-16. Otherwise the text is 8-bit: what comes before its first byte above
// 0x7F reads the same in every encoding and goes on at once; from that byte,
// the next kEncodingLookAhead bytes (or all that are left) decide: UTF-8 when
// they are valid UTF-8 (a UTF-8 byte order mark at the start is dropped), else
// Windows-1252. Bytes that then do not decode (a sequence that is not UTF-8
// further on, an unpaired UTF-16 surrogate, an odd last byte of UTF-16) are no
// text: the line they stand in is rejected with the reason, never read with a
// replacement character. Lines end at CR LF, LF or CR; a last line without a
// line break counts; a line longer than kLineLimit is rejected. Delimited lists
// are decoded the same way and read as text, since their fields may hold line
// breaks.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ContentKind.h"
#include "FileError.h"
#include "Utf8.h"

enum class TTextEncoding { Utf8, Utf16LE, Utf16BE, Windows1252 };

// A line (or a record of a delimited list) is at most this long; a longer one
// is rejected, which keeps the memory of reading bounded whatever the input.
constexpr std::size_t kLineLimit = 64 * 1024;
// How many bytes from the first byte above 0x7F of an 8-bit list decide
// between UTF-8 and Windows-1252.
constexpr std::size_t kEncodingLookAhead = std::size_t(1) << 20;

// Why text of a list is not read as a line or record.
enum class TTextFault : unsigned char {
    NotUtf8,           // bytes that are not UTF-8 in a list read as UTF-8
    UnpairedSurrogate, // half of a UTF-16 surrogate pair
    HalfCharacter,     // a UTF-16 list that ends in the middle of a character
    TooLong,           // more than kLineLimit bytes
};

// The encoding of a whole list held in memory, decided as reading decides it.
TTextEncoding DetectEncoding(std::string_view bytes);

void AppendWindows1252AsUtf8(std::string& out, std::string_view bytes);
// One piece of 8-bit text as UTF-8: kept when it is valid UTF-8, else read as
// Windows-1252.
std::string TextToUtf8(std::string_view bytes);

// Receives decoded text: UTF-8 pieces and the places where bytes that are no
// text were left out, in order, then the end of the text.
class TTextSink {
public:
    virtual ~TTextSink() = default;
    virtual void Text(std::string_view utf8) = 0;
    virtual void NotText(TTextFault fault) = 0;
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
    // Line number `line` (from 1) is not read, for `fault`: the pieces of it
    // given so far are to be dropped, and no more of it comes. Told as soon as
    // it is known, so an endless line is reported while it is read.
    virtual void LineRejected(std::uint64_t line, TTextFault fault) = 0;
};

// Decodes bytes of a known encoding, in pieces, into UTF-8 text for a sink; a
// leading byte order mark is dropped.
class TTextDecoder {
public:
    explicit TTextDecoder(TTextEncoding encoding) : encoding_(encoding) {}
    // Continues a UTF-8 or Windows-1252 text whose first `asciiBytes` bytes, all
    // below 0x80, were taken as they stand (and so held no byte order mark).
    TTextDecoder(TTextEncoding encoding, std::uint64_t asciiBytes)
        : encoding_(encoding), offset_(asciiBytes > 0 ? std::max<std::uint64_t>(asciiBytes, 3) : 0)
    {
    }
    void Feed(std::string_view bytes, TTextSink& sink);
    // What is left at the end: a cut-off UTF-8 sequence, a lone UTF-16 high
    // surrogate or an odd last byte is no text. Does not end the sink's text.
    void Finish(TTextSink& sink);

private:
    void FeedUtf8(std::string_view bytes, TTextSink& sink);
    void DecodeUtf16(std::string_view bytes, TTextSink& sink);
    void TakeUtf16Unit(char16_t unit, TTextSink& sink);

    TTextEncoding encoding_;
    std::uint64_t offset_ = 0;   // input bytes seen, for skipping a byte order mark
    std::string decoded_;        // the current piece in UTF-8 (Windows-1252, UTF-16)
    TUtf8Runs utf8_;             // UTF-8: the runs that pass as they stand
    int oddByte_ = -1;           // UTF-16: first byte of a unit split between pieces
    char16_t highSurrogate_ = 0; // UTF-16: a high surrogate waiting for its pair
};

// Splits UTF-8 text that arrives in pieces into lines at CR LF, LF or CR; a last
// line without a line break counts. The whole lines of a piece go on together
// (TLineSink::WholeLines); a line split between pieces goes on in pieces. A
// line longer than kLineLimit, and one in which bytes were no text, is
// rejected, and the rest of it passed over.
class TLineSplitter {
public:
    void Split(std::string_view utf8, TLineSink& sink);
    // Bytes that are no text stood here: the line they belong to is rejected.
    void NotText(TTextFault fault, TLineSink& sink);
    void Finish(TLineSink& sink);

private:
    void Reject(TTextFault fault, TLineSink& sink);

    std::uint64_t lines_ = 0;   // the lines ended so far
    std::size_t openBytes_ = 0; // of the line begun in pieces before
    bool afterCr_ = false;      // the last character was CR: a following LF is part of its break
    bool lineOpen_ = false;     // the current line has begun
    bool skipping_ = false;     // the current line was rejected; its rest is passed over
};

// Text split into lines for a line sink, by a splitter of its own or by one
// that goes on beyond it.
class TTextLines : public TTextSink {
public:
    explicit TTextLines(TLineSink& lines) : splitter_(own_), lines_(lines) {}
    TTextLines(TLineSplitter& splitter, TLineSink& lines) : splitter_(splitter), lines_(lines) {}
    void Text(std::string_view utf8) override { splitter_.Split(utf8, lines_); }
    void NotText(TTextFault fault) override { splitter_.NotText(fault, lines_); }
    void End() override { splitter_.Finish(lines_); }

private:
    TLineSplitter own_;
    TLineSplitter& splitter_;
    TLineSink& lines_;
};

// Decodes bytes of a known encoding, in pieces, into lines of UTF-8.
class TPlateListDecoder {
public:
    explicit TPlateListDecoder(TTextEncoding encoding) : text_(encoding) {}
    void Feed(std::string_view bytes, TLineSink& sink);
    void Finish(TLineSink& sink);

private:
    TTextDecoder text_;
    TLineSplitter splitter_;
};

// Decodes a list's bytes, arriving in pieces, into UTF-8 text for `sink`, in
// one pass and bounded memory, deciding the encoding on the way (see the top
// of this file). Throws TNotTextError, before giving the sink anything, when
// the list's first bytes are not text.
class TListDecoder {
public:
    explicit TListDecoder(TTextSink& sink) : sink_(sink) {}
    void Feed(std::string_view bytes);
    // Ends the text.
    void Finish();

private:
    void TakeHead();
    void Look(std::string_view head);
    void Take(std::string_view bytes);
    void Decide(TTextEncoding encoding, std::string_view bytes);

    enum class TStage : unsigned char { Head, Ascii, LookAhead, Decoding };
    TTextSink& sink_;
    TStage stage_ = TStage::Head;
    std::string head_;            // the first bytes, until there are enough to look at
    std::string held_;            // the look-ahead, until it decides
    std::uint64_t asciiBytes_ = 0; // passed on before the first byte above 0x7F
    std::size_t aheadBytes_ = 0;   // of the look-ahead, checked
    TUtf8Validator ahead_;
    std::optional<TTextDecoder> decoder_;
};

// Decodes a whole plate list held in memory into its lines (those rejected
// left out), or into `sink`. Throw TNotTextError.
std::vector<std::string> DecodePlateListLines(std::string_view bytes);
void DecodePlateList(std::string_view bytes, TLineSink& sink);
// The text of a list held in memory, decoded to UTF-8 with its line breaks and
// without the bytes that are no text; only about its first `upTo` bytes when
// given. Throws TNotTextError.
std::string DecodeListText(std::string_view bytes, std::size_t upTo = std::string::npos);

// Reads a plate list from an open stream in one pass with bounded memory,
// decoded line by line into `sink`. `name` is used in errors. Throws
// TFileError, TNotTextError.
void ReadPlateList(std::FILE* file, const std::string& name, TLineSink& sink);
// The same, decoded into text with its line breaks rather than into lines.
void ReadListText(std::FILE* file, const std::string& name, TTextSink& sink);
// The bytes of a regular file, read once up to `limit`, so that a file that
// grows while it is read stops there; nullopt when the file holds more. A named
// pipe, a device or a socket is refused without waiting on it (RegularFile.h).
// Throws TFileError.
std::optional<std::string> ReadFileUpTo(const std::string& fileName, std::size_t limit);
