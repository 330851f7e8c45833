// File > New, File > Exit and closing the main window with rows that were never
// saved: the question "Save the results?", each of its answers, and the real
// message box that asks it.

#include "MainWindowHarness.h"

#include "CollisionView.h"
#include "Memo.h"
#include "zelGridQuery.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QTimer>

namespace {

class UnsavedResultsTest : public MainWindowTest {
protected:
    static constexpr const char* kQuestion = "Save the results?";

    // File > New by its key, from the grid.
    void FileNew()
    {
        form->SG1->setFocus();
        QTest::keyClick(form->SG1, Qt::Key_N, Qt::ControlModifier);
        QApplication::processEvents();
    }

    int Questions() const { return int(dialogs.messages.count(kQuestion)); }
    QString Plate(int row) const { return form->SG1->Cells(0, row); }
};

} // namespace

TEST_F(UnsavedResultsTest, FileNewAsksAndKeepsTheRowsUnlessTheyMayGo)
{
    Open();
    TypePlate("ab 1");
    TypePlate("cd 2");

    // Cancel keeps the rows.
    dialogs.answer = mrCancel;
    FileNew();
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(dialogs.types.back(), TMsgDlgType::mtConfirmation);
    EXPECT_EQ(Plate(2), "CD2");

    // Yes opens Save as ... for the active tab: cancelling it keeps the rows, and
    // so does a save that fails.
    dialogs.answer = mrYes;
    FileNew();
    EXPECT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(Plate(2), "CD2");
    dialogs.fileAnswers.push_back(dir.filePath("missing/folder/result.txt"));
    FileNew();
    EXPECT_TRUE(dialogs.messages.last().startsWith("Cannot create file")) << dialogs.messages.last().toStdString();
    EXPECT_EQ(Plate(2), "CD2");

    // Yes and a written file: the rows are in it, and then they go.
    const QString saved = dir.filePath("result.txt");
    dialogs.fileAnswers.push_back(saved);
    FileNew();
    EXPECT_EQ(Questions(), 4);
    EXPECT_EQ(dialogs.messages.last(), "OK: file " + saved + " saved");
    EXPECT_TRUE(ReadAll(saved).contains("\r\nAB1;0x")) << ReadAll(saved).toStdString();
    EXPECT_EQ(form->SG1->RowCount(), 2);
    EXPECT_EQ(Plate(1), "");

    // Nothing unsaved: no question.
    FileNew();
    EXPECT_EQ(Questions(), 4);

    // No lets them go without a file.
    TypePlate("ef 3");
    dialogs.answer = mrNo;
    FileNew();
    EXPECT_EQ(Questions(), 5);
    EXPECT_EQ(Plate(1), "");
    EXPECT_EQ(dialogs.fileDialogs.size(), 3u);
}

TEST_F(UnsavedResultsTest, OnlyChangedRowsAreUnsaved)
{
    Open();
    dialogs.answer = mrCancel;
    for (const char* plate : {"b 2", "a 1", "c 3"})
        TypePlate(plate);
    EXPECT_TRUE(form->ResultsUnsaved());

    // Save as ... saves them; sorting, a query and the view of shared codes
    // change no row.
    dialogs.fileAnswers.push_back(dir.filePath("saved.txt"));
    QTest::keyClick(form->EditPlate, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(form->ResultsUnsaved());
    ClickHeader(form->SG1, 0);
    EXPECT_EQ(Plate(1), "A1");
    QTimer::singleShot(0, [&] {
        if (auto* query = qobject_cast<TzelGridQueryF*>(QApplication::activeModalWidget())) {
            QTest::keyClicks(query->QMemo, R"([Number plate] contains "B")");
            QTest::mouseClick(query->btnApply, Qt::LeftButton);
            query->reject();
        }
    });
    form->SG1->setFocus();
    QTest::keyClick(form->SG1, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_LE(form->SG1->RowHeights(1), 0);
    for (int twice = 0; twice < 2; ++twice)
        Choose(form->mnuView, {form->Collisions->OnlySharedItem()}, TChoice::Click);
    EXPECT_FALSE(form->ResultsUnsaved());
    FileNew();
    EXPECT_EQ(Questions(), 0);

    // A plate, a row deleted by its key, a header copied by its key: each asks.
    TypePlate("d 4");
    EXPECT_TRUE(form->ResultsUnsaved());
    dialogs.answer = mrNo;
    FileNew();
    EXPECT_EQ(Questions(), 1);
    for (const char* plate : {"e 5", "f 6"})
        TypePlate(plate);
    dialogs.fileAnswers.push_back(dir.filePath("saved2.txt"));
    QTest::keyClick(form->EditPlate, Qt::Key_S, Qt::ControlModifier);
    form->SG1->setFocus();
    form->SG1->SetRow(1);
    QTest::keyClick(form->SG1, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_TRUE(form->ResultsUnsaved());
    dialogs.fileAnswers.push_back(dir.filePath("saved3.txt"));
    QTest::keyClick(form->SG1, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(form->ResultsUnsaved());
    QTest::keyClick(form->SG1, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(form->SG1->Cells(1, 0), form->SG1->Cells(1, form->SG1->Row()));
    EXPECT_TRUE(form->ResultsUnsaved());

    // An empty list opened adds no row.
    dialogs.fileAnswers.push_back(dir.filePath("saved4.txt"));
    QTest::keyClick(form->SG1, Qt::Key_S, Qt::ControlModifier);
    const QString empty = dir.filePath("empty.txt");
    WriteAll(empty, "\r\n;\r\n");
    dialogs.fileAnswers.push_back(empty);
    QTest::keyClick(form->SG1, Qt::Key_O, Qt::ControlModifier);
    EXPECT_FALSE(form->ResultsUnsaved());
}

TEST_F(UnsavedResultsTest, ClosingTheWindowOrFileExitAsks)
{
    Open();
    TypePlate("ab 1");
    // The window's close button (the platform's close request) with Cancel: it stays.
    dialogs.answer = mrCancel;
    form->windowHandle()->close();
    QApplication::processEvents();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Questions(), 1);
    // File > Exit with Cancel: it stays too.
    Choose(form->mnuFile, {form->mnuExit}, TChoice::Keyboard);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Questions(), 2);
    // Yes with a cancelled save dialog: it stays.
    dialogs.answer = mrYes;
    Choose(form->mnuFile, {form->mnuExit}, TChoice::Click);
    EXPECT_TRUE(form->isVisible());
    // Yes and a written file: it closes.
    const QString saved = dir.filePath("closing.txt");
    dialogs.fileAnswers.push_back(saved);
    form->windowHandle()->close();
    QApplication::processEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(ReadAll(saved).contains("\r\nAB1;"));
    EXPECT_EQ(Questions(), 4);

    // A window with nothing unsaved closes without a question.
    form.reset();
    Open();
    form->windowHandle()->close();
    QApplication::processEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Questions(), 4);
}

TEST_F(UnsavedResultsTest, TheRealMessageBoxOffersYesNoAndCancel)
{
    Open();
    TypePlate("hk 55 evb");
    // The real message boxes, driven by keys: Escape is Cancel.
    TDialogService* recorder = SetDialogs(nullptr);
    QStringList buttons;
    QString text;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box)
            return;
        for (QAbstractButton* button : box->findChild<QDialogButtonBox*>()->buttons())
            buttons << button->text().remove('&');
        text = box->findChild<QLabel*>("MessageText")->text();
        form->grab().save(QDir::temp().filePath("corvana-save-question-window.png"));
        box->grab().save(QDir::temp().filePath("corvana-save-question.png"));
        QTest::keyClick(box, Qt::Key_Escape);
    });
    FileNew();
    SetDialogs(recorder);
    EXPECT_EQ(text, kQuestion);
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"Cancel", "No", "Yes"}));
    EXPECT_EQ(Plate(1), "HK55EVB");
}
