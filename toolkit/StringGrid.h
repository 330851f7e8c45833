#pragma once
// The toolkit's string grid: cells of text addressed (column, row), fixed header
// lines frozen while scrolling, line sizes where 0 or less hides a line, a current
// cell guarded by the virtual SelectCell, a range selection, column sizing by
// dragging a header border, keyboard navigation, and painting of the visible cells
// only, each through the virtual DrawCell. Cells are never edited in place.

#include "Canvas.h"
#include "GridAxis.h"
#include "GridCellStore.h"
#include "Graphics.h"
#include "Keys.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QStringList>
#include <algorithm>
#include <functional>

struct TGridCoord {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A rectangle of cells, inclusive indexes.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

using TGridDrawState = unsigned;
constexpr TGridDrawState gdSelected = 1;
constexpr TGridDrawState gdFocused = 2;
constexpr TGridDrawState gdFixed = 4;

using TGridOptions = unsigned;
constexpr TGridOptions goFixedVertLine = 0x1;
constexpr TGridOptions goFixedHorzLine = 0x2;
constexpr TGridOptions goVertLine = 0x4;
constexpr TGridOptions goHorzLine = 0x8;
constexpr TGridOptions goRangeSelect = 0x10;
constexpr TGridOptions goDrawFocusSelected = 0x20;
constexpr TGridOptions goColSizing = 0x80;

class TStringGrid;

// A string-list view of one row (Rows) or one column (Cols) of a grid. Reading
// entry i reads the cell; assigning a list copies as many entries as both have and
// leaves the rest of the line as it was; clearing empties the whole line.
class TGridStrings {
public:
    TGridStrings(TStringGrid* grid, bool isRow, int index) : grid_(grid), isRow_(isRow), index_(index) {}

    int Count() const;
    QString Strings(int i) const;
    QString operator[](int i) const { return Strings(i); }
    void Put(int i, const QString& text);
    void Assign(const QStringList& list);
    void Assign(const TGridStrings& other);
    void Clear();
    QStringList ToStringList() const;

private:
    TStringGrid* grid_;
    bool isRow_;
    int index_;
};

using TDrawCellEvent = std::function<void(QObject* sender, int col, int row, const QRect& rect, TGridDrawState state)>;
using TSelectCellEvent = std::function<void(QObject* sender, int col, int row, bool& canSelect)>;
using TGridKeyEvent = std::function<void(QObject* sender, int& key, TShiftState shift)>;
using TGridKeyPressEvent = std::function<void(QObject* sender, QChar& key)>;
using TGridMouseEvent = std::function<void(QObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
// Rows first .. first + from.size() - 1 took the texts that rows from[k] had.
using TRowsMovedEvent = std::function<void(QObject* sender, int first, const std::vector<int>& from)>;

// A change of what a grid's cells hold or where they stand, as OnChange tells
// it once the change is done. Line sizes, the selection and the look are no
// such change. Together the changes tell every way the content got where it is.
struct TGridChange {
    enum TKind {
        Cell,          // the text of cell (Col, Row)
        Size,          // ColCount or RowCount: lines added (empty) or dropped at the end
        RowInserted,   // an empty row before row Row
        RowDeleted,    // row Row
        ColumnDeleted, // column Col
        RowsMoved,     // rows Row .. Row + From->size() - 1 took the texts rows (*From)[k] had
        ColumnsMoved,  // columns Col .. Col + From->size() - 1 took the texts columns (*From)[k] had
        RowsPut,       // rows Row .. Row + Count - 1 written whole by WriteRows, which grew the grid to them
        Replaced,      // the content as a whole
    };
    TKind Kind = Cell;
    int Col = 0;
    int Row = 0;
    int Count = 0;
    const std::vector<int>* From = nullptr;
};
using TGridChangeEvent = std::function<void(QObject* sender, const TGridChange& change)>;

// The cells and rows of a grid, taken out whole by SwapContent.
struct TGridContent {
    TGridCellStore Cells{0, 0};
    std::vector<int> RowSizes;
};

class TStringGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* owner = nullptr);
    ~TStringGrid() override;

    // Cells.
    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    // The UTF-8 bytes of a cell, without conversion.
    std::string_view CellText(int col, int row) const { return cells_.Text(col, row); }
    TGridStrings Rows(int row) { return TGridStrings(this, true, row); }
    TGridStrings Cols(int col) { return TGridStrings(this, false, col); }

    // Size.
    int ColCount() const { return cols_.Count(); }
    void SetColCount(int count);
    int RowCount() const { return rows_.Count(); }
    void SetRowCount(int count);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int count);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int count);
    int DefaultColWidth() const { return cols_.DefaultSize(); }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return rows_.DefaultSize(); }
    void SetDefaultRowHeight(int height);
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    int RowHeights(int row) const;
    void SetRowHeights(int row, int height);
    // The number of hidden rows, header rows included.
    int HiddenRowCount() const { return rows_.HiddenCount(); }
    int GridLineWidth() const { return cols_.LineWidth(); }

    // Current cell and selection.
    int Col() const { return current_.X; }
    void SetCol(int col);
    int Row() const { return current_.Y; }
    void SetRow(int row);
    TGridRect Selection() const;
    void SetSelection(const TGridRect& rect);

    // Whether a cell is painted as selected.
    bool IsSelected(int col, int row) const;

    // The text the grid shows in a cell (the cell's own text in the base grid).
    virtual QString ShownText(int col, int row) const { return Cells(col, row); }
    // The hint of a cell: what a tooltip over it shows and a screen reader reads
    // as its description, the grid's own hint (OwnCellHint) as OnCellHint leaves it;
    // empty when it has none.
    QString CellHint(int col, int row);
    // Shows the hint of the current cell beside it, as a tooltip (Ctrl+F1).
    void ShowCurrentCellHint();
    // Gives the column the width that fits its texts (FittingColWidth), as a
    // double-click on its header border does.
    void FitColumnWidth(int col);

    // The lines of each axis: their sizes, positions and visible places.
    const TGridAxis& ColAxis() const { return cols_; }
    const TGridAxis& RowAxis() const { return rows_; }

    // Geometry, in client (viewport) pixels.
    TGridCoord MouseToCell(int x, int y) const;
    void MouseToCell(int x, int y, int& col, int& row) const;
    QRect CellRect(int col, int row) const;
    // The first scrollable row and column at the top left of the view.
    int TopRow() const;
    int LeftCol() const;
    // Scrolls vertically as little as needed for the scrollable row to lie between
    // the view's pixel lines top and bottom (below the header rows); false, and no
    // scrolling, when no scroll position does that.
    bool ScrollRowInto(int row, int top, int bottom);
    // A left press on a header border has started a column resize, which the
    // release ends: true from that press's OnMouseDown to its release.
    bool ColumnSizing() const { return drag_ == TDrag::Sizing; }

    void DeleteRow(int row);
    void DeleteColumn(int col);
    // An empty row before `row` (0 .. RowCount()): the row count grows by one,
    // then the rows from `row` on move down one, each with its height.
    void InsertRow(int row);
    // Exchanges the cells and rows with `content`: the grid takes its column
    // count and rows, and `content` keeps the grid's, without copying a text.
    void SwapContent(TGridContent& content);

    // Bulk append of whole rows, each with its size() cells readable as UTF-8 by
    // index. The rows land at the end of the grid: the first in the last row when
    // that row's first cell is empty, otherwise in a new row below it, and the
    // others in new rows after it; so afterwards the grid's last `count` rows hold
    // them, in order. Column 0 of the last of them is then selected. Cell indexes
    // from ColCount on are left out. The rows are written by WriteRows.
    template <class TRow>
    void PutRows(const TRow* rows, std::size_t count);
    // Writes whole rows from row `first` on, the grid growing to hold them. The
    // row count is set once, before any text is written: size-change subscribers
    // are told once per call (not at all when no row is added); a text that
    // changes in a row the grid had goes through CellTextChanging like any change
    // of a cell's text. OnChange hears one RowsPut. A list of a million rows costs
    // one size change per call instead of one per row.
    template <class TRow>
    void WriteRows(int first, const TRow* rows, std::size_t count);

    // Look.
    QFont Font() const { return font_; }
    void SetFont(const QFont& font);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor color);
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions options);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on) { showHint_ = on; }
    TCanvas* Canvas() { return &canvas_; }

    void Invalidate();
    void Repaint();

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    TGridKeyEvent OnKeyDown;
    TGridKeyEvent OnKeyUp;
    TGridKeyPressEvent OnKeyPress;
    TGridMouseEvent OnMouseDown;
    TGridMouseEvent OnMouseUp;
    TRowsMovedEvent OnRowsMoved;
    // A row was hidden, or a hidden row shown again, through RowHeights.
    std::function<void(QObject* sender)> OnRowHiddenChange;
    // May change the hint of a cell (CellHint), which starts as the grid's own.
    std::function<void(QObject* sender, int col, int row, QString& hint)> OnCellHint;
    TGridChangeEvent OnChange;

protected:
    // Paints one cell; the canvas is prepared with the cell's font and brush.
    // The base fills the cell and draws its text, then notifies OnDrawCell.
    virtual void DrawCell(int col, int row, const QRect& rect, TGridDrawState state);
    // Asked before the current cell moves; false refuses the move.
    virtual bool SelectCell(int col, int row);
    // Runs after every change of ColCount or RowCount.
    virtual void SizeChanged(int oldColCount, int oldRowCount);
    virtual void KeyDown(int& key, TShiftState shift);
    virtual void KeyUp(int& key, TShiftState shift);
    virtual void KeyPress(QChar& key);
    // Told before the text of an existing cell changes.
    virtual void CellTextChanging(int col, int row) { Q_UNUSED(col); Q_UNUSED(row); }
    // The grid's own hint of a cell; none in the base grid.
    virtual QString OwnCellHint(int col, int row) { Q_UNUSED(col); Q_UNUSED(row); return QString(); }
    // The width a double-click on the column's header border gives it: the widest
    // text of its header and its visible rows, with the same room as the painting.
    virtual int FittingColWidth(int col);
    // The widest of the texts of column col in rows first .. RowCount - 1 that are
    // shown, in pixels of the grid's font.
    int WidestText(int col, int first) const;
    // Told after rows (columns) first .. first + from.size() - 1 took the texts
    // that rows (columns) from[k] had.
    virtual void RowsPermuted(int first, const std::vector<int>& from) { Q_UNUSED(first); Q_UNUSED(from); }
    virtual void ColsPermuted(int first, const std::vector<int>& from) { Q_UNUSED(first); Q_UNUSED(from); }

    // Moves cell texts. A row's height, hidden or not, moves with the row;
    // column widths stay by position.
    void PermuteRows(int first, const std::vector<int>& from);
    void PermuteCols(int first, const std::vector<int>& from);
    TGridCellStore& CellStore() { return cells_; }
    // Takes column `col` out whole, its texts with it; PutColumn puts such a
    // column (with as many rows as the grid) back before `col`, `width` wide.
    TCellColumn TakeColumn(int col);
    void PutColumn(int col, TCellColumn&& column, int width);

    // Moves the current cell after asking SelectCell; the anchor follows unless
    // the selection is being extended. Returns false when refused or invalid.
    bool MoveCurrent(int col, int row, bool moveAnchor, bool show);
    void ScrollIntoView(int col, int row);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    friend class TGridStrings;
    // While one lives, OnChange hears nothing: a change made of others is told
    // as one, after them.
    class TQuietChanges {
    public:
        explicit TQuietChanges(TStringGrid* grid) : grid_(grid) { ++grid_->quiet_; }
        ~TQuietChanges() { --grid_->quiet_; }
        TQuietChanges(const TQuietChanges&) = delete;
        TQuietChanges& operator=(const TQuietChanges&) = delete;

    private:
        TStringGrid* grid_;
    };
    void Changed(const TGridChange& change);
    void ChangeSize(int cols, int rows);
    void AfterSizeChange(int oldCols, int oldRows);
    void ClampCurrent();
    void UpdateScrollBars() const;
    void ScheduleScrollBars();
    int ScrollX() const;
    int ScrollY() const;
    // Pixel position of a line in the view, or a large negative when off screen.
    std::int64_t ViewPos(const TGridAxis& axis, int fixed, int offset, int i) const;
    int LineAtView(const TGridAxis& axis, int fixed, int offset, int pos) const;
    int RowsPerPage() const;
    int SizingColumnAt(int x, int y) const;
    void PaintCells(QPainter& painter, const QRect& area);
    void PaintFocusFrame(QPainter& painter, const QRect& rect) const;
    // Lines were added, removed, moved, hidden or shown.
    void LinesChanged();
    void Navigate(int key, TShiftState shift);

    TGridCellStore cells_;
    TGridAxis cols_;
    TGridAxis rows_;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    TGridCoord current_;
    TGridCoord anchor_;
    TGridOptions options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    QFont font_;
    TColor color_ = clWindow;
    TColor fixedColor_ = clBtnFace;
    bool showHint_ = false;
    TCanvas canvas_;

    mutable bool scrollBarsDirty_ = true;
    bool scrollBarsScheduled_ = false;
    bool updatePending_ = false;
    enum class TDrag { None, Selecting, Sizing } drag_ = TDrag::None;
    int sizingCol_ = -1;
    int sizingStartX_ = 0;
    int sizingStartWidth_ = 0;
    int quiet_ = 0;
};

template <class TRow>
void TStringGrid::PutRows(const TRow* rows, std::size_t count)
{
    if (count == 0)
        return;
    const int last = RowCount() - 1;
    const int first = CellText(0, last).empty() ? last : last + 1;
    WriteRows(first, rows, count);
    const int end = first + int(count) - 1;
    SetSelection(TGridRect{0, end, 0, end});
}

template <class TRow>
void TStringGrid::WriteRows(int first, const TRow* rows, std::size_t count)
{
    if (count == 0 || first < 0)
        return;
    {
        const int had = RowCount();
        const TQuietChanges quiet(this);
        SetRowCount(std::max(had, first + int(count)));
        for (std::size_t k = 0; k < count; ++k) {
            const int row = first + int(k);
            const int cols = std::min<int>(ColCount(), int(rows[k].size()));
            for (int c = 0; c < cols; ++c) {
                const std::string_view text = rows[k][std::size_t(c)];
                if (row < had)
                    SetCells(c, row, FromUtf8(text));
                else // a fresh row: nothing to tell about texts that change
                    cells_.Assign(c, row, text);
            }
        }
    }
    Invalidate();
    Changed(TGridChange{TGridChange::RowsPut, 0, first, int(count), nullptr});
}
