#include "VersInfo.h"
#include "VersionBlock.h"

#include "../support/TestElf.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr TVersionString kPartial[] = {{"ProductName", "Plates"}};

QString ExeWith(const QTemporaryDir& dir, const QString& name, const std::vector<std::uint8_t>& block)
{
    const QString path = dir.filePath(name);
    WriteTestFile(path, TestElfBytes({{".corvana.version", block}}));
    return path;
}

} // namespace

TEST(VersionInfoTest, ReadsTheVersionBlockTheBuildEmbedded)
{
    TVersionInfo info;
    EXPECT_GT(info.BlockSize(), 0u);
    ASSERT_TRUE(info.Translation());
    EXPECT_EQ(*info.Translation(), 0x04B00409u);
    EXPECT_EQ(info.Value(TVersionInfo::viProductName), "Corvana");
    EXPECT_EQ(info.Value(TVersionInfo::viCompanyName), "Corvana");
    EXPECT_EQ(info.Value(TVersionInfo::viLegalCopyRight), "Copyright (C) 2026 Corvana");
    EXPECT_EQ(info.Value(TVersionInfo::viOriginalFileName), "corvana");
    EXPECT_EQ(info.Value(TVersionInfo::viInternalName), "corvana");
    EXPECT_FALSE(info.Value(TVersionInfo::viFileDescription).isEmpty());
    EXPECT_TRUE(info.Value(TVersionInfo::viProductVersion).contains(QRegularExpression("^\\d+\\.\\d+\\.\\d+\\.\\d+$")));
    EXPECT_EQ(info.Value(TVersionInfo::viFileVersion), info.Value(TVersionInfo::viProductVersion));
    EXPECT_EQ(info.Value(0), "");
    EXPECT_EQ(info.Value(9), "");

    EXPECT_EQ(TVersionInfo::StringPath(0x04E40409, "ProductName"), "\\StringFileInfo\\040904E4\\ProductName");
}

TEST(VersionInfoTest, LinkedControlsShowTheirKeyAndAreForgottenWhenDestroyed)
{
    TVersionInfo info;
    QLabel label("placeholder");
    QLineEdit edit("placeholder");
    auto* button = new QPushButton("placeholder");
    info.SetCtlProductName(&label);
    EXPECT_EQ(label.text(), "Corvana");
    info.SetCtlLegalCopyRight(&edit);
    info.SetCtlCompanyName(button);
    EXPECT_EQ(edit.text(), "Copyright (C) 2026 Corvana");
    EXPECT_EQ(button->text(), "Corvana");
    EXPECT_EQ(info.CtlLegalCopyRight(), &edit);

    // Refreshing puts the value back over anything written meanwhile.
    label.setText("changed");
    info.SetCtlFileVersion(nullptr);
    EXPECT_EQ(label.text(), "Corvana");

    delete button;
    EXPECT_EQ(info.CtlCompanyName(), nullptr);
    info.SetCtlProductVersion(nullptr); // refreshes without touching the destroyed button
}

TEST(VersionInfoTest, MissingInformationGivesEmptyValuesAndUnreadableBlocksAnError)
{
    QTemporaryDir dir;
    QLabel name("ProductName"), version("ProductVersion");

    // A block with only some keys: the others are empty, never the key's name.
    TVersionInfo partial(nullptr, ExeWith(dir, "partial", BuildVersionBlock({{}, {}, 0x0409, 1252, true, kPartial})));
    partial.SetCtlProductName(&name);
    partial.SetCtlProductVersion(&version);
    EXPECT_EQ(name.text(), "Plates");
    EXPECT_EQ(version.text(), "");

    // Without a translation table nothing can be looked up.
    TVersionInfo untranslated(nullptr,
                              ExeWith(dir, "untranslated", BuildVersionBlock({{}, {}, 0x0409, 1252, false, kPartial})));
    EXPECT_GT(untranslated.BlockSize(), 0u);
    EXPECT_FALSE(untranslated.Translation());
    EXPECT_EQ(untranslated.Value(TVersionInfo::viProductName), "");

    // A file without version information.
    const QString plain = dir.filePath("plain");
    WriteTestFile(plain, "#!/bin/sh\n");
    TVersionInfo none(nullptr, plain);
    EXPECT_EQ(none.BlockSize(), 0u);
    EXPECT_EQ(none.Value(TVersionInfo::viProductName), "");

    // Reloading from another file refreshes the linked labels.
    partial.SetFileName(plain);
    EXPECT_EQ(name.text(), "");

    // A block whose size is known but whose bytes are cut off.
    const QString cut = dir.filePath("cut");
    WriteTestFile(cut, TestElfBytes({{".corvana.version", BuildVersionBlock({{}, {}, 0x0409, 1252, true, kPartial})}})
                           .chopped(4));
    try {
        TVersionInfo broken(nullptr, cut);
        FAIL() << "no error";
    } catch (const EVersionInfoError& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()), "Cannot retrieve Version Information for " + cut);
    }
}
