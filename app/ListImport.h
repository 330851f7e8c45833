#pragma once
// A delimited list put into the results grids: each accepted record's plate gets
// its rows as File > Open computes them, and the list's other columns go after
// the computed columns of both grids, each under its header name. A name that a
// grid already has beyond its computed columns (from an earlier import) takes
// that column again; a new name gets a new column at the end.

#include "DelimitedPlateList.h"
#include "PlateCodes.h"

#include <string>
#include <vector>

class TCollisionView;
class TzelGrid;

class TListImport : public TListPlateSink {
public:
    TListImport(TzelGrid* sg26, TzelGrid* sg64, TCollisionView* collisions);

    void ListColumns(const TListColumns& columns) override;
    void ListPlate(const TPlateBytes& plate, const TDelimitedRecord& record) override;
    void ListIssue(const TRecordIssue& issue) override;
    // Puts the rows still waiting into the grids.
    void Flush();

    std::size_t Imported() const { return imported_; }
    const TIssueTally& Issues() const { return issues_; }

private:
    // Where one grid takes the list's columns.
    struct TGridColumns {
        TzelGrid* grid;
        int computed;                 // the grid's computed columns
        std::vector<int> columnOf;    // per list column: its grid column, or -1
        std::size_t others = 0;       // cells a row carries after the computed ones
    };
    void PlaceColumns(TGridColumns& target, const TListColumns& columns);
    std::vector<std::string_view> OtherCells(const TGridColumns& target) const;

    TGridColumns grid26_;
    TGridColumns grid64_;
    TCollisionView* collisions_;
    std::size_t listColumns_ = 0;
    // The rows waiting: computed cells, and the texts of every list column.
    std::vector<TWiegand26Row> rows26_;
    std::vector<TWiegand64Row> rows64_;
    std::string texts_;
    std::vector<std::size_t> textEnds_; // per row and list column
    std::size_t imported_ = 0;
    TIssueTally issues_;
};
