#include "Dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace {

class TMessageBoxDialogs : public TDialogService {
public:
    void ShowMessage(const QString& text) override
    {
        QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
    }

    TModalResult MessageDlg(const QString& text, TMsgDlgType type, unsigned buttons) override
    {
        QMessageBox box(IconOf(type), QApplication::applicationName(), text, QMessageBox::NoButton,
                        QApplication::activeWindow());
        if (buttons & mbYes) box.addButton(QMessageBox::Yes);
        if (buttons & mbNo) box.addButton(QMessageBox::No);
        if (buttons & mbOK) box.addButton(QMessageBox::Ok);
        if (buttons & mbCancel) box.addButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Yes: return mrYes;
        case QMessageBox::No: return mrNo;
        case QMessageBox::Ok: return mrOk;
        case QMessageBox::Cancel: return mrCancel;
        default: return mrNone;
        }
    }

private:
    static QMessageBox::Icon IconOf(TMsgDlgType type)
    {
        switch (type) {
        case TMsgDlgType::mtWarning: return QMessageBox::Warning;
        case TMsgDlgType::mtError: return QMessageBox::Critical;
        case TMsgDlgType::mtInformation: return QMessageBox::Information;
        case TMsgDlgType::mtConfirmation: return QMessageBox::Question;
        default: return QMessageBox::NoIcon;
        }
    }
};

TMessageBoxDialogs g_messageBoxes;
TDialogService* g_service = &g_messageBoxes;

} // namespace

TDialogService& Dialogs() { return *g_service; }

TDialogService* SetDialogs(TDialogService* service)
{
    TDialogService* previous = g_service;
    g_service = service ? service : &g_messageBoxes;
    return previous;
}

void ShowMessage(const QString& text) { Dialogs().ShowMessage(text); }

TModalResult MessageDlg(const QString& text, TMsgDlgType type, unsigned buttons)
{
    return Dialogs().MessageDlg(text, type, buttons);
}
