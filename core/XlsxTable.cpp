#include "XlsxTable.h"

#include "SpreadsheetNumber.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t kCellCharacters = 32767; // the most a workbook cell holds
constexpr double kNarrowest = 8, kWidest = 80; // column widths, in characters

std::string TemporaryFolder()
{
    const char* folder = std::getenv("TMPDIR");
    return folder && *folder ? folder : "/tmp";
}

// A file without a name in the temporary folder: whatever happens, nothing of
// it stays behind.
int UnnamedFile()
{
    const std::string folder = TemporaryFolder();
    int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0)
        return fd;
    std::string pattern = folder + "/corvana-xlsx-XXXXXX"; // a file system without unnamed files
    fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        throw TXlsxError("no temporary file can be made in " + folder + ": " + std::strerror(errno));
    ::unlink(pattern.c_str());
    return fd;
}

std::size_t Characters(std::string_view utf8)
{
    return std::size_t(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

} // namespace

struct TXlsxTableWriter::TState {
    int fd = -1;
    lxw_workbook* workbook = nullptr;
    lxw_worksheet* sheet = nullptr;
    lxw_format* header = nullptr;
    lxw_format* text = nullptr;
    std::vector<TXlsxColumn> columns;
    std::vector<std::size_t> widest; // characters, per column
    std::uint32_t rows = 0;          // data rows written
    std::string cell;                // a text cell, ended by a null

    ~TState()
    {
        if (workbook)
            lxw_workbook_free(workbook); // abandoned: nothing of it is put together
        if (fd >= 0)
            ::close(fd);
    }

    void Check(lxw_error error) const
    {
        if (error != LXW_NO_ERROR)
            throw TXlsxError(std::string("the workbook cannot be written: ") + lxw_strerror(error));
    }

    void WriteText(std::uint32_t row, lxw_col_t column, std::string_view value, lxw_format* format)
    {
        if (Characters(value) > kCellCharacters)
            throw TXlsxError("a cell holds more than 32,767 characters, more than a workbook cell takes");
        cell.assign(value);
        Check(worksheet_write_string(sheet, row, column, cell.c_str(), format));
    }
};

TXlsxTableWriter::TXlsxTableWriter(const std::string& sheetName, std::vector<TXlsxColumn> columns)
    : state_(std::make_unique<TState>())
{
    TState& s = *state_;
    s.fd = UnnamedFile();
    s.columns = std::move(columns);
    s.widest.assign(s.columns.size(), 0);
    const std::string path = "/proc/self/fd/" + std::to_string(s.fd);
    std::string folder = TemporaryFolder();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE; // rows go to disk as they come
    options.tmpdir = folder.data();
    s.workbook = workbook_new_opt(path.c_str(), &options);
    if (!s.workbook)
        throw TXlsxError("the workbook cannot be started");
    s.sheet = workbook_add_worksheet(s.workbook, sheetName.c_str());
    if (!s.sheet)
        throw TXlsxError("the workbook cannot take the sheet \"" + sheetName + "\"");
    s.header = workbook_add_format(s.workbook);
    format_set_bold(s.header);
    format_set_num_format(s.header, "@");
    s.text = workbook_add_format(s.workbook);
    format_set_num_format(s.text, "@");
    for (std::size_t c = 0; c < s.columns.size(); ++c) {
        s.WriteText(0, lxw_col_t(c), s.columns[c].Header, s.header);
        s.widest[c] = Characters(s.columns[c].Header);
    }
    worksheet_freeze_panes(s.sheet, 1, 0);
}

TXlsxTableWriter::~TXlsxTableWriter() = default;

void TXlsxTableWriter::Row(std::span<const std::string_view> cells)
{
    TState& s = *state_;
    if (s.rows == kXlsxDataRows)
        throw TXlsxError("a workbook sheet holds at most 1,048,576 rows");
    const std::uint32_t row = ++s.rows;
    for (std::size_t c = 0; c < cells.size() && c < s.columns.size(); ++c) {
        const std::string_view value = cells[c];
        if (value.empty())
            continue;
        s.widest[c] = std::max(s.widest[c], Characters(value));
        double number = 0;
        if (s.columns[c].Numbers && SpreadsheetKeepsAsNumber(value) &&
            std::from_chars(value.data(), value.data() + value.size(), number).ec == std::errc())
            s.Check(worksheet_write_number(s.sheet, row, lxw_col_t(c), number, nullptr));
        else
            s.WriteText(row, lxw_col_t(c), value, s.text);
    }
}

void TXlsxTableWriter::Finish(const std::function<void(std::string_view)>& write)
{
    TState& s = *state_;
    for (std::size_t c = 0; c < s.columns.size(); ++c) {
        const double width = std::clamp(double(s.widest[c]) + 2, kNarrowest, kWidest);
        s.Check(worksheet_set_column(s.sheet, lxw_col_t(c), lxw_col_t(c), width, nullptr));
    }
    lxw_workbook* workbook = s.workbook;
    s.workbook = nullptr;
    s.Check(workbook_close(workbook));
    std::string piece(std::size_t(1) << 20, '\0');
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(s.fd, piece.data(), piece.size(), at);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw TXlsxError(std::string("the workbook cannot be read back: ") + std::strerror(errno));
        }
        if (n == 0)
            return;
        write(std::string_view(piece.data(), std::size_t(n)));
        at += n;
    }
}
