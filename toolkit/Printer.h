#pragma once
// The printer the grid prints on: page size in dots, resolution, orientation,
// copies, job title, the begin-document / new-page / end-document sequence and a
// canvas to draw on. The system's printer is reached through Printer(); tests
// install a recording printer instead (RecordingPrinter.h), and PdfPrinter.h
// writes the same pages to a PDF file.

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QStringList>

#include <memory>
#include <stdexcept>

class QPrinter;
class QTemporaryDir;
class TPdfPrinter;
struct TFoundPrinter;

enum class TPrinterOrientation { poPortrait, poLandscape };

// A printing error: no printer, a print server that does not answer, a
// document that cannot be started or written, a call out of sequence.
class TPrinterError : public std::runtime_error {
public:
    explicit TPrinterError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The user stopped waiting for the print system; nothing needs saying.
class TPrintCancelled : public TPrinterError {
public:
    TPrintCancelled() : TPrinterError(QStringLiteral("Cancelled")) {}
};

// A page in dots with the resolution that gives them.
struct TPageGeometry {
    int Width = 0;
    int Height = 0;
    int PixelsPerInchX = 0;
    int PixelsPerInchY = 0;
};

// A page as a printer prints it: paper, orientation and margins, and the
// resolution it is drawn at. A PDF made from it has the printer's pages.
struct TPageSetup {
    QPageLayout Layout;
    int Resolution = 0;
    // The printable page in dots.
    TPageGeometry Geometry() const;
};

// The paper a locale uses: Letter where US measures are used, A4 elsewhere.
QPageSize DefaultPaperSize(const QLocale& locale = QLocale::system());
// The resolution used for pages when there is no printer: preview, page counting
// and PDF output.
constexpr int DefaultPrinterResolution = 600;
// The whole sheet of the locale's paper at 600 dots per inch.
TPageSetup DefaultPageSetup(TPrinterOrientation orientation = TPrinterOrientation::poPortrait,
                            const QLocale& locale = QLocale::system());
// The whole sheet of the locale's paper at 600 dots per inch.
TPageGeometry DefaultPageGeometry(TPrinterOrientation orientation = TPrinterOrientation::poPortrait,
                                  const QLocale& locale = QLocale::system());
// Logical pixels per inch of the primary screen (96 when there is no screen).
int ScreenPixelsPerInch();

class TPrinter {
public:
    virtual ~TPrinter() = default;

    // Names of the installed printers; empty when none is installed. Asking the
    // print system throws as LookUp does.
    virtual QStringList Printers() const = 0;
    bool IsPrinterInstalled() const { return !Printers().isEmpty(); }
    // Finds the printer to print on as things stand now, since printers come and
    // go while the program runs; false when no printer is installed. The page and
    // the printer's name follow what was found. Throws TPrinterError when the
    // print system does not answer (the printer then stays as it was), and
    // TPrintCancelled when the user stops waiting for it.
    virtual bool LookUp() { return IsPrinterInstalled(); }
    // The printer printed on; empty when there is none.
    virtual QString PrinterName() const { return Printers().value(0); }
    // Chooses the installed printer to print on, as Print setup does; false when
    // no printer of that name is installed.
    virtual bool SetPrinterName(const QString& name) { return Printers().contains(name); }

    // The printable page in dots, in the current orientation.
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;
    TPageGeometry PageGeometry() const { return {PageWidth(), PageHeight(), PixelsPerInchX(), PixelsPerInchY()}; }
    // The page in the current orientation as a page setup, so that a PDF comes
    // out with the same printable page; by default the page in dots taken as the
    // whole sheet.
    virtual TPageSetup PageSetup() const;

    // May change while printing; it then applies from the next page on.
    virtual TPrinterOrientation Orientation() const = 0;
    virtual void SetOrientation(TPrinterOrientation orientation) = 0;

    // Copies asked for; 0 (or less) prints one copy.
    int Copies() const { return copies_; }
    void SetCopies(int copies) { copies_ = copies; }
    int CopiesToPrint() const { return copies_ < 1 ? 1 : copies_; }

    // The job title shown in the print queue (the document title of a PDF).
    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }

    bool Printing() const { return printing_; }
    // The page being drawn, from 1; 0 when not printing.
    int PageNumber() const { return printing_ ? pageNumber_ : 0; }

    // Starts a document on its first page. Throws TPrinterError.
    void BeginDoc();
    // Ends the page and starts the next one. Throws TPrinterError.
    void NewPage();
    // Finishes the document and hands it over. Throws TPrinterError, and
    // TPrintCancelled when the user stops waiting for the print system.
    void EndDoc();
    // Drops the document being printed; nothing happens when none is.
    void Abort();

    // The surface of the current page while printing, otherwise nullptr. Its
    // font, pen and brush carry over from page to page.
    virtual QPainter* Canvas() = 0;

protected:
    virtual void DoBeginDoc() = 0;
    virtual void DoNewPage() = 0;
    virtual void DoEndDoc() = 0;
    virtual void DoAbort() = 0;

private:
    void RequirePrinting(const char* what) const;

    QString title_;
    int copies_ = 0;
    bool printing_ = false;
    int pageNumber_ = 0;
};

// The system's printer through Qt: the one chosen in Print setup while it is
// installed, otherwise the system's default printer (or the first installed one).
// Without any installed printer it reports the default page geometry and refuses
// to begin a document. The printer is looked up when LookUp is called (by
// printing, Print setup and opening the preview), so a printer installed while
// the program runs is found; page queries in between ask the print system nothing.
// Every question to the print system, and handing over a job, runs away from the
// window's thread (PrintServerWait.h), so a print server that does not answer
// never holds the window up. A document is drawn into a PDF file with the
// printer's page and resolution, as Qt's CUPS support draws it, and handed over
// as a job with the options Qt gives one.
class TQtPrinter : public TPrinter {
public:
    TQtPrinter();
    ~TQtPrinter() override;

    QStringList Printers() const override;
    bool LookUp() override;
    QString PrinterName() const override;
    bool SetPrinterName(const QString& name) override;
    TPageSetup PageSetup() const override;
    int PageWidth() const override;
    int PageHeight() const override;
    int PixelsPerInchX() const override;
    int PixelsPerInchY() const override;
    TPrinterOrientation Orientation() const override;
    void SetOrientation(TPrinterOrientation orientation) override;
    QPainter* Canvas() override;

    // The Qt printer itself, for the print setup dialog, once LookUp found one;
    // TakeSetup then keeps the printer and the number of copies chosen there.
    QPrinter& QtPrinter() { return *printer_; }
    void TakeSetup();

protected:
    void DoBeginDoc() override;
    void DoNewPage() override;
    void DoEndDoc() override;
    void DoAbort() override;

private:
    // Prints on what the print system named; keeps the printer in use when it
    // is still the one.
    void Take(TFoundPrinter& found);
    void DropDocument();

    std::unique_ptr<QPrinter> printer_; // none while no printer is installed
    TPageSetup noPrinter_;              // the page without a printer
    QString chosen_;                    // in Print setup
    int setupCopies_ = 1;               // chosen in Print setup, printed when Copies() is 0
    // The document being printed and the folder that holds its file.
    std::unique_ptr<TPdfPrinter> document_;
    std::shared_ptr<QTemporaryDir> jobFolder_;
};

// The printer in force: the system's default printer unless another was installed.
TPrinter& Printer();
// Installs a printer (nullptr restores the default one); returns the previous one.
TPrinter* SetPrinter(TPrinter* printer);
