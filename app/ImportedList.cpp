#include "ImportedList.h"

#include "ContentKind.h"
#include "ListStatusText.h"
#include "PlateList.h"
#include "Workbook.h"

#include <optional>
#include <stdexcept>

namespace {

// The whole list is read into memory, up to this size.
constexpr std::size_t kImportLimit = std::size_t(256) << 20;
// The beginning of a text list, from which its separator is told.
constexpr std::size_t kHeadBytes = 64 * 1024;

} // namespace

TImportedList::TImportedList(const QString& fileName) : fileName_(fileName)
{
    std::optional<std::string> bytes;
    try {
        bytes = ReadFileUpTo(fileName.toStdString(), kImportLimit);
    } catch (const TFileError& error) {
        throw std::runtime_error(tr("Cannot open file \"%1\". %2")
                                     .arg(fileName, QString::fromStdString(error.Reason))
                                     .toStdString());
    }
    if (!bytes)
        Fail(tr("the list is larger than 256 MiB"));
    // A workbook is a ZIP archive; any ZIP goes to the workbook reader, which
    // says what it lacks when it is none.
    if (!IsZip(SniffContent(*bytes))) {
        try {
            head_ = DecodeListText(*bytes, kHeadBytes);
        } catch (const TNotTextError& error) {
            throw std::runtime_error(tr("Cannot import \"%1\". %2")
                                         .arg(fileName, NotTextReason(error, TNotTextFor::List))
                                         .toStdString());
        }
        bytes_ = std::move(*bytes);
        return;
    }
    try {
        workbook_ = TWorkbook::Open(TZipArchive::FromBytes(std::move(*bytes)));
        sheets_ = workbook_->SheetNames();
    } catch (const TWorkbookError& error) {
        Fail(QString::fromUtf8(error.what()));
    }
    if (sheets_.empty())
        Fail(tr("the workbook has no sheet that holds cells"));
    ChooseSheet(0);
}

TImportedList::~TImportedList() = default;

void TImportedList::Fail(const QString& why) const
{
    throw std::runtime_error(tr("Cannot import \"%1\": %2").arg(fileName_, why).toStdString());
}

void TImportedList::ChooseSheet(std::size_t index)
{
    rows_ = TRecordTable();
    sheet_ = index;
    try {
        workbook_->ReadSheet(index, rows_);
    } catch (const TWorkbookError& error) {
        Fail(QString::fromUtf8(error.what()));
    }
}

std::string_view TImportedList::Head() const
{
    return std::string_view(head_).substr(0, kHeadBytes);
}

void TImportedList::Records(char separator, TRecordSink& sink) const
{
    if (IsWorkbook()) {
        rows_.Replay(sink);
        return;
    }
    TDelimitedParser parser(sink, separator);
    TListDecoder decoder(parser);
    decoder.Feed(bytes_);
    decoder.Finish();
}

void TImportedList::ReadPlates(const TDelimitedListOptions& options, TListPlateSink& sink) const
{
    if (!IsWorkbook()) {
        ReadDelimitedBytes(bytes_, options, sink);
        return;
    }
    TDelimitedListOptions sheetOptions = options;
    sheetOptions.SheetRows = true;
    TDelimitedPlateReader reader(sink, sheetOptions);
    rows_.Replay(reader);
    reader.Finish();
}
