#pragma once
// A printer that writes its pages to a PDF file: a printer's page setup (its
// paper, margins and resolution), so that the file holds that printer's pages, or
// the locale's paper at 600 dots per inch with the whole sheet printable. The file
// is written whole or not at all (TAtomicFileDevice): it replaces the target when
// the document ends, so a failed or aborted document never leaves a truncated
// file behind.

#include "Printer.h"

class QPdfWriter;
class TAtomicFileDevice;

class TPdfPrinter : public TPrinter {
public:
    explicit TPdfPrinter(const QString& fileName, const QLocale& locale = QLocale::system());
    TPdfPrinter(const QString& fileName, const TPageSetup& setup);
    ~TPdfPrinter() override;

    QString FileName() const { return fileName_; }

    // The PDF "printer" is always there.
    QStringList Printers() const override { return {QStringLiteral("PDF")}; }
    int PageWidth() const override { return setup_.Geometry().Width; }
    int PageHeight() const override { return setup_.Geometry().Height; }
    int PixelsPerInchX() const override { return setup_.Resolution; }
    int PixelsPerInchY() const override { return setup_.Resolution; }
    TPrinterOrientation Orientation() const override;
    TPageSetup PageSetup() const override { return setup_; }
    void SetOrientation(TPrinterOrientation orientation) override;
    QPainter* Canvas() override;

protected:
    void DoBeginDoc() override;
    void DoNewPage() override;
    void DoEndDoc() override;
    void DoAbort() override;

private:
    void Discard();
    [[noreturn]] void Fail(const QString& reason);

    QString fileName_;
    TPageSetup setup_;
    // Declared in the order they are built; the painter ends before the writer goes.
    std::unique_ptr<TAtomicFileDevice> file_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
};
