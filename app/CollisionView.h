#pragma once
// The plates that share a code, as the main window shows them. Beside each
// results grid the window keeps a collision finder over the plates of its rows
// (26-bit codes for the 26-bit grid, 64-bit codes for the other). From it come the
// status bar line of the active tab (with the rows shown while some are hidden),
// the warning background and the hint of the code cell of every row whose code
// another plate shares (of the plate cell while the code column is hidden), and
// View > "Only plates that share a code".
//
// Rows the window appends are taken one batch at a time, so a single Calc costs
// the same at a million rows as at ten. Any other change of a grid's size (its
// row and column commands, File > New) makes that grid's finder be rebuilt from
// the rows once the change is done. Sorting and filtering move and hide rows but
// keep the plates: a row is looked up by its plate when it is painted, so the
// colours follow the rows.

#include "CodeCollisions.h"
#include "PlateCodes.h"

#include <QObject>
#include <QString>

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
    // `grids` are the 26-bit and the 64-bit grid, on pages 0 and 1 of `pages`.
    TCollisionView(QMainWindow* window, TzelGrid* sg26, TzelGrid* sg64, QTabWidget* pages, QMenu* viewMenu);
    ~TCollisionView() override;

    // A plate computed for both grids, waiting for its rows.
    void Take(const TPlateCodes& codes);
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
        TCollisionFinder finder;
        bool stale = false;       // the rows changed since the finder was built
        bool onlyShared = false;  // View > "Only plates that share a code" is on
    };

    void Attach(TGridState& state);
    void TakeRows();
    void MarkStale(TGridState& state);
    void Refresh();
    void EnsureCurrent(TGridState& state);
    void Rebuild(TGridState& state);
    void ApplyOnlyShared(TGridState& state);
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
    QStatusBar* statusBar_;
    QLabel* status_;
    QAction* onlyShared_;
    TGridState states_[2];
    std::vector<TPlateCodes> taken_;
    int putting_ = 0;
    bool refreshPosted_ = false;
    bool statusPosted_ = false;
    // The grid whose hint hook ours replaced; it still gives that grid's own hints.
    TzelGrid* hintGrid_ = nullptr;
};
