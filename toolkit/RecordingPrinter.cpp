#include "RecordingPrinter.h"

#include <QPageLayout>

#include <cmath>

namespace {

int DotsPerMetre(int dotsPerInch)
{
    return qRound(dotsPerInch / 0.0254);
}

// Drawing state that carries over from one page image to the next.
struct TCanvasState {
    QFont Font;
    QPen Pen;
    QBrush Brush;
    QBrush Background;
    Qt::BGMode BackgroundMode = Qt::TransparentMode;
    QPainter::RenderHints Hints;
    QTransform Transform;

    static TCanvasState Of(const QPainter& painter)
    {
        return {painter.font(),          painter.pen(),         painter.brush(), painter.background(),
                painter.backgroundMode(), painter.renderHints(), painter.worldTransform()};
    }
    void ApplyTo(QPainter& painter) const
    {
        painter.setFont(Font);
        painter.setPen(Pen);
        painter.setBrush(Brush);
        painter.setBackground(Background);
        painter.setBackgroundMode(BackgroundMode);
        painter.setRenderHints(Hints);
        painter.setWorldTransform(Transform);
    }
};

} // namespace

TRecordingPrinter::TRecordingPrinter(QSize portraitPage, int pixelsPerInchX, int pixelsPerInchY, int imageResolution)
    : portraitPage_(portraitPage), dpiX_(std::max(1, pixelsPerInchX)), dpiY_(std::max(1, pixelsPerInchY)),
      imageResolution_(imageResolution)
{
}

TRecordingPrinter::TRecordingPrinter() : TRecordingPrinter(PaperDots(QPageSize(QPageSize::A4), 96, 96), 96, 96) {}

TRecordingPrinter::~TRecordingPrinter()
{
    Abort();
}

QSize TRecordingPrinter::PaperDots(const QPageSize& paper, int pixelsPerInchX, int pixelsPerInchY)
{
    const QSizeF inches = paper.size(QPageSize::Inch);
    return {qRound(inches.width() * pixelsPerInchX), qRound(inches.height() * pixelsPerInchY)};
}

int TRecordingPrinter::PageWidth() const
{
    if (orientation_ == TPrinterOrientation::poPortrait)
        return portraitPage_.width();
    return qRound(double(portraitPage_.height()) * dpiX_ / dpiY_);
}

int TRecordingPrinter::PageHeight() const
{
    if (orientation_ == TPrinterOrientation::poPortrait)
        return portraitPage_.height();
    return qRound(double(portraitPage_.width()) * dpiY_ / dpiX_);
}

void TRecordingPrinter::SetOrientation(TPrinterOrientation orientation)
{
    if (orientation == orientation_)
        return;
    orientation_ = orientation;
    Calls.append(orientation == TPrinterOrientation::poLandscape ? QStringLiteral("Orientation Landscape")
                                                                 : QStringLiteral("Orientation Portrait"));
}

QPainter* TRecordingPrinter::Canvas()
{
    return Printing() ? &painter_ : nullptr;
}

void TRecordingPrinter::StartPageImage()
{
    const double scaleX = imageResolution_ > 0 ? double(imageResolution_) / dpiX_ : 1.0;
    const double scaleY = imageResolution_ > 0 ? double(imageResolution_) / dpiY_ : 1.0;
    const QSize size(std::max(1, int(std::ceil(PageWidth() * scaleX))), std::max(1, int(std::ceil(PageHeight() * scaleY))));
    page_ = QImage(size, QImage::Format_RGB32);
    page_.fill(Qt::white);
    // Fonts given in points then come out in the printer's dots.
    page_.setDotsPerMeterX(DotsPerMetre(dpiX_));
    page_.setDotsPerMeterY(DotsPerMetre(dpiY_));
    painter_.begin(&page_);
    painter_.setWorldTransform(QTransform::fromScale(scaleX, scaleY));
}

void TRecordingPrinter::FinishPageImage()
{
    painter_.end();
    Documents.last().Pages.append(page_);
    page_ = QImage();
}

void TRecordingPrinter::DoBeginDoc()
{
    Calls.append(QStringLiteral("BeginDoc"));
    TRecordedDocument document;
    document.Title = Title();
    document.Copies = Copies();
    Documents.append(document);
    StartPageImage();
}

void TRecordingPrinter::DoNewPage()
{
    Calls.append(QStringLiteral("NewPage"));
    const TCanvasState state = TCanvasState::Of(painter_);
    FinishPageImage();
    StartPageImage();
    state.ApplyTo(painter_);
}

void TRecordingPrinter::DoEndDoc()
{
    Calls.append(QStringLiteral("EndDoc"));
    FinishPageImage();
    Documents.last().Ended = true;
}

void TRecordingPrinter::DoAbort()
{
    Calls.append(QStringLiteral("Abort"));
    FinishPageImage();
    Documents.last().Aborted = true;
}
