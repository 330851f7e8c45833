#include "CollisionView.h"

#include "ApplicationHints.h"
#include "EventChain.h"
#include "FormLook.h"
#include "GridCellStore.h"
#include "zelGrid.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

namespace {

// Plates a hint names at most; a group of thousands (plates of symbols only
// share one 64-bit code) would not fit on the screen.
constexpr std::size_t kHintPlates = 10;
constexpr std::size_t kRebuildBatch = 4096;


} // namespace

TCollisionView::TCollisionView(QMainWindow* window, TzelGrid* sg26, TzelGrid* sg64, QTabWidget* pages, QMenu* viewMenu,
                               std::function<TzelGrid*()> activeGrid)
    : QObject(window), pages_(pages), activeGrid_(std::move(activeGrid)), statusBar_(window->statusBar())
{
    states_[0].grid = sg26;
    states_[0].table = TCodeTable::Wiegand26;
    states_[1].grid = sg64;
    states_[1].table = TCodeTable::Wiegand64;
    for (TGridState& state : states_)
        Attach(state);

    status_ = new QLabel(statusBar_);
    status_->setObjectName(QStringLiteral("CollisionStatus"));
    status_->setIndent(6); // clear of the window edge, like the panels above
    statusBar_->addWidget(status_, 1);
    statusBar_->setSizeGripEnabled(false);

    onlyShared_ = viewMenu->addAction(tr("Only plates that share a code"), this, [this] { OnlySharedClick(); });
    onlyShared_->setCheckable(true);
    connect(pages_, &QTabWidget::currentChanged, this, [this] { UpdateStatus(); });

    // The grid built last holds the application's hint hook; ours answers for the
    // code cells of both grids and leaves every other hint to that grid.
    for (TGridState& state : states_)
        if (ApplicationHintHookOwner() == state.grid)
            hintGrid_ = state.grid;
    SetApplicationHintHook(this, [this](QString& text, bool& canShow, THintInfo& info) { ShowHint(text, canShow, info); });
    UpdateStatus();
}

TCollisionView::~TCollisionView()
{
    RemoveApplicationHintHook(this);
}

void TCollisionView::Attach(TGridState& state)
{
    // Each handler goes after those attached before, which keep their work.
    TzelGrid* grid = state.grid;
    // Rows put through PutRows are taken by TakeRows; any other size change
    // makes the grid's plates be taken again.
    Chain(grid->OnSizeChanged, [this, &state](QObject*, int, int) {
        if (putting_ == 0)
            MarkStale(state);
    });
    Chain(grid->OnDrawCell, [this, &state](QObject*, int col, int row, const QRect& rect, TGridDrawState drawState) {
        DrawCell(state, col, row, rect, drawState);
    });
    // A sort moves the plates of the rows; the known plate of each row follows.
    Chain(grid->OnRowsMoved, [&state](QObject*, int first, const std::vector<int>& from) {
        if (!state.rowPlatesValid)
            return;
        std::vector<TCollisionFinder::TPlateId> moved(from.size());
        for (std::size_t k = 0; k < from.size(); ++k)
            moved[k] = state.rowPlates[std::size_t(from[k])];
        std::copy(moved.begin(), moved.end(), state.rowPlates.begin() + first);
    });
    Chain(grid->OnRowHiddenChange, [this](QObject*) { PostStatus(); });
    // The hint of a shared code is the cell's hint wherever it is read: a tooltip
    // by keyboard, and the description a screen reader reads.
    Chain(grid->OnCellHint, [this, grid](QObject*, int col, int row, QString& hint) {
        const QString shared = CellHint(grid, col, row);
        if (!shared.isEmpty())
            hint = shared;
    });
}

// ---- keeping the finders current ------------------------------------------------

void TCollisionView::Take(const TPlateCodes& codes)
{
    takenPlates_.append(codes.Plate);
    taken_.push_back({codes.Wiegand26, codes.Wiegand64, std::uint32_t(takenPlates_.size())});
}

void TCollisionView::Expect(std::size_t plates)
{
    for (TGridState& state : states_)
        if (!state.stale) // taken again from the rows anyway
            Finder(state).Reserve(plates);
}

void TCollisionView::TakeRows()
{
    std::vector<TCollisionRecord> records;
    records.reserve(taken_.size());
    std::uint32_t begin = 0;
    for (const TTaken& taken : taken_) {
        records.push_back({std::string_view(takenPlates_).substr(begin, taken.PlateEnd - begin), taken.Wiegand26,
                           taken.Wiegand64, 0});
        begin = taken.PlateEnd;
    }
    std::vector<TCollisionFinder::TPlateId> sharedIds;
    const auto sharedFirstNew = TCollisionFinder::TPlateId(shared_.DistinctPlates());
    bool sharedTaken = false;
    for (TGridState& state : states_) {
        if (state.stale) // taken again from the rows anyway
            continue;
        // PutRows leaves the rows it put as the grid's last ones.
        const int firstRow = state.grid->RowCount() - int(records.size());
        for (std::size_t k = 0; k < records.size(); ++k)
            records[k].Row = std::uint64_t(firstRow) + k;
        std::vector<TCollisionFinder::TPlateId> ownIds;
        std::vector<TCollisionFinder::TPlateId>* ids = state.usesShared ? &sharedIds : &ownIds;
        const auto firstNew = state.usesShared ? sharedFirstNew : TCollisionFinder::TPlateId(state.own.DistinctPlates());
        if (!state.usesShared)
            state.own.Add(records, ids);
        else if (!sharedTaken) {
            shared_.Add(records, ids);
            sharedTaken = true;
        }
        if (state.onlyShared)
            UpdateOnlyShared(state, firstRow, *ids, firstNew);
    }
    taken_.clear();
    takenPlates_.clear();
    UpdateStatus();
}

void TCollisionView::RowsChanged()
{
    for (TGridState& state : states_)
        MarkStale(state);
}

void TCollisionView::Cleared()
{
    for (TGridState& state : states_) {
        state.onlyShared = false;
        MarkStale(state);
    }
    UpdateStatus();
}

// The finder is rebuilt once the change is over (a grid command may change the
// size before it moves the texts), and before anything reads it.
void TCollisionView::MarkStale(TGridState& state)
{
    state.stale = true;
    state.rowPlatesValid = false;
    if (refreshPosted_)
        return;
    refreshPosted_ = true;
    QTimer::singleShot(0, this, [this] { Refresh(); });
}

void TCollisionView::Refresh()
{
    refreshPosted_ = false;
    bool rebuilt[2] = {states_[0].stale, states_[1].stale};
    RebuildStale();
    for (int i = 0; i < 2; ++i) {
        if (!rebuilt[i])
            continue;
        TGridState& state = states_[i];
        if (state.onlyShared)
            ApplyOnlyShared(state);
        state.grid->Invalidate();
    }
    UpdateStatus();
}

void TCollisionView::EnsureCurrent(TGridState& state)
{
    if (state.stale)
        RebuildStale();
}

// Takes the plates of the changed grids from their rows again: when both changed
// and hold the same plates, into the shared finder; otherwise a changed grid gets
// a finder of its own and the other keeps the shared one.
void TCollisionView::RebuildStale()
{
    TGridState& a = states_[0];
    TGridState& b = states_[1];
    if (a.stale && b.stale && SamePlates(a.grid, b.grid)) {
        shared_ = TCollisionFinder();
        TakeGridRows(a.grid, shared_);
        for (TGridState* state : {&a, &b}) {
            state->own = TCollisionFinder();
            state->usesShared = true;
            state->stale = false;
        }
        return;
    }
    for (TGridState* state : {&a, &b}) {
        if (!state->stale)
            continue;
        state->own = TCollisionFinder();
        TakeGridRows(state->grid, state->own);
        state->usesShared = false;
        state->stale = false;
    }
    // A finder that serves no grid any more is let go.
    if (!a.usesShared && !b.usesShared)
        shared_ = TCollisionFinder();
}

// Takes the plate of every row that holds a canonical plate.
void TCollisionView::TakeGridRows(TzelGrid* grid, TCollisionFinder& finder)
{
    std::vector<TCollisionRecord> records;
    records.reserve(kRebuildBatch);
    for (int row = grid->FixedRows(); row < grid->RowCount(); ++row) {
        const std::string_view plate = grid->CellText(0, row);
        if (plate.empty())
            continue;
        const std::optional<std::string> canonical = NormalizePlate(plate);
        if (!canonical || *canonical != plate)
            continue;
        const TPlateCodes codes = ComputePlateCodes(plate);
        // The record's plate is the cell's own text, which stays put until the rows are taken.
        records.push_back({plate, codes.Wiegand26, codes.Wiegand64, std::uint64_t(row)});
        if (records.size() == kRebuildBatch) {
            finder.Add(records);
            records.clear();
        }
    }
    finder.Add(records);
}

// Whether both grids hold the same plate texts in the same rows.
bool TCollisionView::SamePlates(TzelGrid* a, TzelGrid* b)
{
    if (a->RowCount() != b->RowCount() || a->FixedRows() != b->FixedRows())
        return false;
    for (int row = a->FixedRows(); row < a->RowCount(); ++row)
        if (a->CellText(0, row) != b->CellText(0, row))
            return false;
    return true;
}

// ---- what a row shows ------------------------------------------------------------

TCollisionFinder::TPlateId TCollisionView::PlateOfRow(TGridState& state, int row)
{
    EnsureCurrent(state);
    return Finder(state).Find(state.grid->CellText(0, row));
}

bool TCollisionView::RowShares(TGridState& state, int row)
{
    const auto id = PlateOfRow(state, row);
    return id != TCollisionFinder::kNoPlate && Finder(state).SharesCode(state.table, id);
}

// The column headed by the table's code; the code's own place when the header was changed.
int TCollisionView::CodeColumn(const TGridState& state) const
{
    const TResultTable& table = ResultTable(state.table);
    const int col = state.grid->HeaderColumn(table.Code().Header);
    return col >= 0 ? col : int(table.CodeColumn);
}

int TCollisionView::MarkedColumn(const TGridState& state) const
{
    const int code = CodeColumn(state);
    return state.grid->ColWidths(code) > 0 ? code : 0;
}

void TCollisionView::DrawCell(TGridState& state, int col, int row, const QRect& rect, unsigned drawState)
{
    TzelGrid* grid = state.grid;
    // A selected cell keeps the selection's colours, so the selection stays visible.
    if (row < grid->FixedRows() || (drawState & gdSelected) || col != MarkedColumn(state) || !RowShares(state, row))
        return;
    TCanvas& canvas = *grid->Canvas();
    canvas.SetBrushColor(WarningBackColor);
    canvas.SetFontColor(TextColorOn(WarningBackColor));
    canvas.FillRect(rect);
    canvas.TextRect(rect, rect.left() + grid->TextMarginX, rect.top() + grid->TextMarginY, grid->Cells(col, row));
}

QString TCollisionView::CellHint(TzelGrid* grid, int col, int row)
{
    TGridState* state = StateOf(grid);
    if (!state || row < grid->FixedRows() || row >= grid->RowCount() || col != MarkedColumn(*state))
        return QString();
    const auto id = PlateOfRow(*state, row);
    const TCollisionFinder& finder = Finder(*state);
    if (id == TCollisionFinder::kNoPlate || !finder.SharesCode(state->table, id))
        return QString();
    QStringList others;
    std::size_t more = 0;
    for (const auto other : finder.GroupOf(state->table, id)) {
        if (other == id)
            continue;
        if (std::size_t(others.size()) < kHintPlates)
            others << FromUtf8(finder.Plate(other));
        else
            ++more;
    }
    QString hint = tr("Shares the code %1 with %2")
                       .arg(FromUtf8(CodeText(state->table, finder.Code(state->table, id))), others.join(QStringLiteral(", ")));
    if (more > 0)
        hint += tr(" and %n more", "", int(more));
    return hint;
}

void TCollisionView::ShowHint(QString& text, bool& canShow, THintInfo& info)
{
    if (TGridState* state = StateOf(info.HintControl)) {
        const TGridCoord cell = state->grid->MouseToCell(info.CursorPos.x(), info.CursorPos.y());
        const QString hint = CellHint(state->grid, cell.X, cell.Y);
        if (!hint.isEmpty()) {
            info.CursorRect = state->grid->CellRect(cell.X, cell.Y);
            text = hint;
            canShow = true;
            return;
        }
    }
    if (hintGrid_)
        hintGrid_->ShowCellHint(text, canShow, info);
}

// ---- View > "Only plates that share a code" --------------------------------------

void TCollisionView::OnlySharedClick()
{
    TGridState* state = ActiveState();
    if (!state)
        return;
    TBusyCursor busy;
    state->onlyShared = onlyShared_->isChecked();
    if (state->onlyShared) {
        ApplyOnlyShared(*state);
    } else {
        state->grid->ShowAllRows();
        state->rowPlatesValid = false;
        std::vector<TCollisionFinder::TPlateId>().swap(state->rowPlates);
    }
}

// Hides the rows whose plate shares no code and shows again those whose plate
// does, with the grid's own hidden rows, as its query filter does; and notes the
// plate of every row for the Calcs to come.
void TCollisionView::ApplyOnlyShared(TGridState& state)
{
    EnsureCurrent(state);
    TzelGrid* grid = state.grid;
    const TCollisionFinder& finder = Finder(state);
    // Room for the Calcs to come, so that a Calc rarely moves the whole list.
    const std::size_t rows = std::size_t(grid->RowCount());
    state.rowPlates.reserve(rows + rows / 2 + 1024);
    state.rowPlates.assign(rows, TCollisionFinder::kNoPlate);
    for (int row = grid->FixedRows(); row < grid->RowCount(); ++row) {
        const auto id = finder.Find(grid->CellText(0, row));
        state.rowPlates[std::size_t(row)] = id;
        ShowRowIf(grid, row, id != TCollisionFinder::kNoPlate && finder.SharesCode(state.table, id));
    }
    state.rowPlatesValid = true;
}

// After rows from `firstRow` on were put with the plates `ids` (those from
// `firstNew` on new to the finder): shows or hides each of them, and shows the
// rows of the plates that share a code only since.
void TCollisionView::UpdateOnlyShared(TGridState& state, int firstRow, const std::vector<TCollisionFinder::TPlateId>& ids,
                                      TCollisionFinder::TPlateId firstNew)
{
    TzelGrid* grid = state.grid;
    if (!state.rowPlatesValid || int(state.rowPlates.size()) < firstRow) {
        ApplyOnlyShared(state);
        return;
    }
    const TCollisionFinder& finder = Finder(state);
    state.rowPlates.resize(std::size_t(grid->RowCount()), TCollisionFinder::kNoPlate);
    std::vector<std::uint64_t> walkedCodes;
    std::vector<TCollisionFinder::TPlateId> joined; // plates of earlier rows that share since
    for (std::size_t k = 0; k < ids.size(); ++k) {
        const auto id = ids[k];
        const int row = firstRow + int(k);
        state.rowPlates[std::size_t(row)] = id;
        const bool shares = finder.SharesCode(state.table, id);
        ShowRowIf(grid, row, shares);
        if (!shares)
            continue;
        const std::uint64_t code = finder.Code(state.table, id);
        if (std::find(walkedCodes.begin(), walkedCodes.end(), code) != walkedCodes.end())
            continue;
        walkedCodes.push_back(code);
        // Earlier plates of a group are all shown already unless exactly one of
        // them was there before: it was alone, and its rows were hidden.
        TCollisionFinder::TPlateId earlier = TCollisionFinder::kNoPlate;
        int earlierCount = 0;
        for (const auto other : finder.GroupOf(state.table, id)) {
            if (other >= firstNew)
                continue;
            earlier = other;
            if (++earlierCount > 1)
                break;
        }
        if (earlierCount == 1)
            joined.push_back(earlier);
    }
    if (joined.empty())
        return;
    std::sort(joined.begin(), joined.end());
    for (int row = grid->FixedRows(); row < firstRow; ++row)
        if (std::binary_search(joined.begin(), joined.end(), state.rowPlates[std::size_t(row)]))
            ShowRowIf(grid, row, true);
}

void TCollisionView::ShowRowIf(TzelGrid* grid, int row, bool shown)
{
    if (!shown && grid->RowHeights(row) > 0)
        grid->HideRow(row);
    else if (shown && grid->RowHeights(row) < 1)
        grid->ShowRow(row);
}

// ---- status bar --------------------------------------------------------------------

TCollisionView::TGridState* TCollisionView::ActiveState()
{
    return StateOf(activeGrid_());
}

TCollisionView::TGridState* TCollisionView::StateOf(const QObject* grid)
{
    for (TGridState& state : states_)
        if (state.grid == grid)
            return &state;
    return nullptr;
}

QString TCollisionView::StatusText()
{
    TGridState* state = ActiveState();
    if (!state)
        return QString();
    EnsureCurrent(*state);
    const TCollisionCounts counts = Finder(*state).Counts(state->table);
    QStringList parts{tr("%n plate(s)", "", int(counts.Plates))};
    // While a query or "Only plates that share a code" hides rows, how many show.
    const TzelGrid* grid = state->grid;
    int hiddenHeaders = 0;
    for (int row = 0; row < grid->FixedRows(); ++row)
        hiddenHeaders += grid->RowHeights(row) > 0 ? 0 : 1;
    const int hidden = grid->HiddenRowCount() - hiddenHeaders;
    if (hidden > 0)
        parts << tr("%n shown", "", grid->RowCount() - grid->FixedRows() - hidden);
    parts << tr("%n share a code", "", int(counts.RowsInGroups)) << tr("%n repeat(s)", "", int(counts.Repeats));
    return parts.join(QStringLiteral(", "));
}

// Rows are hidden and shown one by one: the status is written once they are done.
void TCollisionView::PostStatus()
{
    if (statusPosted_)
        return;
    statusPosted_ = true;
    QTimer::singleShot(0, this, [this] {
        statusPosted_ = false;
        UpdateStatus();
    });
}

void TCollisionView::UpdateStatus()
{
    TGridState* state = ActiveState();
    status_->setText(StatusText());
    const bool warn = state && Finder(*state).Counts(state->table).RowsInGroups > 0;
    statusBar_->setAutoFillBackground(warn);
    QPalette palette = statusBar_->palette();
    palette.setColor(QPalette::Window, warn ? ToQColor(WarningBackColor) : QPalette().color(QPalette::Window));
    // The labels' text on the orange in black or white, whichever reads.
    palette.setColor(QPalette::WindowText,
                     warn ? ToQColor(TextColorOn(WarningBackColor)) : QPalette().color(QPalette::WindowText));
    statusBar_->setPalette(palette);
    onlyShared_->setEnabled(state != nullptr);
    onlyShared_->setChecked(state && state->onlyShared);
}
