#pragma once
// Opens an address (web or mail) with the desktop's default handler, through a
// replaceable opener so that tests record the address instead of starting a browser.

#include <QString>
#include <QStringList>
#include <functional>

using TShellOpener = std::function<bool(const QString& address)>;

// Asks the desktop to open the address; false when it could not.
bool ShellOpen(const QString& address);
// Installs an opener (an empty one restores the desktop's); returns the previous one.
TShellOpener SetShellOpener(TShellOpener opener);

// Records the addresses opened during its lifetime instead of opening them.
class TScopedRecordingShell {
public:
    TScopedRecordingShell();
    ~TScopedRecordingShell();
    TScopedRecordingShell(const TScopedRecordingShell&) = delete;
    TScopedRecordingShell& operator=(const TScopedRecordingShell&) = delete;

    QStringList opened;

private:
    TShellOpener previous_;
};
