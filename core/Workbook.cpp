#include "Workbook.h"

#include "RecordTable.h"
#include "WorkQueue.h"
#include "WorkbookParts.h"

#include <utility>

#include <charconv>

namespace {

constexpr std::string_view kOdsMimeType = "application/vnd.oasis.opendocument.spreadsheet";

std::string QuotedNames(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "\"" : ", \"") + name + "\"";
    return list;
}

} // namespace

std::unique_ptr<TWorkbook> TWorkbook::OpenFile(const std::string& fileName)
{
    return Open(TZipArchive::OpenFile(fileName, kWorkbookMemoryLimit));
}

std::unique_ptr<TWorkbook> TWorkbook::Open(TZipArchive archive)
{
    if (archive.Has("mimetype")) {
        const std::string mimeType = archive.ReadWhole("mimetype", 1024);
        if (!mimeType.starts_with(kOdsMimeType))
            throw TWorkbookError("it is an OpenDocument file, but no spreadsheet (" + mimeType.substr(0, 80) + ")");
        return OpenOdsWorkbook(std::move(archive));
    }
    if (archive.Has("[Content_Types].xml"))
        return OpenXlsxWorkbook(std::move(archive));
    throw TWorkbookError("it is a ZIP archive, but no workbook");
}

namespace {

// The records of a sheet gathered into batches for the thread that takes them.
class TRecordBatches : public TRecordSink {
public:
    // Thrown when the taker wants no more: it ends the reading of the sheet.
    struct TStopped {};

    explicit TRecordBatches(const std::function<bool(TRecordTable)>& put) : put_(put) {}
    void Record(const TDelimitedRecord& record) override
    {
        batch_.Record(record);
        if (batch_.Size() == kBatch)
            Flush();
    }
    void UnclosedQuote(std::uint64_t) override {}
    void RecordRejected(std::uint64_t, TTextFault) override {}
    void Flush()
    {
        if (batch_.Size() > 0 && !put_(std::exchange(batch_, TRecordTable())))
            throw TStopped();
    }

private:
    static constexpr std::size_t kBatch = 4096;
    const std::function<bool(TRecordTable)>& put_;
    TRecordTable batch_;
};

} // namespace

void ReadSheetAlongside(TWorkbook& workbook, std::size_t index, TRecordSink& sink)
{
    TWorkQueue<TRecordTable> batches(4, [&](const std::function<bool(TRecordTable)>& put) {
        TRecordBatches records(put);
        try {
            workbook.ReadSheet(index, records);
            records.Flush();
        } catch (const TRecordBatches::TStopped&) {
        }
    });
    while (const std::optional<TRecordTable> batch = batches.Take())
        batch->Replay(sink);
}

std::string_view WorkbookKindName(TWorkbookKind kind)
{
    return kind == TWorkbookKind::Xlsx ? "Excel workbook" : "OpenDocument spreadsheet";
}

std::size_t FindSheet(const std::vector<std::string>& names, std::string_view nameOrNumber)
{
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == nameOrNumber)
            return i;
    std::size_t number = 0;
    const char* end = nameOrNumber.data() + nameOrNumber.size();
    const auto [ptr, ec] = std::from_chars(nameOrNumber.data(), end, number);
    if (ec == std::errc() && ptr == end && number >= 1 && number <= names.size())
        return number - 1;
    throw TWorkbookError("it has no sheet \"" + std::string(nameOrNumber) + "\"; its sheets: " + QuotedNames(names));
}

void ParsePart(const TZipArchive& archive, const std::string& part, std::uint64_t limit, TPartHandler& handler)
{
    TXmlStream stream(handler);
    handler.Stream = &stream;
    try {
        archive.Read(part, limit, [&](std::string_view bytes) {
            stream.Feed(bytes);
            return !stream.Stopped();
        });
        stream.Finish();
    } catch (const TXmlError& error) {
        throw TWorkbookError("its part \"" + part + "\" is damaged: " + error.what());
    }
}

std::string ResolvePartName(std::string_view fromPart, std::string_view target)
{
    std::string path;
    if (!target.empty() && target.front() == '/') {
        target.remove_prefix(1);
    } else {
        const std::size_t slash = fromPart.rfind('/');
        if (slash != std::string_view::npos)
            path = std::string(fromPart.substr(0, slash + 1));
    }
    // Each "." and ".." step of the target.
    while (!target.empty()) {
        const std::size_t slash = target.find('/');
        const std::string_view step = target.substr(0, slash);
        target = slash == std::string_view::npos ? std::string_view() : target.substr(slash + 1);
        if (step == "..") {
            if (!path.empty())
                path.pop_back();
            const std::size_t up = path.rfind('/');
            path.resize(up == std::string::npos ? 0 : up + 1);
        } else if (step != "." && !step.empty()) {
            path.append(step);
            if (slash != std::string_view::npos)
                path.push_back('/');
        }
    }
    return path;
}
