#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

void OpenWithDesktop(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

TAddressOpener& CurrentOpener()
{
    static TAddressOpener opener = OpenWithDesktop;
    return opener;
}

} // namespace

void ShellOpenAddress(const QString& address)
{
    CurrentOpener()(address);
}

TAddressOpener SetAddressOpener(TAddressOpener opener)
{
    TAddressOpener previous = CurrentOpener();
    CurrentOpener() = opener ? std::move(opener) : TAddressOpener(OpenWithDesktop);
    return previous;
}

TScopedRecordingAddressOpener::TScopedRecordingAddressOpener()
    : previous_(SetAddressOpener([this](const QString& address) { opened.append(address); }))
{
}

TScopedRecordingAddressOpener::~TScopedRecordingAddressOpener()
{
    SetAddressOpener(previous_);
}
