// The Edit menu: Undo and Redo of the grids' changes, in order across both
// grids, also in the grids' context menu; and File > New as a step of that
// history, so that Undo brings its rows back.

#include "UMain.h"

#include "AdvEdit.h"
#include "CollisionView.h"
#include "GridHistory.h"
#include "Memo.h"
#include "zelGrid.h"

#include <QKeyEvent>
#include <QMenuBar>

#include <memory>

namespace {

const QKeySequence kRedoKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};

// Ctrl+Z and Ctrl+Y in the plate field and the multi-plate box undo and redo
// their typing while they have typing to undo or redo (a Calc empties them and
// leaves none); otherwise the keys reach Edit > Undo and Redo.
class TTypingUndoKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        const bool undo = pressed == QKeySequence(Qt::CTRL | Qt::Key_Z);
        const bool redo = pressed == kRedoKeys[0] || pressed == kRedoKeys[1];
        if ((!undo && !redo) || HasTyping(watched, undo))
            return false;
        event->ignore(); // not the field's key: the window's shortcut takes it
        return true;
    }

private:
    static bool HasTyping(QObject* field, bool undo)
    {
        if (const auto* edit = qobject_cast<QLineEdit*>(field))
            return undo ? edit->isUndoAvailable() : edit->isRedoAvailable();
        if (const auto* box = qobject_cast<QPlainTextEdit*>(field))
            return undo ? box->document()->isUndoAvailable() : box->document()->isRedoAvailable();
        return true;
    }
};

// Both grids as File > New leaves them: the header row and one empty row, the
// computed columns only, nothing hidden.
bool StartedOver(const TzelGrid& grid, int computedColumns)
{
    if (grid.RowCount() != 2 || grid.ColCount() > computedColumns || grid.RowHeights(1) <= 0)
        return false;
    for (int c = 0; c < grid.ColCount(); ++c)
        if (!grid.CellText(c, 1).empty())
            return false;
    return true;
}

} // namespace

// File > New: both grids' rows (and the columns of imported lists) are taken
// out whole, without copying a text, and kept for Undo.
class TNewStep : public TGridStep {
public:
    explicit TNewStep(TFormMain* form) : TGridStep(TFormMain::tr("New")), form_(form)
    {
        for (const TCodeTable table : kCodeTables)
            parts_[int(table)].grid = form->Grid(table);
    }

    void Redo() override
    {
        for (const TCodeTable table : kCodeTables) {
            TPart& part = parts_[int(table)];
            TzelGrid* grid = part.grid;
            part.widths.clear();
            for (int c = 0; c < grid->ColCount(); ++c)
                part.widths.push_back(grid->ColWidths(c));
            part.savedWidths = grid->SavedColWidths();
            auto fresh = std::make_unique<TGridContent>();
            const int cols = std::min(grid->ColCount(), int(ResultTable(table).ColumnCount()));
            fresh->Cells.Resize(cols, 2);
            for (int c = 0; c < cols; ++c)
                fresh->Cells.Assign(c, 0, grid->CellText(c, 0));
            fresh->RowSizes = {grid->RowHeights(0), grid->DefaultRowHeight()};
            grid->SwapContent(*fresh);
            part.content = std::move(fresh);
        }
        form_->StartedOver();
    }

    void Undo() override
    {
        for (TPart& part : parts_) {
            part.grid->SwapContent(*part.content);
            part.content.reset();
            for (int c = 0; c < int(part.widths.size()); ++c)
                part.grid->SetColWidths(c, part.widths[std::size_t(c)]);
            part.grid->SetSavedColWidths(part.savedWidths);
        }
    }

    std::size_t Bytes() const override
    {
        std::size_t bytes = sizeof(*this);
        for (const TPart& part : parts_)
            if (part.content)
                bytes += part.content->Cells.MemoryBytes() + part.content->RowSizes.capacity() * sizeof(int);
        return bytes;
    }

private:
    struct TPart {
        TzelGrid* grid = nullptr;
        std::unique_ptr<TGridContent> content; // while done: the rows taken out
        std::vector<int> widths;
        std::vector<int> savedWidths;
    };
    TFormMain* form_;
    TPart parts_[2];
};

void TFormMain::BuildEditMenu()
{
    History = new TGridHistory(this);
    for (TzelGrid* grid : {SG1, SG2})
        grid->SetHistory(History);
    mnuEdit = new QMenu(tr("&Edit"), this);
    menuBar()->insertMenu(mnuView->menuAction(), mnuEdit);
    // The items name the step: "Undo Delete row".
    mnuUndo = History->Stack().createUndoAction(this);
    mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuRedo = History->Stack().createRedoAction(this);
    mnuRedo->setShortcuts({kRedoKeys[0], kRedoKeys[1]});
    mnuEdit->addAction(mnuUndo);
    mnuEdit->addAction(mnuRedo);
    PopGrid1->insertAction(mnuCopy, mnuUndo);
    PopGrid1->insertAction(mnuCopy, mnuRedo);
    PopGrid1->insertSeparator(mnuCopy);

    auto* typingKeys = new TTypingUndoKeys(this);
    EditPlate->installEventFilter(typingKeys);
    EditPlates->installEventFilter(typingKeys);

    // A change taken back or done again in the other grid brings its tab to the front.
    History->OnUndoRedo = [this](TzelGrid* grid) {
        if (!grid || grid == ActiveGrid())
            return;
        const bool inGrid = ActiveGrid() && ActiveGrid()->hasFocus();
        PageControl1->SetActivePageIndex(grid == SG1 ? 0 : 1);
        if (inGrid)
            grid->setFocus();
    };
}

void TFormMain::RunFileNew()
{
    if (::StartedOver(*SG1, int(kWiegand26Table.ColumnCount())) &&
        ::StartedOver(*SG2, int(kWiegand64Table.ColumnCount())))
        StartedOver();
    else
        History->Run(std::make_unique<TNewStep>(this));
}

void TFormMain::StartedOver()
{
    Collisions->Cleared();
    ShowListStatus(QString());
    SetUnsaved(false);
}
