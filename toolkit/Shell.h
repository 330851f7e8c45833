#pragma once
// Opening a web or mail address with the desktop's default handler, through a
// replaceable opener so that tests record the address instead of starting a browser.

#include <QString>
#include <QStringList>
#include <functional>

using TAddressOpener = std::function<void(const QString& address)>;

// Opens the address with the opener in force; the outcome is not reported.
void ShellOpenAddress(const QString& address);
// Installs an opener (an empty one restores the desktop's); returns the previous one.
TAddressOpener SetAddressOpener(TAddressOpener opener);

// Records every address instead of opening it, for the lifetime of the object.
class TScopedRecordingAddressOpener {
public:
    TScopedRecordingAddressOpener();
    ~TScopedRecordingAddressOpener();
    TScopedRecordingAddressOpener(const TScopedRecordingAddressOpener&) = delete;
    TScopedRecordingAddressOpener& operator=(const TScopedRecordingAddressOpener&) = delete;

    QStringList opened;

private:
    TAddressOpener previous_;
};
