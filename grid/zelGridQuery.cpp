#include "zelGridQuery.h"

#include "FormKeys.h"
#include "FormLook.h"
#include "Graphics.h"
#include "Memo.h"
#include "WidgetClick.h"
#include "zelGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int ClientWidth = 582;
constexpr int ClientHeight = 277;
constexpr int FieldsWidth = 150;
constexpr TColor FieldsColor = 16759535;
constexpr TColor OpsColor = 16773050;

const char* const kOperators[] = {"=", "<>", ">", ">=", "<", "<=", "contains", "not contains"};

// The column of a list at least `width` wide, and as wide as its longest item needs.
void FitListColumn(QListWidget* list, int width)
{
    const int needed = list->sizeHintForColumn(0) + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width() + 4;
    list->parentWidget()->setFixedWidth(std::max(width, needed));
}

// A caption above a list, as one column of the dialog, at least `width` wide and
// as wide as its longest item needs.
QListWidget* AddListColumn(QHBoxLayout* row, const QString& caption, int width, TColor color, const QStringList& items)
{
    auto* column = new QVBoxLayout;
    auto* label = new QLabel(caption);
    column->addWidget(label);
    auto* list = new QListWidget;
    label->setBuddy(list);
    list->setAccessibleName(QString(caption).remove(QLatin1Char(':'))); // lists take no name from a buddy
    SetBaseColor(list, color);
    list->addItems(items);
    column->addWidget(list);
    auto* panel = new QWidget;
    panel->setLayout(column);
    FitListColumn(list, width);
    column->setContentsMargins(0, 0, 0, 0);
    row->addWidget(panel);
    return list;
}

} // namespace

TzelGridQueryF* TzelGridQueryF::Create()
{
    auto* dialog = new TzelGridQueryF;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialog, &QObject::deleteLater);
    return dialog;
}

TzelGridQueryF::TzelGridQueryF()
    : QDialog(nullptr, OnTopDialogFlags)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Query Builder"));
    BuildControls();
    FitToContent();
}

void TzelGridQueryF::FitToContent()
{
    // The design size, or larger where a larger desktop font needs it.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setFixedSize(std::max(ClientWidth, sizeHint().width()), std::max(ClientHeight, sizeHint().height()));
}

void TzelGridQueryF::BuildControls()
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(5, 5, 5, 5);
    ListFields = AddListColumn(row, tr("Fields:"), FieldsWidth, FieldsColor, {});
    QStringList operators;
    for (const char* op : kOperators)
        operators << QString::fromLatin1(op);
    ListOps = AddListColumn(row, tr("Ops:"), 80, OpsColor, operators);
    ListOps->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* right = new QVBoxLayout;
    auto* queryLabel = new QLabel(tr("Query:"));
    right->addWidget(queryLabel);
    QMemo = new TMemo;
    queryLabel->setBuddy(QMemo);
    QMemo->SetTabLeaves(true);
    QMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    right->addWidget(QMemo);
    chkIgnoreCase = new QCheckBox(tr("Ignore upper / lower case"));
    chkIgnoreCase->setChecked(true);
    right->addWidget(chkIgnoreCase);
    auto* buttons = new QHBoxLayout;
    btnApply = new QPushButton(tr("&Apply"));
    btnShowAll = new QPushButton(tr("&Show All"));
    btnClose = new QPushButton(tr("&Close"));
    for (QPushButton* button : {btnApply, btnShowAll, btnClose}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    right->addLayout(buttons);
    row->addLayout(right);

    // Close is the cancel button, so Escape closes the dialog.
    auto* keys = new TFormKeys(this);
    keys->SetCancelButton(btnClose);
    connect(ListFields, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { FieldClicked(ListFields->row(item)); });
    connect(ListOps, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { OperatorClicked(ListOps->row(item)); });
    // Enter or Space on an item inserts it, as a click does.
    OnItemKey(ListFields, [this](QListWidgetItem* item) { FieldClicked(ListFields->row(item)); });
    OnItemKey(ListOps, [this](QListWidgetItem* item) { OperatorClicked(ListOps->row(item)); });
    connect(btnApply, &QPushButton::clicked, this, &TzelGridQueryF::Apply);
    connect(btnShowAll, &QPushButton::clicked, this, &TzelGridQueryF::ShowAll);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TzelGridQueryF::SetFields(const QStringList& names)
{
    ListFields->clear();
    ListFields->addItems(names);
    FitListColumn(ListFields, FieldsWidth);
    FitToContent();
}

void TzelGridQueryF::FieldClicked(int index)
{
    if (index < 0 || index >= ListFields->count())
        return;
    QMemo->insertPlainText(QLatin1Char('[') + ListFields->item(index)->text() + QStringLiteral("] "));
    QMemo->setFocus();
}

void TzelGridQueryF::OperatorClicked(int index)
{
    if (index < 0 || index >= ListOps->count())
        return;
    QMemo->insertPlainText(ListOps->item(index)->text());
    QTextCursor cursor = QMemo->textCursor();
    if (cursor.atEnd()) {
        // An empty value in quotes follows, its blank selected so typing replaces it.
        cursor.insertText(QStringLiteral(" \" \""));
        cursor.movePosition(QTextCursor::Left, QTextCursor::MoveAnchor, 1);
        cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, 1);
        QMemo->setTextCursor(cursor);
    }
    QMemo->setFocus();
}

void TzelGridQueryF::Apply()
{
    if (!grid_)
        return;
    // The memo's lines form one query; each line break becomes one blank.
    QString query = QMemo->toPlainText();
    query.replace(QLatin1Char('\n'), QLatin1Char(' '));
    TBusyCursor busy;
    grid_->QueryFilter(query, chkIgnoreCase->isChecked());
}

void TzelGridQueryF::ShowAll()
{
    if (!grid_)
        return;
    TBusyCursor busy;
    grid_->ShowAllRows();
}

void TzelGridQueryF::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CenterOnScreen(this);
}
