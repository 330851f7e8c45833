// The preview's PDF button on a 26-bit results grid: the file holds every page
// the layout gives for the locale's paper at 600 dots per inch.
#include "Dialogs.h"
#include "PlateCodes.h"
#include "Printer.h"
#include "RecordingPrinter.h"
#include "zelGrid.h"
#include "zelGridPreview.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// 200 plates in a grid laid out as the program's 26-bit results grid.
void FillResults26(TzelGrid& grid)
{
    grid.SetColCount(int(Wiegand26Headers.size()));
    grid.SetRowCount(201);
    grid.SetFixedCols(0);
    const int widths[] = {100, 90, 300, 70, 70, 55, 55};
    for (int c = 0; c < grid.ColCount(); ++c) {
        grid.SetColWidths(c, widths[c]);
        grid.SetCells(c, 0, QString::fromStdString(std::string(Wiegand26Headers[size_t(c)])));
    }
    for (int r = 1; r < grid.RowCount(); ++r) {
        const std::string line = "k " + std::to_string(1000 + 7 * r) + " ab";
        const std::optional<std::string> plate = NormalizePlate(line);
        ASSERT_TRUE(plate);
        const TWiegand26Row cells = Wiegand26RowCells(ComputePlateCodes(*plate));
        for (int c = 0; c < grid.ColCount(); ++c)
            grid.SetCells(c, r, QString::fromStdString(std::string(cells[size_t(c)])));
    }
}

int PdfPageCount(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString data = QString::fromLatin1(file.readAll());
    return int(data.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

} // namespace

TEST(GridPdf, PdfButtonWritesEveryPageOfAResultsGrid)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage logo(64, 40, QImage::Format_RGB888);
    logo.fill(QColor(30, 90, 160));
    {
        QPainter p(&logo);
        p.fillRect(8, 8, 48, 24, QColor(250, 200, 40));
    }
    const QString logoFile = dir.filePath("logo.bmp");
    ASSERT_TRUE(logo.save(logoFile));

    TzelGrid grid;
    FillResults26(grid);
    TPrintOptions& options = grid.PrintOptions();
    options.SetPageTitle("Wiegand 26-bit codes - north gate");
    options.SetJobTitle("North gate codes");
    options.SetLogo(logoFile);
    options.SetBorderStyle(TPrintBorderStyle::bsSingle);
    options.SetMarginTop(20);
    options.SetMarginLeft(20);
    options.SetMarginBottom(20);
    options.SetPageTitleMargin(10);
    options.SetLeftpadding(3);

    // The pages the layout gives on the PDF's paper, counted on a printer like it.
    const TPageGeometry paper = DefaultPageGeometry();
    int expected = 0;
    {
        TScopedRecordingPrinter like(QSize(paper.Width, paper.Height), 600, 600, 1);
        expected = grid.PageCount();
    }
    // Default row height 24 (screen pixels): about 40 rows a page on A4 or Letter.
    EXPECT_GE(expected, 5);
    EXPECT_LE(expected, 6);

    const QString target = qEnvironmentVariableIsSet("CORVANA_KEEP_PDF") ? qEnvironmentVariable("CORVANA_KEEP_PDF")
                                                                          : dir.filePath("codes.pdf");
    TScopedRecordingDialogs dialogs;
    dialogs.fileAnswers.push_back(target);
    TzelGridPreviewF form;
    form.SetGrid(&grid);
    QTest::mouseClick(form.btnPdf, Qt::LeftButton);
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs[0].kind, TRecordingDialogs::TFileDialogKind::Save);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(PdfPageCount(target), expected);
    // Nothing left beside the target.
    EXPECT_EQ(QDir(QFileInfo(target).absolutePath()).entryList({"codes.pdf*"}, QDir::Files).size(),
              QFileInfo(target).fileName() == "codes.pdf" ? 1 : 0);
}

// The preview of the same grid on the desk without printer, saved for a look at
// /tmp/zelgrid-preview.png (full page) and /tmp/zelgrid-preview-fullview.png.
TEST(GridPdf, PreviewFormScreenshot)
{
    QTemporaryDir dir;
    QImage logo(64, 40, QImage::Format_RGB888);
    logo.fill(QColor(30, 90, 160));
    const QString logoFile = dir.filePath("logo.bmp");
    ASSERT_TRUE(logo.save(logoFile));
    TzelGrid grid;
    FillResults26(grid);
    grid.PrintOptions().SetPageTitle("Wiegand 26-bit codes - north gate");
    grid.PrintOptions().SetLogo(logoFile);
    grid.PrintOptions().SetBorderStyle(TPrintBorderStyle::bsSingle);
    grid.PrintOptions().SetMarginLeft(20);
    const TPageGeometry paper = DefaultPageGeometry();
    TScopedRecordingPrinter desk(QSize(paper.Width, paper.Height), 600, 600, 1);
    desk.SetPrinters({});
    TzelGridPreviewF form;
    form.SetGrid(&grid);
    grid.PreviewBitmap = form.PrintImage();
    form.resize(1000, 720);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.PrintImage()->width(), qRound(paper.Width * 96.0 / paper.PixelsPerInchX)); // the paper at screen size
    ASSERT_TRUE(form.grab().save("/tmp/zelgrid-preview.png"));
    QTest::mouseClick(form.btnFullView, Qt::LeftButton);
    ASSERT_TRUE(form.grab().save("/tmp/zelgrid-preview-fullview.png"));
    grid.PreviewBitmap = nullptr;
}
