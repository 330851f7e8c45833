#include "MainWindowHarness.h"

#include "Translations.h"
#include "UImport.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

const char* ChoiceName(TChoice how)
{
    return how == TChoice::Keyboard ? "by keyboard" : "by clicks";
}

bool MenuOpens(QMenu* menu)
{
    return QTest::qWaitFor([menu] { return QApplication::activePopupWidget() == menu; }, 2000);
}

void ChooseFromOpenMenu(QMenu* menu, std::initializer_list<QAction*> path, TChoice how)
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

// Runs `work` on the import dialog once it is shown modally, then lets the test go on.
void WhenImportDialogShows(std::function<void(TFormImport*)> work)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, work] {
        if (auto* dialog = qobject_cast<TFormImport*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            // Mnemonics work in the active window, which a busy X server may take a
            // while to make it (and the offscreen platform never does by itself).
            dialog->activateWindow();
            EXPECT_TRUE(QTest::qWaitFor(
                [dialog] {
                    return QGuiApplication::focusWindow() == dialog->windowHandle() &&
                           dialog->isAncestorOf(QApplication::focusWidget());
                },
                15000));
            work(dialog);
        }
    });
    timer->start(20);
}

void MainWindowTest::Open(const QByteArray& ini)
{
    // The window's catalogues, as the program installs them at start: once.
    static const QString language = InstallTranslations(*QCoreApplication::instance());
    (void)language;
    if (!ini.isNull())
        WriteAll(IniName(), ini);
    QApplication::setApplicationDisplayName("Corvana");
    form = std::make_unique<TFormMain>(TSettingsFiles{IniName(), IniName()});
    form->show();
    form->activateWindow();
    (void)QTest::qWaitForWindowActive(form.get());
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->EditPlate->hasFocus(); }));
}

void MainWindowTest::TypePlate(const QString& text)
{
    QTest::keyClicks(form->EditPlate, text);
    QTest::keyClick(form->EditPlate, Qt::Key_Return);
    QApplication::processEvents();
}

void MainWindowTest::ClickHeader(TzelGrid* grid, int col)
{
    const QPoint at = grid->CellRect(col, 0).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void MainWindowTest::Activate()
{
    form->activateWindow();
    (void)QTest::qWaitFor([&] { return QApplication::activeWindow() == form.get(); }, 1000);
}

void MainWindowTest::Choose(QMenu* menu, std::initializer_list<QAction*> path, TChoice how)
{
    Activate();
    QMenuBar* bar = form->menuBar();
    if (how == TChoice::Keyboard)
        QTest::keySequence(form.get(), QKeySequence::mnemonic(menu->title()));
    else
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(menu->menuAction()).center());
    ChooseFromOpenMenu(menu, path, how);
}

void MainWindowTest::ChooseFromMenuBar(QMenu* menu, const QString& item)
{
    QMenuBar* bar = form->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(menu->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions())
        if (action->text() == item && action->isVisible())
            chosen = action;
    ASSERT_NE(chosen, nullptr) << item.toStdString();
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(chosen).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !menu->isVisible(); }));
    form->activateWindow(); // the offscreen platform does not give it back by itself
    (void)QTest::qWaitForWindowActive(form.get());
    QApplication::processEvents();
}

void MainWindowTest::ChooseFromGridMenu(TzelGrid* grid, QAction* item, TChoice how)
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
