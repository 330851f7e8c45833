#include "Converter.h"

#include "CollisionReport.h"
#include "DecodeReport.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <ostream>
#include <unistd.h>

void TPlateLineSink::LineEnd()
{
    const std::optional<std::string> plate = normalizer_.Finish();
    if (!plate) {
        ++rejected_;
        return;
    }
    ++accepted_;
    Plate(*plate);
}

void TPlateLineSink::ConvertPlateText(std::string_view text)
{
    normalizer_.Feed(TextToUtf8(text));
    LineEnd();
}

TConverter::TConverter(int table, std::vector<int> columns, TOutputStream& out, TLineFormat format)
    : table_(table), columns_(std::move(columns)), out_(out), format_(format)
{
}

template <class Cells>
void TConverter::WriteLine(const Cells& cells)
{
    line_.clear();
    TResultLineWriter writer(line_, format_);
    writer.Cell(cells[0]);
    for (int c : columns_)
        writer.Cell(cells[static_cast<std::size_t>(c)]);
    writer.EndLine();
    out_.Write(line_);
}

void TConverter::WriteHeader()
{
    if (table_ == 26)
        WriteLine(Wiegand26Headers);
    else
        WriteLine(Wiegand64Headers);
}

void TConverter::Plate(const std::string& plate)
{
    const TPlateCodes codes = ComputePlateCodes(plate);
    if (table_ == 26)
        WriteLine(Wiegand26RowCells(codes));
    else
        WriteLine(Wiegand64RowCells(codes));
}

namespace {

using TFilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Standard input copied to an anonymous temporary file, so that it can be read
// twice (once to decide its encoding) without holding it in memory.
TFilePtr CopyStandardInput()
{
    TFilePtr copy(std::tmpfile(), &std::fclose);
    if (!copy)
        throw TFileError("-", std::strerror(errno));
    std::unique_ptr<char[]> buffer(new char[1 << 20]);
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer.get(), 1 << 20);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw TFileError("-", std::strerror(errno));
        }
        if (std::fwrite(buffer.get(), 1, static_cast<std::size_t>(n), copy.get()) != static_cast<std::size_t>(n))
            throw TFileError("-", std::strerror(errno));
    }
    if (std::fflush(copy.get()) != 0 || std::fseek(copy.get(), 0, SEEK_SET) != 0)
        throw TFileError("-", std::strerror(errno));
    return copy;
}

void CheckReadable(const std::string& fileName)
{
    if (fileName == "-")
        return;
    TFilePtr file(std::fopen(fileName.c_str(), "rb"), &std::fclose);
    if (!file)
        throw TFileError(fileName, std::strerror(errno));
}

// Every input file must open before any output is written.
void CheckInputsReadable(const TCliOptions& options)
{
    for (const TCliCodes& codes : options.Decodes)
        if (codes.Kind == TCliCodes::TKind::File)
            CheckReadable(codes.Value);
    for (const TCliInput& input : options.Inputs)
        if (input.Kind == TCliInput::TKind::File)
            CheckReadable(input.Value);
}

// The lines of a code file that hold more than blanks, each as UTF-8.
class TCodeLines : public TLineSink {
public:
    explicit TCodeLines(std::vector<std::string>& codes) : codes_(codes) {}
    void LinePiece(std::string_view utf8) override { line_.append(utf8); }
    void LineEnd() override
    {
        if (!TrimBlanks(line_).empty())
            codes_.push_back(line_);
        line_.clear();
    }

private:
    std::vector<std::string>& codes_;
    std::string line_;
};

// The codes of --decode and --decode-file, in the order given.
std::vector<std::string> ReadCodes(const std::vector<TCliCodes>& sources)
{
    std::vector<std::string> codes;
    TCodeLines lines(codes);
    for (const TCliCodes& source : sources) {
        if (source.Kind == TCliCodes::TKind::Code) {
            codes.push_back(source.Value);
        } else if (source.Value == "-") {
            TFilePtr copy = CopyStandardInput();
            ReadPlateList(copy.get(), "-", lines);
        } else {
            ReadPlateListFile(source.Value, lines);
        }
    }
    return codes;
}

void ReportCounts(const TCliOptions& options, const TPlateLineSink& sink, std::ostream& err)
{
    if (options.Verbose)
        err << "corvana-cli: " << sink.Accepted() << " accepted, " << sink.Rejected() << " rejected\n";
}

// The result file; with neither plates nor files, standard input is read.
int Convert(const TCliOptions& options, TOutputStream& out, std::ostream& err)
{
    TConverter converter(options.Table, options.Columns, out, options.Format);
    converter.WriteHeader();
    if (options.Inputs.empty())
        ReadCliInputs({{TCliInput::TKind::File, "-"}}, converter);
    else
        ReadCliInputs(options.Inputs, converter);
    out.Commit();
    ReportCounts(options, converter, err);
    return 0;
}

// The decode report; only the plate lists given are searched.
int Decode(const TCliOptions& options, TOutputStream& out, std::ostream& err)
{
    TDecodeReport report(options.Table, ReadCodes(options.Decodes));
    for (const TDecodeReport::TFailure& failure : report.Failures())
        err << "corvana-cli: cannot decode \"" << failure.Text << "\": " << failure.Reason << "\n";
    ReadCliInputs(options.Inputs, report);
    report.Write(out, options.Format);
    out.Commit();
    ReportCounts(options, report, err);
    return report.Failures().empty() ? 0 : 1;
}

} // namespace

void ReadCliInputs(const std::vector<TCliInput>& inputs, TPlateLineSink& sink)
{
    // Plate arguments come first, wherever they stand among the files.
    std::vector<TCliInput> ordered = inputs;
    std::stable_partition(ordered.begin(), ordered.end(),
                          [](const TCliInput& input) { return input.Kind == TCliInput::TKind::Plate; });
    for (const TCliInput& input : ordered) {
        if (input.Kind == TCliInput::TKind::Plate) {
            sink.ConvertPlateText(input.Value);
        } else if (input.Value == "-") {
            TFilePtr copy = CopyStandardInput();
            ReadPlateList(copy.get(), "-", sink);
        } else {
            ReadPlateListFile(input.Value, sink);
        }
    }
}

int RunCorvanaCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    TCliOptions options;
    try {
        options = ParseCliOptions(args);
    } catch (const TUsageError& e) {
        err << "corvana-cli: " << e.what() << "\n" << kCliTryHelp;
        return 2;
    }
    if (options.Help) {
        out << kCliUsage;
        return 0;
    }
    if (options.Version) {
        out << kCliVersion;
        return 0;
    }

    try {
        CheckInputsReadable(options);
    } catch (const TFileError& e) {
        err << "corvana-cli: cannot open file \"" << e.FileName << "\": " << e.Reason << "\n";
        return 1;
    }

    try {
        std::unique_ptr<TOutputStream> output;
        if (options.OutputFile.empty())
            output = std::make_unique<TDescriptorOutput>(STDOUT_FILENO, "-");
        else
            output = std::make_unique<TFileOutput>(options.OutputFile);
        if (options.Collisions)
            return ReportCollisions(options, *output, err);
        return options.Decodes.empty() ? Convert(options, *output, err) : Decode(options, *output, err);
    } catch (const TOutputError& e) {
        err << "corvana-cli: cannot create file \"" << e.FileName << "\": " << e.Reason << "\n";
        return 1;
    } catch (const TFileError& e) {
        err << "corvana-cli: cannot open file \"" << e.FileName << "\": " << e.Reason << "\n";
        return 1;
    }
}
