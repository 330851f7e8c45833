// Save as and the settings file where saving fails, driven as a user does: a
// pipe or a device in the target's place, a full file system, a folder the user
// may not write, a link another user made. The old file stays whole and the
// message says why.

#include "MainWindowHarness.h"

#include "FaultSupport.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

class SafeSavesTest : public MainWindowTest {
protected:
    // Save as ... by its key; the message it ends with.
    QString SaveAs(const QString& name)
    {
        dialogs.fileAnswers.push_back(name);
        QTest::keyClick(form->EditPlate, Qt::Key_S, Qt::ControlModifier);
        return dialogs.messages.value(dialogs.messages.size() - 1);
    }

    // Closes a window whose settings file is `name`; the message it ends with.
    QString CloseWithSettings(const QString& name)
    {
        form = std::make_unique<TFormMain>(TSettingsFiles{name, name});
        form.reset();
        return dialogs.messages.value(dialogs.messages.size() - 1);
    }

    static QString CannotCreate(const QString& name, const QString& reason)
    {
        return "Cannot create file \"" + name + "\". " + reason;
    }

    std::string Path(const QString& name) const { return QFile::encodeName(dir.filePath(name)).toStdString(); }
};

} // namespace

TEST_F(SafeSavesTest, SaveAsKeepsTheOldFileAndSaysWhy)
{
    Open();
    TypePlate("hk 55 evb");
    // A named pipe nobody reads, and a device, are refused at once.
    const QString fifo = dir.filePath("fifo.txt");
    ASSERT_EQ(::mkfifo(Path("fifo.txt").c_str(), 0600), 0);
    EXPECT_EQ(SaveAs(fifo), CannotCreate(fifo, "A named pipe, not a regular file"));
    const QString device = dir.filePath("null.txt");
    ASSERT_TRUE(QFile::link("/dev/null", device));
    EXPECT_EQ(SaveAs(device), CannotCreate(device, "A device, not a regular file"));

    if (::geteuid() != 0)
        GTEST_SKIP() << "full file systems and an ordinary user need root";
    // A file system without a free inode (where a save once rewrote the old file
    // in place and lost it), or without a free byte.
    for (const bool inodes : {true, false}) {
        const TSmallFileSystem small(Path("small"), 256 << 10, 16);
        ASSERT_EQ(small.Failure(), "");
        const QString kept = dir.filePath("small/kept.txt");
        WriteAll(kept, "old\r\n");
        inodes ? small.FillInodes() : small.FillBytes();
        EXPECT_EQ(SaveAs(kept), CannotCreate(kept, "No space left on device")) << inodes;
        EXPECT_EQ(ReadAll(kept), "old\r\n") << inodes;
    }

    // A writable file in a folder the user may not write: a save would have to
    // rewrite it in place, and refuses, saying where to turn.
    ASSERT_EQ(::chmod(Path("").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(Path("locked").c_str(), 0555), 0);
    const QString kept = dir.filePath("locked/kept.txt");
    WriteAll(kept, "old\r\n");
    ASSERT_EQ(::chmod(Path("locked/kept.txt").c_str(), 0666), 0);
    AsOrdinaryUser([&] {
        EXPECT_EQ(SaveAs(kept), CannotCreate(kept, "Permission denied: the file may be written, but its folder may "
                                                   "not, and rewriting the file in place could destroy it; save it "
                                                   "in another folder"));
    });
    EXPECT_EQ(ReadAll(kept), "old\r\n");
    EXPECT_EQ(QDir(dir.filePath("locked")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"kept.txt"});
}

TEST_F(SafeSavesTest, SettingsAreWrittenWholeAndOnlyWhereTheUserMeant)
{
    Open();
    if (::geteuid() != 0)
        GTEST_SKIP() << "another user's link and a full file system need root";
    // A settings file that is a link another user made: closing the window says
    // it cannot write there, and the file behind the link stays as it was.
    const QString behind = dir.filePath("behind.ini");
    WriteAll(behind, "[users]\r\nroot=x\r\n");
    const QString planted = dir.filePath("planted.ini");
    ASSERT_TRUE(QFile::link(behind, planted));
    ASSERT_EQ(::lchown(Path("planted.ini").c_str(), kNobody, kNobody), 0);
    EXPECT_EQ(CloseWithSettings(planted), "Unable to write to " + planted);
    EXPECT_EQ(ReadAll(behind), "[users]\r\nroot=x\r\n");

    // On a full file system the settings file stays whole.
    const TSmallFileSystem small(Path("small"), 256 << 10, 16);
    ASSERT_EQ(small.Failure(), "");
    const QString settings = dir.filePath("small/corvana.ini");
    WriteAll(settings, "[settings]\r\nmode=1\r\n");
    small.FillInodes();
    EXPECT_EQ(CloseWithSettings(settings), "Unable to write to " + settings);
    EXPECT_EQ(ReadAll(settings), "[settings]\r\nmode=1\r\n");
}
