#pragma once
// corvana-cli's workbook (--format xlsx): the rows of the result file as a
// sheet, each code typed so that a spreadsheet keeps it exactly.

#include "Converter.h"
#include "XlsxTable.h"

#include <optional>

// Turns each plate into one row of the sheet: column 0 and the chosen columns,
// then the other columns of delimited lists, which it waits for as TConverter
// does. Plates are computed in bulk, a batch at a time.
class TWorkbookConverter : public TPlateLineSink {
public:
    TWorkbookConverter(TCodeTable table, std::vector<int> columns, bool awaitOtherColumns);

    void OtherColumns(const std::vector<std::string>& names) override;
    // Writes what waits, then the workbook to `out`. Throws TXlsxError.
    void Finish(TOutputStream& out);

protected:
    void Plate(const TPlateBytes& plate) override { PlateWithOthers(plate, {}); }
    void PlateWithOthers(const TPlateBytes& plate, const std::vector<std::string_view>& others) override;

private:
    void Start();
    void Queue(const TPlateBytes& plate, const std::vector<std::string_view>& others);
    void ComputeBatch();

    TCodeTable table_;
    std::vector<int> columns_; // column 0 and the chosen ones
    std::vector<TRowCellWriter> writers_;
    bool columnsKnown_;
    std::vector<std::string> otherNames_;
    std::vector<TPlateBytes> waiting_; // plates that came before the other columns' names
    std::optional<TXlsxTableWriter> sheet_;
    std::vector<TPlateBytes> batch_;
    std::string others_;                  // the batch's other cells, one after another
    std::vector<std::size_t> othersEnds_; // per plate and other column
    std::vector<TPlateCodes> codes_;
};
