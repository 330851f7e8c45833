// TzelGrid's cell formulas: recalculation, the parser's variable handler with cell
// names, A1 and row/column references and the built-in names, and the reference
// texts the painting, hints and dialogs share.
#include "zelGrid.h"

#include "CellReference.h"
#include "Dialogs.h"

#include <QCoreApplication>
#include <algorithm>
#include <numbers>

namespace {

enum class TAggregate { Sum, Avg, Min, Max };

// An aggregate over the values at indexes 1 .. formulaIndex - 1 of one line. The
// minimum starts from the value at index 1, or 0 when the line has no index 1; the
// maximum starts from 0.
template <class TValueAt>
long double Aggregate(TAggregate kind, int formulaIndex, bool hasIndex1, TValueAt valueAt)
{
    long double result = 0;
    if (kind == TAggregate::Min && hasIndex1)
        result = valueAt(1);
    for (int i = 1; i < formulaIndex; ++i) {
        const long double v = valueAt(i);
        switch (kind) {
        case TAggregate::Sum:
        case TAggregate::Avg: result += v; break;
        case TAggregate::Min: result = std::min(result, v); break;
        case TAggregate::Max: result = std::max(result, v); break;
        }
    }
    if (kind == TAggregate::Avg)
        return formulaIndex > 1 ? result / (formulaIndex - 1) : 0;
    return result;
}

std::string AsciiLower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

} // namespace

// ---- reference texts ---------------------------------------------------------------

QString TzelGrid::ColumnLetters(int col) const
{
    return QString::fromLatin1(ColumnNumberLetters(col + 1 - FixedCols()));
}

QString TzelGrid::CellRefA1(int col, int row) const
{
    return ColumnLetters(col) + QString::number(row);
}

QString TzelGrid::CellRefRowCol(int col, int row) const
{
    return QStringLiteral("c%1r%2").arg(col).arg(row);
}

QString TzelGrid::ReferenceText(int col, int row) const
{
    switch (cellRefStyle_) {
    case rsA1:
        // Columns beyond ZZ have no letters; their row number alone would read as a
        // number in the formula, so they are referred to by row and column instead.
        if (!ColumnLetters(col).isEmpty())
            return CellRefA1(col, row);
        return CellRefRowCol(col, row);
    case rsRowCol: return CellRefRowCol(col, row);
    case rsNone: break;
    }
    return QString();
}

bool TzelGrid::ParseCellRef(const QString& text, int& col, int& row) const
{
    return ParseA1Text(text.toStdString(), FixedCols(), col, row);
}

bool TzelGrid::ParseRowColRef(const QString& text, int& col, int& row) const
{
    return ParseRowColText(text.toStdString(), col, row);
}

QString TzelGrid::CellNameOf(int col, int row) const
{
    // Columns without an A1 form have no name: their text would be the row alone.
    const int number = col + 1 - FixedCols();
    if (cellNames_.isEmpty() || number < 0 || number > 702)
        return QString();
    const QString ref = CellRefA1(col, row);
    for (const QString& line : cellNames_) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq >= 0 && QStringView(line).mid(eq + 1) == ref)
            return line.left(eq);
    }
    return QString();
}

// ---- formulas ----------------------------------------------------------------------

bool TzelGrid::IsValueCell(int col, int row) const
{
    return col >= 0 && row >= 0 && col < values_.ColCount() && row < values_.RowCount();
}

void TzelGrid::ResolveFormulaVar(TzelMathParser*, const std::string& name, long double& value, bool& found)
{
    found = true;
    int col = 0, row = 0;
    if (ResolveCellName(name, value))
        return;
    // References outside the table are unknown names.
    if ((ParseA1Text(name, FixedCols(), col, row) && IsValueCell(col, row)) ||
        (ParseRowColText(name, col, row) && IsValueCell(col, row))) {
        value = values_.Value(col, row);
        return;
    }
    if (ResolveBuiltin(AsciiLower(name), value))
        return;
    found = false;
}

bool TzelGrid::ResolveCellName(const std::string& name, long double& value) const
{
    if (cellNames_.isEmpty())
        return false;
    const QString key = QString::fromStdString(name);
    for (const QString& line : cellNames_) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0 || QStringView(line).left(eq).compare(key, Qt::CaseInsensitive) != 0)
            continue;
        // The first line of that name decides.
        int col = 0, row = 0;
        if (!ParseCellRef(line.mid(eq + 1), col, row) || !IsValueCell(col, row))
            return false;
        value = values_.Value(col, row);
        return true;
    }
    return false;
}

bool TzelGrid::ResolveBuiltin(const std::string& lowerName, long double& value) const
{
    if (lowerName == "pi") {
        value = std::numbers::pi_v<long double>;
        return true;
    }
    if (lowerName.size() != 6)
        return false;
    const std::string_view what = std::string_view(lowerName).substr(0, 3);
    const std::string_view line = std::string_view(lowerName).substr(3);
    TAggregate kind;
    if (what == "sum")
        kind = TAggregate::Sum;
    else if (what == "avg")
        kind = TAggregate::Avg;
    else if (what == "min")
        kind = TAggregate::Min;
    else if (what == "max")
        kind = TAggregate::Max;
    else
        return false;
    if (line == "row")
        value = Aggregate(kind, FormulaCol, values_.ColCount() > 1, [this](int c) { return values_.Value(c, FormulaRow); });
    else if (line == "col")
        value = Aggregate(kind, FormulaRow, values_.RowCount() > 1, [this](int r) { return values_.Value(FormulaCol, r); });
    else
        return false;
    return true;
}

void TzelGrid::LoadValues()
{
    values_.Load();
}

void TzelGrid::Recalculate()
{
    if (RowCount() - 1 < FixedRows() || ColCount() - 1 < FixedCols())
        return;
    LoadValues();
    std::string formula;
    for (int r = FixedRows(); r < RowCount(); ++r) {
        for (int c = FixedCols(); c < ColCount(); ++c) {
            FormulaCol = c;
            FormulaRow = r;
            const std::string_view text = CellText(c, r);
            if (text.empty() || text.front() != '=')
                continue;
            formula.assign(text.substr(1));
            parser_.SetParseString(formula);
            FormulaErrorFlag = false;
            parser_.Parse();
            if (FormulaErrorFlag) {
                ShowMessage(QCoreApplication::translate("TzelGrid", "Error in: %1").arg(QString::fromStdString(formula)));
                SetRow(r);
                SetCol(c);
                return;
            }
            values_.SetValue(c, r, parser_.ParseValue());
        }
    }
    if (showValues_)
        Repaint();
}
