// The windows as the desktop's colours and font size make them, judged from
// screenshots: under a dark palette every text keeps a contrast of 4.5 or more,
// and with a 14-point desktop font no text is cut.
#include "MainWindowHarness.h"

#include "CollidingPlates.h"
#include "CollisionView.h"
#include "FormLook.h"
#include "Graphics.h"
#include "UDecode.h"
#include "zelGridFormule.h"
#include "zelGridPreview.h"
#include "zelGridQuery.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>

#include <memory>

namespace {

// A dark desktop palette such as dark themes give.
QPalette DarkPalette()
{
    QPalette p;
    const QColor window(0x35, 0x35, 0x35), base(0x2a, 0x2a, 0x2a), text(0xee, 0xee, 0xee);
    for (const auto& [role, color] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, window}, {QPalette::WindowText, text}, {QPalette::Base, base},
             {QPalette::AlternateBase, window}, {QPalette::Text, text}, {QPalette::Button, window},
             {QPalette::ButtonText, text}, {QPalette::Highlight, QColor(0x2a, 0x82, 0xda)},
             {QPalette::HighlightedText, Qt::black}, {QPalette::ToolTipBase, base}, {QPalette::ToolTipText, text},
             {QPalette::PlaceholderText, QColor(0xa0, 0xa0, 0xa0)}, {QPalette::Light, QColor(0x50, 0x50, 0x50)},
             {QPalette::Midlight, QColor(0x45, 0x45, 0x45)}, {QPalette::Mid, QColor(0x60, 0x60, 0x60)},
             {QPalette::Dark, QColor(0x20, 0x20, 0x20)}, {QPalette::Shadow, Qt::black}})
        p.setColor(role, color);
    return p;
}

// The contrast of the text in an area of a picture: its most common colour is
// the background, and the pixel farthest from it the text's colour. 0 when the
// area holds no text at all.
double TextContrast(const QImage& picture, const QRect& area)
{
    QHash<QRgb, int> counts;
    const QRect inside = area.intersected(picture.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[picture.pixel(x, y)];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            most = it.value(), background = it.key();
    double contrast = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        contrast = std::max(contrast, ContrastRatio(QColor(it.key()), QColor(background)));
    return counts.size() > 1 ? contrast : 0;
}

// Every text the widget shows on the screenshot of its window reads.
void ExpectReadable(const QImage& shot, const QWidget* window, const QWidget* widget, const QRect& area,
                    const std::string& what)
{
    const QRect onShot(widget->mapTo(window, area.topLeft()), area.size());
    const double contrast = TextContrast(shot, onShot);
    EXPECT_GE(contrast, 4.5) << what;
}

void ExpectListReadable(const QImage& shot, const QWidget* window, const QListWidget* list, const std::string& what)
{
    ASSERT_GT(list->count(), 0) << what;
    for (int i = 0; i < list->count(); ++i) {
        const QRect item = list->visualItemRect(list->item(i));
        if (!item.isEmpty() && list->viewport()->rect().contains(item))
            ExpectReadable(shot, window, list->viewport(), item, what + " " + list->item(i)->text().toStdString());
    }
}

// A text fits the width it is given with the font it is drawn in.
void ExpectFits(const QFont& font, const QString& text, int width, const std::string& what)
{
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(text), width) << what << ": " << text.toStdString();
}

class DesktopLookTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        palette_ = QApplication::palette();
        font_ = QApplication::font();
    }
    void TearDown() override
    {
        form.reset();
        QApplication::setPalette(palette_);
        QApplication::setFont(font_);
    }

    // The plates that share a code (orange code cells and status bar), and one more.
    void TypeSharedPlates()
    {
        const auto groups = FindColliding26(1, 2);
        for (const std::string& plate : groups.front())
            TypePlate(plate);
        TypePlate("HK 55 EVB");
    }

    QPalette palette_;
    QFont font_;
};

} // namespace

TEST_F(DesktopLookTest, UnderADarkPaletteEveryTextReads)
{
    QApplication::setPalette(DarkPalette());
    Open();
    TypeSharedPlates();
    TzelGrid* grid = form->SG1;
    grid->SetBandsShow(true); // the fixed pale band colour, as a grid may show it
    grid->setFocus();
    QApplication::processEvents();

    const QImage shot = form->grab().toImage();
    // Every cell with text, header, bands, selection and the shared-code orange.
    for (int row = 0; row < grid->RowCount(); ++row)
        for (int col = 0; col < grid->ColCount(); ++col) {
            const QRect cell = grid->CellRect(col, row);
            if (!cell.isEmpty() && !grid->Cells(col, row).isEmpty())
                ExpectReadable(shot, form.get(), grid->viewport(), cell.adjusted(3, 3, -3, -3),
                               "cell " + std::to_string(col) + "," + std::to_string(row));
        }
    ExpectReadable(shot, form.get(), form->Collisions->StatusLabel(), form->Collisions->StatusLabel()->rect(), "status");
    ExpectReadable(shot, form.get(), form->btnCalc1, form->btnCalc1->rect().adjusted(6, 4, -6, -4), "Calc");
    const QTabBar* tabs = form->PageControl1->tabBar();
    for (int i = 0; i < 2; ++i)
        ExpectReadable(shot, form.get(), tabs, tabs->tabRect(i).adjusted(4, 4, -4, -4), "tab");
    form->EditPlate->clearFocus();
    ExpectReadable(form->EditPlate->grab().toImage(), form->EditPlate, form->EditPlate,
                   form->EditPlate->rect().adjusted(2, 2, -2, -2), "placeholder");

    // The dialogs' lists on their fixed pastel colours, and the decoder's warning.
    TzelGridQueryF* query = TzelGridQueryF::Create();
    query->SetFields(grid->ColumnHeaders().ToStringList());
    query->show();
    const QImage queryShot = query->grab().toImage();
    ExpectListReadable(queryShot, query, query->ListFields, "query field");
    ExpectListReadable(queryShot, query, query->ListOps, "query operator");
    query->close();

    TzelGridFormuleF& formula = TzelGridFormuleF::Obtain();
    formula.show();
    ExpectListReadable(formula.grab().toImage(), &formula, formula.ops, "formula item");
    formula.close();

    TzelGridPreviewF preview;
    preview.SetGrid(grid);
    preview.show();
    const QImage previewShot = preview.grab().toImage();
    ExpectListReadable(previewShot, &preview, preview.ListHeaders, "preview option");
    ExpectListReadable(previewShot, &preview, preview.Margins, "preview margin");

    form->mnuToolsDecode->trigger();
    ASSERT_NE(form->FormDecode, nullptr);
    form->FormDecode->EditCode->setText("0x3019E2B"); // a wrong parity bit
    QApplication::processEvents();
    const QImage decodeShot = form->FormDecode->grab().toImage();
    for (QLabel* value : form->FormDecode->Values)
        if (value->isVisible() && !value->text().isEmpty())
            ExpectReadable(decodeShot, form->FormDecode, value, value->rect(), "decoded " + value->text().toStdString());
}

TEST_F(DesktopLookTest, WithAFourteenPointDesktopFontNothingIsCut)
{
    QFont large = QApplication::font();
    large.setPointSize(14);
    QApplication::setFont(large);
    Open();
    TypeSharedPlates();

    // The window's fields, labels and buttons hold their texts.
    EXPECT_GE(form->EditPlate->height(), form->EditPlate->fontMetrics().height() + 4);
    EXPECT_GE(form->btnCalc1->width(), form->btnCalc1->sizeHint().width());
    EXPECT_GE(form->btnCalc1->height(), form->btnCalc1->fontMetrics().height() + 4);
    const QTabBar* tabs = form->PageControl1->tabBar();
    for (int i = 0; i < 2; ++i)
        ExpectFits(tabs->font(), tabs->tabText(i), tabs->tabRect(i).width() - 8, "tab");
    // The grids' rows, headers and cells, at the font they are painted in.
    for (TzelGrid* grid : {form->SG1, form->SG2}) {
        EXPECT_GE(grid->DefaultRowHeight(), grid->TextMarginY + QFontMetrics(grid->Font()).height());
        for (int col = 0; col < grid->ColCount(); ++col)
            if (grid->ColWidths(col) > 0)
                for (int row = 0; row < grid->RowCount(); ++row)
                    ExpectFits(grid->Font(), grid->Cells(col, row), grid->ColWidths(col) - grid->TextMarginX, "cell");
    }

    // The query builder's lists, the formula editor's items, the preview's options.
    TzelGridQueryF* query = TzelGridQueryF::Create();
    query->SetFields(form->SG1->ColumnHeaders().ToStringList());
    query->show();
    for (const QListWidget* list : {query->ListFields, query->ListOps})
        for (int i = 0; i < list->count(); ++i)
            ExpectFits(list->font(), list->item(i)->text(), list->viewport()->width() - 4, "query list");
    EXPECT_GE(query->width(), query->sizeHint().width());
    EXPECT_GE(query->height(), query->sizeHint().height());
    query->close();

    delete TzelGridFormuleF::Instance(); // made anew, as a program starting with this font makes it
    TzelGridFormuleF& formula = TzelGridFormuleF::Obtain();
    for (int i = 0; i < formula.ops->count(); ++i)
        ExpectFits(formula.ops->font(), formula.ops->item(i)->text(), formula.ops->gridSize().width() - 4, "formula item");
    EXPECT_GE(formula.ops->gridSize().height(), QFontMetrics(formula.ops->font()).height());
    EXPECT_GE(formula.ops->font().pointSizeF(), 14 * 0.8); // not shrunk to fit

    TzelGridPreviewF preview;
    preview.SetGrid(form->SG1);
    preview.show();
    for (const QListWidget* list : {preview.ListHeaders, preview.Margins})
        for (int i = 0; i < list->count(); ++i)
            ExpectFits(list->font(), list->item(i)->text(), list->viewport()->width() - 4, "preview list");
}
