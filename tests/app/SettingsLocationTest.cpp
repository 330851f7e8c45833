#include "SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A file system described by which paths exist and which can be written.
class TFakeProbe : public TFileProbe {
public:
    bool Exists(const QString& path) const override { return existing.contains(path); }
    bool Writable(const QString& path) const override { return writable.contains(path); }
    QSet<QString> existing;
    QSet<QString> writable;
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

TEST(SettingsLocationTest, BesideWhenWritableThereOtherwiseTheUsersFile)
{
    TFakeProbe fs;
    // A portable copy: the folder is writable, the file not there yet.
    fs.writable = {"/opt/corvana/bin"};
    auto files = ResolveSettingsFiles(kExe, kUserFolder, fs);
    EXPECT_EQ(files.ReadFrom, kBeside);
    EXPECT_EQ(files.WriteTo, kBeside);

    // A writable file in a read-only folder still serves.
    fs.existing = {kBeside};
    fs.writable = {kBeside};
    files = ResolveSettingsFiles(kExe, kUserFolder, fs);
    EXPECT_EQ(files.WriteTo, kBeside);

    // Installed: a read-only file beside the executable seeds the user's file ...
    fs.writable = {kUserFolder};
    files = ResolveSettingsFiles(kExe, kUserFolder, fs);
    EXPECT_EQ(files.ReadFrom, kBeside);
    EXPECT_EQ(files.WriteTo, kUser);

    // ... until the user's file exists, which is then both read and written.
    fs.existing = {kBeside, kUser};
    files = ResolveSettingsFiles(kExe, kUserFolder, fs);
    EXPECT_EQ(files.ReadFrom, kUser);
    EXPECT_EQ(files.WriteTo, kUser);

    // Read-only folder, no file beside: the user's file, missing, reads as defaults.
    fs.existing = {};
    files = ResolveSettingsFiles(kExe, kUserFolder, fs);
    EXPECT_EQ(files.ReadFrom, kUser);
    EXPECT_EQ(files.WriteTo, kUser);
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
