#include "GridHtml.h"

#include "SpreadsheetNumber.h"
#include "StringGrid.h"

namespace {

// A cell's text as HTML that a spreadsheet pastes back as it was: escaped, and
// each blank that HTML would collapse (at either end, or beside another blank)
// a non-breaking space, which spreadsheets paste as a blank again.
QString KeptText(const QString& text)
{
    QString html;
    const QString escaped = text.toHtmlEscaped();
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const bool blank = escaped[i] == u' ';
        const bool collapsed = blank && (i == 0 || i + 1 == escaped.size() || escaped[i - 1] == u' ' ||
                                         escaped[i + 1] == u' ');
        html += collapsed ? QStringLiteral("&nbsp;") : QString(escaped[i]);
    }
    return html;
}

// A cell that a spreadsheet would turn into another number is marked as text:
// mso-number-format is how one spreadsheet reads "text", sdnum another.
QString Cell(const QString& tag, const QString& text)
{
    const QString open = SpreadsheetKeepsAsNumber(text.toStdString())
                             ? QStringLiteral("<%1>").arg(tag)
                             : QStringLiteral("<%1 style=\"mso-number-format:'\\@'\" sdnum=\"1033;0;@\">").arg(tag);
    return open + KeptText(text) + QStringLiteral("</%1>").arg(tag);
}

} // namespace

QString GridSelectionHtml(const TStringGrid& grid, const TGridRect& selection)
{
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table>");
    const auto row = [&](int r) {
        if (grid.RowHeights(r) <= 0)
            return;
        html += QStringLiteral("<tr>");
        for (int c = selection.Left; c <= selection.Right; ++c)
            if (grid.ColWidths(c) > 0)
                html += Cell(r == 0 ? QStringLiteral("th") : QStringLiteral("td"), grid.Cells(c, r));
        html += QStringLiteral("</tr>");
    };
    // The header cells first, so that the pasted columns keep their names.
    if (selection.Top > 0)
        row(0);
    for (int r = selection.Top; r <= selection.Bottom; ++r)
        row(r);
    html += QStringLiteral("</table></body></html>");
    return html;
}
