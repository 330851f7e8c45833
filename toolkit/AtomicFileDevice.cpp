#include "AtomicFileDevice.h"

#include "AtomicFile.h"

#include <QFile>

TAtomicFileDevice::TAtomicFileDevice(QString fileName) : fileName_(std::move(fileName)) {}

TAtomicFileDevice::~TAtomicFileDevice() = default;

template <class Action>
bool TAtomicFileDevice::Attempt(Action&& action)
{
    try {
        action();
        return true;
    } catch (const TFileError& error) {
        setErrorString(QString::fromStdString(error.Reason));
        return false;
    }
}

bool TAtomicFileDevice::open(OpenMode mode)
{
    if ((mode & ReadOnly) || !(mode & WriteOnly)) {
        setErrorString(QStringLiteral("Only writing is supported"));
        return false;
    }
    const std::string name = QFile::encodeName(fileName_).toStdString();
    return Attempt([&] { writer_ = std::make_unique<TAtomicFileWriter>(name); }) && QIODevice::open(mode);
}

qint64 TAtomicFileDevice::writeData(const char* data, qint64 size)
{
    return writer_ && Attempt([&] { writer_->Write(std::string_view(data, std::size_t(size))); }) ? size : -1;
}

bool TAtomicFileDevice::Commit()
{
    const bool done = writer_ && Attempt([&] { writer_->Commit(); });
    writer_.reset();
    close();
    return done;
}
