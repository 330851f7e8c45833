#pragma once
// A table written as an Excel workbook (.xlsx) with libxlsxwriter: one sheet,
// the header row bold and frozen, each column's cells text or numbers as the
// column says, and every column as wide as its widest text. Text cells carry
// the text format, so that "007" or a 19-digit code stays as it is even when
// edited there. Rows stream in and are not kept; the workbook is put together
// in an unnamed temporary file and then handed on as bytes.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The table does not fit a workbook (too many rows, a cell too long), or the
// workbook could not be put together; the message says which.
class TXlsxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TXlsxColumn {
    std::string Header;
    bool Numbers = false; // cells that a spreadsheet keeps as numbers are numbers
};

class TXlsxTableWriter {
public:
    // Throws TXlsxError.
    TXlsxTableWriter(const std::string& sheetName, std::vector<TXlsxColumn> columns);
    ~TXlsxTableWriter();
    TXlsxTableWriter(const TXlsxTableWriter&) = delete;
    TXlsxTableWriter& operator=(const TXlsxTableWriter&) = delete;

    // The next row's cells, one per column (fewer leave the rest empty). Throws TXlsxError.
    void Row(std::span<const std::string_view> cells);
    // Puts the workbook together and hands its bytes to `write`, in pieces. Throws TXlsxError.
    void Finish(const std::function<void(std::string_view)>& write);

private:
    struct TState;
    std::unique_ptr<TState> state_;
};

// Rows of data a sheet takes below its header row.
inline constexpr std::uint32_t kXlsxDataRows = 1048575;
