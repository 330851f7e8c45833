// The recovery file of unsaved rows: a write cut off at any byte (a power cut)
// leaves a file that gives back the rows as they were before the write or
// after it, never a mixture; and at the next start, files left behind are
// offered, or reported and kept when damaged or from a newer version, while
// the file of a window that still runs is left alone.

#include "MainWindowHarness.h"

#include "RecoveryFile.h"
#include "RecoveryKeeper.h"

#include <QDir>
#include <QFile>

#include <string>

namespace {

// The counts and cell texts of both grids.
std::string Cells(const TzelGrid& sg26, const TzelGrid& sg64)
{
    std::string cells;
    for (const TzelGrid* grid : {&sg26, &sg64}) {
        cells += std::to_string(grid->ColCount()) + "x" + std::to_string(grid->RowCount()) + "\n";
        for (int r = 0; r < grid->RowCount(); ++r) {
            for (int c = 0; c < grid->ColCount(); ++c)
                cells += std::string(grid->CellText(c, r)) + ";";
            cells += "\n";
        }
    }
    return cells;
}

// The grids a file gives back, loaded into grids of their own; "" when the
// file gives none.
std::string Loaded(std::string_view file)
{
    const Recovery::TScan scan = Recovery::Scan(file);
    if (scan.State != Recovery::TScan::Whole)
        return std::string();
    TzelGrid sg26, sg64;
    Recovery::Load(file, scan, sg26, sg64);
    return Cells(sg26, sg64);
}

class RecoveryTest : public MainWindowTest {
protected:
    QString Folder() const { return dir.filePath("recovery"); }

    std::string Cells() const { return ::Cells(*form->SG1, *form->SG2); }

    // The window's recovery file, brought up to date.
    QByteArray FileNow() const
    {
        form->Recovery->Flush();
        QFile file(form->Recovery->FileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void DeleteRow(TzelGrid* grid, int row)
    {
        form->PageControl1->SetActivePageIndex(grid == form->SG1 ? 0 : 1);
        grid->setFocus();
        grid->SetSelection(TGridRect{0, row, 0, row});
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ShiftModifier);
    }
};

} // namespace

TEST_F(RecoveryTest, AWriteCutOffAnywhereGivesTheRowsBeforeOrAfterIt)
{
    Open();
    form->KeepRecoveryIn(Folder());
    ASSERT_NE(form->Recovery, nullptr);
    for (const char* plate : {"b 2", "a 1", "c 3"})
        TypePlate(plate);
    const QByteArray before = FileNow();
    const std::string cellsBefore = Cells();
    ASSERT_EQ(Loaded(before.toStdString()), cellsBefore);

    // More plates, a row deleted in each grid, a cell written: one batch appended.
    TypePlate("d 4");
    TypePlate("e 5");
    DeleteRow(form->SG1, 2);
    DeleteRow(form->SG2, 1);
    form->SG1->SetCells(0, 1, QStringLiteral("edited"));
    const QByteArray after = FileNow();
    const std::string cellsAfter = Cells();
    ASSERT_TRUE(after.startsWith(before)) << "appended, not rewritten";
    ASSERT_EQ(Loaded(after.toStdString()), cellsAfter);

    for (qsizetype cut = before.size(); cut < after.size(); ++cut) {
        std::string torn = after.left(cut).toStdString();
        EXPECT_EQ(Loaded(torn), cellsBefore) << "cut at " << cut;
        torn.append(std::size_t(after.size() - cut), '\0'); // the zeros a power cut can leave
        EXPECT_EQ(Loaded(torn), cellsBefore) << "cut at " << cut << ", zeros after";
    }
    // A damaged batch with a whole one after it is damage, never a torn end.
    QByteArray damaged = after + after.mid(before.size());
    damaged[before.size() + 20] = char(damaged[before.size() + 20] ^ 0x55);
    EXPECT_EQ(Recovery::Scan(damaged.toStdString()).State, Recovery::TScan::Damaged);
}

TEST_F(RecoveryTest, FilesLeftBehindAreOfferedOrReportedAndKept)
{
    // A window's file left behind by a kill, one damaged, one from a newer version.
    QByteArray left;
    std::string leftCells;
    {
        Open();
        form->KeepRecoveryIn(Folder());
        for (const char* plate : {"b 2", "a 1"})
            TypePlate(plate);
        DeleteRow(form->SG1, 1);
        left = FileNow();
        leftCells = Cells();
        form.reset(); // a normal end removes it
        ASSERT_TRUE(QDir(Folder()).entryList({"*.recovery"}).isEmpty());
    }
    auto put = [&](const char* name, const QByteArray& bytes) {
        QFile file(QDir(Folder()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    put("left.recovery", left);
    QByteArray damaged = left + left.mid(20);
    damaged[30] = char(damaged[30] ^ 0x55); // in the first batch's time
    put("damaged.recovery", damaged);
    QByteArray newer = left;
    newer[16] = char(newer[16] + 1);
    put("newer.recovery", newer);

    // Yes restores the file left behind; the others are reported and kept.
    dialogs.answer = mrYes;
    Open();
    form->KeepRecoveryIn(Folder());
    QApplication::processEvents();
    ASSERT_EQ(dialogs.messages.size(), 3) << dialogs.messages.join("\n").toStdString();
    EXPECT_EQ(dialogs.messages.filter("damaged").size(), 1);
    EXPECT_EQ(dialogs.messages.filter("newer version").size(), 1);
    EXPECT_EQ(dialogs.messages.filter("found: 1 plate,").size(), 1);
    EXPECT_EQ(Cells(), leftCells);
    EXPECT_TRUE(form->ResultsUnsaved());
    EXPECT_TRUE(QFile::exists(QDir(Folder()).filePath("damaged.recovery")));
    EXPECT_TRUE(QFile::exists(QDir(Folder()).filePath("newer.recovery")));
    EXPECT_FALSE(QFile::exists(QDir(Folder()).filePath("left.recovery")));
    TypePlate("c 3");
    form->Recovery->Flush();
    const QString own = form->Recovery->FileName();
    EXPECT_TRUE(QFile::exists(own));

    // A second window offers nothing of the first, which still runs.
    dialogs.messages.clear();
    {
        TFormMain second(TSettingsFiles{IniName(), IniName()});
        second.KeepRecoveryIn(Folder());
        QApplication::processEvents();
        EXPECT_EQ(dialogs.messages.size(), 2) << dialogs.messages.join("\n").toStdString();
        EXPECT_NE(second.Recovery->FileName(), own);
    }

    // File > New answered No lets the rows go, and their file with them.
    dialogs.answer = mrNo;
    form->mnuFileNewClick();
    EXPECT_EQ(form->SG1->RowCount(), 2);
    EXPECT_FALSE(QFile::exists(own));
}
