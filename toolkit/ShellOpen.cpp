#include "ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

bool DesktopOpen(const QString& address)
{
    // A full URL opens as it stands; "www.example.com" or a mail address is completed.
    QUrl url(address, QUrl::TolerantMode);
    if (url.scheme().isEmpty())
        url = address.contains(QLatin1Char('@')) && !address.contains(QLatin1Char('/'))
                  ? QUrl(QStringLiteral("mailto:") + address)
                  : QUrl::fromUserInput(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

TShellOpener& Opener()
{
    static TShellOpener opener = DesktopOpen;
    return opener;
}

} // namespace

bool ShellOpen(const QString& address) { return Opener()(address); }

TShellOpener SetShellOpener(TShellOpener opener)
{
    TShellOpener previous = std::move(Opener());
    Opener() = opener ? std::move(opener) : TShellOpener(DesktopOpen);
    return previous;
}

TScopedRecordingShell::TScopedRecordingShell()
    : previous_(SetShellOpener([this](const QString& address) {
          opened.append(address);
          return true;
      }))
{
}

TScopedRecordingShell::~TScopedRecordingShell() { SetShellOpener(std::move(previous_)); }
