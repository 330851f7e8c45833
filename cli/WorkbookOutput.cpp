#include "WorkbookOutput.h"

namespace {

constexpr std::size_t kBatchSize = 256;

} // namespace

TWorkbookConverter::TWorkbookConverter(TCodeTable table, std::vector<int> columns, bool awaitOtherColumns)
    : table_(table), columnsKnown_(!awaitOtherColumns), codes_(kBatchSize)
{
    columns_.push_back(0);
    columns_.insert(columns_.end(), columns.begin(), columns.end());
    for (const int c : columns_)
        writers_.push_back(RowCellWriter(table_, std::size_t(c)));
    batch_.reserve(kBatchSize);
}

void TWorkbookConverter::Start()
{
    std::vector<TXlsxColumn> columns;
    for (const int c : columns_) {
        const TResultColumn& column = ResultTable(table_).Columns[std::size_t(c)];
        columns.push_back({std::string(column.Header), column.WorkbookNumber});
    }
    for (const std::string& name : otherNames_)
        columns.push_back({name, false});
    sheet_.emplace(std::string(ResultTable(table_).Title), std::move(columns));
}

void TWorkbookConverter::OtherColumns(const std::vector<std::string>& names)
{
    if (columnsKnown_)
        return;
    otherNames_ = names;
    columnsKnown_ = true;
    for (const TPlateBytes& plate : waiting_)
        PlateWithOthers(plate, {});
    waiting_.clear();
}

void TWorkbookConverter::PlateWithOthers(const TPlateBytes& plate, const std::vector<std::string_view>& others)
{
    if (!columnsKnown_) {
        waiting_.push_back(plate);
        return;
    }
    Queue(plate, others);
}

void TWorkbookConverter::Queue(const TPlateBytes& plate, const std::vector<std::string_view>& others)
{
    if (!sheet_)
        Start();
    batch_.push_back(plate);
    // The other columns' texts are only valid during the call that gave them.
    for (std::size_t i = 0; i < otherNames_.size(); ++i) {
        if (i < others.size())
            others_.append(others[i]);
        othersEnds_.push_back(others_.size());
    }
    if (batch_.size() == kBatchSize)
        ComputeBatch();
}

void TWorkbookConverter::ComputeBatch()
{
    ComputeTableCodesInBulk(table_, batch_, codes_.data());
    std::vector<char> room(writers_.size() * kCellRoom);
    std::vector<std::string_view> cells(writers_.size() + otherNames_.size());
    std::size_t other = 0, start = 0;
    for (std::size_t k = 0; k < batch_.size(); ++k) {
        for (std::size_t c = 0; c < writers_.size(); ++c) {
            char* at = room.data() + c * kCellRoom;
            cells[c] = std::string_view(at, std::size_t(writers_[c](codes_[k], at) - at));
        }
        for (std::size_t i = 0; i < otherNames_.size(); ++i, ++other) {
            cells[writers_.size() + i] = std::string_view(others_).substr(start, othersEnds_[other] - start);
            start = othersEnds_[other];
        }
        sheet_->Row(cells);
    }
    batch_.clear();
    others_.clear();
    othersEnds_.clear();
}

void TWorkbookConverter::Finish(TOutputStream& out)
{
    OtherColumns({});
    if (!sheet_)
        Start();
    ComputeBatch();
    sheet_->Finish([&](std::string_view bytes) { out.Write(bytes); });
}
