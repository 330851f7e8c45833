#include "PlateList.h"

#include "ByteSet.h"
#include "HugePages.h"
#include "RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

// Windows-1252 code points of the bytes 0x80 to 0x9F; the five unassigned bytes
// stand for the code points of the same value.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t Windows1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kWindows1252High[byte - 0x80];
    return byte;
}

constexpr std::size_t kChunkSize = 2 << 20; // one huge page

std::string SystemReason(int error) { return std::strerror(error); }

} // namespace

TTextEncoding DetectEncoding(std::string_view bytes)
{
    if (bytes.starts_with("\xFF\xFE"))
        return TTextEncoding::Utf16LE;
    if (bytes.starts_with("\xFE\xFF"))
        return TTextEncoding::Utf16BE;
    const std::string_view ahead = bytes.substr(FirstNonAscii(bytes)).substr(0, kEncodingLookAhead);
    TUtf8Validator validator;
    validator.Feed(ahead);
    const bool complete = ahead.data() + ahead.size() == bytes.data() + bytes.size();
    return (complete ? validator.Finish() : validator.Valid()) ? TTextEncoding::Utf8 : TTextEncoding::Windows1252;
}

void AppendWindows1252AsUtf8(std::string& out, std::string_view bytes)
{
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            out.push_back(c);
        else
            AppendUtf8(out, Windows1252ToUnicode(byte));
    }
}

std::string TextToUtf8(std::string_view bytes)
{
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    AppendWindows1252AsUtf8(out, bytes);
    return out;
}

// ---- decoding a known encoding ------------------------------------------------------

void TTextDecoder::Feed(std::string_view bytes, TTextSink& sink)
{
    if (encoding_ == TTextEncoding::Utf8) {
        FeedUtf8(bytes, sink);
        return;
    }
    decoded_.clear();
    if (encoding_ == TTextEncoding::Windows1252)
        AppendWindows1252AsUtf8(decoded_, bytes);
    else
        DecodeUtf16(bytes, sink);
    if (!decoded_.empty())
        sink.Text(decoded_);
}

// Valid UTF-8 passes through as it stands; only a leading byte order mark goes,
// and sequences that are not UTF-8 are said to the sink in their place.
void TTextDecoder::FeedUtf8(std::string_view bytes, TTextSink& sink)
{
    const auto text = [&](std::string_view utf8) { sink.Text(utf8); };
    const auto notText = [&] { sink.NotText(TTextFault::NotUtf8); };
    static constexpr std::string_view kBom = "\xEF\xBB\xBF";
    while (offset_ < 3 && !bytes.empty()) {
        if (bytes.front() != kBom[offset_]) {
            // Not a byte order mark after all: the bytes taken so far begin a
            // character (every character from U+F000 up starts with EF).
            utf8_.Feed(kBom.substr(0, offset_), text, notText);
            offset_ = 3;
            break;
        }
        bytes.remove_prefix(1);
        ++offset_;
    }
    utf8_.Feed(bytes, text, notText);
}

void TTextDecoder::DecodeUtf16(std::string_view bytes, TTextSink& sink)
{
    const bool littleEndian = encoding_ == TTextEncoding::Utf16LE;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (offset_ < 2) {
            ++offset_;
            continue; // the byte order mark
        }
        if (oddByte_ < 0) {
            oddByte_ = byte;
            continue;
        }
        const char16_t unit = littleEndian ? char16_t(oddByte_ | (byte << 8)) : char16_t((oddByte_ << 8) | byte);
        oddByte_ = -1;
        TakeUtf16Unit(unit, sink);
    }
}

void TTextDecoder::TakeUtf16Unit(char16_t unit, TTextSink& sink)
{
    const auto notText = [&] {
        // The text decoded so far goes first, in its place before the fault.
        if (!decoded_.empty())
            sink.Text(decoded_);
        decoded_.clear();
        sink.NotText(TTextFault::UnpairedSurrogate);
    };
    if (highSurrogate_ != 0) {
        const char16_t high = highSurrogate_;
        highSurrogate_ = 0;
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            AppendUtf8(decoded_, 0x10000 + ((char32_t(high) - 0xD800) << 10) + (unit - 0xDC00));
            return;
        }
        notText(); // a high surrogate without its low one
    }
    if (unit >= 0xD800 && unit <= 0xDBFF)
        highSurrogate_ = unit;
    else if (unit >= 0xDC00 && unit <= 0xDFFF)
        notText(); // a low surrogate without its high one
    else
        AppendUtf8(decoded_, unit);
}

void TTextDecoder::Finish(TTextSink& sink)
{
    if (encoding_ == TTextEncoding::Utf8)
        utf8_.Finish([&] { sink.NotText(TTextFault::NotUtf8); });
    if (highSurrogate_ != 0)
        sink.NotText(TTextFault::UnpairedSurrogate);
    if (oddByte_ >= 0)
        sink.NotText(TTextFault::HalfCharacter);
    highSurrogate_ = 0;
    oddByte_ = -1;
}

// ---- lines ---------------------------------------------------------------------------

namespace {

// Whole lines of one text gathered to go on to a sink together.
class TLineBatch {
public:
    TLineBatch(TLineSink& sink, const char* textEnd) : sink_(sink), textEnd_(textEnd) {}
    void Add(std::string_view line)
    {
        lines_[count_++] = line;
        if (count_ == kSize)
            Flush();
    }
    void Flush()
    {
        if (count_ > 0)
            sink_.WholeLines(std::span<const std::string_view>(lines_, count_), textEnd_);
        count_ = 0;
    }

private:
    static constexpr std::size_t kSize = 256;
    TLineSink& sink_;
    const char* textEnd_;
    std::string_view lines_[kSize];
    std::size_t count_ = 0;
};

} // namespace

void TLineSplitter::Split(std::string_view utf8, TLineSink& sink)
{
    static constexpr TByteSet kLineBreaks("\r\n");
    const char* const end = utf8.data() + utf8.size();
    TByteSetScan breaks(kLineBreaks);
    breaks.Reset(utf8.data(), end);
    TLineBatch batch(sink, end);
    const char* start = utf8.data();
    for (const char* at; (at = breaks.Next(start)) != end;) {
        const char c = *at;
        const std::size_t length = std::size_t(at - start);
        if (c == '\n' && afterCr_ && length == 0 && !lineOpen_) {
            // The LF of a CR LF pair whose CR ended the previous piece.
            afterCr_ = false;
            start = at + 1;
            continue;
        }
        if (lineOpen_ | skipping_) {
            // The first break of this piece ends a line begun in pieces before.
            if (skipping_) {
                // Its break ends a line rejected before.
            } else if (openBytes_ + length > kLineLimit) {
                sink.LineRejected(lines_ + 1, TTextFault::TooLong);
            } else {
                if (length > 0)
                    sink.LinePiece(std::string_view(start, length));
                sink.LineEnd();
            }
            lineOpen_ = skipping_ = false;
            openBytes_ = 0;
        } else if (length <= kLineLimit) {
            batch.Add(std::string_view(start, length));
        } else {
            batch.Flush(); // the lines before it go first
            sink.LineRejected(lines_ + 1, TTextFault::TooLong);
        }
        ++lines_;
        // The LF of a CR LF pair is passed over at once when the piece holds it.
        start = at + 1;
        afterCr_ = c == '\r';
        if (afterCr_ && start != end && *start == '\n') {
            afterCr_ = false;
            ++start;
        }
    }
    batch.Flush();
    if (start == end || skipping_)
        return;
    afterCr_ = false;
    const std::size_t length = std::size_t(end - start);
    if (openBytes_ + length > kLineLimit) {
        Reject(TTextFault::TooLong, sink); // before its end, which may never come
        return;
    }
    sink.LinePiece(std::string_view(start, length));
    openBytes_ += length;
    lineOpen_ = true;
}

void TLineSplitter::NotText(TTextFault fault, TLineSink& sink)
{
    if (!skipping_)
        Reject(fault, sink);
}

void TLineSplitter::Reject(TTextFault fault, TLineSink& sink)
{
    sink.LineRejected(lines_ + 1, fault);
    skipping_ = true;
    lineOpen_ = afterCr_ = false;
    openBytes_ = 0;
}

void TLineSplitter::Finish(TLineSink& sink)
{
    if (lineOpen_)
        sink.LineEnd();
    if (lineOpen_ || skipping_)
        ++lines_;
    lineOpen_ = afterCr_ = skipping_ = false;
    openBytes_ = 0;
}

void TPlateListDecoder::Feed(std::string_view bytes, TLineSink& sink)
{
    TTextLines lines(splitter_, sink);
    text_.Feed(bytes, lines);
}

void TPlateListDecoder::Finish(TLineSink& sink)
{
    TTextLines lines(splitter_, sink);
    text_.Finish(lines);
    lines.End();
}

// ---- deciding the encoding on the way -----------------------------------------------

void TListDecoder::Feed(std::string_view bytes)
{
    if (stage_ == TStage::Head) {
        // The first bytes are looked at before any of them is taken as text.
        if (head_.empty() && bytes.size() >= kContentSniffBytes) {
            Look(bytes);
        } else {
            const std::size_t take = std::min(bytes.size(), kContentSniffBytes - head_.size());
            head_.append(bytes.substr(0, take));
            bytes.remove_prefix(take);
            if (head_.size() < kContentSniffBytes)
                return;
            TakeHead();
        }
    }
    Take(bytes);
}

void TListDecoder::TakeHead()
{
    Look(head_);
    Take(head_);
    std::string().swap(head_);
}

void TListDecoder::Look(std::string_view head)
{
    const TContentKind kind = SniffContent(head);
    if (kind != TContentKind::Text)
        throw TNotTextError(kind);
    if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF")) {
        decoder_.emplace(head[0] == '\xFF' ? TTextEncoding::Utf16LE : TTextEncoding::Utf16BE);
        stage_ = TStage::Decoding;
    } else {
        stage_ = TStage::Ascii;
    }
}

void TListDecoder::Take(std::string_view bytes)
{
    if (stage_ == TStage::Decoding) {
        decoder_->Feed(bytes, sink_);
        return;
    }
    if (stage_ == TStage::Ascii) {
        // ASCII reads the same in every encoding: it goes on at once.
        const std::size_t ascii = FirstNonAscii(bytes);
        if (ascii > 0)
            sink_.Text(bytes.substr(0, ascii));
        asciiBytes_ += ascii;
        bytes.remove_prefix(ascii);
        if (bytes.empty())
            return;
        stage_ = TStage::LookAhead;
    }
    // From the first byte above 0x7F, the look-ahead: held until it decides.
    const std::string_view ahead = bytes.substr(0, kEncodingLookAhead - aheadBytes_);
    ahead_.Feed(ahead);
    aheadBytes_ += ahead.size();
    if (!ahead_.Valid())
        Decide(TTextEncoding::Windows1252, bytes);
    else if (aheadBytes_ == kEncodingLookAhead)
        Decide(TTextEncoding::Utf8, bytes);
    else
        held_.append(bytes);
}

// Decodes what was held back and `bytes` after it, and all that follows.
void TListDecoder::Decide(TTextEncoding encoding, std::string_view bytes)
{
    decoder_.emplace(encoding, asciiBytes_);
    stage_ = TStage::Decoding;
    decoder_->Feed(held_, sink_);
    std::string().swap(held_);
    decoder_->Feed(bytes, sink_);
}

void TListDecoder::Finish()
{
    if (stage_ == TStage::Head)
        TakeHead();
    if (stage_ == TStage::LookAhead)
        Decide(ahead_.Finish() ? TTextEncoding::Utf8 : TTextEncoding::Windows1252, {});
    if (decoder_)
        decoder_->Finish(sink_);
    sink_.End();
}

// ---- lists in memory and in files ---------------------------------------------------

namespace {

class TLineCollector : public TLineSink {
public:
    void LinePiece(std::string_view utf8) override { current_.append(utf8); }
    void LineEnd() override
    {
        lines.push_back(std::move(current_));
        current_.clear();
    }
    void LineRejected(std::uint64_t, TTextFault) override { current_.clear(); }
    std::vector<std::string> lines;

private:
    std::string current_;
};

class TTextCollector : public TTextSink {
public:
    void Text(std::string_view utf8) override { text.append(utf8); }
    void NotText(TTextFault) override {}
    void End() override {}
    std::string text;
};

} // namespace

void DecodePlateList(std::string_view bytes, TLineSink& sink)
{
    TTextLines lines(sink);
    TListDecoder decoder(lines);
    decoder.Feed(bytes);
    decoder.Finish();
}

std::vector<std::string> DecodePlateListLines(std::string_view bytes)
{
    TLineCollector collector;
    DecodePlateList(bytes, collector);
    return std::move(collector.lines);
}

std::string DecodeListText(std::string_view bytes, std::size_t upTo)
{
    TTextCollector collector;
    TListDecoder decoder(collector);
    // In pieces, so that only about as much is decoded as is asked for.
    constexpr std::size_t kPiece = 64 * 1024;
    for (std::size_t at = 0; at < bytes.size() && collector.text.size() < upTo; at += kPiece)
        decoder.Feed(bytes.substr(at, kPiece));
    if (collector.text.size() < upTo)
        decoder.Finish();
    return std::move(collector.text);
}

void ReadListText(std::FILE* file, const std::string& name, TTextSink& sink)
{
    const THugePageBlock buffer(kChunkSize);
    TListDecoder decoder(sink);
    for (;;) {
        const std::size_t n = std::fread(buffer.get(), 1, kChunkSize, file);
        if (n > 0)
            decoder.Feed(std::string_view(buffer.get(), n));
        if (n < kChunkSize) {
            if (std::ferror(file))
                throw TFileError(name, SystemReason(errno));
            break;
        }
    }
    decoder.Finish();
}

void ReadPlateList(std::FILE* file, const std::string& name, TLineSink& sink)
{
    TTextLines lines(sink);
    ReadListText(file, name, lines);
}

namespace {

// The file is read into room for its size at once; one byte more finds its
// end (or that it grew), and room that doubles takes what it grew by.
std::size_t FirstReadRoom(std::FILE* file, std::size_t limit)
{
    struct stat info {};
    if (::fstat(::fileno(file), &info) == 0)
        return std::min(limit, std::size_t(info.st_size)) + 1;
    return std::min(limit + 1, kChunkSize);
}

} // namespace

std::optional<std::string> ReadFileUpTo(const std::string& fileName, std::size_t limit)
{
    const int fd = OpenRegularFileForReading(fileName);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(::fdopen(fd, "rb"), &std::fclose);
    if (!file) {
        const int error = errno;
        ::close(fd);
        throw TFileError(fileName, SystemReason(error));
    }
    std::string bytes;
    std::size_t size = 0;
    // One byte beyond the limit tells a file that holds more from one that ends there.
    while (size <= limit) {
        if (size == bytes.size()) {
            const std::size_t room = bytes.empty() ? FirstReadRoom(file.get(), limit) : std::min(limit + 1, 2 * size);
            ReserveInHugePages(bytes, room);
            bytes.resize(room);
        }
        const std::size_t n = std::fread(bytes.data() + size, 1, bytes.size() - size, file.get());
        if (n == 0) {
            if (std::ferror(file.get()))
                throw TFileError(fileName, SystemReason(errno));
            break; // the end of the file
        }
        size += n;
    }
    if (size > limit)
        return std::nullopt;
    bytes.resize(size);
    return bytes;
}
