// The cell-names dialog and the grid command that runs it.
#include "zelGridCellNames.h"

#include "Dialogs.h"
#include "FormLook.h"
#include "zelGrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace {

constexpr int ClientWidth = 412;
constexpr int ClientHeight = 286;
constexpr int ListWidth = 220;
constexpr int ItemHeight = 16;
constexpr int Margin = 8;

QString NamePart(const QString& line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? line : line.left(eq);
}

QString ReferencePart(const QString& line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : line.mid(eq + 1);
}

// Draws each name=reference line as its name only, 16 pixels high.
class TNameOnlyDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), ItemHeight);
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = NamePart(option->text);
    }
};

} // namespace

TzelGridCellNamesF::TzelGridCellNamesF(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(tr("CellNames Dialog"));
    BuildControls();
    setFixedSize(ClientWidth, ClientHeight);
}

void TzelGridCellNamesF::BuildControls()
{
    NamesList = new QListWidget(this);
    NamesList->setItemDelegate(new TNameOnlyDelegate(NamesList));
    NamesList->setUniformItemSizes(true);
    NamesList->setGeometry(Margin, Margin, ListWidth, ClientHeight - 2 * Margin);

    const int left = Margin + ListWidth + Margin;
    const int width = ClientWidth - left - Margin;
    lblName = new QLabel(tr("Cell &Name"), this);
    lblName->setGeometry(left, Margin, width, 18);
    edName = new QLineEdit(this);
    edName->setGeometry(left, 28, width, 24);
    lblName->setBuddy(edName);
    lblValue = new QLabel(tr("&Cell"), this);
    lblValue->setGeometry(left, 60, width, 18);
    edValue = new QLineEdit(this);
    edValue->setGeometry(left, 80, width, 24);
    lblValue->setBuddy(edValue);

    btnAdd = new QPushButton(tr("&Add Name"), this);
    btnAdd->setGeometry(left, 120, width, 28);
    btnDelete = new QPushButton(tr("&Delete Name"), this);
    btnDelete->setGeometry(left, 154, width, 28);
    btnClearall = new QPushButton(tr("C&lear All"), this);
    btnClearall->setGeometry(left, 188, width, 28);

    const int half = (width - Margin) / 2;
    const int bottom = ClientHeight - Margin - 28;
    btnOK = new QPushButton(tr("OK"), this);
    btnOK->setGeometry(left, bottom, half, 28);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setGeometry(left + width - half, bottom, half, 28);

    connect(NamesList, &QListWidget::itemClicked, this, &TzelGridCellNamesF::NamesListClick);
    connect(NamesList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(btnAdd, &QPushButton::clicked, this, &TzelGridCellNamesF::AddName);
    connect(btnDelete, &QPushButton::clicked, this, &TzelGridCellNamesF::DeleteName);
    connect(btnClearall, &QPushButton::clicked, this, &TzelGridCellNamesF::ClearAll);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QStringList TzelGridCellNamesF::Names() const
{
    QStringList lines;
    lines.reserve(NamesList->count());
    for (int i = 0; i < NamesList->count(); ++i)
        lines.append(NamesList->item(i)->text());
    return lines;
}

void TzelGridCellNamesF::SetNames(const QStringList& lines)
{
    NamesList->clear();
    NamesList->addItems(lines);
}

int TzelGridCellNamesF::IndexOfName(const QString& name) const
{
    for (int i = 0; i < NamesList->count(); ++i)
        if (NamePart(NamesList->item(i)->text()).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TzelGridCellNamesF::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CenterOnScreen(this);
    edName->setFocus(Qt::OtherFocusReason);
    const int index = edName->text().isEmpty() ? -1 : IndexOfName(edName->text());
    NamesList->setCurrentRow(index);
}

void TzelGridCellNamesF::NamesListClick(QListWidgetItem* item)
{
    if (!item)
        return;
    edName->setText(NamePart(item->text()));
    edValue->setText(ReferencePart(item->text()));
}

void TzelGridCellNamesF::AddName()
{
    const QString name = edName->text();
    if (IndexOfName(name) >= 0) {
        ShowMessage(tr("Name '%1' already exists").arg(name));
        return;
    }
    NamesList->addItem(name + QLatin1Char('=') + edValue->text());
}

void TzelGridCellNamesF::DeleteName()
{
    QListWidgetItem* item = NamesList->currentItem();
    if (!item || !item->isSelected())
        return;
    delete item;
    // Nothing is selected afterwards, so a second Delete removes nothing.
    NamesList->setCurrentRow(-1);
}

void TzelGridCellNamesF::ClearAll()
{
    if (MessageDlg(tr("Clear all names?"), TMsgDlgType::mtConfirmation, mbYes | mbNo) == mrYes)
        NamesList->clear();
}

// ---- the grid command ----------------------------------------------------------------

void TzelGrid::ShowCellNamesDialog()
{
    TzelGridCellNamesF form(window());
    form.SetNames(cellNames_);
    form.edName->setText(CellNameOf(Col(), Row()));
    form.edValue->setText(CellRefA1(Col(), Row()));
    if (form.exec() != QDialog::Accepted)
        return;
    cellNames_ = form.Names();
    // Only a body cell of this grid becomes current; any other text leaves it.
    int col = 0, row = 0;
    const QString ref = form.edValue->text();
    if (ref.isEmpty() || !ParseCellRef(ref, col, row))
        return;
    if (col < FixedCols() || row < FixedRows() || col >= ColCount() || row >= RowCount())
        return;
    SetCol(col);
    SetRow(row);
}
