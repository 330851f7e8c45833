#include "Application.h"

#include "Dialogs.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

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
        message = QStringLiteral("Unknown error");
    }
    // A failure while showing the message must not end the program either.
    try {
        MessageDlg(message, TMsgDlgType::mtError, mbOK);
    } catch (...) {
    }
}
