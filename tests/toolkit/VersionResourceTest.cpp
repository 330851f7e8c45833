#include "VersionBlock.h"
#include "VersionResource.h"

#include "../support/TestElf.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr TVersionString kStrings[] = {
    {"ProductName", "Corvana"},
    {"LegalCopyright", "Copyright © 2026 Corvana"},
    {"ProductVersion", "1.2.3.4"},
};

std::vector<std::uint8_t> Block(bool translation = true)
{
    return BuildVersionBlock({{1, 2, 3, 4}, {1, 2, 3, 4}, 0x0409, 1252, translation, kStrings});
}

QString Text(std::span<const std::uint8_t> block, const QString& path)
{
    const auto value = TVersionResource::Query(block, path);
    return value ? value->Text() : QStringLiteral("<none>");
}

} // namespace

TEST(VersionBlockTest, LooksUpValuesByPathWithoutRegardToCase)
{
    const auto block = Block();
    EXPECT_EQ(Text(block, "\\StringFileInfo\\040904E4\\ProductName"), "Corvana");
    EXPECT_EQ(Text(block, "\\stringfileinfo\\040904e4\\LegalCopyRight"), "Copyright © 2026 Corvana");
    EXPECT_EQ(Text(block, "\\StringFileInfo\\040904E4\\ProductVersion"), "1.2.3.4");
    EXPECT_EQ(Text(block, "\\StringFileInfo\\040904E4\\CompanyName"), "<none>");
    EXPECT_EQ(Text(block, "\\StringFileInfo\\040904B0\\ProductName"), "<none>");
    EXPECT_EQ(Text(block, "\\StringFileInfo\\040904E4\\ProductName\\Deeper"), "<none>");

    const auto translation = TVersionResource::Query(block, u"\\VarFileInfo\\Translation");
    ASSERT_TRUE(translation);
    EXPECT_FALSE(translation->IsText);
    EXPECT_EQ(std::vector<std::uint8_t>(translation->Bytes.begin(), translation->Bytes.end()),
              (std::vector<std::uint8_t>{0x09, 0x04, 0xE4, 0x04}));

    // The root value is the fixed file information, starting with its signature.
    const auto fixed = TVersionResource::Query(block, u"\\");
    ASSERT_TRUE(fixed);
    ASSERT_EQ(fixed->Bytes.size(), 52u);
    EXPECT_EQ(fixed->Bytes[0] | fixed->Bytes[1] << 8 | fixed->Bytes[2] << 16 | fixed->Bytes[3] << 24, 0xFEEF04BD);
    EXPECT_EQ(fixed->Bytes[8] | fixed->Bytes[9] << 8 | fixed->Bytes[10] << 16 | fixed->Bytes[11] << 24, 0x00010002);

    EXPECT_FALSE(TVersionResource::Query(Block(false), u"\\VarFileInfo\\Translation"));
}

TEST(VersionBlockTest, DamagedBlocksGiveNothingInsteadOfReadingPastThem)
{
    const auto block = Block();
    for (std::size_t size = 0; size < block.size(); ++size) {
        const std::span<const std::uint8_t> cut(block.data(), size);
        TVersionResource::Query(cut, u"\\StringFileInfo\\040904E4\\ProductVersion");
        EXPECT_FALSE(TVersionResource::Query(cut, u"\\VarFileInfo\\Translation")) << size;
    }
    auto broken = block;
    broken[0] = 0xFF, broken[1] = 0xFF; // root longer than the block
    EXPECT_FALSE(TVersionResource::Query(broken, u"\\"));
    std::vector<std::uint8_t> noise(300);
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<std::uint8_t>(i * 37 + 11);
    TVersionResource::Query(noise, u"\\StringFileInfo\\040904E4\\ProductName");
}

TEST(VersionResourceTest, FindsTheBlockInElfFilesOfEitherWidthAndByteOrder)
{
    QTemporaryDir dir;
    const auto block = Block();
    for (const bool is64 : {true, false})
        for (const bool bigEndian : {false, true}) {
            const QString name = dir.filePath(QStringLiteral("exe%1%2").arg(is64).arg(bigEndian));
            WriteTestFile(name, TestElfBytes({{".text", {1, 2, 3}}, {".corvana.version", block}}, is64, bigEndian));
            ASSERT_EQ(TVersionResource::Size(name), block.size()) << is64 << bigEndian;
            std::vector<std::uint8_t> read(block.size());
            ASSERT_TRUE(TVersionResource::Read(name, read.size(), read.data()));
            EXPECT_EQ(read, block);
        }

    // Not ELF, no such section, no file at all: no version information.
    const QString text = dir.filePath("plain.txt");
    WriteTestFile(text, "hk 55 evb\n");
    EXPECT_EQ(TVersionResource::Size(text), 0u);
    const QString other = dir.filePath("other");
    WriteTestFile(other, TestElfBytes({{".corvana.versions", block}}));
    EXPECT_EQ(TVersionResource::Size(other), 0u);
    EXPECT_EQ(TVersionResource::Size(dir.filePath("missing")), 0u);
    // This test program carries no block.
    EXPECT_EQ(TVersionResource::Size(QCoreApplication::applicationFilePath()), 0u);

    // A file cut short: the size is known but the block cannot be read.
    const QString cut = dir.filePath("cut");
    WriteTestFile(cut, TestElfBytes({{".corvana.version", block}}).chopped(10));
    EXPECT_EQ(TVersionResource::Size(cut), block.size());
    std::vector<std::uint8_t> read(block.size());
    EXPECT_FALSE(TVersionResource::Read(cut, read.size(), read.data()));
}
