#include "zelGrid.h"

#include "GridSteps.h"
#include "WrappedLineCount.h"
#include "zelGridFormule.h"

#include <QFont>

TzelGrid::TzelGrid(QWidget* owner) : TStringGrid(owner), values_(CellStore())
{
    // Owned lists, print options and the formula parser exist as members; the
    // parser asks the grid for names and reports syntax errors to it.
    parser_.OnGetVar = [this](TzelMathParser* sender, const std::string& name, long double& value, bool& found) {
        ResolveFormulaVar(sender, name, value, found);
    };
    parser_.OnParseError = [this](TzelMathParser*, int) { FormulaErrorFlag = true; };
    SetShowHint(true);
    SetApplicationHintHook(this, [this](QString& text, bool& canShow, THintInfo& info) { ShowCellHint(text, canShow, info); });

    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    SetFont(font);
    printOptions_.SetPageFooter(QStringLiteral("date|time|page"));
    printOptions_.SetDateFormat(QStringLiteral("yyyy-mm-dd"));
    printOptions_.SetTimeFormat(QStringLiteral("hh:nn"));
    printOptions_.SetHeaderSize(unsigned(font.pointSize() + 2));
    printOptions_.SetFooterSize(unsigned(font.pointSize() - 1));
    savedColWidths_.assign(ColCount(), DefaultColWidth());
    LoadValues();
    constructed_ = true;
}

TzelGrid::~TzelGrid()
{
    // A destroyed grid must not stay behind as the application's hint hook.
    RemoveApplicationHintHook(this);
}

// ---- setters -------------------------------------------------------------------

void TzelGrid::SetCellRefStyle(TCellRefStyle v)
{
    if (v == cellRefStyle_)
        return;
    cellRefStyle_ = v;
    Invalidate();
}

void TzelGrid::SetNumbersalRight(bool v)
{
    if (v == numbersalRight_)
        return;
    numbersalRight_ = v;
    Invalidate();
}

void TzelGrid::SetBandsShow(bool v)
{
    if (v == bandsShow_)
        return;
    bandsShow_ = v;
    Invalidate();
}

void TzelGrid::SetBandsColor(TColor v)
{
    if (v == bandsColor_)
        return;
    bandsColor_ = v;
    Invalidate();
}

void TzelGrid::SetBandsInterval(int v)
{
    if (v == bandsInterval_)
        return;
    bandsInterval_ = v;
    Invalidate();
}

void TzelGrid::SetHighlightURL(bool v)
{
    if (v == highlightURL_)
        return;
    highlightURL_ = v;
    Invalidate();
}

void TzelGrid::SetWordWrap(bool v)
{
    if (v == wordWrap_)
        return;
    wordWrap_ = v;
    Invalidate();
}

void TzelGrid::SetHideSelected(bool v)
{
    if (v == hideSelected_)
        return;
    hideSelected_ = v;
    Repaint();
}

void TzelGrid::SetNumberFormat(const QString& v)
{
    if (v == numberFormat_)
        return;
    numberFormat_ = v;
    Recalculate();
}

void TzelGrid::SetAutoCalculate(bool v)
{
    if (v == autoCalculate_)
        return;
    autoCalculate_ = v;
    if (v)
        Recalculate();
}

void TzelGrid::SetShowValues(bool v)
{
    if (v == showValues_)
        return;
    showValues_ = v;
    if (v)
        Recalculate();
    else
        Invalidate();
}

void TzelGrid::SetSortIndex(int v)
{
    if (v == sortIndex_)
        return;
    sortIndex_ = v;
    Invalidate();
}

void TzelGrid::SetSortDirection(SortDirType v)
{
    if (v == sortDirection_)
        return;
    sortDirection_ = v;
    Invalidate();
}

void TzelGrid::SetHowToSort(THowToSort v)
{
    if (v == howToSort_)
        return;
    howToSort_ = v;
    Invalidate();
}

// ---- headers ---------------------------------------------------------------------

int TzelGrid::HeaderColumn(std::string_view header) const
{
    for (int c = 0; c < ColCount(); ++c)
        if (CellText(c, 0) == header)
            return c;
    return -1;
}

QStringList TzelGrid::RowHeaders() const
{
    QStringList list;
    list.reserve(RowCount());
    for (int r = 0; r < RowCount(); ++r)
        list.append(Cells(0, r));
    return list;
}

void TzelGrid::SetRowHeaders(const QStringList& headers)
{
    const int inGrid = std::min(int(headers.size()), RowCount());
    for (int i = 0; i < inGrid; ++i)
        SetCells(0, i, headers[i]);
    std::string bytes;
    for (int i = inGrid; i < headers.size(); ++i) {
        AssignUtf8(bytes, headers[i]);
        CellStore().KeepBeyond(0, i, bytes);
    }
}

// ---- base overrides -----------------------------------------------------------

bool TzelGrid::SelectCell(int col, int row)
{
    // While the formula editor collects references, each selected cell adds its own.
    if (formuleMode_)
        if (TzelGridFormuleF* editor = TzelGridFormuleF::Instance())
            editor->InsertAtCaret(ReferenceText(col, row));
    return TStringGrid::SelectCell(col, row);
}

void TzelGrid::SizeChanged(int oldColCount, int oldRowCount)
{
    savedColWidths_.resize(ColCount(), 0);
    for (int c = 0; c < ColCount(); ++c)
        if (ColWidths(c) > 0)
            savedColWidths_[c] = ColWidths(c);
    if (constructed_)
        LoadValues();
    if (OnSizeChanged)
        OnSizeChanged(this, oldColCount, oldRowCount);
}

// ---- commands ---------------------------------------------------------------------

void TzelGrid::RunStep(std::unique_ptr<TGridStep> step)
{
    if (history_)
        history_->Run(std::move(step));
    else
        step->Redo();
}

void TzelGrid::InsertRowAtCurrent()
{
    RunStep(std::make_unique<TInsertRowStep>(this, Row()));
}

void TzelGrid::DeleteRowAtCurrent()
{
    if (RowCount() <= FixedRows() + 1)
        return;
    RunStep(std::make_unique<TDeleteRowStep>(this, Row()));
}

void TzelGrid::InsertColumnAtCurrent()
{
    RunStep(std::make_unique<TInsertColumnStep>(this, Col()));
}

void TzelGrid::DeleteColumnAtCurrent()
{
    if (ColCount() <= FixedCols() + 1)
        return;
    RunStep(std::make_unique<TDeleteColumnStep>(this, Col()));
}

void TzelGrid::CopyRowToHeader()
{
    if (Row() <= 0 || ColCount() < 2)
        return;
    std::vector<TCellEdit> edits;
    for (int c = 1; c < ColCount(); ++c)
        edits.push_back({c, 0, Cells(c, Row())});
    EditCells(tr("Copy row to header"), edits);
}

void TzelGrid::EditCells(const QString& name, const std::vector<TCellEdit>& edits)
{
    auto step = std::make_unique<TSetCellsStep>(name, this, edits);
    if (!step->Empty())
        RunStep(std::move(step));
}

// The saved widths follow their columns, so a hidden column further right
// comes back at its own width.
TzelGrid::TTakenColumn TzelGrid::TakeColumnOut(int col)
{
    TTakenColumn taken;
    taken.Width = ColWidths(col);
    taken.SavedWidth = savedColWidths_[std::size_t(col)];
    savedColWidths_.erase(savedColWidths_.begin() + col);
    taken.Cells = TakeColumn(col);
    return taken;
}

void TzelGrid::PutColumnBack(int col, TTakenColumn&& column)
{
    savedColWidths_.insert(savedColWidths_.begin() + col, column.SavedWidth);
    PutColumn(col, std::move(column.Cells), column.Width);
}

void TzelGrid::ShowCell(int col, int row)
{
    col = std::clamp(col, FixedCols(), ColCount() - 1);
    row = std::clamp(row, FixedRows(), RowCount() - 1);
    SetSelection(TGridRect{col, row, col, row});
    ScrollIntoView(col, row);
}

void TzelGrid::ShowColumn(int col)
{
    if (col < 0 || col >= ColCount())
        return;
    if (savedColWidths_[col] < 1)
        savedColWidths_[col] = DefaultColWidth();
    SetColWidths(col, savedColWidths_[col]);
}

void TzelGrid::ShowAllColumns()
{
    for (int c = FixedCols(); c < ColCount(); ++c)
        ShowColumn(c);
}

void TzelGrid::HideRow(int row)
{
    SetRowHeights(row, -1);
}

void TzelGrid::RefreshLineMeasures()
{
    if (lineCount_ && lineMeasuresFont_ == Font())
        return;
    lineMeasuresFont_ = Font();
    lineCount_ = &TWrappedLineCount::ForFont(lineMeasuresFont_);
    linesHeights_.clear();
}

int TzelGrid::LinesHeight(int lines)
{
    while (int(linesHeights_.size()) < lines) {
        const QString text = QStringList(int(linesHeights_.size()) + 1, QStringLiteral("X")).join(QLatin1Char('\n'));
        QRect rect(0, 0, DefaultColWidth(), DefaultRowHeight());
        Canvas()->SetFont(lineMeasuresFont_);
        linesHeights_.push_back(Canvas()->DrawText(text, rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX));
    }
    return linesHeights_[std::size_t(lines) - 1];
}

int TzelGrid::CellTextHeight(int col, int row)
{
    // A cell's rectangle, in view or not, is as wide as its column.
    const int width = ColWidths(col);
    std::string_view text = CellText(col, row);
    QByteArray value;
    if (showValues_ && text.starts_with('=')) {
        value = QByteArray::number(double(values_.Value(col, row)), 'g', 15);
        text = std::string_view(value.constData(), std::size_t(value.size()));
    }
    // Most cells are short plain texts: showing half a million filtered rows
    // again must not lay out every one of them.
    if (const int lines = lineCount_->Lines(text, width))
        return LinesHeight(lines);
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    QRect rect(0, 0, width, DefaultRowHeight());
    canvas->DrawText(QString::fromUtf8(text.data(), qsizetype(text.size())), rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return rect.height();
}

void TzelGrid::AutoSizeRow(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    RefreshLineMeasures();
    int height = DefaultRowHeight();
    for (int c = 0; c < ColCount(); ++c) {
        // A hidden column's text is not seen, so it does not make the row taller.
        if (ColWidths(c) > 0)
            height = std::max(height, CellTextHeight(c, row) + 1);
    }
    SetRowHeights(row, height);
}

void TzelGrid::ShowAllRows()
{
    for (int r = 1; r < RowCount(); ++r)
        if (RowHeights(r) <= 0)
            AutoSizeRow(r);
}
