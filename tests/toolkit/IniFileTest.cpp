#include "QtTestSupport.h"
#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class IniFileTest : public testing::Test {
protected:
    QString Path(const QString& name = QStringLiteral("corvana.ini")) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

} // namespace

TEST(IniIntegerTest, ReadsDecimalAndBothHexadecimalForms)
{
    EXPECT_EQ(ParseIniInteger("120"), 120);
    EXPECT_EQ(ParseIniInteger("-1"), -1);
    EXPECT_EQ(ParseIniInteger("0x50"), 80);
    EXPECT_EQ(ParseIniInteger("0X1f"), 31);
    EXPECT_EQ(ParseIniInteger("$1F"), 31);
    EXPECT_EQ(ParseIniInteger("0x0000000050"), 80);
    EXPECT_EQ(ParseIniInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseIniInteger("-2147483648"), -2147483647 - 1);
    // Hexadecimal values are 32-bit patterns.
    EXPECT_EQ(ParseIniInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseIniInteger("0x80000000"), -2147483647 - 1);
}

TEST(IniIntegerTest, RejectsWhatIsNotA32BitNumber)
{
    for (const char* text : {"", "abc", "0x", "$", "0xG1", "$-1", "-0x10", "12a", "1 2", "+5", "-", "1.5",
                             "2147483648", "-2147483649", "99999999999999999999", "0x100000000", "$123456789"})
        EXPECT_FALSE(ParseIniInteger(text).has_value()) << text;
}

TEST_F(IniFileTest, MissingFileReadsDefaultsAndNamesCompareWithoutCase)
{
    TIniFile missing(Path("none.ini"));
    EXPECT_EQ(missing.ReadInteger("settings", "mode", 7), 7);
    EXPECT_EQ(missing.ReadString("settings", "mode", "x"), "x");
    EXPECT_FALSE(missing.SectionExists("settings"));

    WriteAll(Path(), "; remembered by Corvana\n[Settings]\nMode = 1\n[WG26]\nColWidth1=0x50\ncolwidth2=abc\n"
                     "colwidth3=\ncolwidth4=99999999999\n");
    TIniFile ini(Path());
    EXPECT_EQ(ini.ReadInteger("settings", "mode", 0), 1);
    EXPECT_EQ(ini.ReadInteger("SETTINGS", "MODE", 0), 1);
    EXPECT_EQ(ini.ReadInteger("wg26", "colwidth1", 120), 80);
    EXPECT_EQ(ini.ReadInteger("wg26", "colwidth2", 300), 300);
    EXPECT_EQ(ini.ReadInteger("wg26", "colwidth3", 140), 140);
    EXPECT_EQ(ini.ReadInteger("wg26", "colwidth4", 140), 140);
    EXPECT_EQ(ini.ReadInteger("wg26", "colwidth5", 100), 100);
    EXPECT_EQ(ini.ReadString("wg26", "colwidth2", ""), "abc");
    EXPECT_TRUE(ini.ValueExists("Wg26", "COLWIDTH3"));
    // A key belongs to its own section only.
    EXPECT_EQ(ini.ReadInteger("wg64", "colwidth1", 160), 160);
}

TEST_F(IniFileTest, NewFileHasSectionsInWriteOrderWithPlainLfLines)
{
    TIniFile ini(Path());
    ini.WriteInteger("settings", "mode", 0);
    const int widths[] = {100, 120, -1, -1, -1, 100, 100};
    for (int i = 0; i < 7; ++i)
        ini.WriteInteger("wg26", QStringLiteral("colwidth%1").arg(i), widths[i]);
    ini.WriteInteger("wg64", "colwidth0", 120);
    ini.WriteInteger("wg64", "colwidth1", 160);
    ini.WriteInteger("wg64", "colwidth2", -1);
    EXPECT_EQ(ReadAll(Path()), "[settings]\nmode=0\n"
                               "[wg26]\ncolwidth0=100\ncolwidth1=120\ncolwidth2=-1\ncolwidth3=-1\ncolwidth4=-1\n"
                               "colwidth5=100\ncolwidth6=100\n"
                               "[wg64]\ncolwidth0=120\ncolwidth1=160\ncolwidth2=-1\n");
    EXPECT_EQ(TIniFile(Path()).ReadInteger("wg64", "colwidth1", 0), 160);
}

TEST_F(IniFileTest, UpdatingAKeyRewritesOnlyItsLine)
{
    const QByteArray original = "\xEF\xBB\xBF; Corvana settings\r\n"
                                "[Settings]\r\n"
                                "  Mode = 1   ; old\r\n"
                                "\r\n"
                                "# note\r\n"
                                "[other]\r\n"
                                "mode=5\r\n"
                                "[wg26]\r\n"
                                "colwidth0=100\r\n"
                                "; trailing comment of wg26\r\n"
                                "[wg64]\r\n"
                                "colwidth0=120";
    WriteAll(Path(), original);
    TIniFile ini(Path());
    ini.WriteInteger("SETTINGS", "mode", 0);
    ini.WriteInteger("wg26", "colwidth1", 120);
    ini.WriteInteger("wg64", "colwidth1", 160);
    ini.WriteString("new", "key", "two\nlines");
    EXPECT_EQ(ReadAll(Path()), "\xEF\xBB\xBF; Corvana settings\r\n"
                               "[Settings]\r\n"
                               "Mode=0\r\n"
                               "\r\n"
                               "# note\r\n"
                               "[other]\r\n"
                               "mode=5\r\n"
                               "[wg26]\r\n"
                               "colwidth0=100\r\n"
                               "colwidth1=120\r\n"
                               "; trailing comment of wg26\r\n"
                               "[wg64]\r\n"
                               "colwidth0=120\r\n"
                               "colwidth1=160\r\n"
                               "[new]\r\n"
                               "key=two lines\r\n");
    EXPECT_EQ(ini.ReadInteger("other", "mode", -1), 5);
}

TEST_F(IniFileTest, WriteKeepsChangesMadeMeanwhileAndThePermissions)
{
    WriteAll(Path(), "[a]\nx=1\n");
    ::chmod(Path().toLocal8Bit().constData(), 0640);
    TIniFile ini(Path());
    WriteAll(Path(), "[a]\nx=1\ny=2\n");
    ini.WriteInteger("a", "x", 3);
    EXPECT_EQ(ReadAll(Path()), "[a]\nx=3\ny=2\n");
    struct stat st;
    ASSERT_EQ(::stat(Path().toLocal8Bit().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // No temporary file is left beside the target.
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(IniFileTest, FailedWriteNamesTheFileAndChangesNothing)
{
    const QString target = Path("missing-folder/corvana.ini");
    TIniFile ini(target);
    try {
        ini.WriteInteger("settings", "mode", 1);
        FAIL() << "no error";
    } catch (const EIniFileException& error) {
        EXPECT_EQ(QString::fromStdString(error.what()), "Unable to write to " + target);
        EXPECT_EQ(error.FileName(), target);
        EXPECT_FALSE(error.Reason().isEmpty());
    }
    EXPECT_FALSE(ini.ValueExists("settings", "mode"));
}
