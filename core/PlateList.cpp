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

void TEncodingDetector::Feed(std::string_view piece)
{
    for (std::size_t i = 0; headSize_ < 2 && i < piece.size(); ++i)
        head_[headSize_++] = static_cast<unsigned char>(piece[i]);
    utf8_.Feed(piece);
}

TTextEncoding TEncodingDetector::Result() const
{
    if (headSize_ == 2 && head_[0] == 0xFF && head_[1] == 0xFE)
        return TTextEncoding::Utf16LE;
    if (headSize_ == 2 && head_[0] == 0xFE && head_[1] == 0xFF)
        return TTextEncoding::Utf16BE;
    return utf8_.Finish() ? TTextEncoding::Utf8 : TTextEncoding::Windows1252;
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

TTextEncoding DetectEncoding(std::string_view bytes)
{
    TEncodingDetector detector;
    detector.Feed(bytes);
    return detector.Result();
}

std::string_view TTextDecoder::Feed(std::string_view bytes)
{
    if (encoding_ == TTextEncoding::Utf8) {
        // Valid UTF-8 passes through as it is; only a leading byte order mark goes.
        static constexpr std::string_view kBom = "\xEF\xBB\xBF";
        while (offset_ < 3 && !bytes.empty()) {
            if (bytes.front() != kBom[offset_]) {
                // Not a byte order mark after all: the bytes taken so far begin a
                // character (every character from U+F000 up starts with EF).
                decoded_.clear();
                for (std::uint64_t i = 0; i < offset_; ++i)
                    decoded_.push_back(kBom[i]);
                decoded_.append(bytes);
                offset_ = 3;
                return decoded_;
            }
            bytes.remove_prefix(1);
            ++offset_;
        }
        return bytes;
    }
    decoded_.clear();
    if (encoding_ == TTextEncoding::Windows1252)
        AppendWindows1252AsUtf8(decoded_, bytes);
    else
        DecodeUtf16(bytes);
    return decoded_;
}

void TTextDecoder::DecodeUtf16(std::string_view bytes)
{
    const bool littleEndian = encoding_ == TTextEncoding::Utf16LE;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (offset_++ < 2)
            continue; // the byte order mark
        if (oddByte_ < 0) {
            oddByte_ = byte;
            continue;
        }
        const char16_t unit = littleEndian ? char16_t(oddByte_ | (byte << 8)) : char16_t((oddByte_ << 8) | byte);
        oddByte_ = -1;
        TakeUtf16Unit(unit);
    }
}

void TTextDecoder::TakeUtf16Unit(char16_t unit)
{
    if (highSurrogate_ != 0) {
        const char16_t high = highSurrogate_;
        highSurrogate_ = 0;
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            AppendUtf8(decoded_, 0x10000 + ((char32_t(high) - 0xD800) << 10) + (unit - 0xDC00));
            return;
        }
        AppendUtf8(decoded_, kReplacementCharacter); // unpaired high surrogate
    }
    if (unit >= 0xD800 && unit <= 0xDBFF)
        highSurrogate_ = unit;
    else
        AppendUtf8(decoded_, unit); // a lone low surrogate becomes U+FFFD here
}

std::string_view TTextDecoder::Finish()
{
    decoded_.clear();
    if (encoding_ == TTextEncoding::Utf16LE || encoding_ == TTextEncoding::Utf16BE) {
        if (highSurrogate_ != 0)
            AppendUtf8(decoded_, kReplacementCharacter);
        if (oddByte_ >= 0)
            AppendUtf8(decoded_, kReplacementCharacter); // a truncated last unit
        highSurrogate_ = 0;
        oddByte_ = -1;
    }
    return decoded_;
}

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
        if (c == '\n' && afterCr_ && at == start && !lineOpen_) {
            // The LF of a CR LF pair whose CR ended the previous piece.
            afterCr_ = false;
            start = at + 1;
            continue;
        }
        if (lineOpen_) {
            // The first break of this piece ends a line begun in pieces before.
            if (at > start)
                sink.LinePiece(std::string_view(start, std::size_t(at - start)));
            sink.LineEnd();
        } else {
            batch.Add(std::string_view(start, std::size_t(at - start)));
        }
        lineOpen_ = false;
        // The LF of a CR LF pair is passed over at once when the piece holds it.
        start = at + 1;
        afterCr_ = c == '\r';
        if (afterCr_ && start != end && *start == '\n') {
            afterCr_ = false;
            ++start;
        }
    }
    batch.Flush();
    if (start < end) {
        sink.LinePiece(std::string_view(start, std::size_t(end - start)));
        lineOpen_ = true;
        afterCr_ = false;
    }
}

void TLineSplitter::Finish(TLineSink& sink)
{
    if (lineOpen_)
        sink.LineEnd();
    lineOpen_ = afterCr_ = false;
}

namespace {

class TLineCollector : public TLineSink {
public:
    void LinePiece(std::string_view utf8) override { current_.append(utf8); }
    void LineEnd() override
    {
        lines.push_back(std::move(current_));
        current_.clear();
    }
    std::vector<std::string> lines;

private:
    std::string current_;
};

} // namespace

void DecodePlateList(std::string_view bytes, TLineSink& sink)
{
    TPlateListDecoder decoder(DetectEncoding(bytes));
    decoder.Feed(bytes, sink);
    decoder.Finish(sink);
}

std::string DecodeListText(std::string_view bytes)
{
    TTextDecoder decoder(DetectEncoding(bytes));
    std::string text(decoder.Feed(bytes));
    text.append(decoder.Finish());
    return text;
}

std::vector<std::string> DecodePlateListLines(std::string_view bytes)
{
    TLineCollector collector;
    DecodePlateList(bytes, collector);
    return std::move(collector.lines);
}

void ReadListText(std::FILE* file, const std::string& name, TTextSink& sink)
{
    const THugePageBlock buffer(kChunkSize);
    auto forEachChunk = [&](auto&& take) {
        for (;;) {
            const std::size_t n = std::fread(buffer.get(), 1, kChunkSize, file);
            if (n > 0)
                take(std::string_view(buffer.get(), n));
            if (n < kChunkSize) {
                if (std::ferror(file))
                    throw TFileError(name, SystemReason(errno));
                return;
            }
        }
    };

    // ASCII text is decoded as it stands whatever the encoding turns out to be
    // (a byte order mark or UTF-16 starts with a byte above 0x7F): the chunks
    // before the first other byte go to the sink as they are read to decide
    // the encoding, and only the rest is read again.
    TEncodingDetector detector;
    std::uint64_t asciiBytes = 0;
    bool allAscii = true;
    forEachChunk([&](std::string_view chunk) {
        detector.Feed(chunk);
        allAscii = detector.AllAscii();
        if (allAscii) {
            sink.Text(chunk);
            asciiBytes += chunk.size();
        }
    });
    TTextDecoder decoder(detector.Result(), asciiBytes);
    if (!allAscii) {
        if (::fseeko(file, static_cast<off_t>(asciiBytes), SEEK_SET) != 0)
            throw TFileError(name, SystemReason(errno));
        forEachChunk([&](std::string_view chunk) { sink.Text(decoder.Feed(chunk)); });
    }
    sink.Text(decoder.Finish());
    sink.End();
}

void ReadPlateList(std::FILE* file, const std::string& name, TLineSink& sink)
{
    class TSplit : public TTextSink {
    public:
        explicit TSplit(TLineSink& lines) : lines_(lines) {}
        void Text(std::string_view utf8) override { splitter_.Split(utf8, lines_); }
        void End() override { splitter_.Finish(lines_); }

    private:
        TLineSink& lines_;
        TLineSplitter splitter_;
    } split(sink);
    ReadListText(file, name, split);
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
