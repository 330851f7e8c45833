// The main window driven through real key presses and clicks on the offscreen
// platform: the calculation workflow, sorting by header clicks, result files,
// copying, the settings file and the column menus.

#include "MainWindowHarness.h"

#include "AdvEdit.h"
#include "Dialogs.h"
#include "HelpTexts.h"
#include "Image.h"
#include "Memo.h"
#include "PlateCodes.h"
#include "RecordingPrinter.h"
#include "zelGrid.h"
#include "zelGridFormule.h"
#include "zelGridPreview.h"
#include "zelGridQuery.h"

#include "../support/FaultSupport.h"
#include "../support/MemoPaste.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

const QStringList kHk55Row26{"HK55EVB", "0x3019E2A", "0xA44F633C8A6D158150CCEB3EF83D9DE0BA80CF15",
                             "0x80CF15", "8441621", "128", "53013"};

} // namespace

TEST_F(MainWindowTest, TypedPlatesAppendRowsAndFileNewStartsOver)
{
    Open();
    EXPECT_EQ(form->windowTitle(), "Corvana");
    EXPECT_EQ(form->size(), QSize(800, 600));
    TypePlate("hk 55 evb");
    EXPECT_EQ(Row(form->SG1, 1).first(), "HK55EVB");
    EXPECT_EQ(Row(form->SG1, 1).at(1), "0x3019E2A");
    EXPECT_EQ(Row(form->SG1, 1).at(5), "128");
    EXPECT_EQ(Row(form->SG1, 1).at(6), "53013");
    EXPECT_EQ(Row(form->SG2, 1), (QStringList{"HK55EVB", "0x600002191555EBDB", "6917531334396472283"}));
    EXPECT_EQ(form->SG1->Selection(), (TGridRect{0, 1, 0, 1}));
    EXPECT_EQ(form->SG2->Selection(), (TGridRect{0, 1, 0, 1}));
    EXPECT_EQ(form->EditPlate->Text(), "");
    EXPECT_TRUE(form->EditPlate->hasFocus());

    TypePlate("ab 12");
    EXPECT_EQ(form->SG1->RowCount(), 3);
    EXPECT_EQ(form->SG1->Cells(0, 2), "AB12");

    // Lines that normalise to nothing stay in the field and add nothing.
    TypePlate("   ");
    TypePlate("; parked");
    EXPECT_EQ(form->EditPlate->Text(), "   ; parked"); // only the plate's characters count towards 10
    EXPECT_EQ(form->SG1->RowCount(), 3);
    form->EditPlate->SetText("");

    // Ctrl+N is File > New even while a grid has the focus.
    form->SG1->setFocus();
    QTest::keyClick(form->SG1, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(form->SG1->RowCount(), 2);
    EXPECT_EQ(form->SG2->RowCount(), 2);
    EXPECT_EQ(form->SG1->Cells(0, 0), "Number plate");
    EXPECT_EQ(form->SG1->Cells(0, 1), "");
    form->EditPlate->setFocus();
    TypePlate("xy 9");
    EXPECT_EQ(form->SG1->Cells(0, 1), "XY9");
    EXPECT_EQ(form->SG2->Cells(0, 1), "XY9");
}

TEST_F(MainWindowTest, TypingStopsAtTenCharactersThePlateKeeps)
{
    Open();
    // Separators are typed freely: the whole plate arrives, as corvana-cli takes it.
    QTest::keyClicks(form->EditPlate, QStringLiteral("K\u00DCN-AB 1234"));
    EXPECT_EQ(form->EditPlate->Text(), QStringLiteral("K\u00DCN-AB 1234"));
    QTest::keyClick(form->EditPlate, Qt::Key_Return);
    QApplication::processEvents();
    const TPlateCodes codes = ComputePlateCodes("K\xC3\x9CNAB1234");
    EXPECT_EQ(form->SG1->Cells(0, 1), QStringLiteral("K\u00DCNAB1234"));
    EXPECT_EQ(form->SG1->Cells(1, 1).toStdString(), std::string(Wiegand26RowCells(codes)[1]));
    EXPECT_EQ(form->SG2->Cells(1, 1).toStdString(), std::string(Wiegand64RowCells(codes)[1]));

    // The eleventh character of the plate is refused; a separator is not.
    QTest::keyClicks(form->EditPlate, "ab-cd ef.gh/ij-kl");
    EXPECT_EQ(form->EditPlate->Text(), "ab-cd ef.gh/ij-");
    // Not in the middle either; a typed character replaces a selected one.
    form->EditPlate->SetSelStart(2);
    form->EditPlate->SetSelLength(0);
    QTest::keyClicks(form->EditPlate, "x ");
    EXPECT_EQ(form->EditPlate->Text(), "ab -cd ef.gh/ij-");
    form->EditPlate->SetSelStart(0);
    form->EditPlate->SetSelLength(1);
    QTest::keyClicks(form->EditPlate, "z");
    EXPECT_EQ(form->EditPlate->Text(), "zb -cd ef.gh/ij-");
    // Pasted text is never cut.
    form->EditPlate->SetText("");
    QApplication::clipboard()->setText("ABCDEFGHIJKLMN");
    QTest::keyClick(form->EditPlate, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->EditPlate->Text(), "ABCDEFGHIJKLMN");
}

TEST_F(MainWindowTest, CtrlTabAndCtrlPageKeysSwitchTheTabs)
{
    Open();
    QTabWidget* tabs = form->PageControl1;
    ASSERT_EQ(tabs->currentIndex(), 0);
    // From the plate field, which keeps the focus.
    QTest::keyClick(form->EditPlate, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 1);
    QTest::keyClick(form->EditPlate, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 0);
    QTest::keyClick(form->EditPlate, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 1);
    QTest::keyClick(form->EditPlate, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 0);
    QTest::keyClick(form->EditPlate, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 1);
    EXPECT_TRUE(form->EditPlate->hasFocus());
    EXPECT_EQ(form->EditPlate->Text(), "");

    // From a grid, whose place the other grid takes.
    TypePlate("ab 1");
    TypePlate("cd 2");
    form->SG2->setFocus();
    form->SG2->SetRow(1);
    QTest::keyClick(form->SG2, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 0);
    EXPECT_TRUE(form->SG1->hasFocus());
    EXPECT_EQ(form->SG2->Row(), 1) << "the key moved no row";
    QTest::keyClick(form->SG1, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 1);
    EXPECT_TRUE(form->SG2->hasFocus());
    QTest::keyClick(form->SG2, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 0);
    QTest::keyClick(form->SG1, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 1);
    EXPECT_TRUE(form->SG2->hasFocus());
}

TEST_F(MainWindowTest, MultiPlateViewConsumesEveryLine)
{
    Open();
    EXPECT_TRUE(form->Panel1->isVisible());
    EXPECT_FALSE(form->Panel2->isVisible());
    QTest::mouseClick(form->Shape1, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    EXPECT_TRUE(form->mnuViewMulti->isChecked());
    EXPECT_FALSE(form->Panel1->isVisible());
    EXPECT_TRUE(form->Panel2->isVisible());

    form->EditPlates->setFocus();
    QTest::keyClicks(form->EditPlates, "aa1");
    QTest::keyClick(form->EditPlates, Qt::Key_Return); // a new line, not Calc
    for (const char* line : {" ;x", "bb2", "", "cc3"}) {
        QTest::keyClicks(form->EditPlates, line);
        if (QByteArray(line) != "cc3")
            QTest::keyClick(form->EditPlates, Qt::Key_Return);
    }
    EXPECT_EQ(form->SG1->Cells(0, 1), "");
    QTest::mouseClick(form->btnCalc2, Qt::LeftButton);
    EXPECT_EQ(form->EditPlates->toPlainText(), "");
    EXPECT_EQ(form->SG1->RowCount(), 4);
    EXPECT_EQ(form->SG1->Cells(0, 1), "AA1");
    EXPECT_EQ(form->SG1->Cells(0, 2), "BB2");
    EXPECT_EQ(form->SG2->Cells(0, 3), "CC3");
    EXPECT_TRUE(form->EditPlates->hasFocus());

    // The up triangle goes back; the field's text survived the switch.
    QTest::mouseClick(form->Shape2, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    EXPECT_TRUE(form->Panel1->isVisible());
    EXPECT_FALSE(form->mnuViewMulti->isChecked());
}

TEST_F(MainWindowTest, HeaderClicksCycleAscendingDescendingOff)
{
    Open();
    for (const char* plate : {"b 300", "a 20", "c 1"})
        TypePlate(plate);
    auto column0 = [&] { return QStringList{form->SG1->Cells(0, 1), form->SG1->Cells(0, 2), form->SG1->Cells(0, 3)}; };
    auto ids = [&] { return QStringList{form->SG1->Cells(6, 1), form->SG1->Cells(6, 2), form->SG1->Cells(6, 3)}; };
    ClickHeader(form->SG1, 6);
    EXPECT_EQ(form->SG1->SortIndex(), 6);
    EXPECT_EQ(form->SG1->SortType(), tstNumeric);
    QStringList ascending = ids();
    std::sort(ascending.begin(), ascending.end(), [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    EXPECT_EQ(ids(), ascending);
    ClickHeader(form->SG1, 6);
    EXPECT_EQ(form->SG1->SortDirection(), Descending);
    QStringList descending = ascending;
    std::reverse(descending.begin(), descending.end());
    EXPECT_EQ(ids(), descending);
    const QStringList before = column0();
    ClickHeader(form->SG1, 6);
    EXPECT_EQ(form->SG1->SortIndex(), -1);
    EXPECT_EQ(column0(), before);

    // A press on one header and a release on another, or a release alone, does nothing.
    QTest::mousePress(form->SG1->viewport(), Qt::LeftButton, Qt::NoModifier, form->SG1->CellRect(0, 0).center());
    QTest::mouseRelease(form->SG1->viewport(), Qt::LeftButton, Qt::NoModifier, form->SG1->CellRect(1, 0).center());
    EXPECT_EQ(form->SG1->SortIndex(), -1);
    QTest::mouseRelease(form->SG1->viewport(), Qt::LeftButton, Qt::NoModifier, form->SG1->CellRect(0, 0).center());
    EXPECT_EQ(form->SG1->SortIndex(), -1);
    EXPECT_EQ(form->PressX, -1);

    // Plain header: ascending by characters; a new plate then lands at the bottom.
    ClickHeader(form->SG1, 0);
    EXPECT_EQ(column0(), (QStringList{"A20", "B300", "C1"}));
    EXPECT_EQ(form->SG1->SortType(), tstCharacter);
    TypePlate("a 1");
    EXPECT_EQ(form->SG1->Cells(0, 4), "A1");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowTest, SaveAsWritesTheVisibleColumnsAndReportsSuccess)
{
    Open();
    const QString name = dir.filePath("result");
    dialogs.fileAnswers.push_back(name);
    QTest::keyClick(form->EditPlate, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs[0].options.Filter,
              "Text Files (*.txt)|*.txt|CSV (*.csv)|*.csv|Excel workbook (*.xlsx)|*.xlsx|All Files (*.*)|*.*");
    EXPECT_EQ(dialogs.fileDialogs[0].options.DefaultExt, "txt");
    EXPECT_EQ(ReadAll(name + ".txt"), "Number plate;Wiegand 26-bit (hex);Facility code;ID number\r\n;;;\r\n");
    EXPECT_EQ(dialogs.messages.value(0), "OK: file " + name + ".txt saved");

    TypePlate("hk 55 evb");
    form->PageControl1->setCurrentIndex(1);
    dialogs.fileAnswers.push_back(name + "64.txt");
    form->mnuFileSave->trigger();
    EXPECT_EQ(ReadAll(name + "64.txt"),
              "Number plate;Wiegand 64-bit (raw)\r\nHK55EVB;0x600002191555EBDB\r\n");

    // Hiding column 1 of the 64-bit grid leaves the plate alone.
    form->UpdateShowHide();
    form->mnuView2->actions().at(1)->trigger();
    dialogs.fileAnswers.push_back(name + "64.txt");
    form->mnuFileSave->trigger();
    EXPECT_EQ(ReadAll(name + "64.txt"), "Number plate\r\nHK55EVB\r\n");

    // A cancelled dialog writes nothing; an unwritable target is reported by name.
    const int shown = dialogs.messages.size();
    form->mnuFileSave->trigger();
    EXPECT_EQ(dialogs.messages.size(), shown);
    dialogs.fileAnswers.push_back(dir.filePath("missing/folder/x.txt"));
    form->mnuFileSave->trigger();
    EXPECT_TRUE(dialogs.messages.last().startsWith("Cannot create file \"" + dir.filePath("missing/folder/x.txt") + "\". "))
        << dialogs.messages.last().toStdString();
}

TEST_F(MainWindowTest, OpenComputesEveryLineOfAPlateList)
{
    Open();
    const QString list = dir.filePath("plates.txt");
    WriteAll(list, "Number plate;Wiegand 26-bit (hex)\r\nHK55EVB;0x3019E2A\r\n\r\nzz 9");
    dialogs.fileAnswers.push_back(list);
    QTest::keyClick(form->EditPlate, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs.fileDialogs.at(0).kind, TRecordingDialogs::TFileDialogKind::Open);
    EXPECT_EQ(form->SG1->RowCount(), 3);
    EXPECT_EQ(form->SG1->Cells(0, 1), "HK55EVB");
    EXPECT_EQ(form->SG2->Cells(0, 2), "ZZ9");
    EXPECT_FALSE(form->mnuViewMulti->isChecked());
    EXPECT_TRUE(form->EditPlate->hasFocus());

    // Missing files and files beyond the box's capacity compute nothing.
    dialogs.fileAnswers.push_back(dir.filePath("none.txt"));
    form->mnuFileOpen->trigger();
    EXPECT_TRUE(dialogs.messages.last().startsWith("Cannot open file \"" + dir.filePath("none.txt") + "\". "));
    const QString huge = dir.filePath("huge.txt");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("aa1\n");
        ASSERT_TRUE(file.resize(TFormMain::kMemoCapacity + 1));
    }
    dialogs.fileAnswers.push_back(huge);
    form->mnuFileOpen->trigger();
    EXPECT_EQ(dialogs.messages.last(), "Text exceeds memo capacity");
    EXPECT_EQ(form->SG1->RowCount(), 3);
}

TEST_F(MainWindowTest, OpeningALongListPutsEveryPlateInItsRowWithItsCodes)
{
    // Across the batches in which plates are computed and put into the grids,
    // with rejected lines, repeats and plates beyond ASCII among them: each row
    // is the plate's as a single Calc computes it, in the order of the lines.
    Open();
    std::string text;
    std::vector<std::string> plates;
    for (int i = 0; i < 20000; ++i) {
        std::string line;
        if (i % 97 == 0)
            line = "--";
        else if (i % 331 == 0)
            line = "k\xC3\xBCn-" + std::to_string(i % 1000);
        else
            line = "hk " + std::to_string(i % 15000) + " ab";
        text += line + (i % 2 ? "\r\n" : "\n");
        if (const std::optional<std::string> plate = NormalizePlate(line))
            plates.push_back(*plate);
    }
    const QString list = dir.filePath("long.txt");
    WriteAll(list, QByteArray::fromStdString(text));
    dialogs.fileAnswers.push_back(list);
    QTest::keyClick(form->EditPlate, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(form->SG1->RowCount(), int(plates.size()) + 1);
    ASSERT_EQ(form->SG2->RowCount(), int(plates.size()) + 1);
    for (std::size_t i = 0; i < plates.size(); ++i) {
        const TPlateCodes codes = ComputePlateCodes(plates[i]);
        const TWiegand26Row row26 = Wiegand26RowCells(codes);
        const TWiegand64Row row64 = Wiegand64RowCells(codes);
        const int row = int(i) + 1;
        for (std::size_t c = 0; c < row26.size(); ++c)
            ASSERT_EQ(form->SG1->Cells(int(c), row).toStdString(), row26[c]) << row;
        for (std::size_t c = 0; c < row64.size(); ++c)
            ASSERT_EQ(form->SG2->Cells(int(c), row).toStdString(), row64[c]) << row;
    }
}

TEST_F(MainWindowTest, CopyJoinsTheSelectionIntoOneLine)
{
    Open();
    TypePlate("hk 55 evb");
    form->SG1->setFocus();
    QTest::keyClick(form->SG1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "HK55EVB");

    TypePlate("ab 1");
    form->SG2->SetSelection(TGridRect{0, 1, 2, 2});
    form->PageControl1->setCurrentIndex(1);
    form->mnuCopy->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().count(';'), 5);
    EXPECT_FALSE(QApplication::clipboard()->text().contains('\n'));

    // Leading empty cells add no separators; an all-empty selection leaves the clipboard.
    form->SG2->Rows(1).Assign(QStringList{"", "A", ""});
    form->SG2->Rows(2).Assign(QStringList{"", "B", ""});
    form->SG2->SetSelection(TGridRect{0, 1, 1, 2});
    form->mnuCopy->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "A;;B");
    form->SG2->SetSelection(TGridRect{2, 1, 2, 2});
    form->mnuCopy->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "A;;B");
}

TEST_F(MainWindowTest, FirstStartDefaultsAndTheWrittenSettingsFile)
{
    Open();
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 0);
    EXPECT_EQ(form->SG1->ColWidths(0), 100);
    EXPECT_EQ(form->SG1->ColWidths(2), -1);
    EXPECT_EQ(form->SG2->ColWidths(1), 160);
    EXPECT_EQ(form->SG2->ColWidths(2), -1);
    // Column menus: names, tags, captions, greyed plate column, check marks.
    form->UpdateShowHide();
    QAction* full = form->mnuView1->actions().at(2);
    EXPECT_EQ(full->objectName(), "mnuShowHideLV1Column_2");
    EXPECT_EQ(full->text(), "Digest (full hex)");
    EXPECT_EQ(full->data().toInt(), 2);
    EXPECT_FALSE(full->isChecked());
    EXPECT_FALSE(form->mnuView1->actions().at(0)->isEnabled());
    EXPECT_TRUE(form->mnuView1->menuAction()->isVisible());
    EXPECT_FALSE(form->mnuView2->menuAction()->isVisible());
    full->trigger();
    EXPECT_EQ(form->SG1->ColWidths(2), 300);
    full->trigger();
    EXPECT_EQ(form->SG1->ColWidths(2), -1);
    form.reset();
    EXPECT_EQ(ReadAll(IniName()), "[settings]\nmode=0\n[wg26]\ncolwidth0=100\ncolwidth1=120\ncolwidth2=-1\n"
                                  "colwidth3=-1\ncolwidth4=-1\ncolwidth5=100\ncolwidth6=100\n[wg64]\n"
                                  "colwidth0=120\ncolwidth1=160\ncolwidth2=-1\n");
}

TEST_F(MainWindowTest, StoredSettingsAreReadAndUpdatedInPlace)
{
    Open("; kept\n[WG26]\nColWidth0=-1\ncolwidth1=0x50\ncolwidth5=abc\n[settings]\nmode=1\n");
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 1);
    EXPECT_EQ(form->SG1->ColWidths(0), -1);
    EXPECT_EQ(form->SG1->ColWidths(1), 80);
    EXPECT_EQ(form->SG1->ColWidths(5), 100);
    form->UpdateShowHide();
    EXPECT_TRUE(form->mnuView2->menuAction()->isVisible());
    form.reset();
    EXPECT_EQ(ReadAll(IniName()), "; kept\n[WG26]\nColWidth0=-1\ncolwidth1=80\ncolwidth5=100\ncolwidth2=-1\n"
                                  "colwidth3=-1\ncolwidth4=-1\ncolwidth6=100\n[settings]\nmode=1\n[wg64]\n"
                                  "colwidth0=120\ncolwidth1=160\ncolwidth2=-1\n");
}

TEST_F(MainWindowTest, NoActiveTabMakesSaveCopyAndHelpDoNothing)
{
    Open("[settings]\nmode=5\n");
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), -1);
    EXPECT_FALSE(form->SG1->isVisible());
    EXPECT_FALSE(form->SG2->isVisible());
    TypePlate("hk 55 evb");
    dialogs.fileAnswers.push_back(dir.filePath("never.txt"));
    form->mnuFileSave->trigger();
    form->Howtocalculate1->trigger();
    QApplication::clipboard()->setText("before");
    form->mnuCopy->trigger();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("never.txt")));
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
    form->UpdateShowHide();
    EXPECT_FALSE(form->mnuView1->menuAction()->isVisible());
    EXPECT_FALSE(form->mnuView2->menuAction()->isVisible());
    form.reset();
    EXPECT_TRUE(ReadAll(IniName()).startsWith("[settings]\nmode=-1\n"));
}

TEST_F(MainWindowTest, HelpFollowsTheActiveTab)
{
    Open();
    form->Howtocalculate1->trigger();
    form->PageControl1->setCurrentIndex(1);
    form->Howtocalculate1->trigger();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0], Wiegand26HelpText());
    EXPECT_EQ(dialogs.messages[1], Wiegand64HelpText());
    EXPECT_EQ(dialogs.types[1], TMsgDlgType::mtInformation);

    const QStringList lines26 = Wiegand26HelpText().split('\r');
    EXPECT_EQ(lines26.size(), 16); // 15 lines, each ending with CR
    EXPECT_EQ(lines26[6], "3. SHA1(\"HK55EVB\") = A44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15");
    EXPECT_FALSE(Wiegand26HelpText().contains('\n'));
    const QStringList lines64 = Wiegand64HelpText().split('\r');
    EXPECT_EQ(lines64.size(), 29);
    EXPECT_EQ(lines64[14], "\t0=010000   \tA=011010   \tK=100100   \tU=101110");
    EXPECT_EQ(lines64[20], "\t6=010110   \tG=100000   \tQ=101010   \t");
    EXPECT_EQ(lines64[22], QString::fromUtf8("\t8=011000   \tI=100010   \tS=101100   \t\u00ABempty\u00BB=000000"));
    EXPECT_EQ(lines64[23], QString::fromUtf8("\t9=011001   \tJ=100011   \tT=101101   \t\u00ABother\u00BB=111111"));
}

TEST_F(MainWindowTest, UnwritableSettingsFileIsReportedByName)
{
    Open();
    // The folder the file should go into is a plain file: nothing can be written.
    WriteAll(dir.filePath("blocked"), "not a folder");
    const QString blocked = dir.filePath("blocked/corvana.ini");
    form = std::make_unique<TFormMain>(TSettingsFiles{IniName(), blocked});
    form.reset();
    EXPECT_EQ(dialogs.messages.last(), "Unable to write to " + blocked);
    EXPECT_EQ(ReadAll(dir.filePath("blocked")), "not a folder");
}

TEST_F(MainWindowTest, ColumnMenusFollowColumnsThatComeAndGo)
{
    Open("[wg64]\ncolwidth2=160\n");
    // A deleted column's item is hidden and does nothing; the settings keep the
    // columns that exist.
    form->SG2->SetColCount(2);
    form->PageControl1->setCurrentIndex(1);
    form->UpdateShowHide();
    QAction* gone = form->mnuView2->actions().at(2);
    EXPECT_FALSE(gone->isVisible());
    gone->trigger();
    EXPECT_EQ(form->SG2->ColCount(), 2);
    // An added column beyond the width table: a menu built from the grid would get
    // the grid's default width back, never a width from past the table.
    form->SG1->SetColCount(9);
    form->SG1->SetColWidths(8, -1);
    QAction extra;
    extra.setData(8);
    form->mnuShowHideColumnLV1Click(&extra);
    EXPECT_EQ(form->SG1->ColWidths(8), form->SG1->DefaultColWidth());
    form.reset();
    const QByteArray ini = ReadAll(IniName());
    EXPECT_TRUE(ini.contains("[wg64]\ncolwidth2=160\ncolwidth0=120\ncolwidth1=160\n")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("colwidth8=")) << ini.toStdString();
}

TEST_F(MainWindowTest, ADragWithinOneHeaderCellSortsAndOpeningAMenuRefreshesIt)
{
    Open();
    TypePlate("b 2");
    TypePlate("a 1");
    QWidget* view = form->SG1->viewport();
    const QRect header = form->SG1->CellRect(0, 0);
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, QPoint(header.left() + 5, header.center().y()));
    QTest::mouseMove(view, QPoint(header.left() + 30, header.center().y()));
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, QPoint(header.left() + 30, header.center().y()));
    EXPECT_EQ(form->SG1->SortIndex(), 0);
    EXPECT_EQ(form->SG1->Cells(0, 1), "A1");

    // A right-button press records nothing, so its release does not sort.
    QTest::mouseClick(view, Qt::RightButton, Qt::NoModifier, form->SG1->CellRect(1, 0).center());
    EXPECT_EQ(form->SG1->SortIndex(), 0);

    form->SG1->SetColWidths(5, -1);
    emit form->mnuView->aboutToShow();
    EXPECT_FALSE(form->mnuView1->actions().at(5)->isChecked());
    EXPECT_TRUE(form->mnuView1->actions().at(6)->isChecked());
}

TEST_F(MainWindowTest, GridKeysRunTheGridCommands)
{
    TScopedRecordingPrinter printer;
    Open();
    for (const char* plate : {"ab 1", "cd 2", "ab 3"})
        TypePlate(plate);
    TzelGrid* grid = form->SG1;
    grid->setFocus();
    grid->SetRow(2);

    QTest::keyClick(grid, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(grid->Cells(0, 2), "");
    EXPECT_EQ(grid->Cells(0, 3), "CD2");
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->Cells(0, 2), "CD2");

    // Ctrl+P opens the print preview of the grid, modally.
    TzelGrid* previewed = nullptr;
    QTimer::singleShot(0, [&] {
        if (auto* preview = qobject_cast<TzelGridPreviewF*>(QApplication::activeModalWidget())) {
            previewed = preview->Grid();
            preview->reject();
        }
    });
    QTest::keyClick(grid, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(previewed, grid);
    form->activateWindow(); // the offscreen platform does not give it back by itself
    (void)QTest::qWaitForWindowActive(form.get());

    // Ctrl+Q opens the query builder over the 26-bit grid; a query hides the
    // plates that fail it and Show All brings them back.
    QStringList filtered;
    QTimer::singleShot(0, [&] {
        if (auto* query = qobject_cast<TzelGridQueryF*>(QApplication::activeModalWidget())) {
            EXPECT_EQ(query->ListFields->item(0)->text(), "Number plate");
            QTest::keyClicks(query->QMemo, R"([Number plate] contains "ab")");
            QTest::mouseClick(query->btnApply, Qt::LeftButton);
            for (int r = 1; r < grid->RowCount(); ++r)
                if (grid->RowHeights(r) > 0)
                    filtered << grid->Cells(0, r);
            QTest::mouseClick(query->btnShowAll, Qt::LeftButton);
            query->reject();
        }
    });
    QTest::keyClick(grid, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(filtered, QStringList({"AB1", "AB3"}));
    for (int r = 1; r < grid->RowCount(); ++r)
        EXPECT_GT(grid->RowHeights(r), 0);
    form->activateWindow();
    (void)QTest::qWaitForWindowActive(form.get());

    // F3 on a body cell opens the formula editor with the cell's text.
    grid->SetRow(1);
    QTest::keyClick(grid, Qt::Key_F3);
    TzelGridFormuleF* editor = TzelGridFormuleF::Instance();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->formule->toPlainText(), "AB1");
    EXPECT_TRUE(grid->FormuleMode());
    editor->btnClose->click();
    form->activateWindow();
    (void)QTest::qWaitForWindowActive(form.get());

    // Ctrl+N stays File > New: both grids start over and no dialog opens.
    QTest::keyClick(grid, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(form->SG2->RowCount(), 2);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowTest, PlateEntryShowsItsStoredLabelFontAndDisabledColour)
{
    Open();
    // The label font is 11 px high, as stored; the label sits on the field by it.
    QLabel* label = form->EditPlate->AttachedLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->font().pixelSize(), 11);
    EXPECT_EQ(label->geometry().bottom() + 1 + 3, form->EditPlate->geometry().top());

    // A disabled field is painted in the stored light grey (240, 240, 240).
    form->EditPlate->SetEnabled(false);
    QApplication::processEvents();
    const QImage image = form->EditPlate->grab().toImage();
    EXPECT_EQ(QColor(image.pixel(image.width() / 2, image.height() / 2)), QColor(240, 240, 240));
}

namespace {

// Types `text` key by key, as a keyboard layout that has each character would.
void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 128) {
            QTest::keyClick(widget, char(ch.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace

TEST_F(MainWindowTest, BothViewsGiveTheSameCodesForLinesWithSpecialSpaces)
{
    Open();
    // No-break space, line separator, narrow no-break space, ideographic space,
    // punctuation space.
    const QStringList lines{QString::fromUtf8("AB\u00A012"), QString::fromUtf8("CD\u202834"),
                            QString::fromUtf8("EF\u202F56"), QString::fromUtf8("GH\u300078"),
                            QString::fromUtf8("IJ\u200890")};
    for (const QString& line : lines) {
        TypeText(form->EditPlate, line);
        QTest::mouseClick(form->btnCalc1, Qt::LeftButton);
    }
    ASSERT_EQ(form->SG1->RowCount(), 1 + lines.size());

    QTest::mouseClick(form->Shape1, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    form->EditPlates->setFocus();
    for (const QString& line : lines) {
        TypeText(form->EditPlates, line);
        QTest::keyClick(form->EditPlates, Qt::Key_Return);
    }
    QTest::mouseClick(form->btnCalc2, Qt::LeftButton);
    ASSERT_EQ(form->SG1->RowCount(), 1 + 2 * lines.size());
    for (int k = 0; k < lines.size(); ++k) {
        EXPECT_EQ(Row(form->SG1, 1 + lines.size() + k), Row(form->SG1, 1 + k)) << k;
        EXPECT_EQ(Row(form->SG2, 1 + lines.size() + k), Row(form->SG2, 1 + k)) << k;
    }
    EXPECT_EQ(form->SG1->Cells(0, 1), QString::fromUtf8("AB\u00A012"));
}

TEST_F(MainWindowTest, OpenAndImportRefuseDevicesAndPipesWithoutWaiting)
{
    Open();
    // Plate lists are files: /dev/zero (which never ends) behind a link, and a
    // named pipe nobody writes to, are refused at once by File > Open and
    // File > Import list ..., and nothing is computed.
    const QString zero = dir.filePath("zero.txt");
    ASSERT_TRUE(QFile::link("/dev/zero", zero));
    const QString fifo = dir.filePath("fifo.txt");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    struct TCase {
        QString file, reason;
    };
    for (const TCase& c : {TCase{zero, "A device, not a regular file"}, TCase{fifo, "A named pipe, not a regular file"}})
        for (QAction* item : {form->mnuFileOpen, form->mnuFileImport}) {
            dialogs.fileAnswers.push_back(c.file);
            item->trigger();
            ASSERT_FALSE(dialogs.messages.isEmpty());
            EXPECT_EQ(dialogs.messages.last(), "Cannot open file \"" + c.file + "\". " + c.reason);
            EXPECT_EQ(form->SG1->RowCount(), 2);
            EXPECT_EQ(form->SG1->Cells(0, 1), "");
        }
}


TEST_F(MainWindowTest, ReadOnlyFilesAreNeverReplaced)
{
    Open();
    TypePlate("hk 55 evb");
    // A folder anyone may write in, holding a result file and a settings file
    // that nobody may write.
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)));
    const QString result = dir.filePath("kept.txt");
    const QString settings = dir.filePath("kept.ini");
    WriteAll(result, "protected\r\n");
    WriteAll(settings, "[settings]\r\nmode=1\r\n");
    for (const QString& name : {result, settings})
        ASSERT_TRUE(QFile::setPermissions(name, QFileDevice::ReadOwner));

    AsOrdinaryUser([&] {
        dialogs.fileAnswers.push_back(result);
        QTest::keyClick(form->EditPlate, Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(dialogs.messages.last(), "Cannot create file \"" + result + "\". Permission denied");

        form = std::make_unique<TFormMain>(TSettingsFiles{settings, settings});
        form.reset();
        EXPECT_EQ(dialogs.messages.last(), "Unable to write to " + settings);
    });
    EXPECT_EQ(ReadAll(result), "protected\r\n");
    EXPECT_EQ(ReadAll(settings), "[settings]\r\nmode=1\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(result).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0400u);
}

TEST_F(MainWindowTest, MultiPlateBoxPastesEveryKindOfClipboardEveryWay)
{
    if (!OnARealDisplay())
        return RerunUnderXvfb();
    Open();
    TypePlate("hk 55 evb");
    Choose(form->mnuView, {form->mnuViewMulti}, TChoice::Keyboard);
    ASSERT_TRUE(form->EditPlates->isVisible());
    QTest::mouseClick(form->EditPlates->viewport(), Qt::LeftButton);
    ExpectPastesOfEveryClipboard(form->EditPlates);
    // The row computed before is still there.
    EXPECT_EQ(form->SG1->Cells(0, 1), "HK55EVB");
}
