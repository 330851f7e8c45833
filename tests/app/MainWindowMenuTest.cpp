// Every menu item of the main window chosen from its open menu, by keyboard and
// by clicks, does what it stands for.

#include "MainWindowHarness.h"

#include "HelpTexts.h"
#include "Memo.h"

#include <QClipboard>
#include <QDialog>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

TEST_F(MainWindowTest, EveryMenuItemChosenFromItsMenuDoesItsWork)
{
    for (TChoice how : {TChoice::Keyboard, TChoice::Click}) {
        SCOPED_TRACE(ChoiceName(how));
        QFile::remove(IniName()); // each round starts on the 26-bit tab
        Open();
        dialogs.messages.clear();

        // View > Multiple number plates switches to the box and back, the focus
        // with it; a plate typed there is computed from the box.
        Choose(form->mnuView, {form->mnuViewMulti}, how);
        EXPECT_TRUE(form->mnuViewMulti->isChecked());
        EXPECT_FALSE(form->Panel1->isVisible());
        EXPECT_TRUE(form->Panel2->isVisible());
        EXPECT_EQ(form->focusWidget(), form->EditPlates);
        QTest::keyClicks(form->EditPlates, "qq 7");
        QTest::mouseClick(form->btnCalc2, Qt::LeftButton);
        EXPECT_EQ(form->SG1->Cells(0, 1), "QQ7");
        Choose(form->mnuView, {form->mnuViewMulti}, how);
        EXPECT_FALSE(form->mnuViewMulti->isChecked());
        EXPECT_TRUE(form->Panel1->isVisible());
        EXPECT_FALSE(form->Panel2->isVisible());
        EXPECT_EQ(form->focusWidget(), form->EditPlate);

        // Ctrl+Shift+W fits the current column of the grid to its texts.
        form->SG1->setFocus();
        form->SG1->SetColWidths(0, 4);
        Activate();
        QTest::keyClick(form->SG1, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_GT(form->SG1->ColWidths(0), 4);

        // File > New empties both grids, once No answered whether to save the
        // plate computed above.
        dialogs.answer = mrNo;
        Choose(form->mnuFile, {form->mnuFileNew}, how);
        EXPECT_EQ(dialogs.messages, QStringList{"Save the results?"});
        dialogs.messages.clear();
        dialogs.answer = mrOk;
        EXPECT_EQ(form->SG1->RowCount(), 2);
        EXPECT_EQ(form->SG1->Cells(0, 1), "");
        EXPECT_EQ(form->SG2->Cells(0, 1), "");

        // File > Open computes the chosen list.
        const QString list = dir.filePath("plates.txt");
        WriteAll(list, "aa 1\r\nbb 2\r\n");
        dialogs.fileAnswers.push_back(list);
        Choose(form->mnuFile, {form->mnuFileOpen}, how);
        EXPECT_EQ(form->SG1->Cells(0, 1), "AA1");
        EXPECT_EQ(form->SG2->Cells(0, 2), "BB2");

        // View > Columns switches a column of the active tab's grid.
        const QString fullHex = QStringLiteral("Digest (full hex)");
        ASSERT_EQ(form->mnuView1->actions().at(2)->text(), fullHex);
        Choose(form->mnuView, {form->mnuView1->menuAction(), form->mnuView1->actions().at(2)}, how);
        EXPECT_EQ(form->SG1->ColWidths(2), 300);

        // File > Save as ... writes the active grid and says so.
        const QString saved = dir.filePath("saved.txt");
        dialogs.fileAnswers.push_back(saved);
        Choose(form->mnuFile, {form->mnuFileSave}, how);
        EXPECT_TRUE(ReadAll(saved).startsWith("Number plate;Wiegand 26-bit (hex);Digest (full hex);Facility code"));
        EXPECT_EQ(dialogs.messages.value(0), "OK: file " + saved + " saved");

        // The grid's context menu copies the selection.
        form->SG1->SetSelection(TGridRect{0, 1, 1, 1});
        ChooseFromGridMenu(form->SG1, form->mnuCopy, how);
        EXPECT_EQ(QApplication::clipboard()->text(), "AA1;" + form->SG1->Cells(1, 1));

        // On the 64-bit tab the other Columns submenu and the other help text count.
        QTabBar* tabs = form->PageControl1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(1).center());
        ASSERT_EQ(form->PageControl1->ActivePageIndex(), 1);
        Choose(form->mnuView, {form->mnuView2->menuAction(), form->mnuView2->actions().at(2)}, how);
        EXPECT_EQ(form->SG2->ColWidths(2), 160);
        Choose(form->mnuHelp, {form->Howtocalculate1}, how);
        EXPECT_EQ(dialogs.messages.value(1), Wiegand64HelpText());

        // Help > About ... shows the About box modally.
        QDialog about;
        form->FormAbout = &about;
        bool shown = false;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QApplication::activeModalWidget() == &about) {
                shown = true;
                about.reject();
            }
        });
        closer.start(10);
        Choose(form->mnuHelp, {form->mnuAbout}, how);
        EXPECT_TRUE(shown);
        form->FormAbout = nullptr;
        form->activateWindow();
        (void)QTest::qWaitForWindowActive(form.get());

        // File > Exit closes the window.
        Choose(form->mnuFile, {form->mnuExit}, how);
        EXPECT_FALSE(form->isVisible());
        form.reset();
    }
}
