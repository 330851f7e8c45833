#pragma once
// Cell reference texts of the results grid: A1 addresses (column letters A to ZZ
// counted from the first non-fixed column, then the grid row) and row/column
// references ("c" column "r" row, or "r" row "c" column, raw grid indexes). Plain
// functions over ASCII text, so formulas resolve references without building strings.

#include <string>
#include <string_view>

// The letters of a column number (1 is the first non-fixed column): "A" to "Z" for
// 1 to 26, "AA" to "ZZ" for 27 to 702; no letters (empty) outside 1 .. 702.
std::string ColumnNumberLetters(int number);

// A whole decimal number of digits only that fits an int.
bool ParseWholeNumber(std::string_view text, int& value);

// An A1 address, letters in either case: up to two leading letters give the column
// number (none gives 0), the rest must be a whole number, the row. The column index
// is column number - 1 + fixedCols. Says nothing about the grid's size.
bool ParseA1Text(std::string_view text, int fixedCols, int& col, int& row);

// A row/column reference: the first "c" and the first "r" (either case) must both be
// there; the number between them and the number after the later one are the column
// and the row by their letters. Raw grid indexes; says nothing about the grid's size.
bool ParseRowColText(std::string_view text, int& col, int& row);
