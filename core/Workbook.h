#pragma once
// Spreadsheet workbooks read as lists: Office Open XML workbooks (.xlsx) and
// OpenDocument spreadsheets (.ods), told apart by their content. Each row of a
// sheet that holds anything becomes a record of the cells' texts as the
// spreadsheet shows them (see SheetRows.h), numbered by its row, so that
// everything that reads delimited lists reads a sheet the same way. The
// workbook's XML is read as it unpacks, never held whole.

#include "DelimitedText.h"
#include "ZipArchive.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

enum class TWorkbookKind { Xlsx, Ods };

// What a part of a workbook may unpack to; a sheet's XML is streamed, the
// shared strings are kept.
inline constexpr std::uint64_t kSheetPartLimit = std::uint64_t(1) << 30;
inline constexpr std::uint64_t kSharedStringsLimit = std::uint64_t(512) << 20;
// What a workbook that is no regular file (standard input) may be.
inline constexpr std::size_t kWorkbookMemoryLimit = std::size_t(256) << 20;

class TWorkbook {
public:
    virtual ~TWorkbook() = default;

    // The workbook in a file ("-" is standard input). Throws TFileError when the
    // file cannot be read, TWorkbookError when it holds no workbook.
    static std::unique_ptr<TWorkbook> OpenFile(const std::string& fileName);
    static std::unique_ptr<TWorkbook> Open(TZipArchive archive);

    virtual TWorkbookKind Kind() const = 0;
    // The names of the sheets that hold cells, in the workbook's order.
    virtual std::vector<std::string> SheetNames() = 0;
    // The rows of sheet `index` (from 0) as records, to `sink`. Throws TWorkbookError.
    virtual void ReadSheet(std::size_t index, TRecordSink& sink) = 0;
};

// Reads a sheet in a thread of its own while `sink` takes its records on the
// calling thread, a batch at a time, so that reading the sheet and whatever
// the sink does with its records work side by side. Throws what either throws.
void ReadSheetAlongside(TWorkbook& workbook, std::size_t index, TRecordSink& sink);

// "Excel workbook" or "OpenDocument spreadsheet".
std::string_view WorkbookKindName(TWorkbookKind kind);

// The sheet a user names: its name, else its number from 1. Throws
// TWorkbookError naming the sheets there are.
std::size_t FindSheet(const std::vector<std::string>& names, std::string_view nameOrNumber);
