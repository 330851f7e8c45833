// The settings file (active tab and column widths) and the column menus.

#include "UMain.h"

#include "Application.h"
#include "AtomicFile.h"
#include "Dialogs.h"
#include "IniFile.h"
#include "PlateList.h"
#include "zelGrid.h"

#include <QFile>
#include <QMenu>

namespace {

constexpr int kSg1Columns = 7;
constexpr int kSg2Columns = 3;

// Columns hidden on a first start.
bool HiddenByDefault(bool sg1, int col)
{
    return sg1 ? (col >= 2 && col <= 4) : col == 2;
}

} // namespace

void TFormMain::BuildColumnMenu(QMenu* menu, TzelGrid* grid, const char* nameFormat, bool lv1)
{
    for (int i = 0; i < grid->ColCount(); ++i) {
        QAction* item = menu->addAction(grid->Cells(i, 0));
        item->setObjectName(QString::fromLatin1(nameFormat).arg(i));
        item->setData(i); // the tag
        item->setEnabled(i >= 1);
        item->setCheckable(true);
        item->setChecked(grid->ColWidths(i) > 0);
        connect(item, &QAction::triggered, this, [this, item, lv1] {
            try {
                lv1 ? mnuShowHideColumnLV1Click(item) : mnuShowHideColumnLV2Click(item);
            } catch (...) {
                TApplication::HandleException();
            }
        });
    }
}

void TFormMain::LoadSettings(const QString& fileName)
{
    const TIniFile ini(fileName);
    PageControl1->SetActivePageIndex(ini.ReadInteger(QStringLiteral("settings"), QStringLiteral("mode"), 0));
    const auto loadWidths = [&](TzelGrid* grid, const QString& section, bool sg1) {
        const int tableOffset = sg1 ? 0 : kSg1Columns;
        const int tableCount = sg1 ? kSg1Columns : kSg2Columns;
        for (int i = 0; i < grid->ColCount(); ++i) {
            int fallback = grid->ColWidths(i);
            if (i < tableCount)
                fallback = HiddenByDefault(sg1, i) ? -1 : ColumnWidthDefaults[std::size_t(tableOffset + i)];
            grid->SetColWidths(i, ini.ReadInteger(section, QStringLiteral("colwidth%1").arg(i), fallback));
        }
    };
    loadWidths(SG1, QStringLiteral("wg26"), true);
    loadWidths(SG2, QStringLiteral("wg64"), false);
}

void TFormMain::SaveSettings(const QString& fileName)
{
    // All values go into the file's text at once and the file is replaced in one
    // write, so a failure leaves the previous file whole.
    QFile file(fileName);
    std::string existing;
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            throw EIniFileException(fileName, file.errorString());
        existing = file.readAll().toStdString();
    }
    TIniDocument document(existing);
    document.SetValue(QStringLiteral("settings"), QStringLiteral("mode"),
                      QString::number(PageControl1->ActivePageIndex()));
    const auto saveWidths = [&](TzelGrid* grid, const QString& section) {
        for (int i = 0; i < grid->ColCount(); ++i)
            document.SetValue(section, QStringLiteral("colwidth%1").arg(i), QString::number(grid->ColWidths(i)));
    };
    saveWidths(SG1, QStringLiteral("wg26"));
    saveWidths(SG2, QStringLiteral("wg64"));
    try {
        TAtomicFileWriter::WriteFile(fileName.toStdString(), document.Bytes(), TAtomicFileWriter::TFallback::InPlace);
    } catch (const TFileError& error) {
        throw EIniFileException(fileName, QString::fromStdString(error.Reason));
    }
}

void TFormMain::FormDestroy()
{
    try {
        PrepareSettingsFolder(settings_);
        SaveSettings(settings_.WriteTo);
    } catch (...) {
        MessageDlg(QStringLiteral("Unable to write to %1").arg(settings_.WriteTo), TMsgDlgType::mtError, mbOK);
    }
}

void TFormMain::UpdateColumnMenu(QMenu* menu, TzelGrid* grid, bool active)
{
    menu->menuAction()->setVisible(active);
    for (QAction* item : menu->actions()) {
        const int col = item->data().toInt();
        // A column deleted since start-up leaves its item hidden.
        item->setVisible(col < grid->ColCount());
        item->setChecked(col < grid->ColCount() && grid->ColWidths(col) > 0);
    }
}

void TFormMain::UpdateShowHide()
{
    const int active = PageControl1->ActivePageIndex();
    UpdateColumnMenu(mnuView1, SG1, active == 0);
    UpdateColumnMenu(mnuView2, SG2, active == 1);
}

void TFormMain::ShowHideColumn(TzelGrid* grid, QAction* item, int tableOffset, int tableCount)
{
    const int col = item->data().toInt();
    if (col < 0 || col >= grid->ColCount())
        return;
    if (grid->ColWidths(col) < 1) {
        const int width = col < tableCount ? ColumnWidthDefaults[std::size_t(tableOffset + col)] : grid->DefaultColWidth();
        grid->SetColWidths(col, width);
    } else {
        grid->SetColWidths(col, -1);
    }
}

void TFormMain::mnuShowHideColumnLV1Click(QAction* item)
{
    ShowHideColumn(SG1, item, 0, kSg1Columns);
}

void TFormMain::mnuShowHideColumnLV2Click(QAction* item)
{
    ShowHideColumn(SG2, item, kSg1Columns, kSg2Columns);
}
