#include "PdfPrinter.h"

#include "AtomicFileDevice.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPdfWriter>

namespace {

QPageLayout::Orientation ToQt(TPrinterOrientation orientation)
{
    return orientation == TPrinterOrientation::poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

TPdfPrinter::TPdfPrinter(const QString& fileName, const QLocale& locale)
    : TPdfPrinter(fileName, DefaultPageSetup(TPrinterOrientation::poPortrait, locale))
{
}

TPdfPrinter::TPdfPrinter(const QString& fileName, const TPageSetup& setup) : fileName_(fileName), setup_(setup)
{
    setup_.Resolution = std::max(1, setup_.Resolution);
}

TPrinterOrientation TPdfPrinter::Orientation() const
{
    return setup_.Layout.orientation() == QPageLayout::Landscape ? TPrinterOrientation::poLandscape
                                                                 : TPrinterOrientation::poPortrait;
}

TPdfPrinter::~TPdfPrinter()
{
    Abort();
}

void TPdfPrinter::SetOrientation(TPrinterOrientation orientation)
{
    if (orientation == Orientation())
        return;
    setup_.Layout.setOrientation(ToQt(orientation));
    if (writer_)
        writer_->setPageOrientation(ToQt(orientation));
}

QPainter* TPdfPrinter::Canvas()
{
    return Printing() ? &painter_ : nullptr;
}

void TPdfPrinter::Fail(const QString& reason)
{
    Discard();
    throw TPrinterError(QStringLiteral("%1: %2").arg(fileName_, reason));
}

void TPdfPrinter::Discard()
{
    if (painter_.isActive())
        painter_.end();
    writer_.reset();
    file_.reset(); // the target stays as it was
}

void TPdfPrinter::DoBeginDoc()
{
    file_ = std::make_unique<TAtomicFileDevice>(fileName_);
    if (!file_->open(QIODevice::WriteOnly))
        Fail(file_->errorString());
    writer_ = std::make_unique<QPdfWriter>(file_.get());
    writer_->setResolution(setup_.Resolution);
    writer_->setPageLayout(setup_.Layout);
    writer_->setTitle(Title());
    writer_->setCreator(QStringLiteral("Corvana"));
    if (!painter_.begin(writer_.get()))
        Fail(QCoreApplication::translate("TPrinter", "cannot start the PDF document"));
}

void TPdfPrinter::DoNewPage()
{
    if (!writer_->newPage())
        Fail(QCoreApplication::translate("TPrinter", "cannot start a new page"));
}

void TPdfPrinter::DoEndDoc()
{
    // Ending the painter writes the rest of the document into the temporary file.
    painter_.end();
    writer_.reset();
    if (!file_->Commit())
        Fail(file_->errorString());
    file_.reset();
}

void TPdfPrinter::DoAbort()
{
    Discard();
}
