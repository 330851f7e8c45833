#pragma once
// The plates that share a code, as the main window shows them. The window keeps
// a collision finder over the plates of its grids' rows; it serves the 26-bit
// codes to the 26-bit grid and the 64-bit codes to the other. From it come the
// status bar line of the active tab (with the rows shown while some are hidden),
// the warning background and the hint of the code cell of every row whose code
// another plate shares (of the plate cell while the code column is hidden), and
// View > "Only plates that share a code".
//
// Both grids get the same plates, so one finder serves both for as long as they
// do. Rows the window appends are taken one batch at a time, so a single Calc
// costs the same at a million rows as at ten. Any other change of a grid's size
// (its row and column commands, File > New) makes that grid's plates be taken
// again from its rows once the change is done, into a finder of its own unless
// both grids were changed and still hold the same plates. Sorting and filtering
// move and hide rows but keep the plates: a row is looked up by its plate when it
// is painted, so the colours follow the rows.
//
// While "Only plates that share a code" is on for a grid, the view knows the
// plate of each of its rows (following sorts), so that a Calc shows or hides only
// the rows it added and those of plates that came to share a code through them.

#include "CodeCollisions.h"
#include "PlateCodes.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QRect;
class QStatusBar;
class QTabWidget;
struct THintInfo;
class TzelGrid;

class TCollisionView : public QObject {
    Q_OBJECT
public:
    // `sg26` and `sg64` are the 26-bit and the 64-bit grid, on the pages of `pages`;
    // `activeGrid` gives the grid of the active page, or nullptr.
    TCollisionView(QMainWindow* window, TzelGrid* sg26, TzelGrid* sg64, QTabWidget* pages, QMenu* viewMenu,
                   std::function<TzelGrid*()> activeGrid);
    ~TCollisionView() override;

    // A plate computed for both grids, waiting for its rows.
    void Take(const TPlateCodes& codes);
    // Up to `plates` plates are about to be taken: room for them at once.
    void Expect(std::size_t plates);
    // Runs `put`, which puts the rows of the plates taken into both grids, then
    // adds them to the finders.
    template <class Put>
    void PutRows(Put&& put)
    {
        ++putting_;
        put();
        --putting_;
        TakeRows();
    }
    // The rows of both grids changed in a way the window did not tell row by row.
    void RowsChanged();
    // Both grids were emptied: the finders start over, and "Only plates that
    // share a code" is off, so that no new row is hidden.
    void Cleared();

    QLabel* StatusLabel() const { return status_; }
    QAction* OnlySharedItem() const { return onlyShared_; }
    // The status bar line of the active tab (empty with no tab active).
    QString StatusText();
    // The hint of a grid cell, or empty when it has none of ours.
    QString CellHint(TzelGrid* grid, int col, int row);

private:
    struct TGridState {
        TzelGrid* grid = nullptr;
        TCodeTable table = TCodeTable::Wiegand26;
        TCollisionFinder own;     // the grid's plates, while they differ from the other grid's
        bool usesShared = true;   // the shared finder holds this grid's plates
        bool stale = false;       // the rows changed since the finder was built
        bool onlyShared = false;  // View > "Only plates that share a code" is on
        // The finder's plate of each row, kept while onlyShared is on and valid.
        std::vector<TCollisionFinder::TPlateId> rowPlates;
        bool rowPlatesValid = false;
    };

    void Attach(TGridState& state);
    TCollisionFinder& Finder(TGridState& state) { return state.usesShared ? shared_ : state.own; }
    void TakeRows();
    void MarkStale(TGridState& state);
    void Refresh();
    void EnsureCurrent(TGridState& state);
    void RebuildStale();
    static void TakeGridRows(TzelGrid* grid, TCollisionFinder& finder);
    static bool SamePlates(TzelGrid* a, TzelGrid* b);
    void ApplyOnlyShared(TGridState& state);
    void UpdateOnlyShared(TGridState& state, int firstRow, const std::vector<TCollisionFinder::TPlateId>& ids,
                          TCollisionFinder::TPlateId firstNew);
    void ShowRowIf(TzelGrid* grid, int row, bool shown);
    TGridState* ActiveState();
    TGridState* StateOf(const QObject* grid);
    // The finder's plate of a row, or kNoPlate.
    TCollisionFinder::TPlateId PlateOfRow(TGridState& state, int row);
    bool RowShares(TGridState& state, int row);
    int CodeColumn(const TGridState& state) const;
    // The column that carries the mark of a shared code: the code column, or the
    // plate column while the code column is hidden.
    int MarkedColumn(const TGridState& state) const;
    void DrawCell(TGridState& state, int col, int row, const QRect& rect, unsigned drawState);
    void ShowHint(QString& text, bool& canShow, THintInfo& info);
    void OnlySharedClick();
    void UpdateStatus();
    void PostStatus();

    QTabWidget* pages_;
    std::function<TzelGrid*()> activeGrid_;
    QStatusBar* statusBar_;
    QLabel* status_;
    QAction* onlyShared_;
    TGridState states_[2];
    TCollisionFinder shared_;
    // Plates computed for the rows being put: their codes, and their canonical
    // plates one after another in `takenPlates_`.
    struct TTaken {
        std::uint32_t Wiegand26;
        std::uint64_t Wiegand64;
        std::uint32_t PlateEnd;
    };
    std::vector<TTaken> taken_;
    std::string takenPlates_;
    int putting_ = 0;
    bool refreshPosted_ = false;
    bool statusPosted_ = false;
    // The grid whose hint hook ours replaced; it still gives that grid's own hints.
    TzelGrid* hintGrid_ = nullptr;
};
