// TzelGrid's own cell painting: bands and selection, formula cells by value,
// right-aligned re-formatted numbers, links, word wrap, the sort arrow and the
// reference labels of the header cells; the width that fits a column's texts; and
// the cell hints with names and formulas.
#include "zelGrid.h"

#include "CellConvert.h"
#include "Format.h"

#include <QFontMetrics>

namespace {

constexpr TColor FormulaValueColor = clRed;
constexpr TColor LinkColor = clBlue;
constexpr TColor ArrowLightColor = clWhite;
constexpr TColor ArrowShadowColor = clGray;
constexpr TColor NamedCellHintColor = 55807;  // golden yellow

bool IsLink(const QString& text)
{
    return text.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("http:"), Qt::CaseInsensitive);
}

} // namespace

TzelGrid::TShownCell TzelGrid::ShownCell(int col, int row) const
{
    TShownCell cell{Cells(col, row)};
    if (showValues_ && cell.Text.startsWith(QLatin1Char('='))) {
        cell.FormulaValue = true;
        cell.Text = FormatFloatOrGeneral(numberFormat_, values_.Value(col, row));
        cell.RightAligned = numbersalRight_;
    }
    // A body cell's own text that reads as a number; a formula shown by value is
    // already right-aligned whenever numbers are.
    const bool body = col >= FixedCols() && row >= FixedRows();
    long double number = 0;
    if (body && numbersalRight_ && !cell.RightAligned &&
        TryTextToExtended(CellText(col, row), LocaleDecimalSeparator(), number)) {
        cell.RightAligned = true;
        cell.Text = FormatFloatOrGeneral(numberFormat_, number);
    }
    return cell;
}

void TzelGrid::DrawCell(int col, int row, const QRect& rect, TGridDrawState state)
{
    TCanvas& canvas = *Canvas();
    const TShownCell shown = ShownCell(col, row);
    const QString& text = shown.Text;
    QFont font = canvas.Font();
    if (font.bold() || font.underline()) {
        font.setBold(false);
        font.setUnderline(false);
        canvas.SetFont(font);
    }
    // The text in the palette's colour for the cell's background; on a fixed
    // colour (a band) in black or white, whichever reads better.
    const bool body = col >= FixedCols() && row >= FixedRows();
    canvas.SetFontColor(TextColorOn(body ? Color() : FixedColor()));
    if (body) {
        TColor brush = Color();
        // A band period of 0 or less bands nothing.
        if (bandsShow_ && bandsInterval_ > 0 && row % bandsInterval_ == 0)
            brush = bandsColor_;
        if ((state & gdSelected) && !hideSelected_)
            brush = clHighlight;
        canvas.SetFontColor(TextColorOn(brush));
        canvas.SetBrushColor(brush);
        canvas.FillRect(rect);
    }

    if (shown.FormulaValue)
        canvas.SetFontColor(FormulaValueColor);
    if (highlightURL_ && !text.isEmpty() && IsLink(text)) {
        canvas.SetFontColor(LinkColor);
        font.setUnderline(true);
        canvas.SetFont(font);
    }

    QRect narrowed = rect;
    if (body) {
        if (wordWrap_)
            canvas.FillRect(rect);
        QRect area = rect;
        if (wordWrap_)
            canvas.DrawText(text, area, DT_WORDBREAK | DT_VCENTER | DT_NOPREFIX | (shown.RightAligned ? DT_RIGHT : DT_LEFT));
        else if (shown.RightAligned)
            canvas.DrawText(text, area, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
        else
            canvas.TextRect(rect, rect.left() + TextMarginX, rect.top() + TextMarginY, text);
    } else if (col >= FixedCols()) { // header cell of a non-fixed column
        canvas.TextRect(rect, rect.left() + TextMarginX, rect.top() + TextMarginY, text);
        if (howToSort_ == stRow && sortIndex_ == col)
            DrawSortArrow(rect);
        const QString label = cellRefStyle_ == rsA1       ? ColumnLetters(col)
                              : cellRefStyle_ == rsRowCol ? QString::number(col)
                                                          : QString();
        narrowed.setRight(narrowed.right() - TextMarginX);
        if (!label.isEmpty())
            canvas.DrawText(label, narrowed, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    } else if (row >= FixedRows()) { // row-header cell
        canvas.TextRect(rect, rect.left() + TextMarginX, rect.top() + TextMarginY, text);
        if (cellRefStyle_ != rsNone) {
            narrowed.setRight(narrowed.right() - 2);
            canvas.DrawText(QString::number(row), narrowed, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
        }
    } else { // corner cell: the fixed background only
        canvas.FillRect(rect);
    }
    if (OnDrawCell)
        OnDrawCell(this, col, row, narrowed, state);
}

// Texts stand TextMarginX from the left and keep as much room on the right; a
// header also keeps room for the sort arrow (DrawSortArrow), so that sorting the
// column later covers none of its text.
int TzelGrid::FittingColWidth(int col)
{
    constexpr int kSortArrowRoom = 12;
    const QFontMetrics metrics(Font());
    int header = 0;
    for (int row = 0; row < FixedRows() && row < RowCount(); ++row)
        header = std::max(header, metrics.horizontalAdvance(Cells(col, row)) + 1);
    return std::max(WidestText(col, FixedRows()), header + kSortArrowRoom) + 2 * TextMarginX;
}

// A small raised triangle at the right of the header: upward for ascending,
// downward for descending, lit from the right in white with a grey shadow.
void TzelGrid::DrawSortArrow(const QRect& rect)
{
    TCanvas& canvas = *Canvas();
    const TRect cell = TRect::FromQRect(rect);
    const int x = cell.Right - TextMarginX - 5;
    const int y = (cell.Top + cell.Bottom) / 2;
    canvas.SetPenWidth(1);
    if (sortDirection_ == Ascending) {
        canvas.SetPenColor(ArrowLightColor);
        canvas.MoveTo(x + 1, y - 3);
        canvas.LineTo(x + 4, y + 3);
        canvas.LineTo(x - 3, y + 3);
        canvas.SetPenColor(ArrowShadowColor);
        canvas.MoveTo(x, y - 3);
        canvas.LineTo(x - 3, y + 3);
    } else {
        canvas.SetPenColor(ArrowLightColor);
        canvas.MoveTo(x + 1, y + 3);
        canvas.LineTo(x + 4, y - 3);
        canvas.SetPenColor(ArrowShadowColor);
        canvas.MoveTo(x, y + 3);
        canvas.LineTo(x - 3, y - 3);
        canvas.LineTo(x + 4, y - 3);
    }
}

QString TzelGrid::OwnCellHint(int col, int row)
{
    QString hint = CellNameOf(col, row);
    const QString text = Cells(col, row);
    if (text.startsWith(QLatin1Char('=')))
        hint = hint.isEmpty() ? text : hint + QStringLiteral("\r\n") + text;
    return hint;
}

void TzelGrid::ShowCellHint(QString& hintText, bool& canShow, THintInfo& info)
{
    if (info.HintControl != this)
        return;
    const TGridCoord cell = MouseToCell(info.CursorPos.x(), info.CursorPos.y());
    canShow = false;
    if (cell.X < 0 || cell.Y < 0)
        return;
    if (!CellNameOf(cell.X, cell.Y).isEmpty())
        info.HintColor = NamedCellHintColor;
    const QString hint = OwnCellHint(cell.X, cell.Y);
    if (hint.isEmpty())
        return;
    info.CursorRect = CellRect(cell.X, cell.Y);
    hintText = hint;
    canShow = true;
}
