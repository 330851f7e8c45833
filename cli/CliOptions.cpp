#include "CliOptions.h"

#include "Blanks.h"
#include "ShownText.h"

#include <algorithm>
#include <charconv>

const char* const kCliUsage =
    "Usage: corvana-cli [--table 26|64] [--all-columns | --columns LIST | --decode CODE... | --collisions]\n"
    "                   [--decode-file FILE]... [--format semicolon|csv|xlsx] [--no-bom] [--plate TEXT]...\n"
    "                   [-o FILE] [--input plain|csv|xlsx|ods [--separator SEP] [--sheet NAME|N] [--header]\n"
    "                   [--plate-column N|NAME] [--strict]] [--verbose] [FILE...]\n"
    "Computes the Wiegand codes of number plates and writes a result file.\n"
    "\n"
    "  --table 26|64     the 26-bit (SHA-1) table or the 64-bit table (default 26)\n"
    "  --all-columns     write every column of the table\n"
    "  --columns LIST    write column 0 and the listed columns, e.g. 2,3 or \"2, 3\"\n"
    "                    (default: 26-bit 1,5,6; 64-bit 1)\n"
    "  --decode CODE     decode a code read at the gate instead (may be given several\n"
    "                    times): a 26-bit frame such as 0x3019E2A, 26 binary digits or\n"
    "                    128/53013, or with --table 64 a code such as 0x600002191555EBDB;\n"
    "                    the plate lists given are searched for the plates with that code;\n"
    "                    any code cell a result file holds is read as it stands\n"
    "  --decode-file FILE\n"
    "                    decode the codes of FILE, one per line (\"-\" is standard input)\n"
    "  --format csv      write comma-separated values, quoted where needed\n"
    "                    (default semicolon: the result file)\n"
    "  --format xlsx     write an Excel workbook, each code typed so that a spreadsheet\n"
    "                    keeps it exactly (to -o FILE, or to standard output if no terminal)\n"
    "  --no-bom          start --format csv without the UTF-8 byte order mark\n"
    "  --input csv       read the files as delimited lists (spreadsheet exports): the\n"
    "                    plate from one column, the other columns written after the\n"
    "                    computed ones (default plain: one plate per line)\n"
    "  --input xlsx|ods  read the files as workbooks (.xlsx or .ods, either one), a sheet\n"
    "                    as a delimited list: each row a record, each cell as shown\n"
    "  --separator SEP   the lists' separator: , or ; or tab (default: detected)\n"
    "  --sheet NAME|N    the workbooks' sheet: its name or its number from 1 (default 1)\n"
    "  --header          the first line (row) of each list names its columns\n"
    "  --plate-column N|NAME\n"
    "                    the column that holds the plate: its number from 1, or its\n"
    "                    name in the header (default: with --header the column whose\n"
    "                    name reads like the plate column, else 1)\n"
    "  --strict          exit with status 1 when a record is rejected\n"
    "  --collisions      instead of the result file, list the codes of the table that\n"
    "                    two or more different plates share: one line per code, in\n"
    "                    ascending order, the code and then each of its plates\n"
    "  --plate TEXT      one plate line; may be given several times\n"
    "  -o FILE           write to FILE (replaced only when complete) instead of standard output\n"
    "  --verbose         report the counts of accepted and rejected lines on standard error\n"
    "                    (with --collisions: plates, groups, plates in groups, repeats)\n"
    "  --help            show this text\n"
    "  --version         show the version\n"
    "\n"
    "Plates from --plate come first, then each FILE in order (\"-\" is standard input);\n"
    "with neither, standard input is read. Plate lists may be UTF-8, UTF-16 with a byte\n"
    "order mark or Windows-1252. Output is UTF-8 with CR LF line ends. With --decode,\n"
    "only the plate lists given are read. A rejected record of a delimited list, and\n"
    "a line that is not text in its list's encoding or longer than 64 KiB, is\n"
    "reported on standard error with its line (the first 10, then a count). A file\n"
    "that is not text (a workbook, a ZIP, a PDF, binary data) is refused.\n"
    "Exit status: 0 done, 1 a file could not be read or written or is not text, a\n"
    "code could not be decoded or a record was rejected under --strict, 2 a bad\n"
    "option or no memory left, 3 the collision report lists at least one code.\n";

const char* const kCliTryHelp = "Try 'corvana-cli --help' for more information.\n";

const char* const kCliVersion = "corvana-cli " CORVANA_VERSION "\n";

TUsageError BadOptionValue(const std::string& option, const std::string& value, const std::string& expected)
{
    return TUsageError("invalid value \"" + ShownText(value) + "\" for " + option + ": " + expected);
}

namespace {

std::vector<int> DefaultColumns(TCodeTable table)
{
    std::vector<int> columns;
    const auto& all = ResultTable(table).Columns;
    for (std::size_t c = 1; c < all.size(); ++c)
        if (all[c].ConverterDefault)
            columns.push_back(int(c));
    return columns;
}

char ParseSeparator(const std::string& text)
{
    if (text == "," || text == ";" || text == "\t")
        return text[0];
    if (text == "tab")
        return '\t';
    throw BadOptionValue("--separator", text, ", or ; or tab");
}

// A column number from 1, or else a header name.
TPlateColumn ParsePlateColumn(const std::string& text)
{
    TPlateColumn column;
    const std::string_view name = TrimBlanks(text);
    if (name.empty())
        throw BadOptionValue("--plate-column", text, "a column number from 1 or a header name");
    if (name.find_first_not_of("0123456789") != std::string_view::npos) {
        column.Name = std::string(name);
        return column;
    }
    int number = 0;
    const auto [ptr, ec] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (ec != std::errc() || ptr != name.data() + name.size() || number < 1)
        throw BadOptionValue("--plate-column", text, "column numbers start at 1");
    column.Index = std::size_t(number - 1);
    return column;
}

// The columns of a comma-separated list; blanks around each entry are allowed.
std::vector<int> ParseColumnList(const std::string& list)
{
    std::vector<int> columns;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        const std::string_view entry = TrimBlanks(std::string_view(list).substr(start, comma - start));
        int value = 0;
        const char* end = entry.data() + entry.size();
        auto [ptr, ec] = std::from_chars(entry.data(), end, value);
        if (ec != std::errc() || ptr != end || entry.empty())
            throw BadOptionValue("--columns", list, "column numbers separated by commas, such as 2,3");
        columns.push_back(value);
        if (comma == std::string::npos)
            return columns;
        start = comma + 1;
    }
}

} // namespace

TCliOptions ParseCliOptions(const std::vector<std::string>& args)
{
    TCliOptions options;
    std::string columnList;
    bool allColumns = false, haveColumnList = false, optionsEnded = false;
    bool separatorGiven = false, plateColumnGiven = false;
    std::string listOption; // the first option that reads delimited lists

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](const char* name) -> const std::string& {
            if (i + 1 >= args.size())
                throw TUsageError(std::string("option ") + name + " needs a value");
            return args[++i];
        };
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            options.Inputs.push_back({TCliInput::TKind::File, arg});
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--table") {
            const std::string& table = value("--table");
            if (table != "26" && table != "64")
                throw BadOptionValue("--table", table, "26 or 64");
            options.Table = table == "26" ? TCodeTable::Wiegand26 : TCodeTable::Wiegand64;
        } else if (arg == "--all-columns") {
            allColumns = true;
        } else if (arg == "--columns") {
            columnList = value("--columns");
            haveColumnList = true;
        } else if (arg == "--decode") {
            options.Decodes.push_back({TCliCodes::TKind::Code, value("--decode")});
        } else if (arg == "--decode-file") {
            options.Decodes.push_back({TCliCodes::TKind::File, value("--decode-file")});
            if (options.Decodes.back().Value.empty())
                throw BadOptionValue("--decode-file", "", "a file name, or - for standard input");
        } else if (arg == "--format") {
            const std::string& format = value("--format");
            if (format != "semicolon" && format != "csv" && format != "xlsx")
                throw BadOptionValue("--format", format, "semicolon, csv or xlsx");
            options.Format = format == "csv" ? TLineFormat::Csv : TLineFormat::Semicolon;
            options.Workbook = format == "xlsx";
        } else if (arg == "--no-bom") {
            options.Bom = false;
        } else if (arg == "--input") {
            const std::string& input = value("--input");
            if (input != "plain" && input != "csv" && input != "xlsx" && input != "ods")
                throw BadOptionValue("--input", input, "plain, csv, xlsx or ods");
            options.Input = input == "plain" ? TInputKind::Plain : input == "csv" ? TInputKind::Csv : TInputKind::Workbook;
        } else if (arg == "--separator") {
            options.List.Separator = ParseSeparator(value("--separator"));
            listOption = listOption.empty() ? arg : listOption;
            separatorGiven = true;
        } else if (arg == "--sheet") {
            options.Sheet = value("--sheet");
            if (options.Sheet.empty())
                throw BadOptionValue("--sheet", "", "a sheet's name or its number from 1");
        } else if (arg == "--header") {
            options.List.Header = true;
            listOption = listOption.empty() ? arg : listOption;
        } else if (arg == "--plate-column") {
            options.List.PlateColumn = ParsePlateColumn(value("--plate-column"));
            plateColumnGiven = true;
            listOption = listOption.empty() ? arg : listOption;
        } else if (arg == "--strict") {
            options.Strict = true;
            listOption = listOption.empty() ? arg : listOption;
        } else if (arg == "--plate") {
            options.Inputs.push_back({TCliInput::TKind::Plate, value("--plate")});
        } else if (arg == "-o") {
            options.OutputFile = value("-o");
            if (options.OutputFile.empty())
                throw BadOptionValue("-o", "", "a file name");
        } else if (arg == "--collisions") {
            options.Collisions = true;
        } else if (arg == "--verbose") {
            options.Verbose = true;
        } else if (arg == "--help") {
            options.Help = true;
        } else if (arg == "--version") {
            options.Version = true;
        } else {
            throw TUsageError("unknown option \"" + ShownText(arg) + "\"");
        }
    }

    if (allColumns && haveColumnList)
        throw TUsageError("--all-columns and --columns exclude each other");
    if ((allColumns || haveColumnList) && !options.Decodes.empty())
        throw TUsageError("--decode writes its own columns; --all-columns and --columns do not apply");
    if (options.Collisions && !options.Decodes.empty())
        throw TUsageError("--collisions and --decode exclude each other");
    if (!listOption.empty() && options.Input == TInputKind::Plain)
        throw TUsageError(listOption + " reads delimited lists; it needs --input csv, xlsx or ods");
    if (separatorGiven && options.Input == TInputKind::Workbook)
        throw TUsageError("--separator reads delimited text; a workbook's cells need none");
    if (!options.Sheet.empty() && options.Input != TInputKind::Workbook)
        throw TUsageError("--sheet chooses a workbook's sheet; it needs --input xlsx or ods");
    if (options.Workbook && (options.Collisions || !options.Decodes.empty()))
        throw TUsageError("--format xlsx writes the result table; --collisions and --decode write text reports");
    // With a header, the plate column is the one whose name says so.
    options.List.PlateColumn.FromHeader = options.List.Header && !plateColumnGiven;
    options.List.SheetRows = options.Input == TInputKind::Workbook;
    if (!options.List.PlateColumn.Name.empty() && !options.List.Header)
        throw TUsageError("--plate-column " + ShownText(options.List.PlateColumn.Name) +
                          " names a header column; it needs --header (or give the column's number)");
    // Codes from standard input leave it to no other input.
    const auto codesFromInput = std::count_if(options.Decodes.begin(), options.Decodes.end(), [](const TCliCodes& codes) {
        return codes.Kind == TCliCodes::TKind::File && codes.Value == "-";
    });
    const bool platesFromInput = std::any_of(options.Inputs.begin(), options.Inputs.end(), [](const TCliInput& input) {
        return input.Kind == TCliInput::TKind::File && input.Value == "-";
    });
    if (codesFromInput > 1 || (codesFromInput == 1 && platesFromInput))
        throw TUsageError("standard input (\"-\") can be read only once");
    const int count = int(ResultTable(options.Table).ColumnCount());
    if (allColumns) {
        for (int c = 1; c < count; ++c)
            options.Columns.push_back(c);
    } else if (haveColumnList) {
        for (int c : ParseColumnList(columnList)) {
            if (c < 0 || c >= count)
                throw BadOptionValue("--columns", columnList,
                                     "column " + std::to_string(c) + " is outside the " + std::to_string(ResultTable(options.Table).Bits) +
                                         "-bit table (0 to " + std::to_string(count - 1) + ")");
            if (c > 0)
                options.Columns.push_back(c);
        }
        std::sort(options.Columns.begin(), options.Columns.end());
        options.Columns.erase(std::unique(options.Columns.begin(), options.Columns.end()), options.Columns.end());
    } else {
        options.Columns = DefaultColumns(options.Table);
    }
    return options;
}
