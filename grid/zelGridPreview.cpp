// The print preview form: buttons on the left, the header and footer texts, the
// margins and sizes, borders and the page to show; the page itself on the right.
#include "zelGridPreview.h"

#include "Dialogs.h"
#include "FormLook.h"
#include "Graphics.h"
#include "PdfPrinter.h"
#include "Printer.h"
#include "ResampleBitmap.h"
#include "zelGrid.h"

#include <algorithm>
#include <QCheckBox>
#include <QEvent>
#include <QShowEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr TColor HeadersListColor = 16644814;
constexpr TColor MarginsListColor = 13172735;

enum THeaderItem { hiHeaderText, hiFooterText, hiDateFormat, hiTimeFormat, hiLogo };
enum TMarginItem { miTop, miHeader, miLeft, miRight, miBottom, miPadding, miHeaderSize, miFooterSize };

QToolButton* FlatButton(QWidget* parent, const QString& text, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

QListWidget* OptionList(QWidget* parent, const QStringList& items, TColor color)
{
    auto* list = new QListWidget(parent);
    list->addItems(items);
    SetBaseColor(list, color);
    list->setFixedHeight(list->sizeHintForRow(0) * items.size() + 2 * list->frameWidth() + 2);
    return list;
}

} // namespace

TzelGridPreviewF::TzelGridPreviewF(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(tr("Preview"));
    setAttribute(Qt::WA_AlwaysShowToolTips);
    BuildControls();
    resize(900, 640);
}

TzelGridPreviewF::~TzelGridPreviewF() = default;

void TzelGridPreviewF::BuildControls()
{
    auto* panel = new QWidget(this);
    auto* left = new QVBoxLayout(panel);
    left->setContentsMargins(4, 4, 4, 4);
    auto* buttons = new QHBoxLayout;
    btnPrint = FlatButton(panel, tr("Print"), tr("Print"));
    btnShow = FlatButton(panel, tr("Show"), tr("Show"));
    btnSetup = FlatButton(panel, tr("Setup"), tr("Print setup"));
    auto* buttons2 = new QHBoxLayout;
    btnFullView = FlatButton(panel, tr("Full"), tr("Full View"));
    btnPicture = FlatButton(panel, tr("Picture"), tr("Picture"));
    btnPdf = FlatButton(panel, tr("PDF"), tr("Save as PDF"));
    for (QToolButton* b : {btnPrint, btnShow, btnSetup})
        buttons->addWidget(b);
    for (QToolButton* b : {btnFullView, btnPicture, btnPdf})
        buttons2->addWidget(b);
    left->addLayout(buttons);
    left->addLayout(buttons2);
    // The panel is as wide as it always was, or wider where longer captions
    // (another language) need the room.
    const int margins = left->contentsMargins().left() + left->contentsMargins().right();
    panel->setFixedWidth(std::max({panel->width(), buttons->sizeHint().width() + margins,
                                   buttons2->sizeHint().width() + margins}));

    EditHeader = new QLineEdit(panel);
    ListHeaders = OptionList(panel,
                             {QStringLiteral("HeaderText"), QStringLiteral("FooterText"), QStringLiteral("DateFormat"),
                              QStringLiteral("TimeFormat"), QStringLiteral("Logo")},
                             HeadersListColor);
    EditMargin = new QSpinBox(panel);
    EditMargin->setRange(0, 400);
    chkBorders = new QCheckBox(tr("Borders"), panel);
    Margins = OptionList(panel,
                         {QStringLiteral("MarginTop"), QStringLiteral("MarginHeader"), QStringLiteral("MarginLeft"),
                          QStringLiteral("MarginRight"), QStringLiteral("MarginBottom"), QStringLiteral("PaddingLeft"),
                          QStringLiteral("HeaderSize"), QStringLiteral("FooterSize")},
                         MarginsListColor);
    EditPage = new QSpinBox(panel);
    EditPage->setRange(1, 1);
    lblpages = new QLabel(panel);
    chkLive = new QCheckBox(tr("Live"), panel);
    chkLive->setChecked(true);
    // Names a screen reader reads for the controls that have no caption of their own.
    ListHeaders->setAccessibleName(tr("Header and footer options"));
    EditHeader->setAccessibleName(tr("Header or footer option"));
    Margins->setAccessibleName(tr("Margins and sizes"));
    EditMargin->setAccessibleName(tr("Margin or size"));
    EditPage->setAccessibleName(tr("Page shown"));

    left->addWidget(EditHeader);
    left->addWidget(ListHeaders);
    left->addWidget(EditMargin);
    left->addWidget(chkBorders);
    left->addWidget(Margins);
    auto* pageRow = new QHBoxLayout;
    pageRow->addWidget(EditPage);
    pageRow->addWidget(lblpages);
    left->addLayout(pageRow);
    left->addWidget(chkLive);
    left->addStretch();
    // 170 pixels, or wider where a larger desktop font needs it.
    panel->setFixedWidth(std::max(170, panel->sizeHint().width()));

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setBackgroundRole(QPalette::Dark);
    ScrollBox1->setAccessibleName(tr("Page view"));
    PreviewImage = new QLabel;
    PreviewImage->setScaledContents(false);
    PreviewImage->setAccessibleName(tr("Page preview"));
    ScrollBox1->setWidget(PreviewImage);
    PreviewImage->installEventFilter(this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    layout->addWidget(ScrollBox1, 1);

    connect(btnPrint, &QToolButton::clicked, this, &TzelGridPreviewF::Print);
    connect(btnShow, &QToolButton::clicked, this, &TzelGridPreviewF::ShowPage);
    connect(btnSetup, &QToolButton::clicked, this, &TzelGridPreviewF::PrintSetup);
    connect(btnFullView, &QToolButton::clicked, this, &TzelGridPreviewF::FullView);
    connect(btnPicture, &QToolButton::clicked, this, &TzelGridPreviewF::Picture);
    connect(btnPdf, &QToolButton::clicked, this, &TzelGridPreviewF::SavePdf);
    connect(ListHeaders, &QListWidget::currentRowChanged, this, [this] { HeaderSelected(); });
    connect(EditHeader, &QLineEdit::textEdited, this, &TzelGridPreviewF::HeaderEdited);
    connect(Margins, &QListWidget::currentRowChanged, this, [this] { MarginSelected(); });
    connect(EditMargin, &QSpinBox::valueChanged, this, &TzelGridPreviewF::MarginChanged);
    connect(EditPage, &QSpinBox::valueChanged, this, &TzelGridPreviewF::PageChanged);
    connect(chkBorders, &QCheckBox::toggled, this, &TzelGridPreviewF::BordersToggled);
    connect(chkLive, &QCheckBox::toggled, this, [this] { Refresh(); });
}

void TzelGridPreviewF::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    CenterOnScreen(this);
    Show();
}

void TzelGridPreviewF::Show()
{
    if (!grid_)
        return;
    TPrintOptions& options = grid_->PrintOptions();
    updating_ = true;
    EditHeader->setText(options.PageTitle());
    Margins->setCurrentRow(miTop);
    EditMargin->setRange(0, 400);
    EditMargin->setValue(options.MarginTop());
    CountPages();
    options.SetPreviewPage(1);
    EditPage->setValue(1);
    chkBorders->setChecked(options.BorderStyle() == TPrintBorderStyle::bsSingle);
    ListHeaders->setCurrentRow(hiHeaderText);
    updating_ = false;
    Refresh();
}

void TzelGridPreviewF::Refresh()
{
    if (chkLive->isChecked())
        ShowPage();
}

void TzelGridPreviewF::CountPages()
{
    if (!grid_)
        return;
    const int pages = grid_->PageCount();
    pages_ = pages;
    const bool wasUpdating = updating_;
    updating_ = true;
    EditPage->setMaximum(std::max(1, pages)); // moves the page shown back within them
    lblpages->setText(tr("of %1").arg(pages));
    updating_ = wasUpdating;
    grid_->PrintOptions().SetPreviewPage(unsigned(EditPage->value()));
}

void TzelGridPreviewF::ShowPage()
{
    if (!grid_)
        return;
    grid_->RenderPreviewPage(&printImage_);
    Display(printImage_);
}

void TzelGridPreviewF::Display(const QImage& image)
{
    PreviewImage->setPixmap(QPixmap::fromImage(image));
    PreviewImage->resize(image.size());
    // Which page the picture shows, for a screen reader.
    if (grid_)
        PreviewImage->setAccessibleDescription(tr("Page %1 of %2")
                                                   .arg(grid_->PrintOptions().PreviewPage())
                                                   .arg(pages_));
}

void TzelGridPreviewF::DisplayResampled(int width)
{
    if (printImage_.isNull() || width <= 0)
        return;
    const int height = int(std::lround(double(width) * printImage_.height() / printImage_.width()));
    QImage scaled(width, std::max(1, height), QImage::Format_RGB888);
    ResampleBitmap(printImage_.convertToFormat(QImage::Format_RGB888), scaled);
    Display(scaled);
}

void TzelGridPreviewF::Print()
{
    if (!grid_)
        return;
    repaint(); // the button shows up again before the print system is asked
    grid_->PrintGrid();
    // Printing shows hidden rows and looks the printer up, which can change the pages.
    CountPages();
    Refresh();
}

void TzelGridPreviewF::PrintSetup()
{
    if (!PrinterSetupDialog(Printer()) || !grid_)
        return;
    grid_->PrintOptions().SetOrientation(Printer().Orientation() == TPrinterOrientation::poLandscape
                                             ? TPrintOrientation::poLandscape
                                             : TPrintOrientation::poPortrait);
    CountPages(); // the printer, its paper or the orientation may have changed
    Refresh();
}

void TzelGridPreviewF::FullView()
{
    DisplayResampled(ScrollBox1->viewport()->width());
}

void TzelGridPreviewF::Picture()
{
    TFileDialogOptions dialog;
    dialog.Filter = tr("Bitmap Files") + QStringLiteral("|*.bmp");
    const std::optional<QString> file = OpenFileDialog(dialog);
    if (!file || !grid_)
        return;
    ListHeaders->setCurrentRow(hiLogo);
    EditHeader->setText(*file);
    grid_->PrintOptions().SetLogo(*file);
    CountPages();
    Refresh();
}

void TzelGridPreviewF::SavePdf()
{
    if (!grid_)
        return;
    TFileDialogOptions dialog;
    dialog.Filter = tr("PDF Files") + QStringLiteral("|*.pdf");
    dialog.DefaultExt = QStringLiteral("pdf");
    const std::optional<QString> file = SaveFileDialog(dialog);
    if (!file)
        return;
    QString failure;
    {
        TBusyCursor busy;
        // The pages the printer in force prints: its paper, printable area and
        // resolution. While the print system does not answer, they are not known.
        TPrinter& printer = Printer();
        try {
            printer.LookUp();
            TPdfPrinter pdf(*file, printer.PageSetup());
            grid_->PrintRows(pdf, 1, grid_->RowCount() - 1);
        } catch (const TPrintCancelled&) {
        } catch (const TPrinterError& e) {
            failure = QString::fromStdString(e.what());
        }
    }
    CountPages();
    Refresh();
    if (!failure.isEmpty())
        MessageDlg(failure, TMsgDlgType::mtError, mbOK);
}

void TzelGridPreviewF::ZoomByClick()
{
    const int shown = PreviewImage->width();
    if (std::lround(0.8 * printImage_.width()) < shown)
        Display(printImage_);
    else
        DisplayResampled(int(std::lround(1.25 * shown)));
}

bool TzelGridPreviewF::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PreviewImage && event->type() == QEvent::MouseButtonPress) {
        ZoomByClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TzelGridPreviewF::HeaderSelected()
{
    if (!grid_)
        return;
    const TPrintOptions& o = grid_->PrintOptions();
    switch (ListHeaders->currentRow()) {
    case hiHeaderText: EditHeader->setText(o.PageTitle()); break;
    case hiFooterText: EditHeader->setText(o.PageFooter()); break;
    case hiDateFormat: EditHeader->setText(o.DateFormat()); break;
    case hiTimeFormat: EditHeader->setText(o.TimeFormat()); break;
    case hiLogo: EditHeader->setText(o.Logo()); break;
    default: break;
    }
}

void TzelGridPreviewF::HeaderEdited(const QString& text)
{
    if (!grid_)
        return;
    TPrintOptions& o = grid_->PrintOptions();
    switch (ListHeaders->currentRow()) {
    case hiHeaderText: o.SetPageTitle(text); break;
    case hiFooterText: o.SetPageFooter(text); break;
    case hiDateFormat: o.SetDateFormat(text); break;
    case hiTimeFormat: o.SetTimeFormat(text); break;
    case hiLogo: o.SetLogo(text); break;
    default: return;
    }
    CountPages();
    Refresh();
}

void TzelGridPreviewF::MarginSelected()
{
    if (!grid_)
        return;
    const TPrintOptions& o = grid_->PrintOptions();
    const int item = Margins->currentRow();
    const int values[] = {o.MarginTop(),          int(o.PageTitleMargin()), o.MarginLeft(),
                          o.MarginRight(),        o.MarginBottom(),         int(o.Leftpadding()),
                          int(o.HeaderSize()),    int(o.FooterSize())};
    if (item < 0 || item > miFooterSize)
        return;
    const bool wasUpdating = updating_;
    updating_ = true;
    if (item >= miHeaderSize)
        EditMargin->setRange(6, 72);
    else
        EditMargin->setRange(0, 400);
    EditMargin->setValue(values[item]);
    updating_ = wasUpdating;
}

void TzelGridPreviewF::MarginChanged(int value)
{
    if (updating_ || !grid_)
        return;
    TPrintOptions& o = grid_->PrintOptions();
    switch (Margins->currentRow()) {
    case miTop: o.SetMarginTop(value); break;
    case miHeader: o.SetPageTitleMargin(unsigned(value)); break;
    case miLeft: o.SetMarginLeft(value); break;
    case miRight: o.SetMarginRight(value); break;
    case miBottom: o.SetMarginBottom(value); break;
    case miPadding: o.SetLeftpadding(unsigned(value)); break;
    case miHeaderSize: o.SetHeaderSize(unsigned(value)); break;
    case miFooterSize: o.SetFooterSize(unsigned(value)); break;
    default: return;
    }
    CountPages();
    Refresh();
}

void TzelGridPreviewF::PageChanged(int value)
{
    if (updating_ || !grid_)
        return;
    grid_->PrintOptions().SetPreviewPage(unsigned(std::clamp(value, EditPage->minimum(), EditPage->maximum())));
    Refresh();
}

void TzelGridPreviewF::BordersToggled(bool checked)
{
    if (updating_ || !grid_)
        return;
    grid_->PrintOptions().SetBorderStyle(checked ? TPrintBorderStyle::bsSingle : TPrintBorderStyle::bsNone);
    Refresh();
}
