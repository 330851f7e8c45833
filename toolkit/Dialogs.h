#pragma once
// Message boxes, file dialogs and Print setup reached through one replaceable
// service, so that tests and fuzz targets record what would be shown instead of
// blocking on a modal box.

#include "Printer.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

class QWidget;

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgButton : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };
// The button a dialog was closed with.
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// What an open or save dialog is set up with.
struct TFileDialogOptions {
    QString Title;
    // Choices in the "Text Files (*.txt)|*.txt|All Files (*.*)|*.*" form.
    QString Filter;
    int FilterIndex = 1; // the preselected choice, counted from 1
    // Added (without the dot) when the user types a name without an extension.
    QString DefaultExt;
    QString InitialDir;
    QString FileName;
    // Save dialogs only: ask before replacing an existing file.
    bool OverwritePrompt = true;
};

class TDialogService {
public:
    virtual ~TDialogService() = default;
    // A plain message box with an OK button.
    virtual void ShowMessage(const QString& text) = 0;
    // A message box of the given type with the given buttons (an OR of TMsgDlgButton).
    virtual TModalResult MessageDlg(const QString& text, TMsgDlgType type, unsigned buttons) = 0;
    // The chosen file's full name, or nothing when the user cancelled. A service
    // without file dialogs answers as if the user cancelled.
    virtual std::optional<QString> OpenFileDialog(const TFileDialogOptions&) { return std::nullopt; }
    virtual std::optional<QString> SaveFileDialog(const TFileDialogOptions&) { return std::nullopt; }
    // Print setup: the printer to print on with its paper and orientation, set on
    // `printer`. True when the user accepted. A service without it answers as if
    // the user cancelled.
    virtual bool PrinterSetupDialog(TPrinter&) { return false; }
};

// The filter in Qt's form: "Text Files (*.txt);;All Files (*)". A pattern of *.*
// means every file, as it does on Windows, so it becomes *.
QStringList QtNameFilters(const QString& filter);
// The name with ".ext" appended when its last part has no extension.
QString WithDefaultExt(const QString& fileName, const QString& defaultExt);

// The service in force: the real message boxes unless a test installed another.
TDialogService& Dialogs();
// Installs a service (nullptr restores the real one); returns the previous one.
TDialogService* SetDialogs(TDialogService* service);
// The real dialogs, whichever service is in force.
TDialogService& SystemDialogs();

void ShowMessage(const QString& text);
TModalResult MessageDlg(const QString& text, TMsgDlgType type, unsigned buttons);
std::optional<QString> OpenFileDialog(const TFileDialogOptions& options);
std::optional<QString> SaveFileDialog(const TFileDialogOptions& options);
bool PrinterSetupDialog(TPrinter& printer);

// Records every message instead of showing it; answers MessageDlg with `answer`.
// File dialogs record their set-up and take the user's answer from `fileAnswers`
// (a name as typed, or nothing for Cancel; an empty queue cancels); the default
// extension is added as the real dialog adds it. Print setup takes the user's
// choice from `printerSetupAnswers` the same way.
class TRecordingDialogs : public TDialogService {
public:
    enum class TFileDialogKind { Open, Save };
    struct TFileDialogRecord {
        TFileDialogKind kind;
        TFileDialogOptions options;
    };
    // What the user chooses in Print setup: a printer (empty: the one shown) and
    // an orientation (nothing: the one shown).
    struct TPrinterSetupAnswer {
        QString printer;
        std::optional<TPrinterOrientation> orientation;
    };

    void ShowMessage(const QString& text) override { messages.append(text); }
    TModalResult MessageDlg(const QString& text, TMsgDlgType type, unsigned) override
    {
        messages.append(text);
        types.push_back(type);
        return answer;
    }
    std::optional<QString> OpenFileDialog(const TFileDialogOptions& options) override
    {
        return AnswerFileDialog(TFileDialogKind::Open, options);
    }
    std::optional<QString> SaveFileDialog(const TFileDialogOptions& options) override
    {
        return AnswerFileDialog(TFileDialogKind::Save, options);
    }
    bool PrinterSetupDialog(TPrinter& printer) override
    {
        ++printerSetups;
        printer.LookUp();
        if (printerSetupAnswers.empty())
            return false;
        const std::optional<TPrinterSetupAnswer> chosen = printerSetupAnswers.front();
        printerSetupAnswers.pop_front();
        if (!chosen || (!chosen->printer.isEmpty() && !printer.SetPrinterName(chosen->printer)))
            return false;
        if (chosen->orientation)
            printer.SetOrientation(*chosen->orientation);
        return true;
    }

    QStringList messages;
    std::vector<TMsgDlgType> types; // of the MessageDlg calls, in order
    TModalResult answer = mrOk;
    std::deque<std::optional<QString>> fileAnswers;
    std::vector<TFileDialogRecord> fileDialogs;
    std::deque<std::optional<TPrinterSetupAnswer>> printerSetupAnswers; // nothing: Cancel
    int printerSetups = 0;

private:
    std::optional<QString> AnswerFileDialog(TFileDialogKind kind, const TFileDialogOptions& options)
    {
        fileDialogs.push_back({kind, options});
        if (fileAnswers.empty())
            return std::nullopt;
        std::optional<QString> chosen = fileAnswers.front();
        fileAnswers.pop_front();
        if (chosen)
            chosen = WithDefaultExt(*chosen, options.DefaultExt);
        return chosen;
    }
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
