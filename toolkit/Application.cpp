#include "Application.h"

#include "Dialogs.h"
#include "FocusFrameStyle.h"

#include <QCoreApplication>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The desktop's style, with the keyboard's focus shown on every control.
    setStyle(new TFocusFrameStyle);
}

QString TApplication::Title() const { return applicationDisplayName(); }

void TApplication::SetTitle(const QString& title)
{
    setApplicationName(title);
    setApplicationDisplayName(title);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleException();
        return true;
    }
}

void TApplication::HandleException()
{
    QString message;
    try {
        throw;
    } catch (const std::exception& error) {
        message = QString::fromUtf8(error.what());
    } catch (...) {
        message = QCoreApplication::translate("TApplication", "Unknown error");
    }
    // A failure while showing the message must not end the program either.
    try {
        MessageDlg(message, TMsgDlgType::mtError, mbOK);
    } catch (...) {
    }
}
