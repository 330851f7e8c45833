#pragma once
// The batch conversion of corvana-cli: plate lines in, result file out.

#include "CliOptions.h"
#include "HugePages.h"
#include "OutputStream.h"
#include "PlateCodes.h"
#include "PlateList.h"
#include "ResultFile.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Normalises every plate line it receives and hands on its canonical plate;
// counts the accepted and rejected lines. Plates of delimited lists arrive
// normalised, with the texts of the lists' other columns.
class TPlateLineSink : public TLineSink {
public:
    // One whole plate line given as 8-bit text (UTF-8 when valid, else Windows-1252).
    void ConvertPlateText(std::string_view text);

    void LinePiece(std::string_view utf8) override { normalizer_.Feed(utf8); }
    void LineEnd() override;
    void Line(std::string_view utf8) override;
    void WholeLines(std::span<const std::string_view> lines, const char* textEnd) override;
    void LineRejected(std::uint64_t line, TTextFault fault) override;

    // The names of the other columns of delimited lists, settled by the first list.
    virtual void OtherColumns(const std::vector<std::string>& names) { (void)names; }
    // The plate of a record of a delimited list, and the texts of its other columns.
    void ConvertListPlate(const TPlateBytes& plate, const std::vector<std::string_view>& others)
    {
        ++accepted_;
        PlateWithOthers(plate, others);
    }
    // The same with the other columns' cells as they stand in the list: each
    // after the list's separator, in the order of the output's columns, every
    // column there. Returns false, taking nothing, unless the output writes
    // them so as they stand.
    bool ConvertListPlateCells(const TPlateBytes& plate, std::string_view cells)
    {
        if (!PlateWithCells(plate, cells))
            return false;
        ++accepted_;
        return true;
    }
    void CountRejected() { ++rejected_; }

    std::size_t Accepted() const { return accepted_; }
    std::size_t Rejected() const { return rejected_; }

protected:
    virtual void Plate(const TPlateBytes& plate) = 0;
    // Accepted plates of whole lines, in order; by default each goes to Plate.
    virtual void Plates(std::span<const TPlateBytes> plates);
    virtual void PlateWithOthers(const TPlateBytes& plate, const std::vector<std::string_view>& others)
    {
        (void)others;
        Plate(plate);
    }
    virtual bool PlateWithCells(const TPlateBytes& plate, std::string_view cells)
    {
        (void)plate;
        (void)cells;
        return false;
    }

private:
    void Take(bool accepted, const TPlateBytes& plate);

    TPlateNormalizer normalizer_;
    std::size_t accepted_ = 0, rejected_ = 0;
};

// Turns each plate line into one result-file line of the chosen table; rejected
// lines write nothing. The header line comes first; when other columns are
// awaited (delimited lists), it waits for their names, and so do the plates
// that arrive before them. Plates are computed in bulk (ComputePlateCodesInBulk),
// the cells of their other columns waiting beside them, and their lines are
// written straight into the output text, in the order of their plates.
class TConverter : public TPlateLineSink {
public:
    TConverter(TCodeTable table, std::vector<int> columns, TOutputStream& out,
               TLineFormat format = TLineFormat::Semicolon, bool awaitOtherColumns = false);

    void OtherColumns(const std::vector<std::string>& names) override;
    // Writes what still waits: the header and its plates, when no list named
    // columns; then hands every line to the output.
    void Finish();

protected:
    void Plate(const TPlateBytes& plate) override;
    void Plates(std::span<const TPlateBytes> plates) override;
    void PlateWithOthers(const TPlateBytes& plate, const std::vector<std::string_view>& others) override;
    bool PlateWithCells(const TPlateBytes& plate, std::string_view cells) override;

private:
    // Plates without other columns, once the header is out, need nothing
    // but their place in the batch.
    bool PlatesGoStraightToBatch() const { return headerWritten_ && otherNames_.empty(); }
    void WriteHeader();
    void WriteWaiting();
    void WriteRow(const TPlateCodes& codes, std::string_view others);
    void ComputeBatch();
    void AppendOthers(const std::vector<std::string_view>& others);
    void Queue(const TPlateBytes& plate);
    bool CellsWrittenAsIs(std::string_view cells) const;
    char* Room(std::size_t bytes);
    void Append(std::string_view bytes);
    void HandOver();

    TCodeTable table_;
    std::vector<int> columns_;
    std::vector<TRowCellWriter> writers_; // of column 0 and columns_
    bool wholeRow_;                       // every column of the table, in order (WriteRowLine)
    TOutputStream& out_;
    TLineFormat format_;
    char separator_;
    bool columnsKnown_;
    bool headerWritten_ = false;
    std::vector<std::string> otherNames_;
    std::vector<TPlateBytes> waiting_; // plates that came before the other columns' names
    std::vector<TPlateBytes> batch_;   // plates waiting to be computed in bulk
    std::string others_;               // their other columns' cells, as written
    std::vector<std::size_t> othersEnds_; // where each plate's cells end in others_
    std::vector<TPlateCodes> codes_;
    THugePageBlock text_; // lines not yet handed to the output
    std::size_t textSize_ = 0;
};

// Runs corvana-cli with the arguments after the program name; returns the exit
// status. The result, the help and the version go to standard output (or the
// output file), messages to `err`.
int RunCorvanaCli(const std::vector<std::string>& args, std::ostream& err);
