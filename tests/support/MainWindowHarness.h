#pragma once
// The main window on the offscreen platform with its settings file in a temporary
// folder, and the ways a user reaches it: typing, and choosing menu items from the
// open menus by keyboard or by clicks. Every test of the real main window derives
// its fixture from MainWindowTest.

#include "QtTestSupport.h"
#include "UMain.h"

#include "AdvEdit.h"
#include "Dialogs.h"
#include "zelGrid.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

// How a menu item is chosen from its open menu.
enum class TChoice { Keyboard, Click };

const char* ChoiceName(TChoice how);

// Whether `menu` has opened and takes the input (a submenu opens after a delay).
bool MenuOpens(QMenu* menu);

// Chooses `path` (an item, or a submenu and then its item, and so on) from the
// open menu `menu`: by keyboard the arrow keys go to each item, Right opens a
// submenu and Enter chooses; otherwise each item is clicked.
void ChooseFromOpenMenu(QMenu* menu, std::initializer_list<QAction*> path, TChoice how);

class TFormImport;

// Runs `work` on the import dialog once it is shown modally, then lets the test go on.
void WhenImportDialogShows(std::function<void(TFormImport*)> work);

// A main window whose settings file lives in a temporary folder.
class MainWindowTest : public testing::Test {
protected:
    QString IniName() const { return dir.filePath("corvana.ini"); }

    // Makes the window, with `ini` as its settings file when given, shows it and
    // waits until the plate field has the focus.
    void Open(const QByteArray& ini = QByteArray());

    // Types a plate into the plate field and presses Enter.
    void TypePlate(const QString& text);
    void TypePlate(const std::string& text) { TypePlate(Q(text)); }
    void TypePlate(const char* text) { TypePlate(QString::fromUtf8(text)); }

    QStringList Row(TzelGrid* grid, int row) const { return grid->Rows(row).ToStringList(); }

    void ClickHeader(TzelGrid* grid, int col);

    // The offscreen platform does not give the activation back after a menu or a
    // dialog closed, and the menu bar's letters work in the active window only.
    void Activate();

    // Opens `menu` of the menu bar (Alt and its letter, or a click on its title)
    // and chooses `path` from it.
    void Choose(QMenu* menu, std::initializer_list<QAction*> path, TChoice how);

    // Opens the grid's context menu the way the platform does: by keyboard the
    // window gets the menu key's context-menu event for its focused grid (the
    // offscreen platform makes none of its own); otherwise a right click on a cell
    // goes through the window. Then chooses `item`.
    void ChooseFromGridMenu(TzelGrid* grid, QAction* item, TChoice how);

    // Opens a menu of the menu bar with a click, clicks its visible item captioned
    // `item`, and gives the window its activation back.
    void ChooseFromMenuBar(QMenu* menu, const QString& item);

    QTemporaryDir dir;
    TScopedRecordingDialogs dialogs;
    std::unique_ptr<TFormMain> form;
};
