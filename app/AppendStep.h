#pragma once
// Calc, File > Open and Import list as steps of the grids' history. While a
// recorder lives, the rows its action appends to both grids (and the columns an
// import adds) are one step: Undo drops them and gives the last row back the
// texts it had when the first plate filled it; Redo computes them again from
// their plates. Nothing is copied while the action runs: Undo keeps the rows it
// drops as plates and the cells the plates do not give.

#include <QString>

#include <string>
#include <vector>

class TGridHistory;
class TzelGrid;

class TAppendRecorder {
public:
    TAppendRecorder(TGridHistory* history, TzelGrid* sg26, TzelGrid* sg64, QString name);
    // Keeps the step when the grids changed, also when the action failed half-way.
    ~TAppendRecorder();
    TAppendRecorder(const TAppendRecorder&) = delete;
    TAppendRecorder& operator=(const TAppendRecorder&) = delete;

    // A grid as the action found it.
    struct TBefore {
        TzelGrid* grid;
        int rows;
        int cols;
        // The texts of the last row when its first cell was empty (the first
        // plate fills it), otherwise none.
        std::vector<std::string> lastRow;
    };

private:
    TGridHistory* history_;
    QString name_;
    TBefore before_[2];
};
