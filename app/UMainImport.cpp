// File > Import list ...: a delimited list (a spreadsheet export) or a
// workbook's sheet read through its preview dialog, then computed into both
// grids with its other columns; and the status bar's word on the last list read.

#include "UMain.h"

#include "AppendStep.h"
#include "Application.h"
#include "CollisionView.h"
#include "Dialogs.h"
#include "FormLook.h"
#include "ImportedList.h"
#include "ListImport.h"
#include "ListStatusText.h"
#include "PlateList.h"
#include "UImport.h"

#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include <stdexcept>

namespace {

TFileDialogOptions ListFileDialog()
{
    TFileDialogOptions options;
    // The kinds' names are translated; their patterns are not.
    options.Filter = TFormMain::tr("Lists (*.csv;*.tsv;*.txt;*.xlsx;*.ods)") +
                     QStringLiteral("|*.csv;*.tsv;*.txt;*.xlsx;*.ods|") + TFormMain::tr("Workbooks (*.xlsx;*.ods)") +
                     QStringLiteral("|*.xlsx;*.ods|") + TFormMain::tr("Comma-separated (*.csv)") + QStringLiteral("|*.csv|") +
                     TFormMain::tr("Tab-separated (*.tsv)") + QStringLiteral("|*.tsv|") + TFormMain::tr("Text Files (*.txt)") +
                     QStringLiteral("|*.txt|") + TFormMain::tr("All Files (*.*)") + QStringLiteral("|*.*");
    options.FilterIndex = 1;
    options.OverwritePrompt = false;
    return options;
}

} // namespace

void TFormMain::BuildImport()
{
    mnuFileImport = new QAction(tr("Import list ..."), this);
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
    std::optional<TImportedList> list;
    {
        TBusyCursor busy;
        list.emplace(*name);
    }
    TFormImport dialog(*list, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ImportList(*list, dialog.Options());
}

void TFormMain::ImportList(const TImportedList& list, const TDelimitedListOptions& options)
{
    TBusyCursor busy;
    const TAppendRecorder step(History, SG1, SG2, tr("Import list"));
    TListImport import(SG1, SG2, Collisions);
    try {
        list.ReadPlates(options, import);
    } catch (const TListColumnError& error) {
        import.Flush();
        throw std::runtime_error(error.what());
    }
    import.Flush();
    ShowListStatus(ImportedListStatus(list.FileName(), import.Imported(), import.Issues()));
}

void TFormMain::ShowListStatus(const QString& text)
{
    ListStatus->setText(text);
    ListStatus->setToolTip(text);
}
