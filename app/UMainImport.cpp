// File > Import list ...: a delimited list (a spreadsheet export) read through
// its preview dialog, then computed into both grids with its other columns; and
// the status bar's word on the last list read.

#include "UMain.h"

#include "Application.h"
#include "CollisionView.h"
#include "Dialogs.h"
#include "FormLook.h"
#include "ListImport.h"
#include "ListStatusText.h"
#include "PlateList.h"
#include "UImport.h"

#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include <stdexcept>

namespace {

// The whole list is read into memory, up to this size.
constexpr std::size_t kImportLimit = std::size_t(256) << 20;

TFileDialogOptions ListFileDialog()
{
    TFileDialogOptions options;
    options.Filter = QStringLiteral("Lists (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt|Comma-separated (*.csv)|*.csv|"
                                    "Tab-separated (*.tsv)|*.tsv|Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
    options.FilterIndex = 1;
    options.OverwritePrompt = false;
    return options;
}

} // namespace

void TFormMain::BuildImport()
{
    mnuFileImport = new QAction(QStringLiteral("Import list ..."), this);
    mnuFile->insertAction(mnuFileSave, mnuFileImport);
    connect(mnuFileImport, &QAction::triggered, this, Guarded([this] { mnuFileImportClick(); }));

    // Beside the collision counts, clear of them.
    ListStatus = new QLabel(statusBar());
    ListStatus->setObjectName(QStringLiteral("ListStatus"));
    ListStatus->setIndent(6);
    // A long word never widens the window; the whole of it shows as a hint.
    ListStatus->setMinimumWidth(1);
    statusBar()->addWidget(ListStatus, 2);
}

void TFormMain::mnuFileImportClick()
{
    const std::optional<QString> name = OpenFileDialog(ListFileDialog());
    if (!name)
        return;
    std::optional<std::string> bytes;
    try {
        bytes = ReadFileUpTo(name->toStdString(), kImportLimit);
    } catch (const TFileError& error) {
        throw std::runtime_error(QStringLiteral("Cannot open file \"%1\". %2")
                                     .arg(*name, QString::fromStdString(error.Reason))
                                     .toStdString());
    }
    if (!bytes)
        throw std::runtime_error(QStringLiteral("Cannot import \"%1\": the list is larger than 256 MiB").arg(*name).toStdString());
    const std::string text = DecodeListText(*bytes);
    bytes.reset();
    TFormImport dialog(text, *name, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ImportList(text, dialog.Options(), *name);
}

void TFormMain::ImportList(std::string_view utf8, const TDelimitedListOptions& options, const QString& fileName)
{
    TBusyCursor busy;
    TListImport import(SG1, SG2, Collisions);
    try {
        ReadDelimitedText(utf8, options, import);
    } catch (const TListColumnError& error) {
        import.Flush();
        throw std::runtime_error(error.what());
    }
    import.Flush();
    ShowListStatus(ImportedListStatus(fileName, import.Imported(), import.Issues()));
}

void TFormMain::ShowListStatus(const QString& text)
{
    ListStatus->setText(text);
    ListStatus->setToolTip(text);
}
