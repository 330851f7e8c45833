// The formula editor window and the grid command that opens it.
#include "zelGridFormule.h"

#include "FormLook.h"
#include "Graphics.h"
#include "Memo.h"
#include "WidgetClick.h"
#include "zelGrid.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTextCursor>

namespace {

constexpr TColor OpsColor = 13040381;
constexpr int ClientWidth = 212;
constexpr int ClientHeight = 286;
constexpr int OpsHeight = 150;
constexpr int FormuleHeight = 100;
constexpr int OpsColumns = 3;
constexpr int OpsRows = 10;

// The operators, functions and built-in names the list offers; the blanks only
// align the one-character operators and are dropped on insertion.
const char* const OpsItems[] = {" +",     " -",     " *",     " /",     " ^",     " (",     " )",
                                " =",     "ABS(",   "ATAN(",  "COS(",   "EXP(",   "LN(",    "ROUND(",
                                "SIN(",   "SQRT(",  "SQR(",   "TRUNC(", "MODE(",  "PI",     "SUMROW",
                                "SUMCOL", "AVGROW", "AVGCOL", "MINROW", "MAXROW", "MINCOL", "MAXCOL"};

// The program's one editor window. The application owns it: it is freed when the
// event loop ends, and the guard turns to nullptr then.
QPointer<TzelGridFormuleF> FormuleF;

} // namespace

TzelGridFormuleF* TzelGridFormuleF::Instance()
{
    return FormuleF;
}

TzelGridFormuleF& TzelGridFormuleF::Obtain()
{
    if (!FormuleF) {
        FormuleF = new TzelGridFormuleF;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, FormuleF, [] { delete FormuleF; });
    }
    return *FormuleF;
}

TzelGridFormuleF::TzelGridFormuleF()
    : QDialog(nullptr, OnTopDialogFlags), scale_(DesktopFontScale())
{
    // A helper window: the program ends when its main window closes, editor or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(tr("Formule Editor"));
    BuildControls();
    setFixedSize(Scaled(ClientWidth, scale_), Scaled(ClientHeight, scale_));
    CenterOnScreen(this);
}

TzelGridFormuleF::~TzelGridFormuleF() = default;

void TzelGridFormuleF::BuildControls()
{
    // Its places and sizes grow with the desktop's font.
    const int clientWidth = Scaled(ClientWidth, scale_);
    const int clientHeight = Scaled(ClientHeight, scale_);
    const int opsHeight = Scaled(OpsHeight, scale_);
    const int formuleHeight = Scaled(FormuleHeight, scale_);
    ops = new QListWidget(this);
    ops->setAccessibleName(tr("Operators and functions"));
    // The 28 items in three columns of ten rows fill the list's height exactly.
    const int rowHeight = (opsHeight - 1) / OpsRows; // the view wraps before its last pixel
    QFont bold = ops->font();
    bold.setBold(true);
    while (QFontMetrics(bold).height() > rowHeight && bold.pointSizeF() > 6)
        bold.setPointSizeF(bold.pointSizeF() - 0.5);
    ops->setFont(bold);
    ops->setFrameShape(QFrame::NoFrame);
    SetBaseColor(ops, OpsColor);
    // Columns filled top to bottom, without scrolling.
    ops->setFlow(QListView::TopToBottom);
    ops->setWrapping(true);
    ops->setResizeMode(QListView::Adjust);
    ops->setUniformItemSizes(true);
    ops->setGridSize(QSize(clientWidth / OpsColumns, rowHeight));
    ops->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ops->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const char* item : OpsItems)
        ops->addItem(QString::fromLatin1(item));
    ops->setGeometry(0, 0, clientWidth, opsHeight);

    formule = new TMemo(this);
    formule->setAccessibleName(tr("Formula"));
    formule->SetTabLeaves(true);
    formule->setGeometry(0, opsHeight, clientWidth, formuleHeight);

    const int buttonTop = opsHeight + formuleHeight + Scaled(5, scale_);
    const int buttonHeight = clientHeight - buttonTop - Scaled(5, scale_);
    const int buttonWidth = Scaled(94, scale_);
    btnApply = new QPushButton(tr("Apply"), this);
    btnApply->setGeometry(Scaled(8, scale_), buttonTop, buttonWidth, buttonHeight);
    btnClose = new QPushButton(tr("Close"), this);
    btnClose->setGeometry(clientWidth - Scaled(8, scale_) - buttonWidth, buttonTop, buttonWidth, buttonHeight);
    // Enter belongs to the list and the formula; no button is the default.
    for (QPushButton* button : {btnApply, btnClose})
        button->setAutoDefault(false);

    connect(ops, &QListWidget::itemClicked, this, &TzelGridFormuleF::OpsClick);
    OnItemKey(ops, [this](QListWidgetItem* item) { OpsClick(item); });
    connect(btnApply, &QPushButton::clicked, this, &TzelGridFormuleF::Apply);
    connect(btnClose, &QPushButton::clicked, this, &TzelGridFormuleF::CloseEditor);
}

void TzelGridFormuleF::SetTarget(TzelGrid* grid, int col, int row)
{
    grid_ = grid;
    targetCol_ = col;
    targetRow_ = row;
}

void TzelGridFormuleF::InsertAtCaret(const QString& text)
{
    formule->insertPlainText(text);
}

void TzelGridFormuleF::OpsClick(QListWidgetItem* item)
{
    if (!item)
        return;
    InsertAtCaret(item->text().trimmed());
    formule->setFocus(Qt::OtherFocusReason);
}

void TzelGridFormuleF::SwitchFormuleModeOff()
{
    if (grid_)
        grid_->SetFormuleMode(false);
}

void TzelGridFormuleF::Apply()
{
    if (grid_) {
        // A cell the grid no longer has is not written.
        grid_->EditCells(tr("Formula"), {{targetCol_, targetRow_, formule->toPlainText()}});
        SwitchFormuleModeOff();
        grid_->Recalculate();
    }
    close();
}

void TzelGridFormuleF::CloseEditor()
{
    SwitchFormuleModeOff();
    close();
}

void TzelGridFormuleF::reject()
{
    CloseEditor();
}

void TzelGridFormuleF::closeEvent(QCloseEvent* event)
{
    event->accept();
}

// ---- the grid command ----------------------------------------------------------------

void TzelGrid::ShowFormulaDialog()
{
    if (Col() < FixedCols() || Row() < FixedRows())
        return;
    TzelGridFormuleF& form = TzelGridFormuleF::Obtain();
    form.SetTarget(this, Col(), Row());
    form.formule->setPlainText(Cells(Col(), Row()));
    // Clicked items and cell references follow the text, not precede it.
    form.formule->moveCursor(QTextCursor::End);
    SetFormuleMode(true);
    form.show();
    form.raise();
    form.activateWindow();
}
