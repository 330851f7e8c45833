// The multi-line text box: pastes through the real X11 clipboard, and drops, insert
// plain text only, every character kept.

#include "Memo.h"

#include "../support/MemoPaste.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

TEST(Memo, PastesEveryKindOfClipboardEveryWay)
{
    if (!OnARealDisplay())
        return RerunUnderXvfb();
    QWidget window;
    window.resize(300, 200);
    auto* memo = new TMemo(&window);
    memo->setGeometry(5, 5, 290, 190);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ExpectPastesOfEveryClipboard(memo);
}

namespace {

// Drags `data` over the memo's centre and drops it there; true when the memo
// accepted the drag.
bool Drop(TMemo* memo, const QMimeData& data)
{
    QWidget* viewport = memo->viewport();
    const QPointF at = viewport->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    return drop.isAccepted();
}

} // namespace

TEST(Memo, DropsInsertPlainTextOnly)
{
    QWidget window;
    window.resize(300, 200);
    auto* memo = new TMemo(&window);
    memo->setGeometry(5, 5, 290, 190);
    window.show();

    QMimeData text;
    text.setText(QStringLiteral("AB\u00A012\r\nCD"));
    text.setHtml(QStringLiteral("<b>bold</b>"));
    EXPECT_TRUE(Drop(memo, text));
    EXPECT_EQ(LinesOf(memo), QStringList({QStringLiteral("AB\u00A012"), "CD"}));

    // Files, a page without text, nothing at all: refused, and the text stays.
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/tmp/plates.txt")});
    QMimeData html;
    html.setHtml(QStringLiteral("<p>AB</p>"));
    QMimeData empty;
    for (const QMimeData* data : {&files, &html, &empty}) {
        EXPECT_FALSE(Drop(memo, *data)) << data->formats().join(',').toStdString();
        EXPECT_EQ(LinesOf(memo), QStringList({QStringLiteral("AB\u00A012"), "CD"}));
    }
}
