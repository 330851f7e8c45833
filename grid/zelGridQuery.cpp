#include "zelGridQuery.h"

#include "FormKeys.h"
#include "FormLook.h"
#include "Graphics.h"
#include "Memo.h"
#include "zelGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int ClientWidth = 582;
constexpr int ClientHeight = 277;
constexpr TColor FieldsColor = 16759535;
constexpr TColor OpsColor = 16773050;

const char* const kOperators[] = {"=", "<>", ">", ">=", "<", "<=", "contains", "not contains"};

// A caption above a list, as one column of the dialog.
QListWidget* AddListColumn(QHBoxLayout* row, const QString& caption, int width, TColor color)
{
    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(caption));
    auto* list = new QListWidget;
    SetBaseColor(list, color);
    column->addWidget(list);
    auto* panel = new QWidget;
    panel->setFixedWidth(width);
    panel->setLayout(column);
    column->setContentsMargins(0, 0, 0, 0);
    row->addWidget(panel);
    return list;
}

// The operator column is narrow: a smaller font keeps "not contains" whole where
// the desktop font is wider than the column allows.
void FitOperatorsToWidth(QListWidget* list)
{
    const int room = 80 - 2 * list->frameWidth() - 8;
    QFont font = list->font();
    while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(QStringLiteral("not contains")) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    list->setFont(font);
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
    setWindowTitle(QStringLiteral("Query Builder"));
    BuildControls();
    setFixedSize(ClientWidth, ClientHeight);
}

void TzelGridQueryF::BuildControls()
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(5, 5, 5, 5);
    ListFields = AddListColumn(row, QStringLiteral("Fields:"), 150, FieldsColor);
    ListOps = AddListColumn(row, QStringLiteral("Ops:"), 80, OpsColor);
    ListOps->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const char* op : kOperators)
        ListOps->addItem(QString::fromLatin1(op));
    FitOperatorsToWidth(ListOps);

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Query:")));
    QMemo = new TMemo;
    QMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    right->addWidget(QMemo);
    chkIgnoreCase = new QCheckBox(QStringLiteral("Ignore upper / lower case"));
    chkIgnoreCase->setChecked(true);
    right->addWidget(chkIgnoreCase);
    auto* buttons = new QHBoxLayout;
    btnApply = new QPushButton(QStringLiteral("&Apply"));
    btnShowAll = new QPushButton(QStringLiteral("&Show All"));
    btnClose = new QPushButton(QStringLiteral("&Close"));
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
    connect(btnApply, &QPushButton::clicked, this, &TzelGridQueryF::Apply);
    connect(btnShowAll, &QPushButton::clicked, this, &TzelGridQueryF::ShowAll);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TzelGridQueryF::SetFields(const QStringList& names)
{
    ListFields->clear();
    ListFields->addItems(names);
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
