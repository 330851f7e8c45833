// Any bytes as a plate list file: reading never crashes; it refuses what is no
// text, and otherwise every line is valid UTF-8 without line breaks and at
// most kLineLimit long, every rejected line has its number, reading in pieces
// of any size gives what reading the whole gives, and every accepted plate
// keeps its invariants.
#include "PlateInvariants.h"
#include "PlateList.h"

namespace {

class TCollect : public TLineSink {
public:
    void LinePiece(std::string_view utf8) override { current += utf8; }
    void LineEnd() override
    {
        lines.push_back(current);
        current.clear();
        ++number;
    }
    void LineRejected(std::uint64_t line, TTextFault fault) override
    {
        current.clear();
        Require(line == ++number);
        rejected.emplace_back(line, fault);
    }
    bool operator==(const TCollect& other) const
    {
        return lines == other.lines && rejected == other.rejected && notText == other.notText;
    }
    std::vector<std::string> lines;
    std::vector<std::pair<std::uint64_t, TTextFault>> rejected;
    std::string current;
    std::uint64_t number = 0;
    bool notText = false;
};

// The list read as a file is, in pieces of `step` bytes.
TCollect Read(std::string_view bytes, std::size_t step)
{
    TCollect collect;
    TTextLines lines(collect);
    TListDecoder decoder(lines);
    try {
        for (std::size_t at = 0; at < bytes.size(); at += step)
            decoder.Feed(bytes.substr(at, step));
        decoder.Finish();
    } catch (const TNotTextError&) {
        collect.notText = true;
    }
    return collect;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TCollect whole = Read(bytes, std::max<std::size_t>(size, 1));
    Require(whole.notText == (SniffContent(bytes) != TContentKind::Text));
    for (const std::string& line : whole.lines) {
        Require(IsValidUtf8(line));
        Require(line.find_first_of("\r\n") == std::string::npos && line.size() <= kLineLimit);
        CheckPlateAndCodes(NormalizePlate(line));
    }
    const std::size_t step = size == 0 ? 1 : 1 + data[size - 1] % 5;
    Require(Read(bytes, step) == whole);

    // Its encoding given, any bytes decode: in pieces as in one, into the lines
    // reading gives when they are text.
    TPlateListDecoder decoder(DetectEncoding(bytes)), wholeDecoder(DetectEncoding(bytes));
    TCollect collect, collectWhole;
    for (std::size_t at = 0; at < size; at += step)
        decoder.Feed(bytes.substr(at, step), collect);
    decoder.Finish(collect);
    wholeDecoder.Feed(bytes, collectWhole);
    wholeDecoder.Finish(collectWhole);
    Require(collect == collectWhole && collect.current.empty());
    Require(whole.notText || (collect.lines == whole.lines && collect.rejected == whole.rejected));
    return 0;
}
