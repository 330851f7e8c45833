#pragma once
// The command line of corvana-cli:
//   corvana-cli [--table 26|64] [--all-columns | --columns LIST | --decode CODE... | --decode-file FILE...]
//               [--collisions] [--format semicolon|csv|xlsx] [--no-bom] [--plate TEXT]... [-o FILE]
//               [--input plain|csv|xlsx|ods [--separator SEP] [--sheet NAME|N] [--header]
//               [--plate-column N|NAME] [--strict]] [--verbose] [FILE...]

#include "DelimitedPlateList.h"
#include "ResultFile.h"
#include "ResultTables.h"

#include <stdexcept>
#include <string>
#include <vector>

// One input, in the order given: a plate text or a plate list file ("-" is
// standard input).
struct TCliInput {
    enum class TKind { Plate, File } Kind;
    std::string Value;
};

// One source of codes to decode, in the order given: a code, or a file of one
// code per line ("-" is standard input).
struct TCliCodes {
    enum class TKind { Code, File } Kind;
    std::string Value;
};

// How the files are read: plain plate lists, delimited lists, or workbooks
// (.xlsx or .ods, told apart by their content).
enum class TInputKind { Plain, Csv, Workbook };

struct TCliOptions {
    TCodeTable Table = TCodeTable::Wiegand26;
    std::vector<int> Columns; // the written columns after column 0, ascending
    std::vector<TCliInput> Inputs;
    std::vector<TCliCodes> Decodes; // codes to decode instead of writing the result file
    TLineFormat Format = TLineFormat::Semicolon;
    bool Workbook = false; // --format xlsx: an Excel workbook instead of lines
    bool Bom = true; // --format csv starts with a UTF-8 byte order mark
    TInputKind Input = TInputKind::Plain;
    TDelimitedListOptions List; // how delimited lists and sheets are read
    std::string Sheet; // --sheet: the workbooks' sheet, by name or number; empty: the first
    bool Strict = false; // a rejected record makes the exit status 1
    std::string OutputFile; // empty: standard output
    bool Collisions = false; // the collision report instead of the result file
    bool Verbose = false;
    bool Help = false;
    bool Version = false;
};

// The exit statuses of corvana-cli, as its usage text lists them.
enum TExitStatus : int {
    kExitDone = 0,
    kExitFailure = 1,    // a file not read or written, a code not decoded, a record rejected under --strict
    kExitUsage = 2,      // a bad option
    kExitTrouble = 2,    // memory ran out, or another failure of the program itself
    kExitCollisions = 3, // the collision report lists at least one code
};

// A bad option or value; the message, one line, says which.
class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The usage error of a value an option does not take: names the option and the
// value, then what it takes.
TUsageError BadOptionValue(const std::string& option, const std::string& value, const std::string& expected);

// Parses the arguments after the program name. Throws TUsageError.
TCliOptions ParseCliOptions(const std::vector<std::string>& args);

extern const char* const kCliUsage;
// The line after a usage error's message.
extern const char* const kCliTryHelp;
extern const char* const kCliVersion;
