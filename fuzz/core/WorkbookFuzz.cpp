// Any bytes as a workbook, whole or as the XML of its parts: opening it and
// reading every sheet never crashes and fails only with a workbook error; every
// record's cells are UTF-8, within a sheet's columns, on rows that follow one
// another; and every record then reads as a list record does.
#include "DelimitedPlateList.h"
#include "PlateInvariants.h"
#include "SheetRows.h"
#include "TestWorkbooks.h"
#include "Workbook.h"

namespace {

class TCheckRows : public TRecordSink {
public:
    explicit TCheckRows(TRecordSink& next) : next_(next) {}
    void Record(const TDelimitedRecord& record) override
    {
        Require(!record.Fields.empty() && record.Fields.size() <= kSheetColumns);
        Require(record.Line > line_ && record.Line <= kSheetRows);
        line_ = record.Line;
        for (const std::string_view field : record.Fields)
            Require(IsValidUtf8(field));
        next_.Record(record);
    }
    void UnclosedQuote(std::uint64_t) override { Require(false); }
    void RecordRejected(std::uint64_t, TTextFault) override { Require(false); }

private:
    TRecordSink& next_;
    std::uint64_t line_ = 0;
};

class TCheckPlates : public TListPlateSink {
public:
    void ListColumns(const TListColumns&) override {}
    void ListPlate(const TPlateBytes& plate, const TDelimitedRecord&) override { CheckPlateAndCodes(std::string(plate)); }
    void ListIssue(const TRecordIssue& issue) override { Require(IsValidUtf8(IssueMessage(issue))); }
};

// The parts the input stands for: the texts between its 0x1D bytes as a sheet's
// rows, shared strings and styles, or as the tables of an .ods.
std::string Archive(std::uint8_t control, std::string_view rest)
{
    if (control & 1)
        return std::string(rest);
    std::vector<std::string> texts;
    for (std::size_t start = 0;;) {
        const std::size_t end = rest.find('\x1d', start);
        texts.emplace_back(rest.substr(start, end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    texts.resize(3);
    if (control & 2)
        return ZipBytes(OdsParts(texts[0]));
    return ZipBytes(XlsxParts({{"A", texts[0]}, {"B", ""}}, texts[1], texts[2], texts[2].empty() ? "<xf/>" : texts[2]));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string bytes = Archive(data[0], std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    try {
        const std::unique_ptr<TWorkbook> workbook = TWorkbook::Open(TZipArchive::FromBytes(bytes));
        const std::vector<std::string> names = workbook->SheetNames();
        for (std::size_t sheet = 0; sheet < names.size(); ++sheet) {
            TCheckPlates plates;
            TDelimitedListOptions options;
            options.Header = data[0] & 4;
            options.SheetRows = true;
            TDelimitedPlateReader reader(plates, options);
            TCheckRows rows(reader);
            workbook->ReadSheet(sheet, rows);
            reader.Finish();
        }
    } catch (const TWorkbookError&) {
    }
    return 0;
}
