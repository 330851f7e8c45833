#include "EditSeparators.h"

#include <QLocale>

namespace {

struct TSeparatorPair {
    QChar decimal;
    QChar thousand;
};

TSeparatorPair FromLocale()
{
    const QLocale locale = QLocale::system();
    const QString decimal = locale.decimalPoint();
    const QString thousand = locale.groupSeparator();
    return {decimal.size() == 1 ? decimal.at(0) : QChar('.'), thousand.size() == 1 ? thousand.at(0) : QChar(',')};
}

TSeparatorPair& Current()
{
    static TSeparatorPair pair = FromLocale();
    return pair;
}

} // namespace

QChar TEditSeparators::Decimal()
{
    return Current().decimal;
}

QChar TEditSeparators::Thousand()
{
    return Current().thousand;
}

void TEditSeparators::Set(QChar decimal, QChar thousand)
{
    Current() = {decimal, thousand};
}

void TEditSeparators::Reset()
{
    Current() = FromLocale();
}
