#include "Printer.h"

#include "PdfPrinter.h"
#include "PrintServerWait.h"
#include "PrintSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTemporaryDir>

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

// What the print system said about its printers.
struct TFoundPrinter {
    bool answered = true; // false: the print server was silent
    QStringList installed;
    QString name; // the printer to print on; empty: none
    // Made for `name` when that is not the printer in use.
    std::unique_ptr<QPrinter> printer;
};

namespace {

// How long a look-up may take in all before the print server counts as not
// answering, however it trickles its answers.
constexpr int LookUpPatienceMs = 30000;

QString NoAnswer()
{
    return QCoreApplication::translate("TPrinter", "The print server %1 does not answer.").arg(PrintServerName());
}

// Asks the print system, on the thread it runs on, which printer to print on:
// `wanted` while it is installed, otherwise the default (or the first) one.
// Qt's CUPS support asks the server only when it has just answered.
void FindPrinter(TFoundPrinter& found, const QString& wanted, const QString& inUse, bool makePrinter,
                 const std::atomic<bool>& stop)
{
    if (AskPrintServer(stop) == TPrintServerState::Silent) {
        found.answered = false;
        return;
    }
    found.installed = QPrinterInfo::availablePrinterNames();
    found.name = wanted;
    if (!found.installed.contains(found.name)) {
        found.name = QPrinterInfo::defaultPrinterName();
        if (!found.installed.contains(found.name))
            found.name = found.installed.value(0);
    }
    if (!makePrinter || found.name.isEmpty() || found.name == inUse || stop)
        return;
    // The printer's own paper, margins and resolution, as a program started now
    // would get them.
    found.printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(found.name), QPrinter::HighResolution);
    if (found.printer->outputFormat() != QPrinter::NativeFormat) { // gone meanwhile
        found.printer.reset();
        found.name.clear();
    }
}

// Runs FindPrinter away from the window's thread. Throws TPrinterError when the
// print server does not answer and TPrintCancelled when the user stops waiting.
std::shared_ptr<TFoundPrinter> AskForPrinter(const QString& wanted, const QString& inUse, bool makePrinter)
{
    auto found = std::make_shared<TFoundPrinter>();
    const TPrintServerWait wait = WaitForPrintServer(
        [found, wanted, inUse, makePrinter](const std::atomic<bool>& stop) {
            FindPrinter(*found, wanted, inUse, makePrinter, stop);
        },
        LookUpPatienceMs);
    if (wait == TPrintServerWait::Cancelled)
        throw TPrintCancelled();
    if (wait == TPrintServerWait::OutOfPatience || !found->answered)
        throw TPrinterError(NoAnswer());
    return found;
}

// The key under which Qt's CUPS support keeps the options chosen under
// Properties in Print setup (ColorModel, number-up and the like).
const auto CupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// The options Qt's CUPS support gives a job on `printer`, so that a job handed
// over here prints as one printed through Qt.
QList<std::pair<QByteArray, QByteArray>> JobOptions(const QPrinter& printer, int copies)
{
    QList<std::pair<QByteArray, QByteArray>> options;
    auto add = [&options](const QByteArray& name, const QByteArray& value) { options.emplaceBack(name, value); };
    const QPageLayout layout = printer.pageLayout();
    const bool landscape = layout.orientation() == QPageLayout::Landscape;
    add("media", layout.pageSize().key().toUtf8());
    if (copies > 1) {
        add("copies", QByteArray::number(copies));
        if (printer.collateCopies())
            add("Collate", "True");
    }
    switch (printer.duplex()) {
    case QPrinter::DuplexNone: add("sides", "one-sided"); break;
    case QPrinter::DuplexAuto: add("sides", landscape ? "two-sided-short-edge" : "two-sided-long-edge"); break;
    case QPrinter::DuplexLongSide: add("sides", "two-sided-long-edge"); break;
    case QPrinter::DuplexShortSide: add("sides", "two-sided-short-edge"); break;
    }
    if (landscape)
        add("landscape", "");
    const QStringList chosen = printer.printEngine()->property(CupsOptionsKey).toStringList();
    for (qsizetype i = 0; i + 1 < chosen.size(); i += 2)
        add(chosen[i].toUtf8(), chosen[i + 1].toUtf8());
    return options;
}

} // namespace

TQtPrinter::TQtPrinter() : noPrinter_(DefaultPageSetup()) {}

TQtPrinter::~TQtPrinter()
{
    Abort();
}

QStringList TQtPrinter::Printers() const
{
    return AskForPrinter(chosen_, PrinterName(), false)->installed;
}

bool TQtPrinter::LookUp()
{
    if (Printing())
        return !PrinterName().isEmpty();
    Take(*AskForPrinter(chosen_, PrinterName(), true));
    return !PrinterName().isEmpty();
}

void TQtPrinter::Take(TFoundPrinter& found)
{
    if (found.name.isEmpty())
        printer_.reset();
    else if (found.printer)
        printer_ = std::move(found.printer);
}

QString TQtPrinter::PrinterName() const
{
    return printer_ ? printer_->printerName() : QString();
}

bool TQtPrinter::SetPrinterName(const QString& name)
{
    if (Printing())
        return false;
    const std::shared_ptr<TFoundPrinter> found = AskForPrinter(name, PrinterName(), true);
    if (!found->installed.contains(name))
        return false;
    chosen_ = name;
    Take(*found);
    return PrinterName() == name;
}

void TQtPrinter::TakeSetup()
{
    if (!printer_)
        return;
    chosen_ = PrinterName();
    setupCopies_ = std::max(1, printer_->copyCount());
}

TPageSetup TQtPrinter::PageSetup() const
{
    if (!printer_)
        return noPrinter_;
    QPageLayout layout = printer_->pageLayout();
    if (printer_->fullPage())
        layout.setMode(QPageLayout::FullPageMode);
    return {layout, printer_->resolution()};
}

int TQtPrinter::PageWidth() const
{
    return printer_ ? printer_->width() : noPrinter_.Geometry().Width;
}

int TQtPrinter::PageHeight() const
{
    return printer_ ? printer_->height() : noPrinter_.Geometry().Height;
}

int TQtPrinter::PixelsPerInchX() const
{
    return printer_ ? printer_->logicalDpiX() : noPrinter_.Resolution;
}

int TQtPrinter::PixelsPerInchY() const
{
    return printer_ ? printer_->logicalDpiY() : noPrinter_.Resolution;
}

TPrinterOrientation TQtPrinter::Orientation() const
{
    return PageSetup().Layout.orientation() == QPageLayout::Landscape ? TPrinterOrientation::poLandscape
                                                                      : TPrinterOrientation::poPortrait;
}

void TQtPrinter::SetOrientation(TPrinterOrientation orientation)
{
    if (orientation == Orientation())
        return;
    if (printer_)
        printer_->setPageOrientation(ToQt(orientation));
    else
        noPrinter_.Layout.setOrientation(ToQt(orientation));
    if (document_)
        document_->SetOrientation(orientation);
}

QPainter* TQtPrinter::Canvas()
{
    return document_ ? document_->Canvas() : nullptr;
}

void TQtPrinter::DropDocument()
{
    document_.reset(); // an unfinished document leaves no file
    jobFolder_.reset();
}

void TQtPrinter::DoBeginDoc()
{
    if (!printer_)
        throw TPrinterError(QCoreApplication::translate("TPrinter", "No Printer is installed"));
    printer_->setDocName(Title());
    printer_->setCopyCount(Copies() > 0 ? Copies() : setupCopies_);
    jobFolder_ = std::make_shared<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/corvana-job-XXXXXX"));
    if (!jobFolder_->isValid()) {
        const QString reason = jobFolder_->errorString();
        DropDocument();
        throw TPrinterError(QCoreApplication::translate("TPrinter", "Cannot print on %1: %2").arg(PrinterName(), reason));
    }
    document_ = std::make_unique<TPdfPrinter>(jobFolder_->filePath(QStringLiteral("job.pdf")), PageSetup());
    document_->SetTitle(Title());
    try {
        document_->BeginDoc();
    } catch (const TPrinterError& e) {
        DropDocument();
        throw TPrinterError(
            QCoreApplication::translate("TPrinter", "Cannot print on %1: %2").arg(PrinterName(), QString::fromStdString(e.what())));
    }
}

void TQtPrinter::DoNewPage()
{
    try {
        document_->NewPage();
    } catch (const TPrinterError& e) {
        throw TPrinterError(
            QCoreApplication::translate("TPrinter", "Cannot start a new page on %1: %2").arg(PrinterName(), QString::fromStdString(e.what())));
    }
}

void TQtPrinter::DoEndDoc()
{
    const QString failed = QCoreApplication::translate("TPrinter", "Printing on %1 failed").arg(PrinterName());
    // Ending the document writes the rest of it into the job's file.
    try {
        document_->EndDoc();
    } catch (const TPrinterError& e) {
        DropDocument();
        throw TPrinterError(failed + QStringLiteral(": ") + QString::fromStdString(e.what()));
    }
    const TPrintJob job{PrinterName(), Title(), document_->FileName(), JobOptions(*printer_, printer_->copyCount())};
    document_.reset();
    // The work keeps the file until it is done with it, even after a Cancel.
    auto result = std::make_shared<TPrintJobResult>();
    const TPrintServerWait wait = WaitForPrintServer(
        [job, result, folder = std::move(jobFolder_)](const std::atomic<bool>& stop) {
            *result = SubmitPrintJob(job, stop);
        });
    if (wait == TPrintServerWait::Cancelled || result->State == TPrintJobResult::Stopped)
        throw TPrintCancelled();
    if (result->State == TPrintJobResult::Silent)
        throw TPrinterError(failed + QCoreApplication::translate("TPrinter", ": the print server %1 does not answer").arg(PrintServerName()));
    if (result->State == TPrintJobResult::Refused)
        throw TPrinterError(failed + QStringLiteral(": ") + result->Reason);
}

void TQtPrinter::DoAbort()
{
    DropDocument();
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
