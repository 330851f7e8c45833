#pragma once
// A printer that writes its pages to a PDF file: the locale's paper at 600 dots per
// inch, the whole sheet printable. The file is written beside the target under a
// temporary name and renamed over it when the document ends, so a failed or aborted
// document never leaves a truncated file behind.

#include "Printer.h"

class QPdfWriter;
class QSaveFile;

class TPdfPrinter : public TPrinter {
public:
    explicit TPdfPrinter(const QString& fileName, const QLocale& locale = QLocale::system());
    ~TPdfPrinter() override;

    QString FileName() const { return fileName_; }

    // The PDF "printer" is always there.
    QStringList Printers() const override { return {QStringLiteral("PDF")}; }
    int PageWidth() const override { return Geometry().Width; }
    int PageHeight() const override { return Geometry().Height; }
    int PixelsPerInchX() const override { return DefaultPrinterResolution; }
    int PixelsPerInchY() const override { return DefaultPrinterResolution; }
    TPrinterOrientation Orientation() const override { return orientation_; }
    void SetOrientation(TPrinterOrientation orientation) override;
    QPainter* Canvas() override;

protected:
    void DoBeginDoc() override;
    void DoNewPage() override;
    void DoEndDoc() override;
    void DoAbort() override;

private:
    TPageGeometry Geometry() const { return DefaultPageGeometry(orientation_, locale_); }
    void Discard();
    [[noreturn]] void Fail(const QString& reason);

    QString fileName_;
    QLocale locale_;
    TPrinterOrientation orientation_ = TPrinterOrientation::poPortrait;
    // Declared in the order they are built; the painter ends before the writer goes.
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
};
