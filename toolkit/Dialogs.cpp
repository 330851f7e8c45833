#include "Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
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

    std::optional<QString> OpenFileDialog(const TFileDialogOptions& options) override
    {
        return Run(options, QFileDialog::AcceptOpen);
    }

    std::optional<QString> SaveFileDialog(const TFileDialogOptions& options) override
    {
        return Run(options, QFileDialog::AcceptSave);
    }

private:
    static std::optional<QString> Run(const TFileDialogOptions& options, QFileDialog::AcceptMode mode)
    {
        const bool save = mode == QFileDialog::AcceptSave;
        const QString title = !options.Title.isEmpty() ? options.Title
                              : save                   ? QStringLiteral("Save As")
                                                       : QStringLiteral("Open");
        QFileDialog dialog(QApplication::activeWindow(), title, options.InitialDir);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        const QStringList filters = QtNameFilters(options.Filter);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            dialog.selectNameFilter(filters.value(options.FilterIndex - 1, filters.first()));
        }
        dialog.setDefaultSuffix(options.DefaultExt);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !(save && options.OverwritePrompt));
        if (!options.FileName.isEmpty())
            dialog.selectFile(options.FileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return WithDefaultExt(dialog.selectedFiles().first(), options.DefaultExt);
    }

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

QStringList QtNameFilters(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        // Qt reads the patterns from the last parenthesised group: give it ours only.
        if (description.endsWith(QLatin1Char(')')) && description.lastIndexOf(QLatin1Char('(')) > 0)
            description = description.left(description.lastIndexOf(QLatin1Char('('))).trimmed();
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString p = pattern.trimmed();
            patterns.append(p == QLatin1String("*.*") ? QStringLiteral("*") : p);
        }
        if (patterns.isEmpty())
            patterns.append(QStringLiteral("*"));
        result.append(QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' '))));
    }
    return result;
}

QString WithDefaultExt(const QString& fileName, const QString& defaultExt)
{
    if (defaultExt.isEmpty() || fileName.isEmpty() || QFileInfo(fileName).fileName().contains(QLatin1Char('.')))
        return fileName;
    return fileName + QLatin1Char('.') + defaultExt;
}

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

std::optional<QString> OpenFileDialog(const TFileDialogOptions& options) { return Dialogs().OpenFileDialog(options); }

std::optional<QString> SaveFileDialog(const TFileDialogOptions& options) { return Dialogs().SaveFileDialog(options); }
