// The query filter on a grid: reading a query into the program's filter, and
// hiding and showing again the data rows by it.

#include "zelGrid.h"

#include "Dialogs.h"
#include "GridRowFilter.h"
#include "zelGridQuery.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

// Cuts `text` up to and including the first `mark`; false when there is none.
bool CutThrough(QString& text, QChar mark, QString* before = nullptr)
{
    const qsizetype at = text.indexOf(mark);
    if (at < 0)
        return false;
    if (before)
        *before = text.left(at);
    text = text.mid(at + 1);
    return true;
}

} // namespace

bool TzelGrid::ParseFilter(const QString& text, bool ignoreCase)
{
    TGridRowFilter& filter = GridRowFilter();
    filter.Count = 0;
    GridFilterIgnoreCase() = ignoreCase;
    QString rest = text.trimmed();
    if (rest.isEmpty())
        return false;
    while (true) {
        // Text before "[" is ignored, so words such as "and" may join conditions.
        QString field, op, value;
        if (!CutThrough(rest, QLatin1Char('[')) || !CutThrough(rest, QLatin1Char(']'), &field))
            return false;
        rest = rest.trimmed();
        if (field.isEmpty())
            return false;
        int column = -1;
        for (int c = 0; c < ColCount() && column < 0; ++c)
            if (Cells(c, 0) == field)
                column = c;
        if (column < 0 || !CutThrough(rest, QLatin1Char('"'), &op) || !CutThrough(rest, QLatin1Char('"'), &value))
            return false;
        rest = rest.trimmed();
        const TGridCompare compare = GridCompareFor(op.trimmed().toLower().toStdString());
        if (!compare)
            return false;
        if (++filter.Count == 10) {
            ShowMessage(QCoreApplication::translate("TzelGrid", "Filter too complex"));
            filter.Count = 0;
            return false;
        }
        std::string folded = value.toStdString();
        if (ignoreCase)
            folded = LowerCaseText(folded);
        filter.Filters[std::size_t(filter.Count - 1)] = TGridFieldFilter{compare, column, std::move(folded)};
        if (rest.isEmpty())
            return true;
    }
}

void TzelGrid::ApplyFilter()
{
    const TGridRowFilter& filter = GridRowFilter();
    if (filter.Count == 0)
        return;
    for (int r = FixedRows(); r < RowCount(); ++r) {
        // A column the grid lost since the parse reads as empty.
        const bool passes = GridRowPasses(filter, [&](int c) {
            return c < ColCount() ? CellText(c, r) : std::string_view();
        });
        if (!passes && RowHeights(r) > 0)
            HideRow(r);
        else if (passes && RowHeights(r) < 1)
            ShowRow(r);
    }
}

void TzelGrid::QueryFilter(const QString& text, bool ignoreCase)
{
    if (ParseFilter(text, ignoreCase))
        ApplyFilter();
}

void TzelGrid::ShowQueryDialog()
{
    // Each Ctrl+Q makes a new dialog; it goes when it closes, or with the
    // program should that end first (then the guard is null).
    QPointer<TzelGridQueryF> dialog = TzelGridQueryF::Create();
    dialog->SetFields(Rows(0).ToStringList());
    dialog->SetGrid(this);
    dialog->exec();
    delete dialog;
}
