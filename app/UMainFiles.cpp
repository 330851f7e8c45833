// File > New, Open and Save as (the result file, CSV or a workbook), and Copy.

#include "UMain.h"

#include "AppendStep.h"
#include "AtomicFile.h"
#include "CollisionView.h"
#include "DelimitedPlateList.h"
#include "Dialogs.h"
#include "FormLook.h"
#include "GridHtml.h"
#include "HugePages.h"
#include "ListStatusText.h"
#include "Memo.h"
#include "PlateList.h"
#include "ResultFile.h"
#include "XlsxTable.h"
#include "zelGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>

#include <cctype>
#include <stdexcept>
#include <string>

namespace {

TFileDialogOptions TextFileDialog(const QString& filter)
{
    TFileDialogOptions options;
    options.Filter = filter;
    options.FilterIndex = 1;
    options.DefaultExt = QStringLiteral("txt");
    options.OverwritePrompt = true;
    return options;
}

// The kinds' names are translated; their patterns are not.
QString TextFiles() { return TFormMain::tr("Text Files (*.txt)") + QStringLiteral("|*.txt|"); }
QString AllFiles() { return TFormMain::tr("All Files (*.*)") + QStringLiteral("|*.*"); }

TFileDialogOptions OpenDialog() { return TextFileDialog(TextFiles() + AllFiles()); }

// Besides the result file, the forms a spreadsheet takes: CSV, and the
// workbook that keeps every code exactly.
TFileDialogOptions SaveDialog()
{
    return TextFileDialog(TextFiles() + QStringLiteral("CSV (*.csv)|*.csv|") + TFormMain::tr("Excel workbook (*.xlsx)") +
                          QStringLiteral("|*.xlsx|") + AllFiles());
}

// What a saved file is, by its name's extension: the result file unless it says otherwise.
enum class TSaveForm { ResultFile, Csv, Workbook };

TSaveForm SaveFormOf(const QString& fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toLower();
    return extension == QLatin1String("csv")    ? TSaveForm::Csv
           : extension == QLatin1String("xlsx") ? TSaveForm::Workbook
                                                : TSaveForm::ResultFile;
}

// The columns a saved file holds: column 0 and every visible one.
std::vector<int> WrittenColumns(const TzelGrid& grid)
{
    std::vector<int> written{0};
    for (int c = 1; c < grid.ColCount(); ++c)
        if (grid.ColWidths(c) > 0)
            written.push_back(c);
    return written;
}

// The grid's rows as lines of the result file or of CSV. The lines go to the
// file a piece at a time: a million rows never stand whole in memory beside
// the grid.
void WriteLines(const TzelGrid& grid, const std::vector<int>& columns, TLineFormat format, TAtomicFileWriter& file)
{
    constexpr std::size_t kPiece = 256 * 1024;
    std::string piece;
    piece.reserve(kPiece + 4096);
    if (format == TLineFormat::Csv)
        piece.append(kUtf8Bom); // spreadsheets then read it as UTF-8
    TResultLineWriter writer(piece, format);
    for (int r = 0; r < grid.RowCount(); ++r) {
        for (int c : columns)
            writer.TextCell(grid.CellText(c, r)); // imported columns may hold anything
        writer.EndLine();
        if (piece.size() >= kPiece) {
            file.Write(piece);
            piece.clear();
        }
    }
    file.Write(piece);
}

// The grid's rows as a workbook's sheet, each computed column typed as its
// table says, the other columns text.
void WriteWorkbook(const TzelGrid& grid, const std::vector<int>& columns, const TResultTable& table,
                   TAtomicFileWriter& file)
{
    std::vector<TXlsxColumn> sheetColumns;
    for (int c : columns) {
        const bool computed = std::size_t(c) < table.ColumnCount();
        sheetColumns.push_back({std::string(grid.CellText(c, 0)), computed && table.Columns[std::size_t(c)].WorkbookNumber});
    }
    TXlsxTableWriter sheet{std::string(table.Title), std::move(sheetColumns)};
    std::vector<std::string_view> cells(columns.size());
    for (int r = 1; r < grid.RowCount(); ++r) {
        for (std::size_t i = 0; i < columns.size(); ++i)
            cells[i] = grid.CellText(columns[i], r);
        sheet.Row(cells);
    }
    sheet.Finish([&](std::string_view bytes) { file.Write(bytes); });
}

// The whole plate list as UTF-8 lines separated by LF; the lines that were
// not read as text are counted by their reason.
class TJoinedLines : public TLineSink {
public:
    // Room for a list of `bytes`, which its lines nearly always fit.
    explicit TJoinedLines(std::size_t bytes) { ReserveInHugePages(text, bytes); }
    void LinePiece(std::string_view utf8) override { text.append(utf8); }
    void LineEnd() override
    {
        text.push_back('\n');
        lineStart_ = text.size();
    }
    void LineRejected(std::uint64_t, TTextFault fault) override
    {
        text.resize(lineStart_);
        unread.Add(ProblemOf(fault));
    }
    std::string text;
    TIssueTally unread;

private:
    std::size_t lineStart_ = 0;
};

// `message` holds the file's name (%1) and the reason (%2).
[[noreturn]] void ThrowFileError(const QString& message, const TFileError& error)
{
    throw std::runtime_error(
        message.arg(QString::fromStdString(error.FileName), QString::fromStdString(error.Reason)).toStdString());
}

[[noreturn]] void ThrowMemoFull() { throw std::runtime_error(TFormMain::tr("Text exceeds memo capacity").toStdString()); }

} // namespace

void TFormMain::mnuFileNewClick()
{
    if (QuerySaveResults())
        RunFileNew();
}

bool TFormMain::QuerySaveResults()
{
    if (!unsaved_)
        return true;
    switch (MessageDlg(tr("Save the results?"), TMsgDlgType::mtConfirmation, mbYes | mbNo | mbCancel)) {
    case mrYes:
        return SaveActiveGrid();
    case mrCancel:
        return false;
    default:
        return true;
    }
}

void TFormMain::mnuFileOpenClick()
{
    const std::optional<QString> name = OpenFileDialog(OpenDialog());
    if (name)
        OpenPlateList(*name);
}

void TFormMain::OpenPlateList(const QString& fileName)
{
    // Read once, and never beyond the box's capacity, whatever the file is: a
    // device that never ends stops there, and a pipe is read as it comes.
    std::optional<std::string> bytes;
    try {
        bytes = ReadFileUpTo(fileName.toStdString(), std::size_t(kMemoCapacity));
    } catch (const TFileError& error) {
        ThrowFileError(tr("Cannot open file \"%1\". %2"), error);
    }
    if (!bytes)
        ThrowMemoFull();
    TJoinedLines lines(bytes->size());
    TDelimiterLook look(&lines);
    try {
        DecodePlateList(*bytes, look);
    } catch (const TNotTextError& error) {
        throw std::runtime_error(
            tr("Cannot open file \"%1\". %2")
                .arg(fileName, NotTextReason(error, TNotTextFor::PlateList))
                .toStdString());
    }
    bytes.reset();
    if (qint64(lines.text.size()) > kMemoCapacity)
        ThrowMemoFull();
    // The file's lines go through the box's computation as the box would hold
    // them, in one pass; the box ends empty and the focus stays where it was.
    EditPlates->clear();
    const TAppendRecorder step(History, SG1, SG2, tr("Open"));
    const std::size_t accepted = CalculateLines(lines.text);
    ShowListStatus(OpenedListStatus(fileName, look, accepted, lines.unread));
}

void TFormMain::mnuFileSaveClick()
{
    SaveActiveGrid();
}

bool TFormMain::SaveActiveGrid()
{
    const std::optional<QString> name = SaveFileDialog(SaveDialog());
    if (!name)
        return false;
    TzelGrid* grid = ActiveGrid();
    if (!grid)
        return false;
    SaveGridToFile(grid, *name);
    SetUnsaved(false);
    MessageDlg(tr("OK: file %1 saved").arg(*name), TMsgDlgType::mtInformation, mbOK);
    return true;
}

void TFormMain::SaveGridToFile(TzelGrid* grid, const QString& fileName)
{
    const std::vector<int> columns = WrittenColumns(*grid);
    const TSaveForm form = SaveFormOf(fileName);
    TBusyCursor busy; // a workbook of a million rows takes seconds
    try {
        TAtomicFileWriter file(fileName.toStdString());
        if (form == TSaveForm::Workbook)
            WriteWorkbook(*grid, columns, ResultTable(TableOf(grid)), file);
        else
            WriteLines(*grid, columns, form == TSaveForm::Csv ? TLineFormat::Csv : TLineFormat::Semicolon, file);
        file.Commit();
    } catch (const TFileError& error) {
        ThrowFileError(tr("Cannot create file \"%1\". %2"), error);
    } catch (const TXlsxError& error) {
        std::string reason = error.what();
        reason.front() = char(std::toupper(static_cast<unsigned char>(reason.front()))); // a sentence of its own
        ThrowFileError(tr("Cannot create file \"%1\". %2"), TFileError(fileName.toStdString(), reason));
    }
}

void TFormMain::mnuCopyClick()
{
    TzelGrid* grid = ActiveGrid();
    if (!grid)
        return;
    const TGridRect sel = grid->Selection();
    QString text;
    for (int r = sel.Top; r <= sel.Bottom; ++r)
        for (int c = sel.Left; c <= sel.Right; ++c) {
            if (!text.isEmpty())
                text += QLatin1Char(';');
            text += grid->Cells(c, r);
        }
    if (text.isEmpty())
        return;
    // Beside the text, a table that spreadsheets paste as cells.
    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(GridSelectionHtml(*grid, sel));
    QApplication::clipboard()->setMimeData(data);
}
