// The settings file (active tab and column widths) and the column menus.

#include "UMain.h"

#include "Application.h"
#include "Dialogs.h"
#include "IniFile.h"
#include "zelGrid.h"

#include "FormLook.h"

#include <QMenu>

#include <cmath>

namespace {

// The section of the settings file that holds a table's column widths.
QString WidthsSection(TCodeTable table)
{
    return table == TCodeTable::Wiegand26 ? QStringLiteral("wg26") : QStringLiteral("wg64");
}

} // namespace

int TFormMain::DefaultWidth(TCodeTable table, int col)
{
    const std::size_t offset = table == TCodeTable::Wiegand26 ? 0 : kWiegand26Columns.size();
    return ColumnWidthDefaults[offset + std::size_t(col)];
}

int TFormMain::ShownWidth(int fileWidth) const
{
    return fileWidth > 0 ? std::max(1, Scaled(fileWidth, fontScale_)) : fileWidth;
}

int TFormMain::FileWidth(int shownWidth) const
{
    return shownWidth > 0 ? std::max(1, int(std::lround(shownWidth / fontScale_))) : shownWidth;
}

void TFormMain::BuildColumnMenu(QMenu* menu, TCodeTable table)
{
    for (int i = 0; i < Grid(table)->ColCount(); ++i)
        AddColumnItem(menu, table, i);
}

void TFormMain::AddColumnItem(QMenu* menu, TCodeTable table, int col)
{
    const TzelGrid* grid = Grid(table);
    const bool lv1 = table == TCodeTable::Wiegand26;
    QAction* item = menu->addAction(grid->Cells(col, 0));
    item->setObjectName(QString::fromLatin1(lv1 ? "mnuShowHideLV1Column_%1" : "mnuShowHideLV2Column_%1").arg(col));
    item->setData(col); // the tag
    item->setEnabled(col >= 1);
    item->setCheckable(true);
    item->setChecked(grid->ColWidths(col) > 0);
    connect(item, &QAction::triggered, this, Guarded([this, item, lv1] {
        lv1 ? mnuShowHideColumnLV1Click(item) : mnuShowHideColumnLV2Click(item);
    }));
}

void TFormMain::LoadSettings(const QString& fileName)
{
    const TIniFile ini(fileName);
    PageControl1->SetActivePageIndex(ini.ReadInteger(QStringLiteral("settings"), QStringLiteral("mode"), 0));
    for (const TCodeTable table : kCodeTables) {
        TzelGrid* grid = Grid(table);
        const auto& columns = ResultTable(table).Columns;
        for (int i = 0; i < grid->ColCount(); ++i) {
            int fallback = FileWidth(grid->ColWidths(i));
            if (std::size_t(i) < columns.size())
                fallback = columns[std::size_t(i)].ShownByDefault ? DefaultWidth(table, i) : -1;
            const int width = ini.ReadInteger(WidthsSection(table), QStringLiteral("colwidth%1").arg(i), fallback);
            grid->SetColWidths(i, ShownWidth(width));
        }
    }
}

void TFormMain::SaveSettings(const QString& fileName)
{
    // All values go into the file's text at once and the file is replaced in one
    // write, so a failure leaves the previous file whole.
    QString reason;
    std::optional<TIniDocument> read = ReadIniDocument(fileName, &reason);
    if (!read)
        throw EIniFileException(fileName, reason);
    TIniDocument& document = *read;
    document.SetValue(QStringLiteral("settings"), QStringLiteral("mode"),
                      QString::number(PageControl1->ActivePageIndex()));
    for (const TCodeTable table : kCodeTables) {
        const TzelGrid* grid = Grid(table);
        for (int i = 0; i < grid->ColCount(); ++i)
            document.SetValue(WidthsSection(table), QStringLiteral("colwidth%1").arg(i),
                              QString::number(FileWidth(grid->ColWidths(i))));
    }
    WriteIniDocument(fileName, document);
}

void TFormMain::FormDestroy()
{
    try {
        PrepareSettingsFolder(settings_);
        SaveSettings(settings_.WriteTo);
    } catch (...) {
        MessageDlg(tr("Unable to write to %1").arg(settings_.WriteTo), TMsgDlgType::mtError, mbOK);
    }
}

void TFormMain::UpdateColumnMenu(QMenu* menu, TCodeTable table)
{
    TzelGrid* grid = Grid(table);
    menu->menuAction()->setVisible(ActiveGrid() == grid);
    // Columns an import added get items of their own, captioned with their names.
    for (qsizetype col = menu->actions().size(); col < grid->ColCount(); ++col)
        AddColumnItem(menu, table, int(col));
    for (QAction* item : menu->actions()) {
        const int col = item->data().toInt();
        // A column deleted since then leaves its item hidden.
        item->setVisible(col < grid->ColCount());
        item->setChecked(col < grid->ColCount() && grid->ColWidths(col) > 0);
        if (std::size_t(col) >= ResultTable(table).ColumnCount() && col < grid->ColCount())
            item->setText(grid->Cells(col, 0));
    }
}

void TFormMain::UpdateShowHide()
{
    UpdateColumnMenu(mnuView1, TCodeTable::Wiegand26);
    UpdateColumnMenu(mnuView2, TCodeTable::Wiegand64);
}

void TFormMain::ShowHideColumn(TCodeTable table, QAction* item)
{
    TzelGrid* grid = Grid(table);
    const int col = item->data().toInt();
    if (col < 0 || col >= grid->ColCount())
        return;
    if (grid->ColWidths(col) < 1) {
        const bool described = std::size_t(col) < ResultTable(table).ColumnCount();
        const int width = described ? ShownWidth(DefaultWidth(table, col)) : grid->DefaultColWidth();
        grid->SetColWidths(col, width);
    } else {
        grid->SetColWidths(col, -1);
    }
}

void TFormMain::mnuShowHideColumnLV1Click(QAction* item)
{
    ShowHideColumn(TCodeTable::Wiegand26, item);
}

void TFormMain::mnuShowHideColumnLV2Click(QAction* item)
{
    ShowHideColumn(TCodeTable::Wiegand64, item);
}
