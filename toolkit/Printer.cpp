#include "Printer.h"

#include "PrintSystem.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

QPageSize DefaultPaperSize(const QLocale& locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

namespace {

QPageLayout::Orientation ToQt(TPrinterOrientation orientation)
{
    return orientation == TPrinterOrientation::poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

TPageGeometry TPageSetup::Geometry() const
{
    const QSize size = Layout.paintRectPixels(Resolution).size();
    return {size.width(), size.height(), Resolution, Resolution};
}

TPageSetup DefaultPageSetup(TPrinterOrientation orientation, const QLocale& locale)
{
    return {QPageLayout(DefaultPaperSize(locale), ToQt(orientation), QMarginsF()), DefaultPrinterResolution};
}

TPageGeometry DefaultPageGeometry(TPrinterOrientation orientation, const QLocale& locale)
{
    return DefaultPageSetup(orientation, locale).Geometry();
}

int ScreenPixelsPerInch()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

TPageSetup TPrinter::PageSetup() const
{
    const int resolution = std::max(1, PixelsPerInchX());
    const QSizeF inches(double(PageWidth()) / resolution, double(PageHeight()) / std::max(1, PixelsPerInchY()));
    // The page size is given portrait; the orientation turns it.
    const bool landscape = Orientation() == TPrinterOrientation::poLandscape;
    const QPageSize paper(landscape ? inches.transposed() : inches, QPageSize::Inch, QString(), QPageSize::ExactMatch);
    return {QPageLayout(paper, ToQt(Orientation()), QMarginsF()), resolution};
}

void TPrinter::RequirePrinting(const char* what) const
{
    if (!printing_)
        throw TPrinterError(QStringLiteral("%1: printing not in progress").arg(QLatin1String(what)));
}

void TPrinter::BeginDoc()
{
    if (printing_)
        throw TPrinterError(QStringLiteral("BeginDoc: printing already in progress"));
    DoBeginDoc();
    printing_ = true;
    pageNumber_ = 1;
}

void TPrinter::NewPage()
{
    RequirePrinting("NewPage");
    DoNewPage();
    ++pageNumber_;
}

void TPrinter::EndDoc()
{
    RequirePrinting("EndDoc");
    // The document is over whether or not handing it over succeeds.
    printing_ = false;
    DoEndDoc();
}

void TPrinter::Abort()
{
    if (!printing_)
        return;
    printing_ = false;
    DoAbort();
}

// --- TQtPrinter ---

TQtPrinter::TQtPrinter()
{
    LookUp();
    if (!printer_)
        Use(QString());
}

TQtPrinter::~TQtPrinter()
{
    Abort();
}

QStringList TQtPrinter::Printers() const
{
    return QPrinterInfo::availablePrinterNames();
}

bool TQtPrinter::LookUp()
{
    if (Printing())
        return !PrinterName().isEmpty();
    const QStringList installed = Printers();
    QString name = chosen_;
    if (!installed.contains(name)) {
        name = QPrinterInfo::defaultPrinterName();
        if (!installed.contains(name))
            name = installed.value(0);
    }
    if (!printer_ || name != PrinterName())
        Use(name);
    return !PrinterName().isEmpty();
}

void TQtPrinter::Use(const QString& name)
{
    if (name.isEmpty()) {
        // Qt falls back to a PDF device; make it report the sheet used without a printer.
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setResolution(DefaultPrinterResolution);
        printer_->setPageSize(DefaultPaperSize());
        printer_->setFullPage(true);
    } else {
        // The printer's own paper, margins and resolution, as a program started
        // now would get them.
        printer_ = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name), QPrinter::HighResolution);
    }
}

QString TQtPrinter::PrinterName() const
{
    return printer_->outputFormat() == QPrinter::NativeFormat ? printer_->printerName() : QString();
}

bool TQtPrinter::SetPrinterName(const QString& name)
{
    if (Printing() || !Printers().contains(name))
        return false;
    chosen_ = name;
    LookUp();
    return PrinterName() == name;
}

void TQtPrinter::TakeSetup()
{
    if (!PrinterName().isEmpty())
        chosen_ = PrinterName();
    setupCopies_ = std::max(1, printer_->copyCount());
}

TPageSetup TQtPrinter::PageSetup() const
{
    QPageLayout layout = printer_->pageLayout();
    if (printer_->fullPage())
        layout.setMode(QPageLayout::FullPageMode);
    return {layout, printer_->resolution()};
}

int TQtPrinter::PageWidth() const
{
    return printer_->width();
}

int TQtPrinter::PageHeight() const
{
    return printer_->height();
}

int TQtPrinter::PixelsPerInchX() const
{
    return printer_->logicalDpiX();
}

int TQtPrinter::PixelsPerInchY() const
{
    return printer_->logicalDpiY();
}

TPrinterOrientation TQtPrinter::Orientation() const
{
    return printer_->pageLayout().orientation() == QPageLayout::Landscape ? TPrinterOrientation::poLandscape
                                                                          : TPrinterOrientation::poPortrait;
}

void TQtPrinter::SetOrientation(TPrinterOrientation orientation)
{
    if (orientation != Orientation())
        printer_->setPageOrientation(ToQt(orientation));
}

QPainter* TQtPrinter::Canvas()
{
    return Printing() ? &painter_ : nullptr;
}

void TQtPrinter::DoBeginDoc()
{
    if (PrinterName().isEmpty())
        throw TPrinterError(QStringLiteral("No Printer is installed"));
    printer_->setDocName(Title());
    printer_->setCopyCount(Copies() > 0 ? Copies() : setupCopies_);
    if (!painter_.begin(printer_.get()))
        throw TPrinterError(QStringLiteral("Cannot print on %1").arg(PrinterName()));
}

void TQtPrinter::DoNewPage()
{
    if (!printer_->newPage())
        throw TPrinterError(QStringLiteral("Cannot start a new page on %1").arg(PrinterName()));
}

void TQtPrinter::DoEndDoc()
{
    // Ending the painter hands the document to the print system.
    if (!painter_.end() || printer_->printerState() == QPrinter::Error)
        throw TPrinterError(QStringLiteral("Printing on %1 failed").arg(PrinterName()));
    if (const std::optional<QString> refusal = LastPrintSystemRefusal())
        throw TPrinterError(QStringLiteral("Printing on %1 failed: %2").arg(PrinterName(), *refusal));
}

void TQtPrinter::DoAbort()
{
    printer_->abort();
    if (painter_.isActive())
        painter_.end();
}

// --- the printer in force ---

namespace {

TPrinter* installedPrinter = nullptr;

} // namespace

TPrinter& Printer()
{
    if (installedPrinter)
        return *installedPrinter;
    // Made on first use and never destroyed, so that it is not torn down after the
    // application object at exit.
    static TQtPrinter* defaultPrinter = new TQtPrinter;
    return *defaultPrinter;
}

TPrinter* SetPrinter(TPrinter* printer)
{
    TPrinter* previous = installedPrinter;
    installedPrinter = printer;
    return previous;
}
