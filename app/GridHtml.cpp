#include "GridHtml.h"

#include "StringGrid.h"

namespace {

// A spreadsheet reads a cell as a number when it can: leading zeros go, long
// numbers lose digits and "12E3" becomes 12000. Only a decimal number it keeps
// exactly stays a number; every other cell is marked as text.
bool KeepsAsNumber(const QString& text)
{
    if (text.isEmpty() || text.size() > 15 || (text.size() > 1 && text.front() == u'0'))
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

QString GridSelectionHtml(const TStringGrid& grid, const TGridRect& selection)
{
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>");
    for (int r = selection.Top; r <= selection.Bottom; ++r) {
        if (grid.RowHeights(r) <= 0)
            continue;
        html += QStringLiteral("<tr>");
        for (int c = selection.Left; c <= selection.Right; ++c) {
            if (grid.ColWidths(c) <= 0)
                continue;
            const QString text = grid.Cells(c, r);
            // mso-number-format is how one spreadsheet reads "text", sdnum another.
            html += KeepsAsNumber(text) ? QStringLiteral("<td>")
                                        : QStringLiteral("<td style=\"mso-number-format:'\\@'\" sdnum=\"1033;0;@\">");
            html += text.toHtmlEscaped();
            html += QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></body></html>");
    return html;
}
