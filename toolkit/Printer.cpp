#include "Printer.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

QPageSize DefaultPaperSize(const QLocale& locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

TPageGeometry DefaultPageGeometry(TPrinterOrientation orientation, const QLocale& locale)
{
    const QPageLayout layout(DefaultPaperSize(locale),
                             orientation == TPrinterOrientation::poLandscape ? QPageLayout::Landscape
                                                                              : QPageLayout::Portrait,
                             QMarginsF());
    const QSize size = layout.fullRectPixels(DefaultPrinterResolution).size();
    return {size.width(), size.height(), DefaultPrinterResolution, DefaultPrinterResolution};
}

int ScreenPixelsPerInch()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
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

namespace {

QPageLayout::Orientation ToQt(TPrinterOrientation orientation)
{
    return orientation == TPrinterOrientation::poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

TQtPrinter::TQtPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    if (Printers().isEmpty()) {
        // Qt falls back to a PDF device; make it report the sheet used without a printer.
        printer_->setResolution(DefaultPrinterResolution);
        printer_->setPageSize(DefaultPaperSize());
        printer_->setFullPage(true);
    }
}

TQtPrinter::~TQtPrinter()
{
    Abort();
}

QStringList TQtPrinter::Printers() const
{
    return QPrinterInfo::availablePrinterNames();
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
    if (Printers().isEmpty())
        throw TPrinterError(QStringLiteral("No Printer is installed"));
    printer_->setDocName(Title());
    printer_->setCopyCount(CopiesToPrint());
    if (!painter_.begin(printer_.get()))
        throw TPrinterError(QStringLiteral("Cannot print on %1").arg(printer_->printerName()));
}

void TQtPrinter::DoNewPage()
{
    if (!printer_->newPage())
        throw TPrinterError(QStringLiteral("Cannot start a new page on %1").arg(printer_->printerName()));
}

void TQtPrinter::DoEndDoc()
{
    if (!painter_.end() || printer_->printerState() == QPrinter::Error)
        throw TPrinterError(QStringLiteral("Printing on %1 failed").arg(printer_->printerName()));
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
