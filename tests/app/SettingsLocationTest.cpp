#include "SettingsLocation.h"

#include "FaultSupport.h"
#include "QtTestSupport.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// A file system described by which paths exist and where settings may go.
class TFakeProbe : public TFileProbe {
public:
    bool Exists(const QString& path) const override { return existing.contains(path); }
    bool SettingsMayGoTo(const QString& file) const override { return savable.contains(file); }
    QSet<QString> existing;
    QSet<QString> savable;
};

const QString kExe = QStringLiteral("/opt/corvana/bin/corvana");
const QString kBeside = QStringLiteral("/opt/corvana/bin/corvana.ini");
const QString kUserFolder = QStringLiteral("/home/op/.config/corvana");
const QString kUser = QStringLiteral("/home/op/.config/corvana/corvana.ini");

} // namespace

TEST(SettingsLocationTest, FileBesideTheExecutableTakesTheIniExtension)
{
    EXPECT_EQ(SettingsFileBeside(kExe), kBeside);
    EXPECT_EQ(SettingsFileBeside("/opt/corvana/bin/corvana.exe"), kBeside);
    EXPECT_EQ(SettingsFileBeside("/opt/v1.2/corvana"), "/opt/v1.2/corvana.ini");
    EXPECT_EQ(SettingsFileBeside("/opt/bin/.corvana"), "/opt/bin/.corvana.ini");
    EXPECT_TRUE(UserSettingsFolder().endsWith("/corvana"));
}

TEST(SettingsLocationTest, BesideWhereSettingsMayGoOtherwiseTheUsersFile)
{
    TFakeProbe fs;
    // A portable copy, with or without its file yet.
    fs.savable = {kBeside};
    auto files = ResolveSettingsFiles(kExe, kUserFolder, fs);
    EXPECT_EQ(files.ReadFrom, kBeside);
    EXPECT_EQ(files.WriteTo, kBeside);

    // Installed: the file beside the executable seeds the user's file ...
    fs.savable = {};
    fs.existing = {kBeside};
    files = ResolveSettingsFiles(kExe, kUserFolder, fs);
    EXPECT_EQ(files.ReadFrom, kBeside);
    EXPECT_EQ(files.WriteTo, kUser);

    // ... until the user's file exists, which is then both read and written.
    fs.existing = {kBeside, kUser};
    files = ResolveSettingsFiles(kExe, kUserFolder, fs);
    EXPECT_EQ(files.ReadFrom, kUser);
    EXPECT_EQ(files.WriteTo, kUser);

    // No file beside: the user's file, missing, reads as defaults.
    fs.existing = {};
    files = ResolveSettingsFiles(kExe, kUserFolder, fs);
    EXPECT_EQ(files.ReadFrom, kUser);
    EXPECT_EQ(files.WriteTo, kUser);
}

TEST(SettingsLocationTest, BesideOnlyInTheUsersOwnFoldersAndFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755)));
    const QString user = dir.filePath("user/corvana");
    const QString userFile = user + "/corvana.ini";
    const auto writeTo = [&](const QString& folder) { return ResolveSettingsFiles(folder + "/corvana", user).WriteTo; };
    const auto folder = [&](const QString& name) {
        EXPECT_TRUE(QDir(dir.path()).mkpath(name));
        return dir.filePath(name);
    };

    // A portable copy in a folder of the user's own keeps its settings beside it,
    // also through a link of the user's own to a file of the user's own.
    const QString portable = folder("portable");
    EXPECT_EQ(writeTo(portable), portable + "/corvana.ini");
    WriteAll(dir.filePath("mine.ini"), "");
    ASSERT_TRUE(QFile::link(dir.filePath("mine.ini"), portable + "/corvana.ini"));
    EXPECT_EQ(writeTo(portable), portable + "/corvana.ini");

    // An installed program never writes into the system's folders, whoever runs
    // it (root may write there), nor through a link into them.
    EXPECT_EQ(writeTo("/usr/local/bin"), userFile);
    EXPECT_EQ(writeTo("/usr/bin"), userFile);
    const QString toSystem = folder("to-system");
    ASSERT_TRUE(QFile::link("/etc/passwd", toSystem + "/corvana.ini"));
    EXPECT_EQ(writeTo(toSystem), userFile);

    if (::geteuid() != 0)
        GTEST_SKIP() << "the cases of two users need root, to act as another user";
    // A link another user made, or one to another user's file.
    const QString planted = folder("planted");
    ASSERT_TRUE(QFile::link(dir.filePath("mine.ini"), planted + "/corvana.ini"));
    ASSERT_EQ(::lchown(QFile::encodeName(planted + "/corvana.ini").constData(), kNobody, kNobody), 0);
    EXPECT_EQ(writeTo(planted), userFile);
    const QString toOthers = folder("to-others");
    WriteAll(dir.filePath("others.ini"), "");
    ASSERT_EQ(::chown(QFile::encodeName(dir.filePath("others.ini")).constData(), kNobody, kNobody), 0);
    ASSERT_TRUE(QFile::link(dir.filePath("others.ini"), toOthers + "/corvana.ini"));
    EXPECT_EQ(writeTo(toOthers), userFile);

    // As an ordinary user: a writable file in a folder the user may not write
    // (only a rewrite in place could save it), and a folder anyone may write
    // that is not the user's.
    const QString locked = folder("locked");
    WriteAll(locked + "/corvana.ini", "");
    const QString shared = folder("shared");
    for (const QString& path : {locked, locked + "/corvana.ini"})
        ASSERT_EQ(::chown(QFile::encodeName(path).constData(), kNobody, kNobody), 0);
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::Permissions(0x5555)));
    ASSERT_TRUE(QFile::setPermissions(shared, QFileDevice::Permissions(0x7777)));
    AsOrdinaryUser([&] {
        EXPECT_EQ(writeTo(locked), userFile);
        EXPECT_EQ(writeTo(shared), userFile);
    });
}

TEST(SettingsLocationTest, RealFileSystemAndFolderPreparation)
{
    QTemporaryDir dir;
    const QString exe = QDir(dir.path()).filePath("corvana");
    auto files = ResolveSettingsFiles(exe, dir.filePath("user"));
    EXPECT_EQ(files.WriteTo, exe + ".ini");

    files = ResolveSettingsFiles(dir.filePath("no-such-folder/corvana"), dir.filePath("user/corvana"));
    EXPECT_EQ(files.WriteTo, dir.filePath("user/corvana/corvana.ini"));
    EXPECT_TRUE(PrepareSettingsFolder(files));
    EXPECT_TRUE(QDir(dir.filePath("user/corvana")).exists());
}
