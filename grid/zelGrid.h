#pragma once
// TzelGrid, the results grid: a string grid with published settings for sorting,
// banding, number formatting, formulas and printing, header access by string
// list, row and column commands, hiding and re-showing lines, and its own sort.

#include "ApplicationHints.h"
#include "CellValueTable.h"
#include "StringGrid.h"
#include "TGridKeyMappings.h"
#include "TPrintOptions.h"
#include "zelMathParser.h"

#include <QImage>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class TWrappedLineCount;

enum TAdvanceDirection { adNone, adRight, adDown };
enum TCellRefStyle { rsNone, rsA1, rsRowCol };
enum ToSortType { tstCharacter, tstNumeric, tstDate };
enum SortDirType { Ascending, Descending };
enum THowToSort { stRow, stColumn };
// What a layout pass does with its pages: print them all, draw the one chosen
// page into the preview bitmap, or only count them.
enum class TRenderMode { rmPrint, rmPreview, rmCount };

class TPrinter;
class QPainter;
class TGridHistory;
class TGridStep;

// A new text for one cell.
struct TCellEdit {
    int Col = 0;
    int Row = 0;
    QString Text;
};

// Rows (or columns) First .. First + From.size() - 1 took the texts the rows
// (columns) From[k] had.
struct TLineOrder {
    bool Columns = false;
    int First = 0;
    std::vector<int> From;
};

using TOnSizeChanged = std::function<void(QObject* sender, int OldColCount, int OldRowCount)>;

class TzelGrid : public TStringGrid {
    Q_OBJECT
public:
    explicit TzelGrid(QWidget* owner = nullptr);
    ~TzelGrid() override;

    // Fields the painting, formula and print code share with the grid.
    int TextMarginX = 5;
    int TextMarginY = 5;
    QStringList& CellNames() { return cellNames_; }
    int FormulaCol = 0;
    int FormulaRow = 0;
    // A syntax error was reported for the formula being computed.
    bool FormulaErrorFlag = false;
    // Numeric value of every cell, ColCount x RowCount, read as CellValues()(c, r).
    const TCellValueTable& CellValues() const { return values_; }
    TCellValueTable& CellValues() { return values_; }
    const std::vector<int>& SavedColWidths() const { return savedColWidths_; }
    int PageCounter = 0;
    QImage* PreviewBitmap = nullptr;
    int SortErrorCode() const { return sortErrorCode_; }
    QString SortErrorMessage() const { return sortErrorMessage_; }

    // Published properties.
    TCellRefStyle CellRefStyle() const { return cellRefStyle_; }
    void SetCellRefStyle(TCellRefStyle v);
    bool KeyMappingsEnabled() const { return keyMappingsEnabled_; }
    void SetKeyMappingsEnabled(bool v) { keyMappingsEnabled_ = v; }
    TGridKeyMappings& KeyMappings() { return keyMappings_; }
    // Copies the shortcuts into the grid's own mappings.
    void SetKeyMappings(const TGridKeyMappings& v) { keyMappings_ = v; }
    bool NumbersalRight() const { return numbersalRight_; }
    void SetNumbersalRight(bool v);
    bool BandsShow() const { return bandsShow_; }
    void SetBandsShow(bool v);
    TColor BandsColor() const { return bandsColor_; }
    void SetBandsColor(TColor v);
    int BandsInterval() const { return bandsInterval_; }
    void SetBandsInterval(int v);
    bool HighlightURL() const { return highlightURL_; }
    void SetHighlightURL(bool v);
    TAdvanceDirection AdvanceDirection() const { return advanceDirection_; }
    void SetAdvanceDirection(TAdvanceDirection v) { advanceDirection_ = v; }
    QString NumberFormat() const { return numberFormat_; }
    void SetNumberFormat(const QString& v);
    bool AutoCalculate() const { return autoCalculate_; }
    void SetAutoCalculate(bool v);
    bool ShowValues() const { return showValues_; }
    void SetShowValues(bool v);
    // The live view of row 0.
    TGridStrings ColumnHeaders() { return Rows(0); }
    void SetColumnHeaders(const QStringList& headers) { Rows(0).Assign(headers); }
    // The first column whose header (row 0) is `header` (UTF-8), or -1.
    int HeaderColumn(std::string_view header) const;
    // Column 0 of every row, as a new list.
    QStringList RowHeaders() const;
    // Entry i goes to Cells[0, i]; entries beyond the last row are kept and
    // shown when the grid grows to their rows.
    void SetRowHeaders(const QStringList& headers);
    int StartIndex() const { return startIndex_; }
    void SetStartIndex(int v) { startIndex_ = v; }
    int EndIndex() const { return endIndex_; }
    void SetEndIndex(int v) { endIndex_ = v; }
    int SortIndex() const { return sortIndex_; }
    void SetSortIndex(int v);
    ToSortType SortType() const { return sortType_; }
    void SetSortType(ToSortType v) { sortType_ = v; }
    bool CaseSensitiv() const { return caseSensitiv_; }
    void SetCaseSensitiv(bool v) { caseSensitiv_ = v; }
    SortDirType SortDirection() const { return sortDirection_; }
    void SetSortDirection(SortDirType v);
    THowToSort HowToSort() const { return howToSort_; }
    void SetHowToSort(THowToSort v);
    bool ShowMessageOnError() const { return showMessageOnError_; }
    void SetShowMessageOnError(bool v) { showMessageOnError_ = v; }
    TPrintOptions& PrintOptions() { return printOptions_; }
    void SetPrintOptions(const TPrintOptions& v) { printOptions_ = v; }
    int AutoSizemargin() const { return autoSizemargin_; }
    void SetAutoSizemargin(int v) { autoSizemargin_ = v; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool FormuleMode() const { return formuleMode_; }
    void SetFormuleMode(bool v) { formuleMode_ = v; }
    bool HideSelected() const { return hideSelected_; }
    void SetHideSelected(bool v);
    TOnSizeChanged OnSizeChanged;
    // Told before the text of an existing cell changes (a command, a formula, a
    // header copy); rows appended and rows moved by a sort are not told.
    std::function<void(QObject* sender, int col, int row)> OnCellTextChanging;
    // Each page a layout pass begins: its number in the pass, its page text and
    // whether it is drawn (printed, or the previewed page).
    std::function<void(QObject* sender, int page, const QString& pageText, bool drawn)> OnPrintPage;

    // The history the commands below, the formula editor's Apply and SortGrid
    // keep their steps in, for Undo and Redo; nullptr (no history) by default.
    TGridHistory* History() const { return history_; }
    void SetHistory(TGridHistory* history) { history_ = history; }
    // Does the step's change, keeping it in the history when there is one.
    void RunStep(std::unique_ptr<TGridStep> step);

    // Commands.
    void InsertRowAtCurrent();
    void DeleteRowAtCurrent();
    void InsertColumnAtCurrent();
    void DeleteColumnAtCurrent();
    void CopyRowToHeader();
    void ShowColumn(int col);
    void ShowAllColumns();
    void HideRow(int row);
    void AutoSizeRow(int row);
    void ShowRow(int row) { AutoSizeRow(row); }
    void ShowAllRows();
    // Gives cells new texts as one step named `name`; edits of cells outside the
    // grid or to the text a cell has change nothing.
    void EditCells(const QString& name, const std::vector<TCellEdit>& edits);

    // What the steps need besides: a whole column taken out with its widths and
    // put back, rows put in another order, and a cell made current and shown
    // without asking SelectCell.
    struct TTakenColumn {
        TCellColumn Cells;
        int Width = 0;
        int SavedWidth = 0;
    };
    TTakenColumn TakeColumnOut(int col);
    void PutColumnBack(int col, TTakenColumn&& column);
    void SetSavedColWidths(std::vector<int> widths) { savedColWidths_ = std::move(widths); }
    void MoveLines(const TLineOrder& order);
    void ShowCell(int col, int row);

    // Query filter, one per process: ParseFilter reads the query into it,
    // ApplyFilter hides the data rows that fail it and shows again those that
    // pass, QueryFilter does both when the query reads.
    void QueryFilter(const QString& text, bool ignoreCase);
    bool ParseFilter(const QString& text, bool ignoreCase);
    void ApplyFilter();

    // The grid's dialogs, each reached through a key mapping.
    void ShowQueryDialog();
    void ShowFormulaDialog();
    void ShowCellNamesDialog();

    // The first visible line from i on, or -1; the last visible line from i back
    // that is not a header line (never row 0), or -1.
    int NextVisibleRow(int row) const;
    int PrevVisibleRow(int row) const;
    int NextVisibleColumn(int col) const;
    int PrevVisibleColumn(int col) const;

    // Sorts by the sort fields; false when the settings were rejected.
    // Throws ECellConvertError when a numeric or date key cannot be compared.
    bool SortGrid();
    // The same; when lines moved, `moved` gets their new order.
    bool SortGrid(TLineOrder* moved);

    // Printing. PrintGrid prints rows FromRow..ToRow on the printer in force (all
    // data rows when ToRow is 0), looked up at that moment, under the busy cursor;
    // true when the print system took the job, otherwise the reason was shown. The
    // preview and the page count always use rows 1..RowCount-1.
    bool PrintGrid();
    void ShowPrintPreview();
    // The job's name in the print queue and the PDF's title: JobTitle, or when it
    // is empty the window's title and the grid's tab ("Corvana - Wiegand 64-bit").
    QString JobName() const;
    // Draws page PreviewPage into `bitmap` (PreviewBitmap when nullptr).
    void RenderPreviewPage(QImage* bitmap = nullptr);
    int PageCount();
    // Prints rows fromRow..toRow as one document on `printer` (job title, copies,
    // begin, pages, end). Throws TPrinterError; the document is aborted on failure.
    void PrintRows(TPrinter& printer, int fromRow, int toRow);
    // The layout pass on the printer in force. Print mode draws on `canvas`;
    // preview mode sizes and draws PreviewBitmap; count mode draws nothing.
    void RenderPages(QPainter* canvas, TRenderMode mode, int toRow, int fromRow);
    void RenderPages(TPrinter& printer, QPainter* canvas, TRenderMode mode, int toRow, int fromRow);

    void LoadValues();
    // Reloads the values and computes every formula cell once, row by row; stops at
    // the first syntax error with the message "Error in: " and the formula.
    void Recalculate();

    // Cell references. ColumnLetters gives "A" .. "ZZ" for the non-fixed columns
    // (column index + 1 - FixedCols from 1 to 702), else the empty text.
    QString ColumnLetters(int col) const;
    QString CellRefA1(int col, int row) const;
    // "c" column "r" row, raw indexes.
    QString CellRefRowCol(int col, int row) const;
    // The reference a selected cell adds to a formula, by CellRefStyle: none for
    // rsNone, the A1 text for rsA1 (the row/column text beyond column ZZ), the
    // row/column text for rsRowCol.
    QString ReferenceText(int col, int row) const;
    // The inverses; both fail on texts of another shape and on numbers beyond an
    // int. They say nothing about the grid's size.
    bool ParseCellRef(const QString& text, int& col, int& row) const;
    bool ParseRowColRef(const QString& text, int& col, int& row) const;
    // The name of the first CellNames line whose reference is the cell's A1 text,
    // or the empty text.
    QString CellNameOf(int col, int row) const;
    // The parser's variable handler: a cell name, an A1 reference, a row/column
    // reference or a built-in name (pi and the row and column aggregates).
    void ResolveFormulaVar(TzelMathParser* sender, const std::string& name, long double& value, bool& found);
    TzelMathParser& MathParser() { return parser_; }
    // The grid's application hint hook: the hint of a named cell or a formula.
    // Public, so that a hook installed after it can leave those hints to it.
    void ShowCellHint(QString& hintText, bool& canShow, THintInfo& info);
    // What a cell shows: a formula's value while ShowValues is on, a number
    // re-formatted while NumbersalRight is on, otherwise its text.
    QString ShownText(int col, int row) const override { return ShownCell(col, row).Text; }

protected:
    void DrawCell(int col, int row, const QRect& rect, TGridDrawState state) override;
    // A named cell's name and a formula cell's formula, on two lines when both.
    QString OwnCellHint(int col, int row) override;
    bool SelectCell(int col, int row) override;
    void SizeChanged(int oldColCount, int oldRowCount) override;
    int FittingColWidth(int col) override;
    void KeyDown(int& key, TShiftState shift) override;
    void KeyUp(int& key, TShiftState shift) override;
    void KeyPress(QChar& key) override;
    void CellTextChanging(int col, int row) override
    {
        values_.TextChanging(col, row);
        if (OnCellTextChanging)
            OnCellTextChanging(this, col, row);
    }
    void RowsPermuted(int first, const std::vector<int>& from) override { values_.RowsPermuted(first, from); }
    void ColsPermuted(int first, const std::vector<int>& from) override { values_.ColsPermuted(first, from); }

private:
    struct TShownCell {
        QString Text;
        bool RightAligned = false;
        bool FormulaValue = false;
    };
    TShownCell ShownCell(int col, int row) const;
    // Runs the command whose shortcut is the key with exactly these modifiers,
    // the shortcuts tried in a fixed order; false when none matches.
    bool RunMappedCommand(int key, TShiftState shift);
    void AdvanceByEnter();
    bool IsValueCell(int col, int row) const;
    // Measures of lines of text in the grid's font, renewed when it changes.
    void RefreshLineMeasures();
    // The height of this many lines of text (after RefreshLineMeasures).
    int LinesHeight(int lines);
    // The height the cell's shown text needs, word-wrapped in the cell's width
    // (after RefreshLineMeasures).
    int CellTextHeight(int col, int row);
    bool ResolveCellName(const std::string& name, long double& value) const;
    bool ResolveBuiltin(const std::string& lowerName, long double& value) const;
    void DrawSortArrow(const QRect& rect);
    int CheckSortSettings(int s, int e) const;
    int CheckSortKeys(int s, int e);
    std::string_view SortKey(int line) const;
    void RunSortEngine(int s, int e, TLineOrder* moved);

    TGridHistory* history_ = nullptr;
    QStringList cellNames_;
    // Two lists the grid owns for the dialogs that fill them later.
    QStringList ownedList1_;
    QStringList ownedList2_;
    TCellValueTable values_;
    TzelMathParser parser_;
    std::vector<int> savedColWidths_;
    bool constructed_ = false;
    QFont lineMeasuresFont_;
    const TWrappedLineCount* lineCount_ = nullptr;
    std::vector<int> linesHeights_;

    TCellRefStyle cellRefStyle_ = rsNone;
    bool keyMappingsEnabled_ = true;
    TGridKeyMappings keyMappings_;
    bool numbersalRight_ = false;
    bool bandsShow_ = false;
    TColor bandsColor_ = 16777184; // pale cyan: red 224, green 255, blue 255
    int bandsInterval_ = 2;
    bool highlightURL_ = false;
    TAdvanceDirection advanceDirection_ = adNone;
    QString numberFormat_ = QStringLiteral("%.2f");
    bool autoCalculate_ = true;
    bool showValues_ = false;
    int startIndex_ = 0;
    int endIndex_ = 0;
    int sortIndex_ = 0;
    ToSortType sortType_ = tstCharacter;
    bool caseSensitiv_ = false;
    SortDirType sortDirection_ = Ascending;
    THowToSort howToSort_ = stRow;
    bool showMessageOnError_ = false;
    TPrintOptions printOptions_;
    int autoSizemargin_ = 0;
    bool wordWrap_ = false;
    bool formuleMode_ = false;
    bool hideSelected_ = false;
    int sortErrorCode_ = 0;
    QString sortErrorMessage_;
};
