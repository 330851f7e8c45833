#include "GridAccessible.h"

#include "StringGrid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

#include <algorithm>
#include <climits>
#include <utility>

namespace {

// Cells a table keeps for the screen reader before it lets go of those out of view.
constexpr int kKeptCells = 4096;
// Cells a list of selected cells names at most: a whole million-row column is
// counted, not listed.
constexpr int kListedCells = 1024;

// One axis of the grid as the table shows it: its visible lines, the fixed ones
// (headers) first. Places among the visible lines are found in O(log n).
struct TAxisView {
    const TGridAxis& axis;
    int fixed;

    int Visible() const { return axis.Count() - axis.HiddenCount(); }
    int Headers() const { return axis.VisibleBefore(fixed); }
    int Body() const { return Visible() - Headers(); }
    // The grid line shown at place k among all visible lines, or -1.
    int Line(int k) const
    {
        const int line = axis.NthVisible(k);
        return line < axis.Count() ? line : -1;
    }
    int Place(int line) const { return axis.VisibleBefore(line); }
    // A body line's index in the table, or -1 for a header line.
    int TableIndex(int line) const { return line < fixed ? -1 : Place(line) - Headers(); }
};

TAxisView Rows(const TStringGrid* grid) { return {grid->RowAxis(), grid->FixedRows()}; }
TAxisView Cols(const TStringGrid* grid) { return {grid->ColAxis(), grid->FixedCols()}; }

class TGridTable;
TGridTable* TableOf(TStringGrid* grid);

// One cell of the grid, by its place (column, row) in the grid: its text is what
// the grid shows there, its description the cell's hint.
class TGridCell : public QAccessibleInterface, public QAccessibleTableCellInterface, public QAccessibleTextInterface {
public:
    TGridCell(TStringGrid* grid, int col, int row) : grid_(grid), col_(col), row_(row)
    {
        reportedSelected_ = isValid() && grid_->IsSelected(col_, row_);
    }

    int Col() const { return col_; }
    int Row() const { return row_; }
    // Tells the screen reader when the cell came into or left the selection.
    void ReportSelection()
    {
        const bool selected = isValid() && grid_->IsSelected(col_, row_);
        if (selected == reportedSelected_)
            return;
        reportedSelected_ = selected;
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }

    bool isValid() const override { return grid_ && col_ < grid_->ColCount() && row_ < grid_->RowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(grid_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        switch (t) {
        case QAccessible::Name:
        case QAccessible::Value: return grid_->ShownText(col_, row_);
        case QAccessible::Description: return grid_->CellHint(col_, row_);
        default: return QString();
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect cell = grid_->CellRect(col_, row_);
        if (cell.isEmpty())
            return QRect();
        return QRect(grid_->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::Role role() const override
    {
        if (isValid() && row_ < grid_->FixedRows())
            return QAccessible::ColumnHeader;
        if (isValid() && col_ < grid_->FixedCols())
            return QAccessible::RowHeader;
        return QAccessible::Cell;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool body = row_ >= grid_->FixedRows() && col_ >= grid_->FixedCols();
        s.readOnly = true;
        s.focusable = body;
        s.selectable = body;
        s.selected = body && grid_->IsSelected(col_, row_);
        s.focused = body && col_ == grid_->Col() && row_ == grid_->Row() && grid_->hasFocus();
        s.invisible = !grid_->RowAxis().IsVisible(row_) || !grid_->ColAxis().IsVisible(col_);
        s.offscreen = s.invisible || grid_->CellRect(col_, row_).isEmpty();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return nullptr;
    }

    // ---- table cell
    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return isValid() ? Cols(grid_).TableIndex(col_) : -1; }
    int rowIndex() const override { return isValid() ? Rows(grid_).TableIndex(row_) : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // ---- text: the shown text, read only, without a caret or a selection
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = text(QAccessible::Name);
        startOffset = std::clamp(startOffset, 0, int(all.size()));
        endOffset = endOffset < 0 ? int(all.size()) : std::clamp(endOffset, startOffset, int(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(text(QAccessible::Name).size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }

private:
    QList<QAccessibleInterface*> HeaderCells(bool columnHeaders) const;

    QPointer<TStringGrid> grid_;
    int col_;
    int row_;
    bool reportedSelected_ = false;
};

// The grid itself: a table over its visible cells. Its children are every visible
// cell, row by row with the header rows first; a cell's interface is made when it
// is first asked for and kept, so that it keeps its identity for the screen reader.
class TGridTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TGridTable(TStringGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    // The cell interfaces stay with the accessibility cache, which frees them.

    TStringGrid* Grid() const { return static_cast<TStringGrid*>(object()); }

    // The interface of a grid cell, made on first use.
    QAccessibleInterface* Cell(int col, int row) const
    {
        if (col < 0 || row < 0)
            return nullptr;
        const quint64 key = Key(col, row);
        if (const QAccessible::Id id = cells_.value(key))
            if (QAccessibleInterface* cell = QAccessible::accessibleInterface(id))
                return cell;
        if (cells_.size() >= kKeptCells)
            DropCells(false);
        auto* cell = new TGridCell(Grid(), col, row);
        cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    // Whether a change of the grid's lines starts now (false while one is told of already).
    bool StartLinesChange() { return !std::exchange(linesChanging_, true); }
    void EndLinesChange() { linesChanging_ = false; }
    // The interface of a grid cell if a screen reader has seen it, else nullptr.
    QAccessibleInterface* SeenCell(int col, int row) const
    {
        const QAccessible::Id id = cells_.value(Key(col, row));
        return id ? QAccessible::accessibleInterface(id) : nullptr;
    }
    // The cells the screen reader has seen learn whether they are selected now;
    // the others it reads when it comes to them.
    void ReportSelection() const
    {
        for (const QAccessible::Id id : std::as_const(cells_))
            if (auto* cell = dynamic_cast<TGridCell*>(QAccessible::accessibleInterface(id)))
                cell->ReportSelection();
    }
    // Lets go of the cells outside the grid (all but those in view and the
    // current one when `outsideOnly` is false).
    void DropCells(bool outsideOnly) const
    {
        const TStringGrid* grid = Grid();
        for (auto it = cells_.begin(); it != cells_.end();) {
            const int col = int(it.key() & 0xFFFFFFFFu);
            const int row = int(it.key() >> 32);
            const bool outside = col >= grid->ColCount() || row >= grid->RowCount();
            const bool keep = !outside && (outsideOnly || (col == grid->Col() && row == grid->Row()) ||
                                           !grid->CellRect(col, row).isEmpty());
            if (keep) {
                ++it;
                continue;
            }
            QAccessible::deleteAccessibleInterface(it.value());
            it = cells_.erase(it);
        }
    }

    // The place of a visible cell among the table's children, or -1.
    int ChildIndex(int col, int row) const
    {
        const TStringGrid* grid = Grid();
        if (!grid->RowAxis().IsVisible(row) || !grid->ColAxis().IsVisible(col))
            return -1;
        const qint64 index = qint64(Rows(grid).Place(row)) * Cols(grid).Visible() + Cols(grid).Place(col);
        return index < INT_MAX ? int(index) : -1;
    }

    // ---- the table as a widget
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.multiSelectable = true;
        s.extSelectable = true;
        return s;
    }
    int childCount() const override
    {
        const qint64 count = qint64(Rows(Grid()).Visible()) * Cols(Grid()).Visible();
        return int(std::min<qint64>(count, INT_MAX));
    }
    QAccessibleInterface* child(int index) const override
    {
        const int cols = Cols(Grid()).Visible();
        if (index < 0 || cols == 0)
            return nullptr;
        return Cell(Cols(Grid()).Line(index % cols), Rows(Grid()).Line(index / cols));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* cell = dynamic_cast<const TGridCell*>(child);
        return cell && cell->isValid() ? ChildIndex(cell->Col(), cell->Row()) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint p = Grid()->viewport()->mapFromGlobal(QPoint(x, y));
        const TGridCoord cell = Grid()->MouseToCell(p.x(), p.y());
        return Cell(cell.X, cell.Y);
    }
    QAccessibleInterface* focusChild() const override
    {
        const TStringGrid* grid = Grid();
        return grid->hasFocus() ? Cell(grid->Col(), grid->Row()) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // ---- the table
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
            return nullptr;
        return Cell(Cols(Grid()).Line(Cols(Grid()).Headers() + column), Rows(Grid()).Line(Rows(Grid()).Headers() + row));
    }
    int rowCount() const override { return Rows(Grid()).Body(); }
    int columnCount() const override { return Cols(Grid()).Body(); }
    QString columnDescription(int column) const override
    {
        return HeaderText(Cols(Grid()).Line(Cols(Grid()).Headers() + column), true);
    }
    QString rowDescription(int row) const override
    {
        return HeaderText(Rows(Grid()).Line(Rows(Grid()).Headers() + row), false);
    }

    int selectedCellCount() const override
    {
        const TGridRect s = Selection();
        const qint64 cells = qint64(Between(Rows(Grid()), s.Top, s.Bottom)) * Between(Cols(Grid()), s.Left, s.Right);
        const bool currentUnselected = !(Grid()->Options() & goDrawFocusSelected) && cells > 0;
        return int(std::min<qint64>(cells - (currentUnselected ? 1 : 0), INT_MAX));
    }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        const TGridRect s = Selection();
        const TStringGrid* grid = Grid();
        for (int row = grid->RowAxis().NextVisible(s.Top); row <= s.Bottom; row = grid->RowAxis().NextVisible(row + 1))
            for (int col = grid->ColAxis().NextVisible(s.Left); col <= s.Right; col = grid->ColAxis().NextVisible(col + 1)) {
                if (cells.size() >= kListedCells)
                    return cells;
                if (grid->IsSelected(col, row))
                    cells.append(Cell(col, row));
            }
        return cells;
    }
    int selectedColumnCount() const override { return WholeColumns() ? Between(Cols(Grid()), Selection().Left, Selection().Right) : 0; }
    int selectedRowCount() const override { return WholeRows() ? Between(Rows(Grid()), Selection().Top, Selection().Bottom) : 0; }
    QList<int> selectedColumns() const override { return WholeColumns() ? Indexes(Cols(Grid()), Selection().Left, Selection().Right) : QList<int>(); }
    QList<int> selectedRows() const override { return WholeRows() ? Indexes(Rows(Grid()), Selection().Top, Selection().Bottom) : QList<int>(); }
    bool isColumnSelected(int column) const override
    {
        const int col = Cols(Grid()).Line(Cols(Grid()).Headers() + column);
        return WholeColumns() && col >= Selection().Left && col <= Selection().Right;
    }
    bool isRowSelected(int row) const override
    {
        const int line = Rows(Grid()).Line(Rows(Grid()).Headers() + row);
        return WholeRows() && line >= Selection().Top && line <= Selection().Bottom;
    }
    bool selectRow(int row) override
    {
        TStringGrid* grid = Grid();
        const int line = Rows(grid).Line(Rows(grid).Headers() + row);
        if (row < 0 || line < 0)
            return false;
        grid->SetSelection(TGridRect{grid->FixedCols(), line, grid->ColCount() - 1, line});
        return true;
    }
    bool selectColumn(int column) override
    {
        TStringGrid* grid = Grid();
        const int col = Cols(grid).Line(Cols(grid).Headers() + column);
        if (column < 0 || col < 0)
            return false;
        grid->SetSelection(TGridRect{col, grid->FixedRows(), col, grid->RowCount() - 1});
        return true;
    }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { DropCells(true); }

private:
    static quint64 Key(int col, int row) { return (quint64(quint32(row)) << 32) | quint32(col); }
    TGridRect Selection() const { return Grid()->Selection(); }
    // The visible lines from first to last.
    static int Between(const TAxisView& axis, int first, int last)
    {
        return std::max(0, axis.Place(last + 1) - axis.Place(first));
    }
    static QList<int> Indexes(const TAxisView& axis, int first, int last)
    {
        QList<int> indexes;
        for (int line = axis.axis.NextVisible(first); line <= last; line = axis.axis.NextVisible(line + 1))
            indexes.append(axis.TableIndex(line));
        return indexes;
    }
    // The selection spans every visible body row (column) of the grid.
    bool WholeColumns() const
    {
        const TAxisView rows = Rows(Grid());
        return Selection().Top <= rows.Line(rows.Headers()) && rows.Place(Selection().Bottom + 1) == rows.Visible();
    }
    bool WholeRows() const
    {
        const TAxisView cols = Cols(Grid());
        return Selection().Left <= cols.Line(cols.Headers()) && cols.Place(Selection().Right + 1) == cols.Visible();
    }
    // The texts of a column's header rows, or of a row's fixed columns.
    QString HeaderText(int line, bool column) const
    {
        if (line < 0)
            return QString();
        const TStringGrid* grid = Grid();
        QStringList texts;
        const int fixed = column ? grid->FixedRows() : grid->FixedCols();
        for (int i = 0; i < fixed; ++i) {
            const QString text = column ? grid->ShownText(line, i) : grid->ShownText(i, line);
            if (!text.isEmpty())
                texts << text;
        }
        return texts.join(QLatin1Char(' '));
    }

    mutable QHash<quint64, QAccessible::Id> cells_;
    bool linesChanging_ = false;
};

QList<QAccessibleInterface*> TGridCell::HeaderCells(bool columnHeaders) const
{
    QList<QAccessibleInterface*> cells;
    TGridTable* table = isValid() ? TableOf(grid_) : nullptr;
    if (!table)
        return cells;
    const int fixed = columnHeaders ? grid_->FixedRows() : grid_->FixedCols();
    for (int i = 0; i < fixed; ++i) {
        const int col = columnHeaders ? col_ : i;
        const int row = columnHeaders ? i : row_;
        if (grid_->RowAxis().IsVisible(row) && grid_->ColAxis().IsVisible(col) && !(col == col_ && row == row_))
            cells.append(table->Cell(col, row));
    }
    return cells;
}

QList<QAccessibleInterface*> TGridCell::columnHeaderCells() const
{
    return HeaderCells(true);
}

QList<QAccessibleInterface*> TGridCell::rowHeaderCells() const
{
    return HeaderCells(false);
}

TGridTable* TableOf(TStringGrid* grid)
{
    return dynamic_cast<TGridTable*>(QAccessible::queryAccessibleInterface(grid));
}

QAccessibleInterface* GridFactory(const QString& key, QObject* object)
{
    if (key == QLatin1String("TStringGrid"))
        if (auto* grid = qobject_cast<TStringGrid*>(object))
            return new TGridTable(grid);
    return nullptr;
}

// The table of a grid while a screen reader listens, else nullptr (no interface is made).
TGridTable* ListeningTable(TStringGrid* grid)
{
    return QAccessible::isActive() ? TableOf(grid) : nullptr;
}

} // namespace

void InstallGridAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(GridFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

namespace GridAccessibility {

bool Listening()
{
    return QAccessible::isActive();
}

void CurrentChanged(TStringGrid* grid, bool selectionChanged)
{
    TGridTable* table = ListeningTable(grid);
    if (!table)
        return;
    if (QAccessibleInterface* cell = table->Cell(grid->Col(), grid->Row())) {
        if (grid->hasFocus()) {
            QAccessibleEvent focus(cell, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
    if (selectionChanged)
        table->ReportSelection();
}

void FocusIn(TStringGrid* grid)
{
    if (!ListeningTable(grid))
        return;
    // The window tells of the grid's focus after its focus-in: the current cell's
    // focus follows that, so that the screen reader stays on the cell.
    QMetaObject::invokeMethod(
        grid,
        [grid] {
            TGridTable* table = ListeningTable(grid);
            if (!table || !grid->hasFocus())
                return;
            if (QAccessibleInterface* cell = table->Cell(grid->Col(), grid->Row())) {
                QAccessibleEvent focus(cell, QAccessible::Focus);
                QAccessible::updateAccessibility(&focus);
            }
        },
        Qt::QueuedConnection);
}

void TextChanged(TStringGrid* grid, int col, int row, const QString& oldText, const QString& newText)
{
    TGridTable* table = ListeningTable(grid);
    if (!table)
        return;
    // Only a cell the screen reader has seen can be told; the others it reads anew.
    if (QAccessibleInterface* cell = table->SeenCell(col, row)) {
        QAccessibleTextUpdateEvent update(cell, 0, oldText, newText);
        QAccessible::updateAccessibility(&update);
    }
}

void LinesChanged(TStringGrid* grid)
{
    TGridTable* table = ListeningTable(grid);
    if (!table || !table->StartLinesChange())
        return;
    // A view hides or shows its rows one at a time, up to a million of them: the
    // screen reader hears of the change once, when the work is done.
    QMetaObject::invokeMethod(
        grid,
        [grid] {
            TGridTable* table = TableOf(grid);
            if (table)
                table->EndLinesChange(); // also when the screen reader has left meanwhile
            if (!ListeningTable(grid))
                return;
            QAccessibleTableModelChangeEvent change(grid, QAccessibleTableModelChangeEvent::ModelReset);
            QAccessible::updateAccessibility(&change);
        },
        Qt::QueuedConnection);
}

} // namespace GridAccessibility
