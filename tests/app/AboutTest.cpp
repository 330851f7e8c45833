#include "UAbout.h"

#include "AboutBanner.h"
#include "BuildInfo.h"
#include "Image.h"
#include "Shell.h"
#include "VersInfo.h"

#include "../support/TestElf.h"

#include <QFrame>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QColor Background(const QWidget* widget) { return widget->palette().color(QPalette::Window); }

QColor PixelOf(const QImage& image, const QPoint& at) { return image.pixelColor(at); }

} // namespace

TEST(AboutBoxTest, ShowsTheVersionInformationOnceWithItsPrefix)
{
    TFormAbout about;
    EXPECT_EQ(about.windowTitle(), "About . . .");
    EXPECT_EQ(about.lblProductName->text(), "Corvana");
    EXPECT_EQ(about.lblProductVersion->text(), "Version: " + about.VersionInfo->Value(TVersionInfo::viProductVersion));
    EXPECT_EQ(about.lblProductVersion->text().count("Version: "), 1);
    EXPECT_EQ(about.lblCopyright->text(), "Copyright (C) 2026 Corvana");
    EXPECT_EQ(about.lblWebsite->text(), CORVANA_WEBSITE);

    // Without version information: empty name and notice, the prefix alone.
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain");
    WriteTestFile(plain, "no version here");
    TFormAbout bare(nullptr, plain);
    EXPECT_EQ(bare.lblProductName->text(), "");
    EXPECT_EQ(bare.lblProductVersion->text(), "Version: ");
    EXPECT_EQ(bare.lblCopyright->text(), "");
}

TEST(AboutBoxTest, LayoutColoursAndBanner)
{
    TFormAbout about;
    EXPECT_EQ(about.size(), QSize(480, 360));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_EQ(about.Image1->geometry(), QRect(0, 0, 480, 100));
    EXPECT_EQ(about.PanelLeft->geometry(), QRect(0, 100, 20, 260));
    EXPECT_EQ(about.PanelMain->geometry(), QRect(20, 100, 460, 260));
    EXPECT_EQ(about.lblProductName->geometry(), QRect(10, 10, 440, 65));
    EXPECT_EQ(about.Shape1->size(), QSize(75, 5));
    EXPECT_EQ(about.lblProductVersion->geometry(), QRect(10, 190, 440, 20));
    EXPECT_EQ(about.lblCopyright->geometry(), QRect(10, 210, 440, 20));
    EXPECT_EQ(about.lblWebsite->geometry(), QRect(10, 230, 440, 20));
    EXPECT_EQ(Background(&about), QColor(0x00, 0x8A, 0xCC));
    EXPECT_EQ(Background(about.PanelMain), QColor(0x00, 0x8A, 0xCF));
    EXPECT_EQ(Background(about.Shape1), QColor(0xFF, 0x6C, 0x37));
    EXPECT_EQ(about.lblProductName->font().pixelSize(), 32);
    EXPECT_TRUE(about.lblProductName->font().bold());
    EXPECT_EQ(about.lblCopyright->font().pixelSize(), 13);
    EXPECT_EQ(about.lblWebsite->cursor().shape(), Qt::PointingHandCursor);

    const QImage banner = AboutBannerPicture();
    EXPECT_EQ(banner.size(), QSize(388, 169));
    EXPECT_EQ(banner.format(), QImage::Format_RGB888);
    // Drawn proportionally into the 100 pixel high strip, from its top left.
    EXPECT_EQ(about.Image1->DestRect(), QRect(0, 0, 229, 100));

    about.show();
    const QImage shot = about.grab().toImage();
    shot.save("/tmp/corvana-about.png");
    // The banner's background is transparent: the form colour shows through it.
    EXPECT_EQ(PixelOf(shot, {2, 98}), QColor(0x00, 0x8A, 0xCC));
    EXPECT_EQ(PixelOf(shot, {400, 50}), QColor(0x00, 0x8A, 0xCC));
    EXPECT_EQ(PixelOf(shot, {10, 200}), QColor(0x00, 0x8A, 0xCC));
    EXPECT_EQ(PixelOf(shot, {25, 200}), QColor(0x00, 0x8A, 0xCF));
    EXPECT_EQ(PixelOf(shot, {31, 177}), QColor(0xFF, 0x6C, 0x37));
    EXPECT_EQ(PixelOf(shot, {110, 177}), QColor(0x00, 0x8A, 0xCF));
}

TEST(AboutBoxTest, CharacterKeysAndClicksCloseItTheAddressOpens)
{
    TScopedRecordingAddressOpener shell;
    TFormAbout about;

    about.show();
    QTest::keyClick(&about, Qt::Key_Down);
    QTest::keyClick(&about, Qt::Key_Shift);
    EXPECT_TRUE(about.isVisible());
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_A}) {
        about.show();
        QTest::keyClick(&about, key);
        EXPECT_FALSE(about.isVisible()) << key;
    }

    for (QWidget* closer : {static_cast<QWidget*>(about.Image1), static_cast<QWidget*>(about.PanelMain),
                            static_cast<QWidget*>(about.lblProductName),
                            static_cast<QWidget*>(about.lblProductVersion), static_cast<QWidget*>(about.lblCopyright)}) {
        about.show();
        QTest::mouseClick(closer, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_FALSE(about.isVisible()) << closer->objectName().toStdString();
    }

    // The separator and the left strip do nothing; the address opens and the box stays.
    about.show();
    QTest::mouseClick(about.PanelSeparator, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseClick(about.PanelLeft, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(about.lblWebsite, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(about.lblProductName, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(shell.opened, QStringList({CORVANA_WEBSITE}));
}
