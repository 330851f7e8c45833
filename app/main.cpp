// Start-up: the application object, its title, the main window, the About box
// (hidden), the recovery file of unsaved rows, then the message loop until the
// main window closes. The settings are written when the main window is destroyed
// on the way out.

#include "Application.h"
#include "Dialogs.h"
#include "SettingsLocation.h"
#include "Translations.h"
#include "UAbout.h"
#include "UMain.h"

#include <memory>

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    InstallTranslations(application);
    application.SetTitle(QStringLiteral("Corvana"));
    std::unique_ptr<TFormMain> formMain;
    try {
        formMain = std::make_unique<TFormMain>(ApplicationSettingsFiles());
        formMain->FormAbout = new TFormAbout(formMain.get());
    } catch (...) {
        TApplication::HandleException();
        return 1;
    }
    formMain->show();
    // Unsaved rows are kept for the next start; earlier ones are offered now.
    formMain->KeepRecoveryIn(UserRecoveryFolder());
    const int result = application.exec();
    formMain.reset();
    return result;
}
