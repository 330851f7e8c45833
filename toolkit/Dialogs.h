#pragma once
// Message boxes reached through one replaceable service, so that tests and fuzz
// targets record what would be shown instead of blocking on a modal box.

#include <QString>
#include <QStringList>

class QWidget;

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgButton : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };
// The button a dialog was closed with.
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

class TDialogService {
public:
    virtual ~TDialogService() = default;
    // A plain message box with an OK button.
    virtual void ShowMessage(const QString& text) = 0;
    // A message box of the given type with the given buttons (an OR of TMsgDlgButton).
    virtual TModalResult MessageDlg(const QString& text, TMsgDlgType type, unsigned buttons) = 0;
};

// The service in force: the real message boxes unless a test installed another.
TDialogService& Dialogs();
// Installs a service (nullptr restores the real one); returns the previous one.
TDialogService* SetDialogs(TDialogService* service);

void ShowMessage(const QString& text);
TModalResult MessageDlg(const QString& text, TMsgDlgType type, unsigned buttons);

// Records every message instead of showing it; answers MessageDlg with `answer`.
class TRecordingDialogs : public TDialogService {
public:
    void ShowMessage(const QString& text) override { messages.append(text); }
    TModalResult MessageDlg(const QString& text, TMsgDlgType, unsigned) override
    {
        messages.append(text);
        return answer;
    }
    QStringList messages;
    TModalResult answer = mrOk;
};

// Installs a recorder for the lifetime of the object (tests, fuzz targets).
class TScopedRecordingDialogs : public TRecordingDialogs {
public:
    TScopedRecordingDialogs() : previous_(SetDialogs(this)) {}
    ~TScopedRecordingDialogs() override { SetDialogs(previous_); }
    TScopedRecordingDialogs(const TScopedRecordingDialogs&) = delete;
    TScopedRecordingDialogs& operator=(const TScopedRecordingDialogs&) = delete;

private:
    TDialogService* previous_;
};
