#include "Memo.h"

#include <QKeyEvent>
#include <QMimeData>

#include <algorithm>

namespace {

// Ctrl+Tab alone, the key that types a tab where Tab moves the focus.
bool IsTabKey(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Tab && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

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

void TMemo::SetTabLeaves(bool on)
{
    tabLeaves_ = on;
    setTabChangesFocus(on);
}

bool TMemo::event(QEvent* event)
{
    // Ctrl+Tab comes to the box before any window shortcut that shares it.
    if (event->type() == QEvent::ShortcutOverride && tabLeaves_ && IsTabKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QPlainTextEdit::event(event);
}

void TMemo::keyPressEvent(QKeyEvent* event)
{
    if (tabLeaves_ && !isReadOnly() && IsTabKey(event)) {
        insertPlainText(QStringLiteral("\t"));
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

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
