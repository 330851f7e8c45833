#pragma once
// What a file holds, told by its first bytes: text, or a kind of file that is
// no list of lines (a workbook, a ZIP archive, a PDF document, an image, other
// binary data). A list is looked at here before its bytes are read as text, and
// refused when it is not text; a reader of workbooks looks here to take them.

#include <cstddef>
#include <stdexcept>
#include <string_view>

enum class TContentKind {
    Text,
    ExcelWorkbook,           // Office Open XML (.xlsx): a ZIP whose entries lie under xl/
    OpenDocumentSpreadsheet, // .ods: a ZIP whose "mimetype" entry names the spreadsheet type
    ZipArchive,              // any other ZIP
    OldOfficeDocument,       // a compound file of older Microsoft Office (.xls, .doc)
    PdfDocument,
    PngImage,
    JpegImage,
    GzipData,
    Program,                 // an ELF executable or library
    Utf16WithoutMark,        // UTF-16 text without the byte order mark that says so
    Binary,                  // a NUL byte, which text outside UTF-16 never holds
};

// How much of a file is looked at: its first 64 KiB, or all of a shorter one.
constexpr std::size_t kContentSniffBytes = 64 * 1024;

// The kind of a file from its first bytes (up to kContentSniffBytes of them).
TContentKind SniffContent(std::string_view head);
// What a message calls it: "an Excel workbook (.xlsx)", "a ZIP archive", ...
std::string_view ContentKindName(TContentKind kind);
// The workbooks a spreadsheet program saves.
bool IsWorkbook(TContentKind kind);
// A ZIP archive: a workbook, or any other.
bool IsZip(TContentKind kind);

// A list whose bytes are not text; what() names what they are.
class TNotTextError : public std::runtime_error {
public:
    explicit TNotTextError(TContentKind kind);
    TContentKind Kind;
};
