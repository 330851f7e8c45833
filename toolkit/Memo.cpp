#include "Memo.h"

#include <QMimeData>

#include <algorithm>

namespace {

// The text a paste or drop of `source` inserts; empty when it carries none. Files
// and links alone are no text (QMimeData::hasText counts them).
QString PlainTextOf(const QMimeData* source)
{
    if (!source)
        return QString();
    const QStringList formats = source->formats();
    const bool hasPlainText = std::any_of(formats.begin(), formats.end(), [](const QString& format) {
        return format.startsWith(QLatin1String("text/plain"));
    });
    return hasPlainText ? source->text() : QString();
}

} // namespace

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {}

bool TMemo::canInsertFromMimeData(const QMimeData* source) const
{
    return !isReadOnly() && !PlainTextOf(source).isEmpty();
}

void TMemo::insertFromMimeData(const QMimeData* source)
{
    const QString text = PlainTextOf(source);
    if (isReadOnly() || text.isEmpty())
        return;
    // The same insertion as typing: line breaks become new lines, every other
    // character stays as it is.
    insertPlainText(text);
    ensureCursorVisible();
}
