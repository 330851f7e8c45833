#include "Dialogs.h"
#include "zelGrid.h"
#include "zelGridCellNames.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A 4 x 6 grid (one fixed column and row) with two named cells, current on C5.
struct TNamesFixture {
    TzelGrid grid;

    TNamesFixture()
    {
        grid.SetColCount(4);
        grid.SetRowCount(6);
        grid.SetFixedCols(1);
        grid.SetFixedRows(1);
        grid.CellNames() = QStringList{"total=C5", "Rate=B2"};
        grid.SetCol(3);
        grid.SetRow(5);
    }

    // Runs the dialog; `drive` works it and must close it.
    void Run(const std::function<void(TzelGridCellNamesF&)>& drive)
    {
        bool driven = false;
        QTimer::singleShot(0, [&] {
            auto* form = qobject_cast<TzelGridCellNamesF*>(QApplication::activeModalWidget());
            if (!form)
                return;
            driven = true;
            drive(*form);
            if (form->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                form->reject();
            }
        });
        grid.ShowCellNamesDialog();
        EXPECT_TRUE(driven);
    }
};

void ClickLine(TzelGridCellNamesF& form, int index, bool twice = false)
{
    QListWidget* list = form.NamesList;
    const QPoint at = list->visualItemRect(list->item(index)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice) {
        // The second press of a double click arrives as the double-click event.
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
}

} // namespace

TEST(CellNamesDialog, EditsACopyAndMovesTheCurrentCellOnOk)
{
    TNamesFixture f;
    TScopedRecordingDialogs dialogs;
    f.Run([&](TzelGridCellNamesF& form) {
        EXPECT_EQ(form.windowTitle(), "CellNames Dialog");
        EXPECT_EQ(form.size(), QSize(412, 286));
        EXPECT_EQ(form.edName->text(), "total");
        EXPECT_EQ(form.edValue->text(), "C5");
        EXPECT_EQ(form.focusWidget(), form.edName);
        EXPECT_EQ(form.NamesList->currentRow(), 0);
        EXPECT_EQ(form.NamesList->visualItemRect(form.NamesList->item(0)).height(), 16);
        EXPECT_TRUE(form.grab().save("/tmp/zelgrid-cellnames.png"));

        // A click on a line fills both edits.
        ClickLine(form, 1);
        EXPECT_EQ(form.edName->text(), "Rate");
        EXPECT_EQ(form.edValue->text(), "B2");
        // A name is taken once, whatever its case.
        form.edName->setText("RATE");
        QTest::mouseClick(form.btnAdd, Qt::LeftButton);
        EXPECT_EQ(dialogs.messages, QStringList{"Name 'RATE' already exists"});
        form.edName->setText("x");
        form.edValue->setText("A1");
        QTest::mouseClick(form.btnAdd, Qt::LeftButton);
        // Delete removes the selected line, and only one.
        ClickLine(form, 0);
        QTest::mouseClick(form.btnDelete, Qt::LeftButton);
        QTest::mouseClick(form.btnDelete, Qt::LeftButton);
        EXPECT_EQ(form.Names(), (QStringList{"Rate=B2", "x=A1"}));
        ClickLine(form, 1);
        QTest::mouseClick(form.btnOK, Qt::LeftButton);
    });
    EXPECT_EQ(f.grid.CellNames(), (QStringList{"Rate=B2", "x=A1"}));
    EXPECT_EQ(f.grid.Col(), 1);
    EXPECT_EQ(f.grid.Row(), 1);

    // A double click on a line is OK with that line's reference; an unnamed cell
    // opens with no name and nothing selected.
    f.Run([&](TzelGridCellNamesF& form) {
        EXPECT_EQ(form.edName->text(), "x");
        EXPECT_EQ(form.NamesList->currentRow(), 1);
        ClickLine(form, 0, true);
    });
    EXPECT_EQ(f.grid.Col(), 2);
    EXPECT_EQ(f.grid.Row(), 2);
    f.grid.SetRow(3);
    f.Run([&](TzelGridCellNamesF& form) {
        EXPECT_EQ(form.edName->text(), "");
        EXPECT_EQ(form.edValue->text(), "B3");
        EXPECT_EQ(form.NamesList->currentRow(), -1);
        QTest::mouseClick(form.btnCancel, Qt::LeftButton);
    });
}

TEST(CellNamesDialog, CancelClearAllAndReferencesThatGoNowhere)
{
    TNamesFixture f;
    TScopedRecordingDialogs dialogs;
    const QStringList names = f.grid.CellNames();

    // Clear All asks first; No keeps the lines, Yes empties the list, Cancel
    // discards it all.
    f.Run([&](TzelGridCellNamesF& form) {
        dialogs.answer = mrNo;
        QTest::mouseClick(form.btnClearall, Qt::LeftButton);
        EXPECT_EQ(form.NamesList->count(), 2);
        dialogs.answer = mrYes;
        QTest::mouseClick(form.btnClearall, Qt::LeftButton);
        EXPECT_EQ(form.NamesList->count(), 0);
        form.edValue->setText("B2");
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    EXPECT_EQ(dialogs.messages, (QStringList{"Clear all names?", "Clear all names?"}));
    EXPECT_EQ(dialogs.types.front(), TMsgDlgType::mtConfirmation);
    EXPECT_EQ(f.grid.CellNames(), names);
    EXPECT_EQ(f.grid.Col(), 3);
    EXPECT_EQ(f.grid.Row(), 5);

    // OK keeps the edited names but moves only to a body cell of the grid.
    for (const char* ref : {"not a cell", "", "D2", "A9", "A0", "B"}) {
        f.Run([&](TzelGridCellNamesF& form) {
            form.edName->setText(QString("n") + QString::number(form.NamesList->count()));
            QTest::mouseClick(form.btnAdd, Qt::LeftButton);
            form.edValue->setText(ref);
            QTest::keyClick(form.edValue, Qt::Key_Return);
        });
        EXPECT_EQ(f.grid.Col(), 3) << ref;
        EXPECT_EQ(f.grid.Row(), 5) << ref;
    }
    EXPECT_EQ(f.grid.CellNames().size(), 8);
    EXPECT_EQ(f.grid.CellNames().last(), "n7=C5");
}
