#include "ListStatusText.h"

#include "ContentKind.h"
#include "DelimitedPlateList.h"

#include <QFileInfo>

namespace {

QString Counted(std::uint64_t n, const char* one, const char* many)
{
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
}

QString ShortName(const QString& fileName) { return QFileInfo(fileName).fileName(); }

} // namespace

QString OpenedListStatus(const QString& fileName, const TDelimiterLook& look, std::size_t accepted,
                         const TIssueTally& unread)
{
    const std::uint64_t lines = look.Lines() + unread.Rejected();
    const std::uint64_t skipped = lines - std::min<std::uint64_t>(accepted, lines);
    QString text = QStringLiteral("%1: %2, %3").arg(ShortName(fileName), Counted(lines, "line", "lines"),
                                                    skipped == 0 ? QStringLiteral("none skipped")
                                                                 : QStringLiteral("%1 skipped").arg(skipped));
    if (unread.Rejected() > 0)
        text += QStringLiteral(", among them ") + QString::fromStdString(unread.Reasons());
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

QString NotTextReason(const TNotTextError& error, const QString& list)
{
    QString reason = QStringLiteral("It is %1, not %2").arg(QString::fromUtf8(error.what()), list);
    if (IsWorkbook(error.Kind))
        return reason + QStringLiteral(": File > Import list ... reads workbooks.");
    if (error.Kind == TContentKind::OldOfficeDocument)
        return reason + QStringLiteral(": save it as an .xlsx workbook or as CSV first.");
    if (error.Kind == TContentKind::Utf16WithoutMark)
        return reason + QStringLiteral(": save it as UTF-8, or as UTF-16 with a byte order mark.");
    return reason + QLatin1Char('.');
}
