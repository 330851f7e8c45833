#include "TGridKeyMappings.h"

#include <QStringList>

TShortCut GridTextToShortCut(const QString& text)
{
    TShiftState shift = 0;
    QString rest = text;
    const std::pair<const char*, TShiftState> modifiers[] = {{"Shift+", ssShift}, {"Ctrl+", ssCtrl}, {"Alt+", ssAlt}};
    for (bool found = true; found;) {
        found = false;
        for (const auto& [name, bit] : modifiers) {
            if (rest.startsWith(QLatin1String(name), Qt::CaseInsensitive) && rest.size() > qsizetype(strlen(name))) {
                shift |= bit;
                rest = rest.mid(qsizetype(strlen(name)));
                found = true;
            }
        }
    }
    int key = 0;
    if (rest.size() == 1 && rest.at(0).isLetterOrNumber() && rest.at(0).unicode() < 0x80) {
        key = rest.at(0).toUpper().unicode();
    } else if (rest.size() >= 2 && rest.at(0).toUpper() == QLatin1Char('F') && rest.mid(1).toInt() >= 1 && rest.mid(1).toInt() <= 24) {
        key = VK_F1 + rest.mid(1).toInt() - 1;
    } else {
        const std::pair<const char*, int> names[] = {
            {"Ins", VK_INSERT}, {"Del", VK_DELETE}, {"Home", VK_HOME}, {"End", VK_END}, {"PgUp", VK_PRIOR},
            {"PgDn", VK_NEXT}, {"Up", VK_UP}, {"Down", VK_DOWN}, {"Left", VK_LEFT}, {"Right", VK_RIGHT},
            {"Enter", VK_RETURN}, {"Esc", VK_ESCAPE}, {"Space", VK_SPACE}, {"Tab", VK_TAB}, {"BkSp", VK_BACK}};
        for (const auto& [name, vk] : names)
            if (rest.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                key = vk;
    }
    return key == 0 ? scNone : ShortCut(key, shift);
}

TGridKeyMappings::TGridKeyMappings()
    : columnDelete_(GridTextToShortCut(QStringLiteral("Ctrl+Shift+Del"))),
      columnInsert_(GridTextToShortCut(QStringLiteral("Ctrl+Shift+Ins"))),
      rowInsert_(GridTextToShortCut(QStringLiteral("Shift+Ins"))),
      rowDelete_(GridTextToShortCut(QStringLiteral("Shift+Del"))),
      queryDialog_(GridTextToShortCut(QStringLiteral("Ctrl+Q"))),
      printPreview_(GridTextToShortCut(QStringLiteral("Ctrl+P"))),
      formuleDialog_(GridTextToShortCut(QStringLiteral("F3"))),
      cellNamesDialog_(GridTextToShortCut(QStringLiteral("Ctrl+N"))),
      setHeader_(GridTextToShortCut(QStringLiteral("Ctrl+H")))
{
}
