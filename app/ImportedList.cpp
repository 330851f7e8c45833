#include "ImportedList.h"

#include "PlateList.h"
#include "Workbook.h"

#include <optional>
#include <stdexcept>

namespace {

// The whole list is read into memory, up to this size.
constexpr std::size_t kImportLimit = std::size_t(256) << 20;

// A workbook is a ZIP archive: its first bytes say so.
bool LooksLikeZip(std::string_view bytes) { return bytes.starts_with("PK\x03\x04") || bytes.starts_with("PK\x05\x06"); }

} // namespace

TImportedList::TImportedList(const QString& fileName) : fileName_(fileName)
{
    std::optional<std::string> bytes;
    try {
        bytes = ReadFileUpTo(fileName.toStdString(), kImportLimit);
    } catch (const TFileError& error) {
        throw std::runtime_error(QStringLiteral("Cannot open file \"%1\". %2")
                                     .arg(fileName, QString::fromStdString(error.Reason))
                                     .toStdString());
    }
    if (!bytes)
        Fail("the list is larger than 256 MiB");
    if (!LooksLikeZip(*bytes)) {
        text_ = DecodeListText(*bytes);
        return;
    }
    try {
        workbook_ = TWorkbook::Open(TZipArchive::FromBytes(std::move(*bytes)));
        sheets_ = workbook_->SheetNames();
    } catch (const TWorkbookError& error) {
        Fail(error.what());
    }
    if (sheets_.empty())
        Fail("the workbook has no sheet that holds cells");
    ChooseSheet(0);
}

TImportedList::~TImportedList() = default;

void TImportedList::Fail(const std::string& why) const
{
    throw std::runtime_error(QStringLiteral("Cannot import \"%1\": %2").arg(fileName_, QString::fromStdString(why)).toStdString());
}

void TImportedList::ChooseSheet(std::size_t index)
{
    rows_ = TRecordTable();
    sheet_ = index;
    try {
        workbook_->ReadSheet(index, rows_);
    } catch (const TWorkbookError& error) {
        Fail(error.what());
    }
}

std::string_view TImportedList::Head() const
{
    constexpr std::size_t kHeadBytes = 64 * 1024;
    return std::string_view(text_).substr(0, kHeadBytes);
}

void TImportedList::Records(char separator, TRecordSink& sink) const
{
    if (IsWorkbook()) {
        rows_.Replay(sink);
        return;
    }
    TDelimitedParser parser(sink, separator);
    parser.Text(text_);
    parser.End();
}

void TImportedList::ReadPlates(const TDelimitedListOptions& options, TListPlateSink& sink) const
{
    if (!IsWorkbook()) {
        ReadDelimitedText(text_, options, sink);
        return;
    }
    TDelimitedListOptions sheetOptions = options;
    sheetOptions.SheetRows = true;
    TDelimitedPlateReader reader(sink, sheetOptions);
    rows_.Replay(reader);
    reader.Finish();
}
