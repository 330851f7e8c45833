#include "QtTestSupport.h"
#include "Dialogs.h"
#include "RecordingPrinter.h"
#include "zelGrid.h"
#include "zelGridPreview.h"
#include "zelGridPrint.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolButton>
#include <QListWidget>
#include <QSpinBox>
#include <QFile>
#include <QTemporaryDir>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct TPageEvent {
    int Page;
    QString Text;
    bool Drawn;
};

// A grid of `rows` x `cols` with text in every cell and the page events recorded.
struct TPrintFixture {
    TzelGrid grid;
    QList<TPageEvent> pages;

    TPrintFixture(int cols, int rows, int fixedCols = 1)
    {
        grid.SetColCount(cols);
        grid.SetRowCount(rows);
        grid.SetFixedCols(fixedCols);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                grid.SetCells(c, r, QStringLiteral("R%1C%2").arg(r).arg(c));
        grid.OnPrintPage = [this](QObject*, int page, const QString& text, bool drawn) {
            pages.append({page, text, drawn});
        };
    }
    QStringList Texts() const
    {
        QStringList texts;
        for (const TPageEvent& p : pages)
            texts.append(p.Text);
        return texts;
    }
};

} // namespace

TEST(GridPrint, PageTextsAndFooterParts)
{
    EXPECT_EQ(PrintPageText(2, 1, false), "Page 2");
    EXPECT_EQ(PrintPageText(2, 3, true), "Page 2-3");
    const QDateTime when(QDate(2026, 3, 7), QTime(9, 5, 30));
    EXPECT_EQ(PrintFooterParts("date|time|page", "yyyy-mm-dd", "hh:nn", when, "Page 1"),
              QStringList({"2026-03-07", "09:05", "Page 1"}));
    // Only the first occurrence of each word is replaced; parts beyond three are dropped.
    EXPECT_EQ(PrintFooterParts("page page|x|y|z", "d", "h", when, "Page 4"), QStringList({"Page 4 page", "x", "y"}));
    EXPECT_EQ(PrintFooterParts("Printed date time", "d.m.yy", "h:mm", when, "P"),
              QStringList({"Printed 7.3.26 9:05", "", ""}));
    EXPECT_EQ(PrintFooterParts("", "d", "h", when, "P"), QStringList({"", "", ""}));
}

TEST(GridPrint, ColumnBandsAndPageTexts)
{
    TScopedRecordingPrinter printer; // A4 at 96 dpi: 794 dots wide
    {
        // Columns that fit one page: one band, no band numbers.
        TPrintFixture f(4, 120);
        f.grid.PrintGrid();
        const int pages = f.pages.size();
        ASSERT_GE(pages, 2);
        EXPECT_EQ(f.Texts().mid(0, 2), QStringList({"Page 1", "Page 2"}));
        EXPECT_EQ(printer.Pages().size(), pages);
        EXPECT_EQ(printer.Calls.count("NewPage"), pages - 1);
        EXPECT_EQ(f.grid.PageCount(), pages);
    }
    {
        // 1 + 12 columns of 100 dots: 7 fit a page, so two bands.
        TPrintFixture f(13, 10);
        f.grid.SetDefaultColWidth(100);
        f.pages.clear();
        EXPECT_EQ(f.grid.PageCount(), 2);
        EXPECT_EQ(f.Texts(), QStringList({"Page 1-1", "Page 1-2"}));
        f.grid.SetRowCount(120);
        f.pages.clear();
        const int pages = f.grid.PageCount();
        QStringList second;
        for (const TPageEvent& p : f.pages)
            if (p.Text.endsWith("-2"))
                second.append(p.Text);
        ASSERT_GE(second.size(), 2);
        EXPECT_EQ(second.mid(0, 2), QStringList({"Page 1-2", "Page 2-2"}));
        EXPECT_EQ(pages % 2, 0);
    }
    {
        // A column wider than the whole page forms a band of its own.
        TPrintFixture f(4, 5);
        f.grid.SetColWidths(2, 2000);
        EXPECT_EQ(f.grid.PageCount(), 3);
        EXPECT_EQ(f.Texts(), QStringList({"Page 1-1", "Page 1-2", "Page 1-3"}));
    }
}

TEST(GridPrint, HiddenRowsTakeNoSpaceAndPrintingShowsThem)
{
    TScopedRecordingPrinter printer;
    TPrintFixture f(3, 200);
    const int all = f.grid.PageCount();
    for (int r = 1; r < 200; r += 2)
        f.grid.HideRow(r);
    const int half = f.grid.PageCount();
    EXPECT_LT(half, all);
    EXPECT_GE(half, all / 2 - 1);
    f.grid.PrintGrid();
    EXPECT_GT(f.grid.RowHeights(1), 0);
    EXPECT_EQ(printer.Pages().size(), all);
}

TEST(GridPrint, FooterPlacementAndTitle)
{
    TScopedRecordingPrinter printer;
    TPrintFixture f(3, 3);
    f.grid.PrintOptions().SetPageTitle("Plate codes of the north gate");
    f.grid.PrintOptions().SetMarginBottom(20);
    f.grid.PrintGrid();
    ASSERT_EQ(printer.Pages().size(), 1);
    QImage page = printer.Pages().first();
    const int w = page.width(), h = page.height();
    const QRect footerBand(0, h - 60, w, 60);
    EXPECT_TRUE(HasInk(page, QRect(0, footerBand.top(), w / 3, 60)));
    EXPECT_TRUE(HasInk(page, QRect(w / 3, footerBand.top(), w / 3, 60)));
    EXPECT_TRUE(HasInk(page, QRect(2 * w / 3, footerBand.top(), w / 3, 60)));
    // The title is centred: as much ink left of the middle as right of it.
    int left = w, right = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < w; ++x)
            if (qGray(page.pixel(x, y)) < 160) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_NEAR((left + right) / 2, w / 2, 4);

    // A template without "|" prints only a left part.
    f.grid.PrintOptions().SetPageFooter("page");
    f.grid.PrintGrid();
    page = printer.Pages().first();
    EXPECT_TRUE(HasInk(page, QRect(0, footerBand.top(), w / 3, 60)));
    EXPECT_FALSE(HasInk(page, QRect(w / 3, footerBand.top(), 2 * w / 3, 60)));
}

TEST(GridPrint, LayoutIsTheSameAtEveryPrinterResolution)
{
    TPrintFixture f(5, 300);
    f.grid.PrintOptions().SetPageTitle("Title");
    f.grid.PrintOptions().SetMarginTop(30);
    f.grid.PrintOptions().SetMarginBottom(30);
    int pages96 = 0;
    {
        TScopedRecordingPrinter printer;
        pages96 = f.grid.PageCount();
    }
    const QSize a4at600 = TRecordingPrinter::PaperDots(QPageSize(QPageSize::A4), 600, 600);
    TScopedRecordingPrinter fine(a4at600, 600, 600, 96);
    EXPECT_EQ(f.grid.PageCount(), pages96);
    f.grid.PrintGrid();
    ASSERT_EQ(fine.Pages().size(), pages96);
    // The footer stays at the bottom and the title centred at 600 dpi.
    const QImage page = fine.Pages().first();
    EXPECT_TRUE(HasInk(page, QRect(0, page.height() - 60, page.width(), 60)));
    int left = page.width(), right = 0;
    for (int y = 30; y < 50; ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 160) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_NEAR((left + right) / 2, page.width() / 2, 4);
}

TEST(GridPrint, PreviewDrawsOnlyTheChosenPage)
{
    TScopedRecordingPrinter printer;
    TPrintFixture f(3, 200);
    ASSERT_GE(f.grid.PageCount(), 5);
    f.pages.clear();
    QImage bitmap;
    f.grid.PrintOptions().SetPreviewPage(3);
    f.grid.RenderPreviewPage(&bitmap);
    ASSERT_EQ(f.pages.size(), 3);
    EXPECT_FALSE(f.pages[0].Drawn);
    EXPECT_FALSE(f.pages[1].Drawn);
    EXPECT_TRUE(f.pages[2].Drawn);
    EXPECT_EQ(bitmap.size(), QSize(printer.PageWidth(), printer.PageHeight()));
    EXPECT_TRUE(printer.Calls.filter("Doc").isEmpty());

    // The preview of a page equals the printed page at the same resolution.
    f.grid.PrintGrid();
    const QImage printed = printer.Pages()[2].convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(printed, bitmap.convertToFormat(QImage::Format_RGB32));

    // Any printer previews its paper scaled exactly to the screen's 96 pixels an inch.
    const QSize a4at600 = TRecordingPrinter::PaperDots(QPageSize(QPageSize::A4), 600, 600);
    {
        TScopedRecordingPrinter fine(a4at600, 600, 600, 1);
        f.grid.RenderPreviewPage(&bitmap);
        EXPECT_EQ(bitmap.size(), QSize(qRound(a4at600.width() * 0.16), qRound(a4at600.height() * 0.16)));
    }
    {
        TScopedRecordingPrinter coarse(QSize(595, 842), 72, 72);
        f.grid.RenderPreviewPage(&bitmap);
        EXPECT_EQ(bitmap.size(), QSize(793, 1123));
    }
}

TEST(GridPrint, RowRangesNoPrinterAndOddGrids)
{
    {
        // ToRow 0 prints the data rows, just as the preview shows them.
        TScopedRecordingPrinter printer;
        TPrintFixture f(3, 100);
        f.grid.PrintGrid();
        const int pages = printer.Pages().size();
        EXPECT_EQ(pages, f.grid.PageCount());
        for (int p = 1; p <= pages; ++p) {
            QImage preview;
            f.grid.PrintOptions().SetPreviewPage(unsigned(p));
            f.grid.RenderPreviewPage(&preview);
            EXPECT_EQ(printer.Pages()[p - 1].convertToFormat(QImage::Format_RGB32),
                      preview.convertToFormat(QImage::Format_RGB32))
                << "page " << p;
        }
        // A ToRow past the last row is clamped; a reversed range prints nothing.
        f.grid.PrintOptions().SetFromRow(1);
        f.grid.PrintOptions().SetToRow(5000);
        f.grid.PrintGrid();
        EXPECT_EQ(printer.Pages().size(), pages);
        printer.Calls.clear();
        f.grid.PrintOptions().SetFromRow(50);
        f.grid.PrintOptions().SetToRow(10);
        f.grid.PrintGrid();
        EXPECT_TRUE(printer.Calls.isEmpty());
    }
    {
        // Without a printer: the error box, nothing printed, hidden rows shown again.
        TScopedRecordingPrinter printer;
        printer.SetPrinters({});
        TScopedRecordingDialogs dialogs;
        TPrintFixture f(3, 10);
        f.grid.HideRow(4);
        f.grid.PrintGrid();
        EXPECT_EQ(dialogs.messages, QStringList({"No Printer is installed"}));
        ASSERT_EQ(dialogs.types.size(), 1u);
        EXPECT_EQ(dialogs.types[0], TMsgDlgType::mtError);
        EXPECT_TRUE(printer.Calls.filter("Doc").isEmpty());
        EXPECT_GT(f.grid.RowHeights(4), 0);
    }
    {
        // A grid of one column has it unfixed, so it prints.
        TScopedRecordingPrinter printer;
        TPrintFixture f(1, 10);
        EXPECT_EQ(f.grid.FixedCols(), 0);
        EXPECT_EQ(f.grid.PageCount(), 1);
    }
    {
        // A row taller than a page, and margins leaving no room, still end.
        TScopedRecordingPrinter printer;
        TPrintFixture f(3, 6);
        f.grid.SetRowHeights(3, 5000);
        EXPECT_EQ(f.grid.PageCount(), 3); // rows 1-2, row 3 alone, rows 4-5
        f.grid.SetRowHeights(3, 20);
        f.grid.PrintOptions().SetMarginTop(2000);
        EXPECT_EQ(f.grid.PageCount(), 5);
        f.grid.PrintGrid();
        EXPECT_EQ(printer.Pages().size(), 5);
    }
    {
        // The results grids have no fixed column: their first column prints.
        TScopedRecordingPrinter printer;
        TPrintFixture f(2, 3, 0);
        f.grid.SetColWidths(1, 0); // only column 0 has a width
        f.grid.PrintGrid();
        ASSERT_EQ(printer.Pages().size(), 1);
        const int rowTop = f.grid.RowHeights(0) + QFontMetrics(QFont("Arial")).height();
        EXPECT_TRUE(HasInk(printer.Pages().first(), QRect(0, rowTop, f.grid.ColWidths(0), 60)));
    }
    {
        // A missing logo prints as if there were none.
        TScopedRecordingPrinter printer;
        TPrintFixture f(3, 5);
        f.grid.PrintGrid();
        f.grid.PrintOptions().SetLogo("/nonexistent/logo.bmp");
        f.grid.PrintGrid();
        ASSERT_EQ(printer.Documents.size(), 2);
        EXPECT_EQ(printer.Documents[0].Pages.first(), printer.Documents[1].Pages.first());
    }
}

TEST(GridPreviewForm, ControlsFollowAndChangeTheOptions)
{
    TScopedRecordingPrinter printer;
    TPrintFixture f(3, 200);
    f.grid.PrintOptions().SetPageTitle("North gate");
    f.grid.PrintOptions().SetMarginTop(12);
    TzelGridPreviewF form;
    form.SetGrid(&f.grid);
    f.grid.PreviewBitmap = form.PrintImage();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.windowTitle(), "Preview");
    EXPECT_EQ(form.EditHeader->text(), "North gate");
    EXPECT_EQ(form.EditMargin->value(), 12);
    const int pages = f.grid.PageCount();
    EXPECT_EQ(form.EditPage->maximum(), pages);
    EXPECT_EQ(form.lblpages->text(), QString("of %1").arg(pages));
    EXPECT_EQ(f.grid.PrintOptions().PreviewPage(), 1u);
    EXPECT_EQ(form.PreviewImage->size(), form.PrintImage()->size());

    // Editing the header text stores into the selected option.
    form.ListHeaders->setCurrentRow(1);
    EXPECT_EQ(form.EditHeader->text(), "date|time|page");
    form.EditHeader->selectAll();
    QTest::keyClicks(form.EditHeader, "page");
    EXPECT_EQ(f.grid.PrintOptions().PageFooter(), "page");

    // The sizes have their own range.
    form.Margins->setCurrentRow(6);
    EXPECT_EQ(form.EditMargin->minimum(), 6);
    EXPECT_EQ(form.EditMargin->value(), 10);
    form.EditMargin->setValue(14);
    EXPECT_EQ(f.grid.PrintOptions().HeaderSize(), 14u);
    form.Margins->setCurrentRow(2);
    EXPECT_EQ(form.EditMargin->minimum(), 0);
    EXPECT_EQ(f.grid.PrintOptions().HeaderSize(), 14u);

    QTest::mouseClick(form.chkBorders, Qt::LeftButton, {}, QPoint(6, form.chkBorders->height() / 2));
    EXPECT_EQ(f.grid.PrintOptions().BorderStyle(), TPrintBorderStyle::bsSingle);
    form.EditPage->setValue(2);
    EXPECT_EQ(f.grid.PrintOptions().PreviewPage(), 2u);

    // Printer setup takes the printer's orientation.
    TScopedRecordingDialogs dialogs;
    dialogs.printerSetupAnswers.push_back(
        TRecordingDialogs::TPrinterSetupAnswer{QString(), TPrinterOrientation::poLandscape});
    QTest::mouseClick(form.btnSetup, Qt::LeftButton);
    EXPECT_EQ(dialogs.printerSetups, 1);
    EXPECT_EQ(f.grid.PrintOptions().Orientation(), TPrintOrientation::poLandscape);
    EXPECT_GT(form.PrintImage()->width(), form.PrintImage()->height());

    // Without Live the page waits for Show.
    QTest::mouseClick(form.chkLive, Qt::LeftButton, {}, QPoint(6, form.chkLive->height() / 2));
    ASSERT_FALSE(form.chkLive->isChecked());
    f.grid.PrintOptions().SetOrientation(TPrintOrientation::poPortrait);
    form.EditPage->setValue(1);
    EXPECT_GT(form.PrintImage()->width(), form.PrintImage()->height());
    QTest::mouseClick(form.btnShow, Qt::LeftButton);
    EXPECT_LT(form.PrintImage()->width(), form.PrintImage()->height());
    // Print prints every data row.
    QTest::mouseClick(form.btnPrint, Qt::LeftButton);
    EXPECT_EQ(printer.Pages().size(), f.grid.PageCount());
    f.grid.PrintOptions().SetOrientation(TPrintOrientation::poLandscape);

    // Picture puts the chosen file into the Logo option.
    dialogs.fileAnswers.push_back(QString("/tmp/logo.bmp"));
    QTest::mouseClick(form.btnPicture, Qt::LeftButton);
    EXPECT_EQ(form.ListHeaders->currentRow(), 4);
    EXPECT_EQ(form.EditHeader->text(), "/tmp/logo.bmp");
    EXPECT_EQ(f.grid.PrintOptions().Logo(), "/tmp/logo.bmp");
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs[0].options.Filter, "Bitmap Files|*.bmp");
}

// After each change that can move the page breaks the preview counts its pages
// again, and the page field stays within them.
TEST(GridPreviewForm, PageCountFollowsEveryChangeThatMovesPageBreaks)
{
    TScopedRecordingPrinter printer;
    TScopedRecordingDialogs dialogs;
    TPrintFixture f(3, 306);
    TzelGridPreviewF form;
    form.SetGrid(&f.grid);
    f.grid.PreviewBitmap = form.PrintImage();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const auto shown = [&] {
        const int pages = f.grid.PageCount();
        EXPECT_EQ(form.lblpages->text(), QString("of %1").arg(pages));
        EXPECT_EQ(form.EditPage->maximum(), pages);
        return pages;
    };
    const auto setup = [&](TPrinterOrientation orientation) {
        dialogs.printerSetupAnswers.push_back(TRecordingDialogs::TPrinterSetupAnswer{QString(), orientation});
        QTest::mouseClick(form.btnSetup, Qt::LeftButton);
    };
    const int portrait = shown();
    setup(TPrinterOrientation::poLandscape);
    const int landscape = shown();
    EXPECT_GT(landscape, portrait);
    form.EditPage->setValue(landscape);
    setup(TPrinterOrientation::poPortrait);
    EXPECT_EQ(shown(), portrait);
    // The last page is shown, not an empty one beyond it.
    EXPECT_EQ(form.EditPage->value(), portrait);
    EXPECT_EQ(f.grid.PrintOptions().PreviewPage(), unsigned(portrait));
    EXPECT_TRUE(HasInk(*form.PrintImage(), form.PrintImage()->rect()));

    // Margins, sizes, the footer and the logo.
    int pages = portrait;
    const auto grew = [&] {
        const int now = shown();
        EXPECT_GT(now, pages);
        pages = now;
    };
    form.Margins->setCurrentRow(0);
    form.EditMargin->setValue(300);
    grew();
    form.Margins->setCurrentRow(6);
    form.EditMargin->setValue(72);
    grew();
    form.ListHeaders->setCurrentRow(1);
    form.EditHeader->selectAll();
    QTest::keyClick(form.EditHeader, Qt::Key_Backspace);
    EXPECT_EQ(f.grid.PrintOptions().PageFooter(), "");
    shown();
    QTemporaryDir dir;
    QImage logo(40, 600, QImage::Format_RGB888);
    logo.fill(Qt::darkBlue);
    ASSERT_TRUE(logo.save(dir.filePath("tall.bmp")));
    dialogs.fileAnswers.push_back(dir.filePath("tall.bmp"));
    pages = shown();
    QTest::mouseClick(form.btnPicture, Qt::LeftButton);
    grew();
    f.grid.PreviewBitmap = nullptr;
}

TEST(GridPreviewForm, ZoomByClickGrowsByAQuarterThenShowsFullSize)
{
    TScopedRecordingPrinter printer;
    TPrintFixture f(3, 20);
    TzelGridPreviewF form;
    form.SetGrid(&f.grid);
    form.resize(500, 400);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const int full = form.PrintImage()->width();
    QTest::mouseClick(form.btnFullView, Qt::LeftButton);
    int shown = form.PreviewImage->width();
    EXPECT_EQ(shown, form.ScrollBox1->viewport()->width());
    EXPECT_LT(shown, full);
    QList<int> widths{shown};
    while (widths.size() < 20) {
        QTest::mouseClick(form.PreviewImage, Qt::LeftButton, {}, QPoint(5, 5));
        const int next = form.PreviewImage->width();
        widths.append(next);
        if (next == full)
            break;
        EXPECT_EQ(next, qRound(1.25 * shown));
        EXPECT_NEAR(form.PreviewImage->height(), next * form.PrintImage()->height() / full, 1);
        shown = next;
    }
    ASSERT_EQ(widths.last(), full);
    EXPECT_GT(widths[widths.size() - 2], qRound(0.8 * full));
}

TEST(GridPrint, JobSettingsAndCellTexts)
{
    TScopedRecordingPrinter printer;
    TPrintFixture f(3, 4);
    f.grid.SetColWidths(1, 200);
    f.grid.SetCells(1, 1, "1234.5");
    f.grid.SetCells(1, 2, "plate");
    f.grid.SetCells(1, 3, "=2*3");
    f.grid.SetNumbersalRight(true);
    f.grid.SetShowValues(true);
    f.grid.SetNumberFormat("0.00");
    f.grid.Recalculate();
    TPrintOptions& o = f.grid.PrintOptions();
    o.SetJobTitle("Codes");
    o.SetCopies(3);
    o.SetOrientation(TPrintOrientation::poLandscape);
    o.SetPageFooter("");
    f.grid.PrintGrid();
    ASSERT_EQ(printer.Documents.size(), 1);
    EXPECT_EQ(printer.Documents[0].Title, "Codes");
    EXPECT_EQ(printer.Documents[0].Copies, 3);
    EXPECT_TRUE(printer.Documents[0].Ended);
    EXPECT_TRUE(printer.Calls.contains("Orientation Landscape"));
    const QImage page = printer.Pages().first();
    EXPECT_GT(page.width(), page.height());

    // The band starts with column 1 at the left margin. Numbers and formula values
    // sit at the right of the cell, other texts at the left.
    const int titleHeight = QFontMetrics([] {
                                QFont font("Arial");
                                font.setPixelSize(13);
                                return font;
                            }()).height();
    auto rowArea = [&](int row, bool right) {
        const int top = titleHeight + f.grid.RowHeights(0) + (row - 1) * f.grid.RowHeights(1);
        return QRect(right ? 120 : 0, top + 2, 80, f.grid.RowHeights(row) - 4);
    };
    for (int row = 1; row <= 3; ++row) {
        const bool number = row != 2;
        EXPECT_EQ(HasInk(page, rowArea(row, true)), number) << "row " << row;
        EXPECT_EQ(HasInk(page, rowArea(row, false)), !number) << "row " << row;
    }
}

TEST(GridPrint, ShowPrintPreviewRunsTheFormModally)
{
    TScopedRecordingPrinter printer;
    TPrintFixture f(3, 100);
    f.grid.PrintOptions().SetPreviewPage(7);
    QSize shown;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TzelGridPreviewF*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        ASSERT_EQ(f.grid.PreviewBitmap, form->PrintImage());
        shown = form->PreviewImage->size();
        form->reject();
    });
    f.grid.ShowPrintPreview();
    EXPECT_EQ(f.grid.PrintOptions().PreviewPage(), 1u);
    EXPECT_EQ(shown, QSize(printer.PageWidth(), printer.PageHeight()));
    EXPECT_EQ(f.grid.PreviewBitmap, nullptr);
}

TEST(GridPrint, WordWrapAndUnreadableLogo)
{
    TScopedRecordingPrinter printer;
    TPrintFixture f(2, 2);
    f.grid.PrintOptions().SetPageFooter("");
    f.grid.SetColWidths(1, 70);
    f.grid.SetRowHeights(1, 90);
    f.grid.SetCells(1, 1, "alpha beta gamma delta");
    // Word wrap puts the text on two lines: its ink is twice as tall.
    auto inkLines = [](const QImage& page) {
        int lines = 0;
        for (int y = 40; y < 130; ++y)
            lines += HasInk(page, QRect(0, y, 70, 1), 160) ? 1 : 0;
        return lines;
    };
    f.grid.PrintGrid();
    const int single = inkLines(printer.Pages().first());
    f.grid.SetWordWrap(true);
    f.grid.PrintGrid();
    EXPECT_GT(single, 5);
    EXPECT_GT(inkLines(printer.Pages().first()), 2 * single - 2);

    // A logo file that is no picture prints as if there were none.
    QTemporaryDir dir;
    QFile junk(dir.filePath("logo.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a bitmap");
    junk.close();
    const QImage without = printer.Pages().first();
    f.grid.PrintOptions().SetLogo(junk.fileName());
    f.grid.PrintGrid();
    EXPECT_EQ(printer.Pages().first(), without);
}
