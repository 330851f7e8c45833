#include "CollisionView.h"

#include "ApplicationHints.h"
#include "FormLook.h"
#include "zelGrid.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

namespace {

// Plates a hint names at most; a group of thousands (plates of symbols only
// share one 64-bit code) would not fit on the screen.
constexpr std::size_t kHintPlates = 10;
constexpr std::size_t kRebuildBatch = 4096;

QString Counted(std::uint64_t n, const char* one, const char* many)
{
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
}

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

} // namespace

TCollisionView::TCollisionView(QMainWindow* window, TzelGrid* sg26, TzelGrid* sg64, QTabWidget* pages, QMenu* viewMenu)
    : QObject(window), pages_(pages), statusBar_(window->statusBar())
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

    onlyShared_ = viewMenu->addAction(QStringLiteral("Only plates that share a code"), this, [this] { OnlySharedClick(); });
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
    TzelGrid* grid = state.grid;
    grid->OnSizeChanged = [this, &state, chained = grid->OnSizeChanged](QObject* sender, int oldCols, int oldRows) {
        if (chained)
            chained(sender, oldCols, oldRows);
        if (putting_ == 0)
            MarkStale(state);
    };
    grid->OnDrawCell = [this, &state](QObject*, int col, int row, const QRect& rect, TGridDrawState drawState) {
        DrawCell(state, col, row, rect, drawState);
    };
    grid->OnRowHiddenChange = [this](QObject*) { PostStatus(); };
}

// ---- keeping the finders current ------------------------------------------------

void TCollisionView::Take(const TPlateCodes& codes)
{
    taken_.push_back(codes);
}

void TCollisionView::TakeRows()
{
    std::vector<TCollisionRecord> records;
    records.reserve(taken_.size());
    for (TGridState& state : states_) {
        if (state.stale) // rebuilt from the rows anyway
            continue;
        records.clear();
        // The rows just put are the grid's last ones.
        std::uint64_t row = std::uint64_t(state.grid->RowCount()) - taken_.size();
        for (const TPlateCodes& codes : taken_)
            records.push_back({codes.Plate, codes.Wiegand26, codes.Wiegand64, row++});
        state.finder.Add(records);
        if (state.onlyShared)
            ApplyOnlyShared(state);
    }
    taken_.clear();
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
    if (refreshPosted_)
        return;
    refreshPosted_ = true;
    QTimer::singleShot(0, this, [this] { Refresh(); });
}

void TCollisionView::Refresh()
{
    refreshPosted_ = false;
    for (TGridState& state : states_) {
        if (!state.stale)
            continue;
        Rebuild(state);
        if (state.onlyShared)
            ApplyOnlyShared(state);
        state.grid->Invalidate();
    }
    UpdateStatus();
}

void TCollisionView::EnsureCurrent(TGridState& state)
{
    if (state.stale)
        Rebuild(state);
}

// Takes the plate of every row that holds a canonical plate, with the codes the
// old finder knew for it or, for a plate new to it, computed again.
void TCollisionView::Rebuild(TGridState& state)
{
    TzelGrid* grid = state.grid;
    const TCollisionFinder& old = state.finder;
    TCollisionFinder finder;
    std::vector<TPlateCodes> computed;
    std::vector<TCollisionRecord> records;
    computed.reserve(kRebuildBatch);
    records.reserve(kRebuildBatch);
    auto flush = [&] {
        finder.Add(records);
        records.clear();
        computed.clear();
    };
    for (int row = grid->FixedRows(); row < grid->RowCount(); ++row) {
        const std::string_view plate = grid->CellText(0, row);
        if (plate.empty())
            continue;
        if (const auto id = old.Find(plate); id != TCollisionFinder::kNoPlate) {
            records.push_back({old.Plate(id), std::uint32_t(old.Code(TCodeTable::Wiegand26, id)),
                               old.Code(TCodeTable::Wiegand64, id), std::uint64_t(row)});
        } else {
            const std::optional<std::string> canonical = NormalizePlate(plate);
            if (!canonical || *canonical != plate)
                continue;
            computed.push_back(ComputePlateCodes(plate));
            const TPlateCodes& codes = computed.back();
            records.push_back({codes.Plate, codes.Wiegand26, codes.Wiegand64, std::uint64_t(row)});
        }
        if (records.size() == kRebuildBatch)
            flush();
    }
    flush();
    state.finder = std::move(finder);
    state.stale = false;
}

// ---- what a row shows ------------------------------------------------------------

TCollisionFinder::TPlateId TCollisionView::PlateOfRow(TGridState& state, int row)
{
    EnsureCurrent(state);
    return state.finder.Find(state.grid->CellText(0, row));
}

bool TCollisionView::RowShares(TGridState& state, int row)
{
    const auto id = PlateOfRow(state, row);
    return id != TCollisionFinder::kNoPlate && state.finder.SharesCode(state.table, id);
}

// The column headed by the table's code; column 1 when the header was changed.
int TCollisionView::CodeColumn(const TGridState& state) const
{
    const std::string_view header =
        state.table == TCodeTable::Wiegand26 ? Wiegand26Headers[1] : Wiegand64Headers[1];
    for (int c = 0; c < state.grid->ColCount(); ++c)
        if (state.grid->CellText(c, 0) == header)
            return c;
    return 1;
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
    canvas.FillRect(rect);
    canvas.TextRect(rect, rect.left() + grid->TextMarginX, rect.top() + grid->TextMarginY, grid->Cells(col, row));
}

QString TCollisionView::CellHint(TzelGrid* grid, int col, int row)
{
    TGridState* state = StateOf(grid);
    if (!state || row < grid->FixedRows() || row >= grid->RowCount() || col != MarkedColumn(*state))
        return QString();
    const auto id = PlateOfRow(*state, row);
    if (id == TCollisionFinder::kNoPlate || !state->finder.SharesCode(state->table, id))
        return QString();
    const TCollisionFinder& finder = state->finder;
    QStringList others;
    std::size_t more = 0;
    for (const auto other : finder.GroupOf(state->table, id)) {
        if (other == id)
            continue;
        if (std::size_t(others.size()) < kHintPlates)
            others << Utf8(finder.Plate(other));
        else
            ++more;
    }
    QString hint = QStringLiteral("Shares the code %1 with %2")
                       .arg(Utf8(CodeText(state->table, finder.Code(state->table, id))), others.join(QStringLiteral(", ")));
    if (more > 0)
        hint += QStringLiteral(" and %1 more").arg(more);
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
    if (state->onlyShared)
        ApplyOnlyShared(*state);
    else
        state->grid->ShowAllRows();
}

// Hides the rows whose plate shares no code and shows again those whose plate
// does, with the grid's own hidden rows, as its query filter does.
void TCollisionView::ApplyOnlyShared(TGridState& state)
{
    EnsureCurrent(state);
    TzelGrid* grid = state.grid;
    for (int row = grid->FixedRows(); row < grid->RowCount(); ++row) {
        const bool shares = RowShares(state, row);
        if (!shares && grid->RowHeights(row) > 0)
            grid->HideRow(row);
        else if (shares && grid->RowHeights(row) < 1)
            grid->ShowRow(row);
    }
}

// ---- status bar --------------------------------------------------------------------

TCollisionView::TGridState* TCollisionView::ActiveState()
{
    const int page = pages_->currentIndex();
    return page == 0 || page == 1 ? &states_[page] : nullptr;
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
    const TCollisionCounts counts = state->finder.Counts(state->table);
    QString text = Counted(counts.Plates, "plate", "plates") + QStringLiteral(", ");
    // While a query or "Only plates that share a code" hides rows, how many show.
    const TzelGrid* grid = state->grid;
    int hiddenHeaders = 0;
    for (int row = 0; row < grid->FixedRows(); ++row)
        hiddenHeaders += grid->RowHeights(row) > 0 ? 0 : 1;
    const int hidden = grid->HiddenRowCount() - hiddenHeaders;
    if (hidden > 0)
        text += QString::number(grid->RowCount() - grid->FixedRows() - hidden) + QStringLiteral(" shown, ");
    return text + QString::number(counts.RowsInGroups) + QStringLiteral(" share a code, ") +
           Counted(counts.Repeats, "repeat", "repeats");
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
    const bool warn = state && state->finder.Counts(state->table).RowsInGroups > 0;
    statusBar_->setAutoFillBackground(warn);
    QPalette palette = statusBar_->palette();
    palette.setColor(QPalette::Window, warn ? ToQColor(WarningBackColor) : QPalette().color(QPalette::Window));
    statusBar_->setPalette(palette);
    onlyShared_->setEnabled(state != nullptr);
    onlyShared_->setChecked(state && state->onlyShared);
}
