#pragma once
// The steps of the grid's own commands: a row or a column inserted or deleted,
// cells given new texts (a formula, a row copied into the header), a sort. Each
// keeps only what its change needs: a deleted row's texts and height, a deleted
// column taken out whole, the widths a column insertion changed, the order a
// sort gave.

#include "GridHistory.h"
#include "zelGrid.h"

#include <string>
#include <vector>

// A row inserted before the current row (InsertRowAtCurrent).
class TInsertRowStep : public TGridStep {
public:
    TInsertRowStep(TzelGrid* grid, int row);
    void Redo() override;
    void Undo() override;
    TzelGrid* Grid() const override { return grid_; }

private:
    TzelGrid* grid_;
    int row_;
};

// The current row deleted (DeleteRowAtCurrent).
class TDeleteRowStep : public TGridStep {
public:
    TDeleteRowStep(TzelGrid* grid, int row);
    void Redo() override;
    void Undo() override;
    std::size_t Bytes() const override;
    TzelGrid* Grid() const override { return grid_; }

private:
    TzelGrid* grid_;
    int row_;
    int height_;
    std::vector<std::string> texts_;
};

// A column inserted before the current column, every hidden column shown first
// (InsertColumnAtCurrent).
class TInsertColumnStep : public TGridStep {
public:
    TInsertColumnStep(TzelGrid* grid, int col);
    void Redo() override;
    void Undo() override;
    TzelGrid* Grid() const override { return grid_; }

private:
    TzelGrid* grid_;
    int col_;
    std::vector<int> widths_;      // of every column before
    std::vector<int> savedWidths_; // the grid's SavedColWidths before
};

// The current column deleted (DeleteColumnAtCurrent); the column is kept whole.
class TDeleteColumnStep : public TGridStep {
public:
    TDeleteColumnStep(TzelGrid* grid, int col);
    void Redo() override;
    void Undo() override;
    std::size_t Bytes() const override;
    TzelGrid* Grid() const override { return grid_; }

private:
    TzelGrid* grid_;
    int col_;
    TzelGrid::TTakenColumn column_;
};

// New texts for some cells of a grid.
class TSetCellsStep : public TGridStep {
public:
    // Each edit's cell takes its text; an edit of a cell outside the grid or to
    // the text the cell has is left out.
    TSetCellsStep(QString name, TzelGrid* grid, const std::vector<TCellEdit>& edits);
    bool Empty() const { return cells_.empty(); }
    void Redo() override;
    void Undo() override;
    std::size_t Bytes() const override;
    TzelGrid* Grid() const override { return grid_; }

private:
    struct TCell {
        int col;
        int row;
        std::string before;
        std::string after;
    };
    void Show() const;

    TzelGrid* grid_;
    std::vector<TCell> cells_;
};

// What a header click sets on a grid: the sorted column and its direction and
// key type, and with them the header's sort mark.
struct TSortMarks {
    int Index = -1;
    SortDirType Direction = Ascending;
    ToSortType Type = tstCharacter;

    static TSortMarks Of(const TzelGrid& grid);
    void ApplyTo(TzelGrid& grid) const;
};

// A sort by the grid's sort fields, which the caller set after reading the marks
// as they were before; with SortIndex -1 the sort is switched off and only the
// marks change. The first Redo sorts; later ones put the rows in the order that
// sort gave.
class TSortStep : public TGridStep {
public:
    TSortStep(TzelGrid* grid, const TSortMarks& before);
    void Redo() override;
    void Undo() override;
    std::size_t Bytes() const override { return moved_.From.capacity() * sizeof(int); }
    TzelGrid* Grid() const override { return grid_; }

private:
    TzelGrid* grid_;
    TSortMarks before_;
    TSortMarks after_;
    bool sorted_ = false;
    TLineOrder moved_;
};
