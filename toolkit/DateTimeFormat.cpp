#include "DateTimeFormat.h"

namespace {

QString Digits(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

// How many of `letter` follow from `at` on, in either case.
int RunLength(const QString& pattern, qsizetype at, QChar letter)
{
    int n = 0;
    while (at + n < pattern.size() && pattern[at + n].toLower() == letter)
        ++n;
    return n;
}

// The longest pattern of `letter` that a run of `run` letters starts with; 0 when
// the letter makes no pattern.
int PatternLength(QChar letter, int run)
{
    switch (letter.unicode()) {
    case 'y':
        return run >= 4 ? 4 : run >= 2 ? 2 : 0;
    case 'm':
    case 'd':
        return std::min(run, 4);
    case 'h':
    case 'n':
    case 's':
        return std::min(run, 2);
    default:
        return 0;
    }
}

class TDateTimeWriter {
public:
    TDateTimeWriter(const QDateTime& when, const QLocale& locale)
        : date_(when.date()), time_(when.time()), locale_(locale)
    {
    }

    // The text of a pattern of `length` letters `letter` (lower case).
    QString Field(QChar letter, int length) const
    {
        switch (letter.unicode()) {
        case 'y':
            return length == 4 ? Digits(date_.year(), 4) : Digits(((date_.year() % 100) + 100) % 100, 2);
        case 'm':
            if (length >= 3)
                return locale_.monthName(date_.month(), length == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            return Digits(date_.month(), length);
        case 'd':
            if (length >= 3)
                return locale_.dayName(date_.dayOfWeek(), length == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            return Digits(date_.day(), length);
        case 'h':
            return Digits(std::max(0, time_.hour()), length);
        case 'n':
            return Digits(std::max(0, time_.minute()), length);
        case 's':
            return Digits(std::max(0, time_.second()), length);
        default:
            return {};
        }
    }

private:
    QDate date_;
    QTime time_;
    QLocale locale_;
};

} // namespace

QString FormatDateTime(const QString& pattern, const QDateTime& when, const QLocale& locale)
{
    const TDateTimeWriter writer(when, locale);
    QString result;
    QChar lastLetter; // the last letter outside quotes, lower case, minutes as 'n'
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            qsizetype close = pattern.indexOf(c, i + 1);
            if (close < 0)
                close = pattern.size();
            result += QStringView(pattern).mid(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        if (!c.isLetter()) {
            result += c;
            ++i;
            continue;
        }
        QChar letter = c.toLower();
        const int length = PatternLength(letter, RunLength(pattern, i, letter));
        if (length == 0) {
            result += c;
            lastLetter = letter;
            ++i;
            continue;
        }
        if (letter == QLatin1Char('m') && length <= 2 && lastLetter == QLatin1Char('h'))
            letter = QLatin1Char('n');
        result += writer.Field(letter, length);
        lastLetter = letter;
        i += length;
    }
    return result;
}
