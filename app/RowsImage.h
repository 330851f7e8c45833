#pragma once
// Rows of a results grid as compact bytes, and back. A row computed from its
// plate (the rows Calc, File > Open and Import list put) is kept as its plate,
// the computed cells that differ from what the plate gives, and the cells after
// the computed columns: about a dozen bytes for a row of 131. Any other row is
// kept as all its texts. Reading computes the plates' codes again, in bulk.

#include "ByteCoding.h"
#include "ResultTables.h"

class TzelGrid;

namespace RowsImage {

// How the rows' computed cells are known.
enum class TRows {
    Computed, // rows put from their plates, untouched since: nothing to compare
    Checked,  // any rows: each computed cell is compared with what its plate gives
};

// Appends rows first .. first + count - 1 of a grid that shows `table`.
void Write(const TzelGrid& grid, TCodeTable table, int first, int count, TRows rows, TBytesOut& out);

// Reads rows Write wrote and writes them into the grid (which must have the
// column count it had then) from the row they came from, the grid growing to
// hold them. Throws TMalformedBytes, before changing the grid, when the bytes
// do not fit the grid or are not rows.
void Read(TBytesIn& in, TzelGrid& grid, TCodeTable table);

// Whether rows first .. first + count - 1 of a grid that shows `table`, rows
// the window computed from their plates, have the plates of rows `from` .. of
// `other` and no cells besides the computed ones: then Like can write them
// again from `other`.
bool SamePlates(const TzelGrid& grid, TCodeTable table, int first, int count, const TzelGrid& other, int from);
// Writes rows first .. first + count - 1 of a grid that shows `table`,
// computed from the plates of rows `from` .. of `other`, the grid growing to
// hold them. The grid's columns must be computed ones only.
void Like(TzelGrid& grid, TCodeTable table, int first, int count, const TzelGrid& other, int from);

// Reads past rows Write wrote, checking that they fit a grid of `cols` columns
// and `rows` rows as Read checks them; returns the row count Read would leave.
// Throws TMalformedBytes.
int Skip(TBytesIn& in, TCodeTable table, int cols, int rows);

} // namespace RowsImage
