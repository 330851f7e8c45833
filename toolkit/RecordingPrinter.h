#pragma once
// A printer for tests: keeps every call and draws each page into an image, so a
// test can check the sequence of documents and pages and look at the pixels.

#include "Printer.h"

#include <QImage>
#include <QList>

// One document as it was printed.
struct TRecordedDocument {
    QString Title;
    int Copies = 0;
    QList<QImage> Pages;
    bool Ended = false;   // EndDoc was called
    bool Aborted = false; // Abort was called
};

class TRecordingPrinter : public TPrinter {
public:
    // A portrait page of `portraitPage` dots at the given resolution. Pages are
    // drawn into images at `imageResolution` dots per inch (0: the printer's own),
    // so a test can lay out for a fine printer and still keep small images.
    TRecordingPrinter(QSize portraitPage, int pixelsPerInchX, int pixelsPerInchY, int imageResolution = 0);
    // An A4 page at 96 dots per inch.
    TRecordingPrinter();
    ~TRecordingPrinter() override;

    // The page of the given paper in dots at the given resolution.
    static QSize PaperDots(const QPageSize& paper, int pixelsPerInchX, int pixelsPerInchY);

    // "Installed printers": one by default; an empty list stands for a desk without printer.
    QStringList Printers() const override { return printers_; }
    void SetPrinters(const QStringList& printers) { printers_ = printers; }

    int PageWidth() const override;
    int PageHeight() const override;
    int PixelsPerInchX() const override { return dpiX_; }
    int PixelsPerInchY() const override { return dpiY_; }
    TPrinterOrientation Orientation() const override { return orientation_; }
    void SetOrientation(TPrinterOrientation orientation) override;
    QPainter* Canvas() override;

    // Every call in order: "BeginDoc", "NewPage", "EndDoc", "Abort",
    // "Orientation Portrait" and "Orientation Landscape" (when it changes).
    QStringList Calls;
    // Every document begun, the last one last.
    QList<TRecordedDocument> Documents;
    // The pages of the last document (none when no document was begun).
    QList<QImage> Pages() const { return Documents.isEmpty() ? QList<QImage>() : Documents.last().Pages; }

protected:
    void DoBeginDoc() override;
    void DoNewPage() override;
    void DoEndDoc() override;
    void DoAbort() override;

private:
    void StartPageImage();
    void FinishPageImage();

    QSize portraitPage_;
    int dpiX_;
    int dpiY_;
    int imageResolution_;
    TPrinterOrientation orientation_ = TPrinterOrientation::poPortrait;
    QStringList printers_{QStringLiteral("Recording printer")};
    QImage page_;
    QPainter painter_;
};

// Installs a recording printer as the printer in force for the lifetime of the object.
class TScopedRecordingPrinter : public TRecordingPrinter {
public:
    template <typename... TArgs>
    explicit TScopedRecordingPrinter(TArgs&&... args)
        : TRecordingPrinter(std::forward<TArgs>(args)...), previous_(SetPrinter(this))
    {
    }
    ~TScopedRecordingPrinter() override { SetPrinter(previous_); }
    TScopedRecordingPrinter(const TScopedRecordingPrinter&) = delete;
    TScopedRecordingPrinter& operator=(const TScopedRecordingPrinter&) = delete;

private:
    TPrinter* previous_;
};
