#include "ListStatusText.h"

#include "ContentKind.h"
#include "DelimitedPlateList.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The status bar's texts about lists: their context of translation.
struct TListStatus {
    Q_DECLARE_TR_FUNCTIONS(TListStatus)
};

QString ShortName(const QString& fileName) { return QFileInfo(fileName).fileName(); }

// "2 without a plate field": a count of records with one problem.
QString ProblemCount(TRecordProblem problem, int n)
{
    switch (problem) {
    case TRecordProblem::NoPlateField: return TListStatus::tr("%n without a plate field", "", n);
    case TRecordProblem::EmptyPlate: return TListStatus::tr("%n with an empty plate field", "", n);
    case TRecordProblem::NothingLeft: return TListStatus::tr("%n with only spaces and punctuation for a plate", "", n);
    case TRecordProblem::PlateTooLong: return TListStatus::tr("%n with a plate longer than 16 bytes", "", n);
    case TRecordProblem::HeaderText: return TListStatus::tr("%n reading as a column header", "", n);
    case TRecordProblem::UnclosedQuote:
        return TListStatus::tr("%n with a quote never closed (the rest of the list)", "", n);
    case TRecordProblem::NotUtf8: return TListStatus::tr("%n with bytes that are not UTF-8", "", n);
    case TRecordProblem::UnpairedSurrogate: return TListStatus::tr("%n with half of a UTF-16 surrogate pair", "", n);
    case TRecordProblem::HalfCharacter: return TListStatus::tr("%n ending in half a UTF-16 character", "", n);
    case TRecordProblem::TooLong: return TListStatus::tr("%n longer than 64 KiB", "", n);
    case TRecordProblem::FieldsLeftOut: return TListStatus::tr("%n with fields beyond the columns, left out", "", n);
    case TRecordProblem::FormulaPlate: return TListStatus::tr("%n with a formula for a plate", "", n);
    case TRecordProblem::TotalRow: return TListStatus::tr("%n reading as a total row", "", n);
    }
    return QString::number(n);
}

// The reasons of the rejected records: "1 without a plate field, 2 ...".
QString Reasons(const TIssueTally& issues)
{
    QStringList reasons;
    for (int p = 0; p < kRecordProblemCount; ++p) {
        const auto problem = TRecordProblem(p);
        if (RejectsRecord(problem) && issues.Count(problem) > 0)
            reasons << ProblemCount(problem, int(issues.Count(problem)));
    }
    return reasons.join(TListStatus::tr(", "));
}

// What a file that is not text is, as a message names it.
QString KindName(TContentKind kind)
{
    switch (kind) {
    case TContentKind::Text: return TListStatus::tr("text");
    case TContentKind::ExcelWorkbook: return TListStatus::tr("an Excel workbook (.xlsx)");
    case TContentKind::OpenDocumentSpreadsheet: return TListStatus::tr("an OpenDocument spreadsheet (.ods)");
    case TContentKind::ZipArchive: return TListStatus::tr("a ZIP archive");
    case TContentKind::OldOfficeDocument:
        return TListStatus::tr("a document of an older Microsoft Office (such as an .xls workbook)");
    case TContentKind::PdfDocument: return TListStatus::tr("a PDF document");
    case TContentKind::PngImage: return TListStatus::tr("a PNG image");
    case TContentKind::JpegImage: return TListStatus::tr("a JPEG image");
    case TContentKind::GzipData: return TListStatus::tr("gzip-compressed data");
    case TContentKind::Program: return TListStatus::tr("a program (ELF)");
    case TContentKind::Utf16WithoutMark: return TListStatus::tr("UTF-16 text without a byte order mark");
    case TContentKind::Binary: return TListStatus::tr("binary data (it holds NUL bytes)");
    }
    return TListStatus::tr("binary data");
}

} // namespace

QString OpenedListStatus(const QString& fileName, const TDelimiterLook& look, std::size_t accepted,
                         const TIssueTally& unread)
{
    const std::uint64_t lines = look.Lines() + unread.Rejected();
    const std::uint64_t skipped = lines - std::min<std::uint64_t>(accepted, lines);
    QString text = skipped == 0 ? TListStatus::tr("%1: %n line(s), none skipped", "", int(lines)).arg(ShortName(fileName))
                                : TListStatus::tr("%1: %n line(s), %2 skipped", "", int(lines))
                                      .arg(ShortName(fileName))
                                      .arg(skipped);
    if (unread.Rejected() > 0)
        text += TListStatus::tr(", among them %1").arg(Reasons(unread));
    if (const char separator = look.Suggested(); separator != 0)
        text += separator == ','
                    ? TListStatus::tr("; most hold a comma: File > Import list ... reads such a list by its columns")
                    : TListStatus::tr("; most hold a tab: File > Import list ... reads such a list by its columns");
    return text;
}

QString ImportedListStatus(const QString& fileName, std::size_t imported, const TIssueTally& issues)
{
    QString text = TListStatus::tr("%1: %n plate(s) imported", "", int(imported)).arg(ShortName(fileName));
    if (issues.Rejected() > 0)
        text += TListStatus::tr("; %n record(s) skipped: %1", "", int(issues.Rejected())).arg(Reasons(issues));
    if (const std::size_t leftOut = issues.Count(TRecordProblem::FieldsLeftOut); leftOut > 0)
        text += TListStatus::tr("; %n record(s) with fields beyond the columns, left out", "", int(leftOut));
    return text;
}

QString NotTextReason(const TNotTextError& error, TNotTextFor what)
{
    const QString kind = KindName(error.Kind);
    QString reason = what == TNotTextFor::PlateList ? TListStatus::tr("It is %1, not a plate list").arg(kind)
                                                     : TListStatus::tr("It is %1, not a list").arg(kind);
    if (IsWorkbook(error.Kind))
        return reason + TListStatus::tr(": File > Import list ... reads workbooks.");
    if (error.Kind == TContentKind::OldOfficeDocument)
        return reason + TListStatus::tr(": save it as an .xlsx workbook or as CSV first.");
    if (error.Kind == TContentKind::Utf16WithoutMark)
        return reason + TListStatus::tr(": save it as UTF-8, or as UTF-16 with a byte order mark.");
    return reason + TListStatus::tr(".");
}
