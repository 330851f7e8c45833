#include "HelpTexts.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The help texts' context of translation.
struct THelpTexts {
    Q_DECLARE_TR_FUNCTIONS(THelpTexts)
};

QString JoinWithCr(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1Char('\r');
    return text;
}

// Table line k: the digit k, the letters k places after A, K and U (while there
// are letters), then the empty and other groups on the last two lines.
QString TableLine(int k)
{
    const auto entry = [](const QString& ch, int group) {
        return QLatin1Char('\t') + ch + QLatin1Char('=') + QString::number(group, 2).rightJustified(6, QLatin1Char('0'));
    };
    const QString gap = QStringLiteral("   ");
    QString line = entry(QString::number(k), 16 + k) + gap + entry(QString(QChar(u'A' + k)), 26 + k) + gap +
                   entry(QString(QChar(u'K' + k)), 36 + k) + gap;
    if (k <= 5)
        line += entry(QString(QChar(u'U' + k)), 46 + k);
    else if (k == 8)
        line += QLatin1Char('\t') + THelpTexts::tr("«empty»") + QStringLiteral("=000000");
    else if (k == 9)
        line += QLatin1Char('\t') + THelpTexts::tr("«other»") + QStringLiteral("=111111");
    else
        line += QLatin1Char('\t');
    return line;
}

const char* const kUtf8Note = QT_TRANSLATE_NOOP(
    "THelpTexts", "Note that this software uses UTF-8 encoding for license plates with international characters.");

} // namespace

QString Wiegand26HelpText()
{
    return JoinWithCr({
        THelpTexts::tr("WIEGAND 26-BIT (SHA-1)"),
        QString(),
        THelpTexts::tr("Number plate = hk 55 evb"),
        QString(),
        THelpTexts::tr("1. Turn into upper case = HK 55 EVB"),
        THelpTexts::tr("2. Remove spaces = HK55EVB"),
        THelpTexts::tr("3. SHA1(\"HK55EVB\") = A44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15"),
        THelpTexts::tr("4. Wiegand 26-bit output uses last 24 bits of SHA1 value = 0x80CF15"),
        THelpTexts::tr("5. Add leading and trailing parity bits according to wiegand 26-bit format"),
        QString(),
        THelpTexts::tr("The Wiegand 26-bit number shall be 0x3019E2A"),
        QString(),
        QString(),
        THelpTexts::tr(kUtf8Note),
        QString(),
    });
}

QString Wiegand64HelpText()
{
    QStringList lines{
        THelpTexts::tr("WIEGAND 64-BIT"),
        QString(),
        THelpTexts::tr("Number plate = hk 55 evb"),
        QString(),
        THelpTexts::tr("1. Turn into upper case = HK 55 EVB"),
        THelpTexts::tr("2. Remove spaces = HK55EVB"),
        THelpTexts::tr("3. First 4 bits are always 0110."),
        THelpTexts::tr("4. Append 10 groups of 6 bits. Each 6-bit group contains a license plate character."),
        THelpTexts::tr("     = 000000 000000 000000 100001 100100 010101 010101 011110 101111 011011."),
        THelpTexts::tr("5. Convert binary to hex = 0x600002191555EBDB."),
        QString(),
        THelpTexts::tr("The Wiegand 64-bit number shall be 0x600002191555EBDB"),
        QString(),
        THelpTexts::tr("\tCharacter conversion table:"),
    };
    for (int k = 0; k < 10; ++k)
        lines << TableLine(k);
    lines << QString() << QString() << THelpTexts::tr(kUtf8Note) << QString();
    return JoinWithCr(lines);
}
