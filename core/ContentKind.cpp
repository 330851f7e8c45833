#include "ContentKind.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace {

using namespace std::string_view_literals;

std::size_t Le16(std::string_view bytes, std::size_t at)
{
    return std::size_t(static_cast<unsigned char>(bytes[at])) | std::size_t(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

// A ZIP told by the names of its entries, read from the local file headers
// that lie in the head: a workbook has its parts under xl/, or a "mimetype"
// entry (stored first, uncompressed) that names an OpenDocument spreadsheet.
TContentKind ZipKind(std::string_view head)
{
    constexpr std::string_view kLocalHeader = "PK\x03\x04"sv;
    constexpr std::size_t kNameAt = 30;
    for (std::size_t at = head.find(kLocalHeader); at != std::string_view::npos && at + kNameAt <= head.size();
         at = head.find(kLocalHeader, at + kLocalHeader.size())) {
        const std::size_t nameSize = Le16(head, at + 26), extraSize = Le16(head, at + 28);
        const std::string_view name = head.substr(at + kNameAt, nameSize);
        if (name.starts_with("xl/"))
            return TContentKind::ExcelWorkbook;
        if (name == "mimetype") {
            const std::size_t data = std::min(head.size(), at + kNameAt + nameSize + extraSize);
            if (head.substr(data).starts_with("application/vnd.oasis.opendocument.spreadsheet"))
                return TContentKind::OpenDocumentSpreadsheet;
        }
    }
    return TContentKind::ZipArchive;
}

struct TMagic {
    std::string_view Bytes;
    TContentKind Kind;
};
constexpr std::array<TMagic, 7> kMagics = {{
    {"PK\x05\x06"sv, TContentKind::ZipArchive}, // an empty archive
    {"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"sv, TContentKind::OldOfficeDocument},
    {"%PDF-"sv, TContentKind::PdfDocument},
    {"\x89PNG\r\n\x1A\n"sv, TContentKind::PngImage},
    {"\xFF\xD8\xFF"sv, TContentKind::JpegImage},
    {"\x1F\x8B"sv, TContentKind::GzipData},
    {"\x7F" "ELF"sv, TContentKind::Program},
}};

// UTF-16 without a byte order mark: the NULs that are the high bytes of Latin
// text stand all at odd offsets (little-endian) or all at even ones.
bool LooksLikeUtf16(std::string_view head)
{
    const std::size_t n = std::min<std::size_t>(head.size(), 1024) & ~std::size_t(1);
    std::size_t nuls[2] = {};
    for (std::size_t i = 0; i < n; ++i)
        nuls[i & 1] += head[i] == '\0';
    const std::size_t units = n / 2;
    return units > 0 && ((nuls[0] == 0 && 2 * nuls[1] >= units) || (nuls[1] == 0 && 2 * nuls[0] >= units));
}

} // namespace

TContentKind SniffContent(std::string_view head)
{
    head = head.substr(0, kContentSniffBytes);
    if (head.starts_with("\xFF\xFE"sv) || head.starts_with("\xFE\xFF"sv))
        return TContentKind::Text; // UTF-16, where NUL bytes are in their place
    if (head.starts_with("PK\x03\x04"sv))
        return ZipKind(head);
    for (const TMagic& magic : kMagics)
        if (head.starts_with(magic.Bytes))
            return magic.Kind;
    if (head.find('\0') == std::string_view::npos)
        return TContentKind::Text;
    return LooksLikeUtf16(head) ? TContentKind::Utf16WithoutMark : TContentKind::Binary;
}

std::string_view ContentKindName(TContentKind kind)
{
    switch (kind) {
    case TContentKind::Text:
        return "text";
    case TContentKind::ExcelWorkbook:
        return "an Excel workbook (.xlsx)";
    case TContentKind::OpenDocumentSpreadsheet:
        return "an OpenDocument spreadsheet (.ods)";
    case TContentKind::ZipArchive:
        return "a ZIP archive";
    case TContentKind::OldOfficeDocument:
        return "a document of an older Microsoft Office (such as an .xls workbook)";
    case TContentKind::PdfDocument:
        return "a PDF document";
    case TContentKind::PngImage:
        return "a PNG image";
    case TContentKind::JpegImage:
        return "a JPEG image";
    case TContentKind::GzipData:
        return "gzip-compressed data";
    case TContentKind::Program:
        return "a program (ELF)";
    case TContentKind::Utf16WithoutMark:
        return "UTF-16 text without a byte order mark";
    case TContentKind::Binary:
        return "binary data (it holds NUL bytes)";
    }
    return "binary data";
}

bool IsWorkbook(TContentKind kind)
{
    return kind == TContentKind::ExcelWorkbook || kind == TContentKind::OpenDocumentSpreadsheet;
}

bool IsZip(TContentKind kind) { return IsWorkbook(kind) || kind == TContentKind::ZipArchive; }

TNotTextError::TNotTextError(TContentKind kind) : std::runtime_error(std::string(ContentKindName(kind))), Kind(kind) {}
