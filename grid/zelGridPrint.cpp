// Printing the grid: one layout pass that prints every page, draws one page for
// the preview or only counts pages, so that the three always agree. Positions
// and text extents are worked out in screen pixels and scaled to the printer's
// dots, which keeps the page looking the same at any printer resolution. Where a
// row or a column band ends a page is always decided in the printer's dots; the
// preview draws the same page at screen size, the paper scaled exactly to the
// screen's resolution, so it breaks pages at the printout's rows.
#include "zelGrid.h"
#include "zelGridPreview.h"
#include "zelGridPrint.h"

#include "Canvas.h"
#include "CellConvert.h"
#include "DateTimeFormat.h"
#include "Dialogs.h"
#include "FormLook.h"
#include "Format.h"
#include "Printer.h"
#include "ResampleBitmap.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <QTabWidget>
#include <algorithm>

QString PrintPageText(int pageInBand, int band, bool showBand)
{
    QString text = QCoreApplication::translate("TzelGrid", "Page %1").arg(pageInBand);
    if (showBand)
        text += QLatin1Char('-') + QString::number(band);
    return text;
}

QStringList PrintFooterParts(const QString& footer, const QString& dateFormat, const QString& timeFormat,
                             const QDateTime& now, const QString& pageText)
{
    QStringList parts = footer.split(QLatin1Char('|'));
    while (parts.size() < 3)
        parts.append(QString());
    parts = parts.mid(0, 3);
    auto replaceFirst = [](QString& text, const QString& word, const QString& by) {
        const int at = text.indexOf(word);
        if (at >= 0)
            text.replace(at, word.size(), by);
    };
    for (QString& part : parts) {
        replaceFirst(part, QStringLiteral("date"), FormatDateTime(dateFormat, now));
        replaceFirst(part, QStringLiteral("time"), FormatDateTime(timeFormat, now));
        replaceFirst(part, QStringLiteral("page"), pageText);
    }
    return parts;
}

namespace {

// Rounds num / den to the nearest whole number, ties to even.
int RoundDiv(long long num, long long den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    long long q = num / den;
    long long r = num % den;
    if (r < 0) {
        --q;
        r += den;
    }
    if (2 * r > den || (2 * r == den && (q & 1)))
        ++q;
    return int(q);
}

TPrinterOrientation ToPrinterOrientation(TPrintOrientation o)
{
    return o == TPrintOrientation::poLandscape ? TPrinterOrientation::poLandscape : TPrinterOrientation::poPortrait;
}

// One layout pass over the grid's rows and column bands.
class TGridPageRenderer {
public:
    TGridPageRenderer(TzelGrid& grid, TPrinter& printer, QPainter* canvas, TRenderMode mode)
        : grid_(grid), options_(grid.PrintOptions()), printer_(printer), canvas_(canvas), mode_(mode)
    {
    }

    void Run(int toRow, int fromRow);

private:
    // Screen pixels to the printer's dots, for the layout.
    int ScaleX(int v) const { return RoundDiv(1LL * v * dpiX_, screen_); }
    int ScaleY(int v) const { return RoundDiv(1LL * v * dpiY_, screen_); }
    // Screen pixels to the units the page is drawn in: the printer's dots, or
    // screen pixels themselves in the preview.
    bool DrawsOnScreen() const { return mode_ == TRenderMode::rmPreview; }
    int DrawX(int v) const { return DrawsOnScreen() ? v : ScaleX(v); }
    int DrawY(int v) const { return DrawsOnScreen() ? v : ScaleY(v); }
    // Moves the current position down by v screen pixels, in both units.
    void Advance(int v);

    void TakePage();
    void LoadLogo();
    // The grid's font at a point size, in screen pixels; measured as it is.
    QFont ScreenFont(int pointSize, bool bold = false) const;
    // The same font scaled to the canvas's dots.
    QFont CanvasFont(const QFont& screenFont) const;
    void DrawTextAt(int x, int y, const QString& text);

    int BandLast(int first) const;
    // Begins a page: counts it, decides whether it is drawn and draws its header.
    void BeginPage();
    void DrawHeader();
    void DrawFooter(const QString& pageText);
    void DrawRow(int row);
    void DrawCellText(int col, int row, QRect rect);

    TzelGrid& grid_;
    const TPrintOptions& options_;
    TPrinter& printer_;
    QPainter* canvas_;
    TRenderMode mode_;
    QPainter previewPainter_;
    TCanvas frame_; // draws the cell borders on canvas_

    int screen_ = 96;
    int dpiX_ = 96;
    int dpiY_ = 96;
    int W_ = 0; // the page in dots
    int H_ = 0;
    int drawW_ = 0; // the page in drawing units
    int drawH_ = 0;
    QImage logo_;
    QImage scaledLogo_;

    int bandFirst_ = 0;
    int bandLast_ = 0;
    int band_ = 0;
    int pageInBand_ = 0;
    bool drawing_ = false;
    int y_ = 0;     // the current position in dots
    int drawY_ = 0; // the same in drawing units
    int footerHeight_ = 0;
};

void TGridPageRenderer::TakePage()
{
    screen_ = std::max(1, ScreenPixelsPerInch());
    dpiX_ = std::max(1, printer_.PixelsPerInchX());
    dpiY_ = std::max(1, printer_.PixelsPerInchY());
    W_ = printer_.PageWidth();
    H_ = printer_.PageHeight();
    drawW_ = DrawsOnScreen() ? RoundDiv(1LL * W_ * screen_, dpiX_) : W_;
    drawH_ = DrawsOnScreen() ? RoundDiv(1LL * H_ * screen_, dpiY_) : H_;
}

void TGridPageRenderer::Advance(int v)
{
    y_ += ScaleY(v);
    drawY_ += DrawY(v);
}

void TGridPageRenderer::LoadLogo()
{
    const QString file = options_.Logo();
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    QImage image(file);
    if (image.isNull())
        return; // unreadable: printed without logo
    logo_ = image.convertToFormat(QImage::Format_RGB888);
    scaledLogo_ = QImage(std::max(0, DrawX(logo_.width())), std::max(0, DrawY(logo_.height())),
                         QImage::Format_RGB888);
    if (!scaledLogo_.isNull())
        ResampleBitmap(logo_, scaledLogo_);
}

QFont TGridPageRenderer::ScreenFont(int pointSize, bool bold) const
{
    QFont font = grid_.Font();
    font.setPixelSize(std::max(1, RoundDiv(1LL * pointSize * screen_, 72)));
    font.setBold(bold);
    return font;
}

QFont TGridPageRenderer::CanvasFont(const QFont& screenFont) const
{
    QFont font = screenFont;
    font.setPixelSize(std::max(1, DrawY(screenFont.pixelSize())));
    return font;
}

void TGridPageRenderer::DrawTextAt(int x, int y, const QString& text)
{
    canvas_->drawText(QRect(x, y, 1 << 20, 1 << 20), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine,
                      text);
}

int TGridPageRenderer::BandLast(int first) const
{
    const int limit = W_ - options_.MarginRight();
    int width = options_.MarginLeft();
    int last = first;
    for (int c = first; c < grid_.ColCount(); ++c) {
        width += ScaleX(grid_.ColWidths(c) + 1);
        if (width > limit && c > first)
            break;
        last = c;
    }
    return last;
}

void TGridPageRenderer::Run(int toRow, int fromRow)
{
    printer_.SetOrientation(ToPrinterOrientation(options_.Orientation()));
    TakePage();
    if (mode_ == TRenderMode::rmPreview) {
        if (!grid_.PreviewBitmap)
            return;
        *grid_.PreviewBitmap = QImage(std::max(1, drawW_), std::max(1, drawH_), QImage::Format_RGB32);
        grid_.PreviewBitmap->fill(Qt::white);
        previewPainter_.begin(grid_.PreviewBitmap);
        canvas_ = &previewPainter_;
    }
    if (mode_ != TRenderMode::rmCount && !canvas_)
        mode_ = TRenderMode::rmCount;
    LoadLogo();
    if (mode_ != TRenderMode::rmCount) {
        frame_.Attach(canvas_);
        frame_.SetPenColor(clBlack);
        frame_.SetBrushStyle(TBrushStyle::bsClear);
        canvas_->setFont(CanvasFont(ScreenFont(grid_.Font().pointSize())));
        canvas_->setPen(Qt::black);
        canvas_->setBrush(Qt::NoBrush);
    }
    toRow = std::min(toRow, grid_.RowCount() - 1);
    fromRow = std::max(fromRow, 0);
    // Column 0 is the row headers' and never printed, except in grids without a
    // fixed column (the results grids), whose column 0 is their plate column.
    bandFirst_ = grid_.FixedCols() == 0 ? 0 : 1;
    // Without a printable column there is no band and no page.
    while (bandFirst_ < grid_.ColCount()) {
        bandLast_ = BandLast(bandFirst_);
        pageInBand_ = 0;
        ++band_;
        BeginPage();
        bool pageHoldsRow = false;
        for (int row = fromRow; row <= toRow;) {
            const int height = grid_.RowHeights(row);
            if (height <= 0) { // hidden rows take no space
                ++row;
                continue;
            }
            const int bottom = H_ - ScaleY(options_.MarginBottom() + 20 + footerHeight_);
            // A row taller than a fresh page is drawn there, clipped, rather than
            // starting new pages forever.
            if (y_ + ScaleY(height) > bottom && pageHoldsRow) {
                if (mode_ == TRenderMode::rmPreview && drawing_)
                    return;
                if (mode_ == TRenderMode::rmPrint)
                    printer_.NewPage();
                BeginPage();
                pageHoldsRow = false;
                continue;
            }
            DrawRow(row);
            pageHoldsRow = true;
            ++row;
        }
        if (bandLast_ >= grid_.ColCount() - 1)
            break;
        if (mode_ == TRenderMode::rmPreview && drawing_)
            return;
        if (mode_ == TRenderMode::rmPrint)
            printer_.NewPage();
        bandFirst_ = bandLast_ + 1;
    }
}

void TGridPageRenderer::BeginPage()
{
    ++grid_.PageCounter;
    ++pageInBand_;
    drawing_ = mode_ == TRenderMode::rmPrint ||
               (mode_ == TRenderMode::rmPreview && grid_.PageCounter == int(options_.PreviewPage()));
    DrawHeader();
}

void TGridPageRenderer::DrawHeader()
{
    y_ = ScaleY(options_.MarginTop());
    drawY_ = DrawY(options_.MarginTop());
    const QFont headerFont = ScreenFont(int(options_.HeaderSize()));
    const QFontMetrics headerMetrics(headerFont);
    const QString title = options_.PageTitle();
    int titleHeight = headerMetrics.height();
    if (!logo_.isNull())
        titleHeight = std::max(titleHeight, logo_.height());
    if (drawing_) {
        if (!scaledLogo_.isNull())
            canvas_->drawImage(DrawX(options_.MarginLeft()), drawY_, scaledLogo_);
        canvas_->setFont(CanvasFont(headerFont));
        DrawTextAt(drawW_ / 2 - DrawX(headerMetrics.horizontalAdvance(title) / 2), drawY_, title);
    }
    Advance(titleHeight);

    const bool showBand = bandLast_ < grid_.ColCount() - 1 || band_ > 1;
    const QString pageText = PrintPageText(pageInBand_, band_, showBand);
    // The footer is measured the same way whether the page is drawn or not, so
    // that counting, preview and print break pages at the same rows.
    footerHeight_ = options_.PageFooter().isEmpty() ? headerMetrics.height()
                                                    : QFontMetrics(ScreenFont(int(options_.FooterSize()))).height();
    if (grid_.OnPrintPage)
        grid_.OnPrintPage(&grid_, grid_.PageCounter, pageText, drawing_);
    if (drawing_ && !options_.PageFooter().isEmpty())
        DrawFooter(pageText);
    if (drawing_)
        canvas_->setFont(CanvasFont(ScreenFont(grid_.Font().pointSize())));
    Advance(int(options_.PageTitleMargin()));
    DrawRow(0);
}

void TGridPageRenderer::DrawFooter(const QString& pageText)
{
    const QFont footerFont = ScreenFont(int(options_.FooterSize()));
    const QFontMetrics metrics(footerFont);
    canvas_->setFont(CanvasFont(footerFont));
    const QStringList parts = PrintFooterParts(options_.PageFooter(), options_.DateFormat(), options_.TimeFormat(),
                                               QDateTime::currentDateTime(), pageText);
    for (int i = 0; i < 3; ++i) {
        const QString& part = parts[i];
        if (part.isEmpty())
            continue;
        const int width = metrics.horizontalAdvance(part);
        const int top = drawH_ - DrawY(metrics.height() + options_.MarginBottom());
        const int x = i == 0   ? DrawX(width + options_.MarginLeft())
                      : i == 1 ? drawW_ / 2 - DrawX(width) / 2
                               : drawW_ - DrawX(width + options_.MarginRight() + 10);
        DrawTextAt(x, top, part);
    }
}

void TGridPageRenderer::DrawRow(int row)
{
    const int height = grid_.RowHeights(row);
    int x = DrawX(options_.MarginLeft());
    for (int col = bandFirst_; col <= bandLast_; ++col) {
        const int width = grid_.ColWidths(col);
        if (width > 0 && drawing_) {
            const TRect cell{x, drawY_, x + DrawX(width), drawY_ + DrawY(height)};
            if (options_.BorderStyle() == TPrintBorderStyle::bsSingle) {
                // Reaching past the gap after the cell and onto the next row, the
                // border shares its right and bottom lines with the neighbours'.
                frame_.SetPenWidth(std::max(1, DrawX(1)));
                frame_.Rectangle(TRect{cell.Left, cell.Top, cell.Right + DrawX(2), cell.Bottom + DrawY(1)});
            }
            DrawCellText(col, row, cell.ToQRect());
        }
        x += DrawX(width + 1);
    }
    Advance(height);
}

void TGridPageRenderer::DrawCellText(int col, int row, QRect rect)
{
    QString text = grid_.Cells(col, row);
    bool rightAligned = false;
    if (grid_.ShowValues() && text.startsWith(QLatin1Char('='))) {
        text = FormatFloatOrGeneral(grid_.NumberFormat(), grid_.CellValues().Value(col, row));
        rightAligned = grid_.NumbersalRight();
    }
    QFont font = canvas_->font();
    font.setBold(row < grid_.FixedRows());
    canvas_->setFont(font);
    rect.setLeft(rect.left() + DrawX(int(options_.Leftpadding())));
    long double number = 0;
    if (grid_.NumbersalRight() && !rightAligned &&
        TryTextToExtended(text.toStdString(), LocaleDecimalSeparator(), number)) {
        rightAligned = true;
        text = FormatFloatOrGeneral(grid_.NumberFormat(), number);
    }
    int flags = Qt::AlignVCenter | (rightAligned ? Qt::AlignRight : Qt::AlignLeft);
    flags |= grid_.WordWrap() && col != 0 && row != 0 ? Qt::TextWordWrap : Qt::TextSingleLine;
    canvas_->save();
    canvas_->setClipRect(rect);
    canvas_->drawText(rect, flags, text);
    canvas_->restore();
}

} // namespace

void TzelGrid::RenderPages(QPainter* canvas, TRenderMode mode, int toRow, int fromRow)
{
    RenderPages(Printer(), canvas, mode, toRow, fromRow);
}

void TzelGrid::RenderPages(TPrinter& printer, QPainter* canvas, TRenderMode mode, int toRow, int fromRow)
{
    TGridPageRenderer(*this, printer, canvas, mode).Run(toRow, fromRow);
}

QString TzelGrid::JobName() const
{
    if (!printOptions_.JobTitle().isEmpty())
        return printOptions_.JobTitle();
    QString name = window()->windowTitle();
    if (name.isEmpty())
        name = QApplication::applicationDisplayName();
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->widget(i)->isAncestorOf(this)) {
                    // The tab's text without its mnemonic marks ("&&" stands for "&").
                    const QString tab = tabs->tabText(i).remove(QRegularExpression(QStringLiteral("&(?!&)")));
                    return name.isEmpty() ? tab : name + QStringLiteral(" - ") + tab;
                }
    return name;
}

void TzelGrid::PrintRows(TPrinter& printer, int fromRow, int toRow)
{
    printer.SetTitle(JobName());
    printer.SetCopies(int(printOptions_.Copies()));
    printer.SetOrientation(ToPrinterOrientation(printOptions_.Orientation()));
    PageCounter = 0;
    printer.BeginDoc();
    try {
        RenderPages(printer, printer.Canvas(), TRenderMode::rmPrint, toRow, fromRow);
        printer.EndDoc();
    } catch (...) {
        printer.Abort();
        throw;
    }
}

bool TzelGrid::PrintGrid()
{
    QString failure;
    {
        // The whole job under the busy cursor: the print system may answer slowly.
        TBusyCursor busy;
        ShowAllRows();
        TPrinter& printer = Printer();
        try {
            if (!printer.LookUp()) {
                failure = QCoreApplication::translate("TzelGrid", "No Printer is installed");
            } else {
                // ToRow 0 (the stored default) means every data row; the header row is
                // printed on each page anyway, so the range starts at row 1 at the earliest.
                const int last = RowCount() - 1;
                const int toRow = printOptions_.ToRow() == 0 ? last : std::min(int(printOptions_.ToRow()), last);
                const int fromRow = printOptions_.ToRow() == 0 ? 1 : std::max(1, int(printOptions_.FromRow()));
                if (fromRow > toRow + 1)
                    return false; // a reversed range prints nothing
                PrintRows(printer, fromRow, toRow);
            }
        } catch (const TPrintCancelled&) {
            return false; // the user stopped waiting for the print system
        } catch (const TPrinterError& e) {
            failure = QString::fromStdString(e.what());
        }
    }
    if (failure.isEmpty())
        return true;
    MessageDlg(failure, TMsgDlgType::mtError, mbOK);
    return false;
}

void TzelGrid::RenderPreviewPage(QImage* bitmap)
{
    if (bitmap)
        PreviewBitmap = bitmap;
    PageCounter = 0;
    RenderPages(nullptr, TRenderMode::rmPreview, RowCount() - 1, 1);
}

int TzelGrid::PageCount()
{
    PageCounter = 0;
    RenderPages(nullptr, TRenderMode::rmCount, RowCount() - 1, 1);
    return PageCounter;
}

void TzelGrid::ShowPrintPreview()
{
    // The preview shows the pages of the printer in force now; when the print
    // system does not answer, those of the printer as it was.
    try {
        Printer().LookUp();
    } catch (const TPrintCancelled&) {
    } catch (const TPrinterError& e) {
        MessageDlg(QString::fromStdString(e.what()), TMsgDlgType::mtError, mbOK);
    }
    PageCounter = 0;
    TzelGridPreviewF form(window());
    form.SetGrid(this);
    PreviewBitmap = form.PrintImage();
    RenderPreviewPage();
    form.exec(); // showing fills the controls and refreshes the page

    PreviewBitmap = nullptr;
}
