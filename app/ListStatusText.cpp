#include "ListStatusText.h"

#include "DelimitedPlateList.h"

#include <QFileInfo>

namespace {

QString Counted(std::uint64_t n, const char* one, const char* many)
{
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
}

QString ShortName(const QString& fileName) { return QFileInfo(fileName).fileName(); }

} // namespace

QString OpenedListStatus(const QString& fileName, const TDelimiterLook& look, std::size_t accepted)
{
    const std::uint64_t skipped = look.Lines() - std::min<std::uint64_t>(accepted, look.Lines());
    QString text = QStringLiteral("%1: %2, %3").arg(ShortName(fileName), Counted(look.Lines(), "line", "lines"),
                                                    skipped == 0 ? QStringLiteral("none skipped")
                                                                 : QStringLiteral("%1 skipped").arg(skipped));
    if (const char separator = look.Suggested(); separator != 0)
        text += QStringLiteral("; most hold a %1: File > Import list ... reads such a list by its columns")
                    .arg(QLatin1String(SeparatorName(separator).data()));
    return text;
}

QString ImportedListStatus(const QString& fileName, std::size_t imported, const TIssueTally& issues)
{
    QString text = QStringLiteral("%1: %2 imported").arg(ShortName(fileName), Counted(imported, "plate", "plates"));
    const std::string summary = issues.Summary();
    if (!summary.empty())
        text += QStringLiteral("; ") + QString::fromStdString(summary);
    return text;
}
