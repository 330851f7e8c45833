// Any bytes as a plate list file: decoding never crashes, every line is valid
// UTF-8 without line breaks, decoding in pieces gives the same lines, and every
// accepted plate keeps its invariants.
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
    }
    std::vector<std::string> lines;
    std::string current;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = DecodePlateListLines(bytes);
    for (const std::string& line : lines) {
        Require(IsValidUtf8(line));
        Require(line.find_first_of("\r\n") == std::string::npos);
        CheckPlateAndCodes(NormalizePlate(line));
    }

    TPlateListDecoder decoder(DetectEncoding(bytes));
    TCollect collect;
    const std::size_t step = size == 0 ? 1 : 1 + data[size - 1] % 5;
    for (std::size_t at = 0; at < size; at += step)
        decoder.Feed(bytes.substr(at, step), collect);
    decoder.Finish(collect);
    Require(collect.lines == lines && collect.current.empty());
    return 0;
}
