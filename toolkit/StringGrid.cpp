#include "StringGrid.h"

#include "GridAccessible.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <climits>
#include <cmath>

// ---- TGridStrings ---------------------------------------------------------

int TGridStrings::Count() const
{
    return isRow_ ? grid_->ColCount() : grid_->RowCount();
}

QString TGridStrings::Strings(int i) const
{
    return isRow_ ? grid_->Cells(i, index_) : grid_->Cells(index_, i);
}

void TGridStrings::Put(int i, const QString& text)
{
    if (isRow_)
        grid_->SetCells(i, index_, text);
    else
        grid_->SetCells(index_, i, text);
}

void TGridStrings::Assign(const QStringList& list)
{
    const int n = std::min(int(list.size()), Count());
    for (int i = 0; i < n; ++i)
        Put(i, list[i]);
}

void TGridStrings::Assign(const TGridStrings& other)
{
    Assign(other.ToStringList());
}

void TGridStrings::Clear()
{
    for (int i = 0; i < Count(); ++i)
        Put(i, QString());
}

QStringList TGridStrings::ToStringList() const
{
    QStringList list;
    list.reserve(Count());
    for (int i = 0; i < Count(); ++i)
        list.append(Strings(i));
    return list;
}

// ---- TStringGrid ----------------------------------------------------------

TStringGrid::TStringGrid(QWidget* owner)
    : QAbstractScrollArea(owner), cells_(5, 5), cols_(5, 64), rows_(5, 24)
{
    current_ = anchor_ = TGridCoord{1, 1};
    font_ = QAbstractScrollArea::font();
    canvas_.SetFont(font_);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    setFrameShape(QFrame::StyledPanel);
    InstallGridAccessibility();
}

TStringGrid::~TStringGrid() = default;

QString TStringGrid::Cells(int col, int row) const
{
    return FromUtf8(cells_.Text(col, row));
}

void TStringGrid::SetCells(int col, int row, const QString& text)
{
    if (!cells_.Contains(col, row))
        return;
    static thread_local std::string bytes; // reused, so that writing allocates nothing
    AssignUtf8(bytes, text);
    if (cells_.Text(col, row) == bytes)
        return;
    CellTextChanging(col, row);
    const QString oldText = GridAccessibility::Listening() ? Cells(col, row) : QString();
    cells_.Assign(col, row, bytes);
    Invalidate();
    if (GridAccessibility::Listening())
        GridAccessibility::TextChanged(this, col, row, oldText, text);
    Changed(TGridChange{TGridChange::Cell, col, row});
}

void TStringGrid::Changed(const TGridChange& change)
{
    if (OnChange && quiet_ == 0)
        OnChange(this, change);
}

// ---- size -----------------------------------------------------------------

void TStringGrid::SetColCount(int count)
{
    count = std::max(count, 1);
    if (count <= fixedCols_)
        fixedCols_ = count - 1;
    ChangeSize(count, RowCount());
}

void TStringGrid::SetRowCount(int count)
{
    count = std::max(count, 1);
    if (count <= fixedRows_)
        fixedRows_ = count - 1;
    ChangeSize(ColCount(), count);
}

void TStringGrid::ChangeSize(int cols, int rows)
{
    const int oldCols = ColCount();
    const int oldRows = RowCount();
    if (cols == oldCols && rows == oldRows)
        return;
    cells_.Resize(cols, rows);
    cols_.SetCount(cols);
    rows_.SetCount(rows);
    AfterSizeChange(oldCols, oldRows);
    Changed(TGridChange{TGridChange::Size});
}

void TStringGrid::AfterSizeChange(int oldCols, int oldRows)
{
    ClampCurrent();
    ScheduleScrollBars();
    Invalidate();
    LinesChanged();
    SizeChanged(oldCols, oldRows);
}

void TStringGrid::LinesChanged()
{
    GridAccessibility::LinesChanged(this);
}

void TStringGrid::SizeChanged(int, int) {}

void TStringGrid::SetFixedCols(int count)
{
    if (count < 0 || count >= ColCount() || count == fixedCols_)
        return;
    fixedCols_ = count;
    ClampCurrent();
    ScheduleScrollBars();
    Invalidate();
    LinesChanged();
}

void TStringGrid::SetFixedRows(int count)
{
    if (count < 0 || count >= RowCount() || count == fixedRows_)
        return;
    fixedRows_ = count;
    ClampCurrent();
    ScheduleScrollBars();
    Invalidate();
    LinesChanged();
}

void TStringGrid::SetDefaultColWidth(int width)
{
    cols_.SetDefaultSize(width);
    ScheduleScrollBars();
    Invalidate();
}

void TStringGrid::SetDefaultRowHeight(int height)
{
    rows_.SetDefaultSize(height);
    verticalScrollBar()->setSingleStep(std::max(height + GridLineWidth(), 1));
    ScheduleScrollBars();
    Invalidate();
}

int TStringGrid::ColWidths(int col) const
{
    return col >= 0 && col < ColCount() ? cols_.Size(col) : 0;
}

void TStringGrid::SetColWidths(int col, int width)
{
    if (col < 0 || col >= ColCount() || cols_.Size(col) == width)
        return;
    const bool wasVisible = cols_.IsVisible(col);
    cols_.SetSize(col, width);
    ScheduleScrollBars();
    Invalidate();
    if (wasVisible != cols_.IsVisible(col))
        LinesChanged();
}

int TStringGrid::RowHeights(int row) const
{
    return row >= 0 && row < RowCount() ? rows_.Size(row) : 0;
}

void TStringGrid::SetRowHeights(int row, int height)
{
    if (row < 0 || row >= RowCount() || rows_.Size(row) == height)
        return;
    const bool wasVisible = rows_.IsVisible(row);
    rows_.SetSize(row, height);
    ScheduleScrollBars();
    Invalidate();
    if (wasVisible == rows_.IsVisible(row))
        return;
    LinesChanged();
    if (OnRowHiddenChange)
        OnRowHiddenChange(this);
}

void TStringGrid::DeleteRow(int row)
{
    if (row < 0 || row >= RowCount() || RowCount() <= 1)
        return;
    const int oldRows = RowCount();
    cells_.EraseRow(row);
    rows_.Erase(row);
    if (fixedRows_ > RowCount() - 1)
        fixedRows_ = RowCount() - 1;
    AfterSizeChange(ColCount(), oldRows);
    Changed(TGridChange{TGridChange::RowDeleted, 0, row});
}

void TStringGrid::InsertRow(int row)
{
    if (row < 0 || row > RowCount())
        return;
    {
        const TQuietChanges quiet(this);
        SetRowCount(RowCount() + 1);
        // Rows row .. last-1 move down one; the new empty last row lands at row.
        const int last = RowCount() - 1;
        std::vector<int> from;
        from.reserve(std::size_t(last - row + 1));
        from.push_back(last);
        for (int i = row; i < last; ++i)
            from.push_back(i);
        PermuteRows(row, from);
        Rows(row).Clear(); // a text kept for rows past the end stays there
    }
    Changed(TGridChange{TGridChange::RowInserted, 0, row});
}

void TStringGrid::SwapContent(TGridContent& content)
{
    const int oldCols = ColCount();
    const int oldRows = RowCount();
    cells_.Swap(content.Cells);
    rows_.SwapSizes(content.RowSizes);
    cols_.SetCount(cells_.ColCount());
    fixedCols_ = std::clamp(fixedCols_, 0, std::max(ColCount() - 1, 0));
    fixedRows_ = std::clamp(fixedRows_, 0, std::max(RowCount() - 1, 0));
    AfterSizeChange(oldCols, oldRows);
    Changed(TGridChange{TGridChange::Replaced});
}

void TStringGrid::DeleteColumn(int col)
{
    if (col < 0 || col >= ColCount() || ColCount() <= 1)
        return;
    const int oldCols = ColCount();
    cells_.EraseCol(col);
    cols_.Erase(col);
    if (fixedCols_ > ColCount() - 1)
        fixedCols_ = ColCount() - 1;
    AfterSizeChange(oldCols, RowCount());
    Changed(TGridChange{TGridChange::ColumnDeleted, col});
}

TCellColumn TStringGrid::TakeColumn(int col)
{
    const int oldCols = ColCount();
    TCellColumn column = cells_.TakeCol(col);
    cols_.Erase(col);
    if (fixedCols_ > ColCount() - 1)
        fixedCols_ = std::max(ColCount() - 1, 0);
    AfterSizeChange(oldCols, RowCount());
    Changed(TGridChange{TGridChange::ColumnDeleted, col});
    return column;
}

void TStringGrid::PutColumn(int col, TCellColumn&& column, int width)
{
    const int oldCols = ColCount();
    cells_.PutCol(col, std::move(column));
    cols_.Insert(col, width);
    AfterSizeChange(oldCols, RowCount());
    Changed(TGridChange{TGridChange::Replaced});
}

void TStringGrid::PermuteRows(int first, const std::vector<int>& from)
{
    cells_.PermuteRows(first, from);
    rows_.Permute(first, from);
    ScheduleScrollBars();
    RowsPermuted(first, from);
    if (OnRowsMoved)
        OnRowsMoved(this, first, from);
    Invalidate();
    LinesChanged();
    Changed(TGridChange{TGridChange::RowsMoved, 0, first, 0, &from});
}

void TStringGrid::PermuteCols(int first, const std::vector<int>& from)
{
    cells_.PermuteCols(first, from);
    ColsPermuted(first, from);
    Invalidate();
    LinesChanged();
    Changed(TGridChange{TGridChange::ColumnsMoved, first, 0, 0, &from});
}

// ---- current cell and selection ---------------------------------------------

void TStringGrid::ClampCurrent()
{
    auto clamp = [this](TGridCoord& p) {
        p.X = std::clamp(p.X, fixedCols_, ColCount() - 1);
        p.Y = std::clamp(p.Y, fixedRows_, RowCount() - 1);
    };
    clamp(current_);
    clamp(anchor_);
}

bool TStringGrid::SelectCell(int col, int row)
{
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, col, row, canSelect);
    return canSelect;
}

bool TStringGrid::MoveCurrent(int col, int row, bool moveAnchor, bool show)
{
    if (col < fixedCols_ || row < fixedRows_ || col >= ColCount() || row >= RowCount())
        return false;
    if (!SelectCell(col, row))
        return false;
    const TGridRect selection = Selection();
    current_ = TGridCoord{col, row};
    if (moveAnchor)
        anchor_ = current_;
    if (show)
        ScrollIntoView(col, row);
    Invalidate();
    GridAccessibility::CurrentChanged(this, !(Selection() == selection));
    return true;
}

void TStringGrid::SetCol(int col)
{
    if (col != current_.X)
        MoveCurrent(col, current_.Y, true, true);
}

void TStringGrid::SetRow(int row)
{
    if (row != current_.Y)
        MoveCurrent(current_.X, row, true, true);
}

TGridRect TStringGrid::Selection() const
{
    return TGridRect{std::min(anchor_.X, current_.X), std::min(anchor_.Y, current_.Y),
                     std::max(anchor_.X, current_.X), std::max(anchor_.Y, current_.Y)};
}

void TStringGrid::SetSelection(const TGridRect& rect)
{
    const TGridCoord current = current_;
    const TGridRect selection = Selection();
    anchor_ = TGridCoord{rect.Left, rect.Top};
    current_ = TGridCoord{rect.Right, rect.Bottom};
    ClampCurrent();
    Invalidate();
    if (!(current_ == current) || !(Selection() == selection))
        GridAccessibility::CurrentChanged(this, !(Selection() == selection));
}

bool TStringGrid::IsSelected(int col, int row) const
{
    if (col == current_.X && row == current_.Y)
        return options_ & goDrawFocusSelected;
    const TGridRect s = Selection();
    return col >= s.Left && col <= s.Right && row >= s.Top && row <= s.Bottom;
}

// ---- geometry -----------------------------------------------------------------

int TStringGrid::ScrollX() const
{
    UpdateScrollBars();
    return horizontalScrollBar()->value();
}

int TStringGrid::ScrollY() const
{
    UpdateScrollBars();
    return verticalScrollBar()->value();
}

std::int64_t TStringGrid::ViewPos(const TGridAxis& axis, int fixed, int offset, int i) const
{
    return i < fixed ? axis.Start(i) : axis.Start(i) - offset;
}

int TStringGrid::LineAtView(const TGridAxis& axis, int fixed, int offset, int pos) const
{
    if (pos < 0)
        return -1;
    const std::int64_t fixedExtent = axis.Start(fixed);
    const int line = pos < fixedExtent ? axis.LineAt(pos) : axis.LineAt(pos + std::int64_t(offset));
    return line >= axis.Count() ? -1 : line;
}

void TStringGrid::MouseToCell(int x, int y, int& col, int& row) const
{
    col = x < viewport()->width() ? LineAtView(cols_, fixedCols_, ScrollX(), x) : -1;
    row = y < viewport()->height() ? LineAtView(rows_, fixedRows_, ScrollY(), y) : -1;
}

TGridCoord TStringGrid::MouseToCell(int x, int y) const
{
    TGridCoord cell;
    MouseToCell(x, y, cell.X, cell.Y);
    return cell;
}

QRect TStringGrid::CellRect(int col, int row) const
{
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        return QRect();
    if (!cols_.IsVisible(col) || !rows_.IsVisible(row))
        return QRect();
    const std::int64_t x = ViewPos(cols_, fixedCols_, ScrollX(), col);
    const std::int64_t y = ViewPos(rows_, fixedRows_, ScrollY(), row);
    const int w = cols_.Size(col);
    const int h = rows_.Size(row);
    // A cell scrolled out of the view, or under the fixed lines, has no rectangle.
    const std::int64_t minX = col < fixedCols_ ? 0 : cols_.Start(fixedCols_);
    const std::int64_t minY = row < fixedRows_ ? 0 : rows_.Start(fixedRows_);
    if (x + w <= minX || y + h <= minY || x >= viewport()->width() || y >= viewport()->height())
        return QRect();
    return QRect(int(x), int(y), w, h);
}

int TStringGrid::TopRow() const
{
    const int row = rows_.LineAt(rows_.Start(fixedRows_) + ScrollY());
    return std::min(row, RowCount() - 1);
}

int TStringGrid::LeftCol() const
{
    const int col = cols_.LineAt(cols_.Start(fixedCols_) + ScrollX());
    return std::min(col, ColCount() - 1);
}

int TStringGrid::RowsPerPage() const
{
    const std::int64_t avail = viewport()->height() - rows_.Start(fixedRows_);
    return int(std::max<std::int64_t>(1, avail / std::max(1, DefaultRowHeight() + GridLineWidth())));
}

void TStringGrid::ScrollIntoView(int col, int row)
{
    auto scroll = [](QScrollBar* bar, const TGridAxis& axis, int fixed, int line, int viewSize) {
        if (line < fixed)
            return;
        const std::int64_t fixedExtent = axis.Start(fixed);
        const std::int64_t top = axis.Start(line) - fixedExtent;
        const std::int64_t bottom = top + axis.Extent(line);
        const std::int64_t avail = viewSize - fixedExtent;
        std::int64_t offset = bar->value();
        if (top < offset)
            offset = top;
        else if (bottom > offset + avail)
            offset = std::min(top, bottom - avail);
        bar->setValue(int(std::clamp<std::int64_t>(offset, 0, INT_MAX)));
    };
    UpdateScrollBars();
    scroll(horizontalScrollBar(), cols_, fixedCols_, col, viewport()->width());
    scroll(verticalScrollBar(), rows_, fixedRows_, row, viewport()->height());
}

bool TStringGrid::ScrollRowInto(int row, int top, int bottom)
{
    if (row < fixedRows_ || row >= RowCount() || !rows_.IsVisible(row))
        return false;
    UpdateScrollBars();
    QScrollBar* bar = verticalScrollBar();
    // The row shows at view line Start(row) - offset; it must start at or below
    // `top` (and below the header rows) and end at or above `bottom`.
    const std::int64_t start = rows_.Start(row);
    const std::int64_t lowest = start + rows_.Size(row) - bottom;
    const std::int64_t highest = start - std::max<std::int64_t>(top, rows_.Start(fixedRows_));
    const std::int64_t lo = std::max<std::int64_t>(lowest, bar->minimum());
    const std::int64_t hi = std::min<std::int64_t>(highest, bar->maximum());
    if (lo > hi)
        return false;
    const std::int64_t offset = std::clamp<std::int64_t>(bar->value(), lo, hi);
    bar->setValue(int(offset));
    return true;
}

void TStringGrid::UpdateScrollBars() const
{
    if (!scrollBarsDirty_)
        return;
    scrollBarsDirty_ = false;
    auto* self = const_cast<TStringGrid*>(this);
    auto set = [](QScrollBar* bar, const TGridAxis& axis, int fixed, int viewSize, int step) {
        const std::int64_t range = std::max<std::int64_t>(0, axis.Total() - viewSize);
        bar->setRange(0, int(std::min<std::int64_t>(range, INT_MAX)));
        bar->setPageStep(int(std::max<std::int64_t>(1, viewSize - axis.Start(fixed))));
        bar->setSingleStep(std::max(step, 1));
    };
    set(self->horizontalScrollBar(), cols_, fixedCols_, viewport()->width(), DefaultColWidth() + GridLineWidth());
    set(self->verticalScrollBar(), rows_, fixedRows_, viewport()->height(), DefaultRowHeight() + GridLineWidth());
}

void TStringGrid::ScheduleScrollBars()
{
    scrollBarsDirty_ = true;
    if (!isVisible() || scrollBarsScheduled_)
        return;
    scrollBarsScheduled_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            scrollBarsScheduled_ = false;
            UpdateScrollBars();
        },
        Qt::QueuedConnection);
}

// ---- look -----------------------------------------------------------------------

void TStringGrid::SetFont(const QFont& font)
{
    font_ = font;
    canvas_.SetFont(font);
    QAbstractScrollArea::setFont(font);
    Invalidate();
}

void TStringGrid::SetColor(TColor color)
{
    color_ = color;
    Invalidate();
}

void TStringGrid::SetFixedColor(TColor color)
{
    fixedColor_ = color;
    Invalidate();
}

void TStringGrid::SetOptions(TGridOptions options)
{
    options_ = options;
    Invalidate();
}

void TStringGrid::Invalidate()
{
    // One pending update covers every change until the next paint.
    if (updatePending_ || !isVisible())
        return;
    updatePending_ = true;
    viewport()->update();
}

void TStringGrid::Repaint()
{
    if (isVisible())
        viewport()->repaint();
}

// ---- painting ----------------------------------------------------------------

void TStringGrid::DrawCell(int col, int row, const QRect& rect, TGridDrawState state)
{
    canvas_.TextRect(rect, rect.left() + 2, rect.top() + 2, Cells(col, row));
    if (OnDrawCell)
        OnDrawCell(this, col, row, rect, state);
}

namespace {

struct TLineSpan {
    int index;
    int pos;
    int size;
    bool fixed;
};

// The visible lines of one axis: the fixed ones, then the scrolled ones that
// reach into the view. Hidden lines are skipped in O(log n) each.
std::vector<TLineSpan> VisibleLines(const TGridAxis& axis, int fixed, int offset, int viewSize)
{
    std::vector<TLineSpan> spans;
    for (int i = 0; i < fixed; ++i) {
        const std::int64_t pos = axis.Start(i);
        if (pos >= viewSize)
            return spans;
        if (axis.IsVisible(i))
            spans.push_back({i, int(pos), axis.Size(i), true});
    }
    const std::int64_t fixedExtent = axis.Start(fixed);
    int i = axis.LineAt(fixedExtent + offset);
    while (i < axis.Count()) {
        if (!axis.IsVisible(i)) {
            i = axis.NextVisible(i);
            continue;
        }
        const std::int64_t pos = axis.Start(i) - offset;
        if (pos >= viewSize)
            break;
        spans.push_back({i, int(pos), axis.Size(i), false});
        ++i;
    }
    return spans;
}

} // namespace

void TStringGrid::paintEvent(QPaintEvent*)
{
    updatePending_ = false;
    UpdateScrollBars();
    QPainter painter(viewport());
    PaintCells(painter, viewport()->rect());
}

void TStringGrid::PaintCells(QPainter& painter, const QRect& area)
{
    painter.fillRect(area, ToQColor(color_));
    const int lineWidth = GridLineWidth();
    const auto colSpans = VisibleLines(cols_, fixedCols_, ScrollX(), area.width());
    const auto rowSpans = VisibleLines(rows_, fixedRows_, ScrollY(), area.height());
    const int fixedW = int(std::min<std::int64_t>(cols_.Start(fixedCols_), area.width()));
    const int fixedH = int(std::min<std::int64_t>(rows_.Start(fixedRows_), area.height()));
    // The lines in the desktop's colours: a light palette's mid and dark greys,
    // and their like in a dark one.
    const QColor bodyLine = palette().color(QPalette::Mid);
    const QColor fixedLine = palette().color(QPalette::Dark);

    canvas_.Attach(&painter);
    for (const TLineSpan& rs : rowSpans) {
        for (const TLineSpan& cs : colSpans) {
            const bool fixed = rs.fixed || cs.fixed;
            const QRect clip(cs.fixed ? 0 : fixedW, rs.fixed ? 0 : fixedH, area.width(), area.height());
            painter.setClipRect(clip);
            const QRect rect(cs.pos, rs.pos, cs.size, rs.size);
            TGridDrawState state = fixed ? gdFixed : 0;
            const bool isCurrent = !fixed && cs.index == current_.X && rs.index == current_.Y;
            if (isCurrent && hasFocus())
                state |= gdFocused;
            if (!fixed && IsSelected(cs.index, rs.index))
                state |= gdSelected;
            canvas_.SetFont(font_);
            canvas_.SetFontColor(TextColorOn(fixed ? fixedColor_ : color_));
            canvas_.SetBrushColor(fixed ? fixedColor_ : color_);
            if (state & gdSelected) {
                canvas_.SetBrushColor(clHighlight);
                canvas_.SetFontColor(clHighlightText);
            }
            DrawCell(cs.index, rs.index, rect, state);
            painter.setClipRect(clip);
            if (lineWidth > 0) {
                const bool vert = options_ & (fixed ? goFixedVertLine : goVertLine);
                const bool horz = options_ & (fixed ? goFixedHorzLine : goHorzLine);
                const QColor lineColor = fixed ? fixedLine : bodyLine;
                if (vert)
                    painter.fillRect(QRect(rect.right() + 1, rect.top(), lineWidth, rect.height() + lineWidth), lineColor);
                if (horz)
                    painter.fillRect(QRect(rect.left(), rect.bottom() + 1, rect.width() + lineWidth, lineWidth), lineColor);
            }
            if (isCurrent && hasFocus())
                PaintFocusFrame(painter, rect);
        }
    }
    canvas_.Detach();
    painter.setClipping(false);
}

// A frame of two colours around the current cell while the grid has the focus:
// the text colour outside and the cell background inside, so that it shows on
// the selection's colour and on the grid's alike.
void TStringGrid::PaintFocusFrame(QPainter& painter, const QRect& rect) const
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Text), 2));
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(palette().color(QPalette::Base), 1));
    painter.drawRect(rect.adjusted(2, 2, -3, -3));
}

void TStringGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    scrollBarsDirty_ = true;
    UpdateScrollBars();
}

void TStringGrid::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    scrollBarsDirty_ = true;
    UpdateScrollBars();
}

void TStringGrid::scrollContentsBy(int, int)
{
    updatePending_ = true;
    viewport()->update();
}

// ---- keyboard -----------------------------------------------------------------

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    int key = VirtualKeyFromQt(*event);
    const TShiftState shift = ShiftStateFromQt(event->modifiers());
    if (key != 0)
        KeyDown(key, shift);
    const QString text = event->text();
    if (!text.isEmpty()) {
        QChar ch = text.at(0);
        KeyPress(ch);
    }
    event->accept();
}

void TStringGrid::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    Invalidate(); // the focus frame
    GridAccessibility::FocusIn(this);
}

void TStringGrid::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    Invalidate();
}

void TStringGrid::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    int key = VirtualKeyFromQt(*event);
    if (key != 0)
        KeyUp(key, ShiftStateFromQt(event->modifiers()));
    event->accept();
}

void TStringGrid::KeyDown(int& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
    // Ctrl+F1 shows the hint a tooltip shows over the cell, as on the desktop.
    if (key == VK_F1 && (shift & ssModifiers) == ssCtrl) {
        ShowCurrentCellHint();
        key = 0;
    }
    if (key != 0)
        Navigate(key, shift);
}

QString TStringGrid::CellHint(int col, int row)
{
    QString hint = OwnCellHint(col, row);
    if (OnCellHint)
        OnCellHint(this, col, row, hint);
    return hint;
}

void TStringGrid::ShowCurrentCellHint()
{
    ScrollIntoView(Col(), Row());
    const QRect cell = CellRect(Col(), Row());
    const QString hint = CellHint(Col(), Row());
    if (hint.isEmpty() || cell.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(viewport()->mapToGlobal(cell.bottomLeft()), hint, viewport(), cell);
}

void TStringGrid::KeyUp(int& key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TStringGrid::KeyPress(QChar& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TStringGrid::Navigate(int key, TShiftState shift)
{
    int col = current_.X;
    int row = current_.Y;
    const bool ctrl = shift & ssCtrl;
    switch (key) {
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_LEFT: --col; break;
    case VK_RIGHT: ++col; break;
    case VK_PRIOR: row -= RowsPerPage(); break;
    case VK_NEXT: row += RowsPerPage(); break;
    case VK_HOME:
        col = fixedCols_;
        if (ctrl)
            row = fixedRows_;
        break;
    case VK_END:
        col = ColCount() - 1;
        if (ctrl)
            row = RowCount() - 1;
        break;
    default: return;
    }
    col = std::clamp(col, fixedCols_, ColCount() - 1);
    row = std::clamp(row, fixedRows_, RowCount() - 1);
    if (col == current_.X && row == current_.Y)
        return;
    const bool extend = (shift & ssShift) && (options_ & goRangeSelect);
    MoveCurrent(col, row, !extend, true);
}

// ---- mouse ----------------------------------------------------------------------

int TStringGrid::SizingColumnAt(int x, int y) const
{
    if (fixedRows_ == 0 || y < 0 || y >= rows_.Start(fixedRows_))
        return -1;
    const int offset = ScrollX();
    for (int probe : {x, x - 3}) {
        const int col = LineAtView(cols_, fixedCols_, offset, probe);
        if (col < 0)
            continue;
        const std::int64_t rightEdge = ViewPos(cols_, fixedCols_, offset, col) + cols_.Size(col);
        if (std::abs(x - rightEdge) <= 2)
            return col;
    }
    return -1;
}

static TMouseButton ToMouseButton(Qt::MouseButton button)
{
    return button == Qt::RightButton ? mbRight : button == Qt::MiddleButton ? mbMiddle : mbLeft;
}

void TStringGrid::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    const QPoint p = event->position().toPoint();
    const TShiftState shift = ShiftStateFromQt(event->modifiers(), event->buttons());
    if (event->button() == Qt::LeftButton) {
        const int sizing = (options_ & goColSizing) ? SizingColumnAt(p.x(), p.y()) : -1;
        if (sizing >= 0) {
            drag_ = TDrag::Sizing;
            sizingCol_ = sizing;
            sizingStartX_ = p.x();
            sizingStartWidth_ = cols_.Size(sizing);
        } else {
            const TGridCoord cell = MouseToCell(p.x(), p.y());
            if (cell.X >= fixedCols_ && cell.Y >= fixedRows_) {
                const bool extend = (shift & ssShift) && (options_ & goRangeSelect);
                MoveCurrent(cell.X, cell.Y, !extend, true);
                if (options_ & goRangeSelect)
                    drag_ = TDrag::Selecting;
            }
        }
    }
    if (OnMouseDown)
        OnMouseDown(this, ToMouseButton(event->button()), shift, p.x(), p.y());
}

// A double-click on a header border fits the column to its texts; its press is
// a sizing press like the first one, so it is no click on the header.
void TStringGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
    if (drag_ != TDrag::Sizing)
        return;
    FitColumnWidth(sizingCol_);
    sizingStartWidth_ = cols_.Size(sizingCol_);
}

void TStringGrid::FitColumnWidth(int col)
{
    if (col >= 0 && col < ColCount())
        SetColWidths(col, FittingColWidth(col));
}

int TStringGrid::FittingColWidth(int col)
{
    return WidestText(col, 0) + 4;
}

int TStringGrid::WidestText(int col, int first) const
{
    // A text's width is taken as the sum of its characters' advances, which
    // kerning only narrows, so that a million rows are measured in one pass.
    const QFontMetricsF metrics(font_);
    qreal ascii[128];
    for (int c = 0; c < 128; ++c)
        ascii[c] = metrics.horizontalAdvance(QChar(c));
    qreal widest = 0;
    for (int row = std::max(first, 0); row < RowCount(); ++row) {
        if (!rows_.IsVisible(row))
            continue;
        const std::string_view text = cells_.Text(col, row);
        qreal width = 0;
        for (unsigned char byte : text) {
            if (byte >= 0x80) {
                width = metrics.horizontalAdvance(FromUtf8(text));
                break;
            }
            width += ascii[byte];
        }
        widest = std::max(widest, width);
    }
    return int(std::ceil(widest));
}

void TStringGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    switch (drag_) {
    case TDrag::Sizing:
        SetColWidths(sizingCol_, std::max(1, sizingStartWidth_ + p.x() - sizingStartX_));
        break;
    case TDrag::Selecting: {
        const TGridCoord cell = MouseToCell(p.x(), p.y());
        if (cell.X >= fixedCols_ && cell.Y >= fixedRows_ && !(cell == current_))
            MoveCurrent(cell.X, cell.Y, false, true);
        break;
    }
    case TDrag::None: {
        const bool border = (options_ & goColSizing) && SizingColumnAt(p.x(), p.y()) >= 0;
        viewport()->setCursor(border ? Qt::SplitHCursor : Qt::ArrowCursor);
        break;
    }
    }
}

void TStringGrid::mouseReleaseEvent(QMouseEvent* event)
{
    drag_ = TDrag::None;
    const QPoint p = event->position().toPoint();
    if (OnMouseUp)
        OnMouseUp(this, ToMouseButton(event->button()), ShiftStateFromQt(event->modifiers(), event->buttons()), p.x(), p.y());
}
