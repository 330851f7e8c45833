#include "QtTestSupport.h"
#include "TestCupsServer.h"
#include "Dialogs.h"
#include "PdfPrinter.h"
#include "RecordingPrinter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QLocale Metric(QLocale::German, QLocale::Germany);
const QLocale UsLetter(QLocale::English, QLocale::UnitedStates);

QRgb PixelAt(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

} // namespace

TEST(Printer, DefaultPageIsTheLocalesPaperAt600Dpi)
{
    EXPECT_EQ(DefaultPaperSize(Metric).id(), QPageSize::A4);
    EXPECT_EQ(DefaultPaperSize(UsLetter).id(), QPageSize::Letter);

    const TPageGeometry a4 = DefaultPageGeometry(TPrinterOrientation::poPortrait, Metric);
    EXPECT_NEAR(a4.Width, 210 / 25.4 * 600, 3);
    EXPECT_NEAR(a4.Height, 297 / 25.4 * 600, 3);
    EXPECT_EQ(a4.PixelsPerInchX, 600);
    EXPECT_EQ(a4.PixelsPerInchY, 600);
    const TPageGeometry a4Landscape = DefaultPageGeometry(TPrinterOrientation::poLandscape, Metric);
    EXPECT_EQ(a4Landscape.Width, a4.Height);
    EXPECT_EQ(a4Landscape.Height, a4.Width);
    const TPageGeometry letter = DefaultPageGeometry(TPrinterOrientation::poPortrait, UsLetter);
    EXPECT_EQ(letter.Width, 5100);
    EXPECT_EQ(letter.Height, 6600);

    EXPECT_EQ(ScreenPixelsPerInch(), 96);
}

TEST(Printer, RecordingPrinterKeepsCallsAndDrawsPages)
{
    TRecordingPrinter printer(QSize(200, 300), 100, 100);
    EXPECT_EQ(printer.Canvas(), nullptr);
    EXPECT_EQ(printer.PageWidth(), 200);
    EXPECT_EQ(printer.PageHeight(), 300);
    printer.SetTitle("Codes");
    printer.SetCopies(0);
    EXPECT_EQ(printer.CopiesToPrint(), 1);

    printer.BeginDoc();
    EXPECT_TRUE(printer.Printing());
    EXPECT_EQ(printer.PageNumber(), 1);
    QPainter* canvas = printer.Canvas();
    ASSERT_NE(canvas, nullptr);
    canvas->setPen(Qt::NoPen);
    canvas->setBrush(Qt::red);
    canvas->drawRect(10, 10, 20, 20);
    printer.NewPage();
    EXPECT_EQ(printer.PageNumber(), 2);
    // The brush carries over to the new page.
    printer.Canvas()->drawRect(50, 60, 10, 10);
    printer.EndDoc();

    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(printer.Canvas(), nullptr);
    EXPECT_EQ(printer.Calls, QStringList({"BeginDoc", "NewPage", "EndDoc"}));
    ASSERT_EQ(printer.Documents.size(), 1);
    EXPECT_EQ(printer.Documents[0].Title, "Codes");
    EXPECT_EQ(printer.Documents[0].Copies, 0);
    EXPECT_TRUE(printer.Documents[0].Ended);
    const QList<QImage> pages = printer.Pages();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[0].size(), QSize(200, 300));
    EXPECT_EQ(PixelAt(pages[0], 15, 15), 0xFF0000u);
    EXPECT_EQ(PixelAt(pages[0], 55, 65), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(pages[1], 55, 65), 0xFF0000u);
    EXPECT_EQ(PixelAt(pages[1], 15, 15), 0xFFFFFFu);
}

TEST(Printer, CallsOutOfSequenceAreErrorsAndAbortIsSafe)
{
    TRecordingPrinter printer;
    EXPECT_THROW(printer.NewPage(), TPrinterError);
    EXPECT_THROW(printer.EndDoc(), TPrinterError);
    printer.Abort(); // nothing to abort
    EXPECT_TRUE(printer.Calls.isEmpty());

    printer.BeginDoc();
    EXPECT_THROW(printer.BeginDoc(), TPrinterError);
    printer.Abort();
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(printer.Calls, QStringList({"BeginDoc", "Abort"}));
    EXPECT_TRUE(printer.Documents[0].Aborted);
    EXPECT_FALSE(printer.Documents[0].Ended);
}

TEST(Printer, OrientationSwapsThePageAndAppliesToTheNextPage)
{
    TRecordingPrinter printer(QSize(200, 300), 100, 50);
    printer.SetOrientation(TPrinterOrientation::poPortrait); // unchanged: not recorded
    printer.SetOrientation(TPrinterOrientation::poLandscape);
    // The same sheet turned: 2 by 6 inches become 6 by 2 inches.
    EXPECT_EQ(printer.PageWidth(), 600);
    EXPECT_EQ(printer.PageHeight(), 100);
    printer.BeginDoc();
    printer.SetOrientation(TPrinterOrientation::poPortrait);
    printer.NewPage();
    printer.EndDoc();
    EXPECT_EQ(printer.Calls,
              QStringList({"Orientation Landscape", "BeginDoc", "Orientation Portrait", "NewPage", "EndDoc"}));
    EXPECT_EQ(printer.Pages()[0].size(), QSize(600, 100));
    EXPECT_EQ(printer.Pages()[1].size(), QSize(200, 300));
}

TEST(Printer, PagesCanBeKeptSmallerThanTheFinePrinter)
{
    // A 600 dpi A4 printer whose pages are kept at 60 dpi.
    const QSize a4 = TRecordingPrinter::PaperDots(QPageSize(QPageSize::A4), 600, 600);
    TRecordingPrinter printer(a4, 600, 600, 60);
    EXPECT_EQ(printer.PageWidth(), a4.width());
    printer.BeginDoc();
    QPainter* canvas = printer.Canvas();
    canvas->fillRect(1000, 2000, 500, 500, Qt::blue);
    // A font in points takes the printer's dots: 36 points are half an inch.
    canvas->setFont(QFont("DejaVu Sans", 36));
    EXPECT_NEAR(canvas->fontMetrics().height(), 300, 80);
    printer.EndDoc();
    const QImage page = printer.Pages()[0];
    EXPECT_NEAR(page.width(), a4.width() / 10, 1);
    EXPECT_EQ(PixelAt(page, 125, 225), 0x0000FFu);
    EXPECT_EQ(PixelAt(page, 95, 225), 0xFFFFFFu);
}

TEST(Printer, InstalledPrinterIsReplaceableAndMayBeMissing)
{
    TPrinter* const system = &Printer();
    {
        TScopedRecordingPrinter recording;
        EXPECT_EQ(&Printer(), &recording);
        EXPECT_TRUE(Printer().IsPrinterInstalled());
        recording.SetPrinters({});
        EXPECT_FALSE(Printer().IsPrinterInstalled());
    }
    EXPECT_EQ(&Printer(), system);

    TQtPrinter qt;
    if (qt.IsPrinterInstalled())
        GTEST_SKIP() << "a printer is installed here";
    // Without a printer the page is the locale's sheet at 600 dpi, and nothing prints.
    const TPageGeometry expected = DefaultPageGeometry();
    EXPECT_EQ(qt.PageWidth(), expected.Width);
    EXPECT_EQ(qt.PageHeight(), expected.Height);
    EXPECT_EQ(qt.PixelsPerInchX(), 600);
    qt.SetOrientation(TPrinterOrientation::poLandscape);
    EXPECT_EQ(qt.Orientation(), TPrinterOrientation::poLandscape);
    EXPECT_EQ(qt.PageWidth(), expected.Height);
    try {
        qt.BeginDoc();
        FAIL() << "began a document without a printer";
    } catch (const TPrinterError& error) {
        EXPECT_STREQ(error.what(), "No Printer is installed");
    }
    EXPECT_FALSE(qt.Printing());
}

TEST(Printer, PdfPrinterWritesPagesAndReplacesTheTargetOnlyWhenDone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath("codes.pdf");
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

    TPdfPrinter printer(target, Metric);
    const TPageGeometry a4 = DefaultPageGeometry(TPrinterOrientation::poPortrait, Metric);
    EXPECT_EQ(printer.PageGeometry().Width, a4.Width);
    EXPECT_EQ(printer.PageGeometry().Height, a4.Height);
    EXPECT_EQ(printer.PixelsPerInchY(), 600);
    printer.SetTitle("Wiegand 26-bit");
    printer.BeginDoc();
    printer.Canvas()->drawRect(600, 600, 1200, 1200);
    printer.NewPage();
    printer.Canvas()->drawText(600, 600, "Page 2");
    EXPECT_EQ(ReadAll(target), "old");
    printer.EndDoc();

    const QByteArray pdf = ReadAll(target);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(PdfPageCount(target), 2);
    EXPECT_TRUE(pdf.contains(QByteArray("/Title", 6)));
    EXPECT_EQ(QFile::permissions(target),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"codes.pdf"}));
}

TEST(Printer, PdfPrinterFailuresNameTheTargetAndLeaveNothingBehind)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath("codes.pdf");
    {
        TPdfPrinter printer(target, Metric);
        printer.BeginDoc();
        printer.Canvas()->drawLine(0, 0, 100, 100);
        printer.Abort();
        EXPECT_FALSE(printer.Printing());
        // A document left open is dropped with the printer.
        printer.BeginDoc();
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());

    const QString unreachable = dir.filePath("missing/codes.pdf");
    TPdfPrinter printer(unreachable, Metric);
    try {
        printer.BeginDoc();
        FAIL() << "wrote into a missing folder";
    } catch (const TPrinterError& error) {
        EXPECT_TRUE(QString::fromUtf8(error.what()).startsWith(unreachable + ": ")) << error.what();
    }
    EXPECT_FALSE(printer.Printing());
}

// The system's printer is looked up when asked, so printers installed or gone
// while the program runs count; its page setup gives a PDF the same pages.
TEST(Printer, QtPrinterFollowsThePrintSystemAndLendsItsPageToPdf)
{
    if (const QString reason = TTestCupsServer::Unavailable(); !reason.isEmpty())
        GTEST_SKIP() << "no print system for the test: " << reason.toStdString();
    TTestCupsServer cups; // not started yet
    TQtPrinter qt;
    TScopedRecordingDialogs dialogs;
    EXPECT_FALSE(qt.LookUp());
    EXPECT_EQ(qt.PrinterName(), "");
    EXPECT_FALSE(SystemDialogs().PrinterSetupDialog(qt));
    EXPECT_EQ(dialogs.messages, QStringList({"No Printer is installed"}));

    ASSERT_TRUE(cups.Start()) << cups.Error().toStdString();
    ASSERT_TRUE(cups.AddQueue("Office_A")) << cups.Error().toStdString();
    ASSERT_TRUE(cups.AddQueue("Office_B")) << cups.Error().toStdString();
    EXPECT_EQ(qt.PrinterName(), ""); // nothing asked yet
    EXPECT_TRUE(qt.LookUp());
    EXPECT_EQ(qt.PrinterName(), "Office_A"); // the default
    EXPECT_FALSE(qt.SetPrinterName("Office_C"));
    EXPECT_TRUE(qt.SetPrinterName("Office_B"));
    EXPECT_EQ(qt.PrinterName(), "Office_B");
    EXPECT_TRUE(qt.LookUp());
    EXPECT_EQ(qt.PrinterName(), "Office_B"); // chosen, so kept

    QTemporaryDir dir;
    for (const TPrinterOrientation orientation : {TPrinterOrientation::poPortrait, TPrinterOrientation::poLandscape}) {
        qt.SetOrientation(orientation);
        const TPageGeometry printer = qt.PageGeometry();
        // The printable area lies within the sheet, and a PDF of the setup has it exactly.
        const QSize sheet = qt.PageSetup().Layout.fullRectPixels(printer.PixelsPerInchX).size();
        EXPECT_LT(printer.Width, sheet.width());
        EXPECT_LT(printer.Height, sheet.height());
        EXPECT_EQ(printer.Width > printer.Height, orientation == TPrinterOrientation::poLandscape);
        TPdfPrinter pdf(dir.filePath("page.pdf"), qt.PageSetup());
        const TPageGeometry written = pdf.PageGeometry();
        EXPECT_EQ(written.Width, printer.Width);
        EXPECT_EQ(written.Height, printer.Height);
        EXPECT_EQ(written.PixelsPerInchX, printer.PixelsPerInchX);
        EXPECT_EQ(pdf.Orientation(), orientation);
    }

    // The print system gone: no printer, the default sheet again.
    cups.Stop();
    EXPECT_FALSE(qt.LookUp());
    EXPECT_EQ(qt.PrinterName(), "");
    EXPECT_EQ(qt.PageWidth(), DefaultPageGeometry().Width);
}
