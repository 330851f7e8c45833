#pragma once
// Pastes into a multi-line box through the real X11 clipboard, the ways a user
// pastes (Ctrl+V, Shift+Ins, the box's context menu, and a middle click, which
// pastes the X11 selection), with the clipboard as a user finds it: owned by no
// program, holding text another program copied, or holding only a picture. Runs
// on a real display (see RealDisplay.h).

#include "RealDisplay.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <memory>
#include <utility>
#include <vector>

// The clipboard and the selection held by another program (xclip) for as long
// as this lives.
class TForeignClipboard {
public:
    // Offers the bytes of `file` as the X11 target `target`.
    TForeignClipboard(const QString& file, const QString& target)
    {
        const std::pair<const char*, QClipboard::Mode> selections[] = {{"clipboard", QClipboard::Clipboard},
                                                                       {"primary", QClipboard::Selection}};
        for (const auto& [name, mode] : selections) {
            auto* owner = new QProcess;
            owners_.emplace_back(owner);
            owner->start(QStringLiteral("xclip"), {"-selection", name, "-t", target, "-quiet", file});
            EXPECT_TRUE(owner->waitForStarted()) << "xclip is missing";
            // Owned once the selection offers the target.
            EXPECT_TRUE(QTest::qWaitFor([mode = mode] {
                const QMimeData* data = QGuiApplication::clipboard()->mimeData(mode);
                return data && !data->formats().isEmpty();
            }, 5000)) << name;
        }
    }
    ~TForeignClipboard()
    {
        for (auto& owner : owners_) {
            owner->kill();
            owner->waitForFinished();
        }
        // xclip ended, so the selections have no owner again.
        (void)QTest::qWaitFor([] {
            const QMimeData* data = QGuiApplication::clipboard()->mimeData();
            return !data || data->formats().isEmpty();
        }, 5000);
    }

private:
    std::vector<std::unique_ptr<QProcess>> owners_;
};

enum class TPasteWay { CtrlV, ShiftIns, ContextMenu, MiddleClick };

inline const char* PasteWayName(TPasteWay way)
{
    switch (way) {
    case TPasteWay::CtrlV: return "Ctrl+V";
    case TPasteWay::ShiftIns: return "Shift+Ins";
    case TPasteWay::ContextMenu: return "the context menu";
    default: return "a middle click";
    }
}

// The box's lines as they stand in it, every character kept.
inline QStringList LinesOf(const QPlainTextEdit* box)
{
    QStringList lines;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

// Pastes into `box` at its caret. For the context menu: a right click in the box
// opens it, and its Paste item is clicked when it is enabled (the menu is closed
// with Esc otherwise); `pasteEnabled` tells which.
inline void PasteInto(QPlainTextEdit* box, TPasteWay way, bool* pasteEnabled = nullptr)
{
    box->setFocus();
    if (way == TPasteWay::CtrlV) {
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else if (way == TPasteWay::ShiftIns) {
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (way == TPasteWay::MiddleClick) {
        // At the caret: the end of the text, where the box's last line ends.
        QTest::mouseClick(box->viewport(), Qt::MiddleButton, Qt::NoModifier, box->cursorRect().center());
    } else {
        bool enabled = false;
        bool opened = false;
        QTimer::singleShot(0, [&] {
            QMenu* menu = nullptr;
            opened = QTest::qWaitFor([&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); });
            if (!opened)
                return;
            QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
            enabled = paste && paste->isEnabled();
            if (enabled) {
                const QPoint at = menu->actionGeometry(paste).center();
                QTest::mouseMove(menu, at);
                QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, at);
            } else {
                QTest::keyClick(menu, Qt::Key_Escape);
            }
        });
        QWidget* window = box->window();
        const QPoint at = box->viewport()->mapTo(window, box->viewport()->rect().center());
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, Qt::NoModifier, at);
        (void)QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; });
        EXPECT_TRUE(opened) << "no context menu";
        if (pasteEnabled)
            *pasteEnabled = enabled;
    }
    QApplication::processEvents();
}

// Every way of pasting into `box` with every kind of clipboard: nothing is
// inserted (and nothing breaks) without text, and text keeps its characters, its
// line breaks becoming the box's lines.
inline void ExpectPastesOfEveryClipboard(QPlainTextEdit* box)
{
    ASSERT_TRUE(OnARealDisplay());
    const TPasteWay ways[] = {TPasteWay::CtrlV, TPasteWay::ShiftIns, TPasteWay::ContextMenu, TPasteWay::MiddleClick};
    auto startWith = [box](const QString& text) {
        box->setPlainText(text);
        box->moveCursor(QTextCursor::End);
    };

    // Every way of pasting leaves the box as it was, and the context menu offers no Paste.
    auto expectNothingPasted = [&](const char* clipboard, const char* offered) {
        for (TPasteWay way : ways) {
            startWith(QStringLiteral("kept"));
            bool enabled = true;
            PasteInto(box, way, &enabled);
            EXPECT_EQ(LinesOf(box), QStringList{"kept"}) << clipboard << ", " << PasteWayName(way);
            if (way == TPasteWay::ContextMenu) {
                EXPECT_FALSE(enabled) << offered;
            }
        }
    };

    // No program owns the clipboard (nothing was copied on this display).
    expectNothingPasted("no owner", "Paste offered with nothing to paste");

    QTemporaryDir dir;
    const QString textFile = dir.filePath("text");
    {
        QFile file(textFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("AB\u00A012\r\nCD\u202834\rEF;x\nGH").toUtf8());
    }
    {
        TForeignClipboard text(textFile, QStringLiteral("UTF8_STRING"));
        for (TPasteWay way : ways) {
            startWith(QStringLiteral("x"));
            PasteInto(box, way);
            EXPECT_EQ(LinesOf(box),
                      QStringList({QStringLiteral("xAB\u00A012"), QStringLiteral("CD\u202834"), "EF;x", "GH"}))
                << "text, " << PasteWayName(way);
        }
    }

    const QString imageFile = dir.filePath("picture.png");
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(imageFile));
    TForeignClipboard image(imageFile, QStringLiteral("image/png"));
    expectNothingPasted("a picture", "Paste offered for a picture");
}
