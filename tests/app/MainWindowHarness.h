#pragma once
// The main window on the offscreen platform with its settings file in a temporary
// folder, and the ways a user reaches it: typing, and choosing menu items from the
// open menus by keyboard or by clicks.

#include "UMain.h"

#include "AdvEdit.h"
#include "Dialogs.h"
#include "zelGrid.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

inline QByteArray ReadAll(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void WriteAll(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// How a menu item is chosen from its open menu.
enum class TChoice { Keyboard, Click };

inline const char* ChoiceName(TChoice how)
{
    return how == TChoice::Keyboard ? "by keyboard" : "by clicks";
}

// Whether `menu` has opened and takes the input (a submenu opens after a delay).
inline bool MenuOpens(QMenu* menu)
{
    return QTest::qWaitFor([menu] { return QApplication::activePopupWidget() == menu; }, 2000);
}

// Chooses `path` (an item, or a submenu and then its item, and so on) from the
// open menu `menu`: by keyboard the arrow keys go to each item, Right opens a
// submenu and Enter chooses; otherwise each item is clicked.
inline void ChooseFromOpenMenu(QMenu* menu, std::initializer_list<QAction*> path, TChoice how)
{
    for (QAction* item : path) {
        ASSERT_NE(menu, nullptr) << item->text().toStdString();
        ASSERT_TRUE(MenuOpens(menu)) << "not open: " << menu->title().toStdString();
        if (how == TChoice::Keyboard) {
            for (int step = 0; step < 20 && menu->activeAction() != item; ++step)
                QTest::keyClick(menu, Qt::Key_Down);
            ASSERT_EQ(menu->activeAction(), item) << item->text().toStdString();
            QTest::keyClick(menu, item->menu() ? Qt::Key_Right : Qt::Key_Return);
        } else {
            const QPoint at = menu->actionGeometry(item).center();
            QTest::mouseMove(menu, at);
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, at);
        }
        menu = item->menu();
    }
    QApplication::processEvents();
}

// A main window whose settings file lives in a temporary folder.
class MainWindowTest : public testing::Test {
protected:
    QString IniName() const { return dir.filePath("corvana.ini"); }

    void Open(const QByteArray& ini = QByteArray())
    {
        if (!ini.isNull())
            WriteAll(IniName(), ini);
        QApplication::setApplicationDisplayName("Corvana");
        form = std::make_unique<TFormMain>(TSettingsFiles{IniName(), IniName()});
        form->show();
        form->activateWindow();
        (void)QTest::qWaitForWindowActive(form.get());
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->EditPlate->hasFocus(); }));
    }

    void TypePlate(const QString& text)
    {
        QTest::keyClicks(form->EditPlate, text);
        QTest::keyClick(form->EditPlate, Qt::Key_Return);
        QApplication::processEvents();
    }

    QStringList Row(TzelGrid* grid, int row) const { return grid->Rows(row).ToStringList(); }

    void ClickHeader(TzelGrid* grid, int col)
    {
        const QPoint at = grid->CellRect(col, 0).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

    // The offscreen platform does not give the activation back after a menu or a
    // dialog closed, and the menu bar's letters work in the active window only.
    void Activate()
    {
        form->activateWindow();
        (void)QTest::qWaitFor([&] { return QApplication::activeWindow() == form.get(); }, 1000);
    }

    // Opens `menu` of the menu bar (Alt and its letter, or a click on its title)
    // and chooses `path` from it.
    void Choose(QMenu* menu, std::initializer_list<QAction*> path, TChoice how)
    {
        Activate();
        QMenuBar* bar = form->menuBar();
        if (how == TChoice::Keyboard)
            QTest::keySequence(form.get(), QKeySequence::mnemonic(menu->title()));
        else
            QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(menu->menuAction()).center());
        ChooseFromOpenMenu(menu, path, how);
    }

    // Opens the grid's context menu the way the platform does: by keyboard the
    // window gets the menu key's context-menu event for its focused grid (the
    // offscreen platform makes none of its own); otherwise a right click on a cell
    // goes through the window. Then chooses `item`.
    void ChooseFromGridMenu(TzelGrid* grid, QAction* item, TChoice how)
    {
        Activate();
        QWindow* window = form->windowHandle();
        const QPoint cell = grid->viewport()->mapTo(form.get(), grid->CellRect(0, 1).center());
        if (how == TChoice::Keyboard) {
            grid->setFocus();
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, cell, form->mapToGlobal(cell));
            QApplication::sendEvent(window, &menuKey);
        } else {
            QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, cell);
        }
        ChooseFromOpenMenu(form->PopGrid1, {item}, how);
    }

    QTemporaryDir dir;
    TScopedRecordingDialogs dialogs;
    std::unique_ptr<TFormMain> form;
};
