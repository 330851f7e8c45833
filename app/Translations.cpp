#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QStringList TranslatedLanguages()
{
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("nl"),
            QStringLiteral("es"), QStringLiteral("it"), QStringLiteral("pl")};
}

QString ChosenLanguage(const QStringList& uiLanguages)
{
    for (const QString& language : uiLanguages) {
        const QString primary = language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (TranslatedLanguages().contains(primary))
            return primary;
        if (primary == QLatin1String("en") || primary == QLatin1String("c"))
            return QString(); // English is asked for before any language Corvana speaks
    }
    return QString();
}

QString InstallTranslations(QCoreApplication& application)
{
    const QString language = ChosenLanguage(QLocale::system().uiLanguages());
    // English has a catalogue too: its plural forms ("1 plate", "2 plates").
    auto* own = new QTranslator(&application);
    if (own->load(QStringLiteral(":/translations/corvana_%1.qm").arg(language.isEmpty() ? QStringLiteral("en") : language)))
        QCoreApplication::installTranslator(own);
    if (language.isEmpty())
        return language;
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_%1").arg(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    return language;
}
