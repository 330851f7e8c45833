#include "DecodeReport.h"

#include "Blanks.h"
#include "NumberText.h"

#include <array>

namespace {

std::string DecimalText(std::uint64_t value)
{
    char text[20];
    return std::string(text, WriteDecimal(text, value));
}

} // namespace

TDecodeReport::TDecodeReport(TCodeTable table, const std::vector<std::string>& codes) : table_(table)
{
    entries_.reserve(codes.size());
    slots_.reserve(codes.size());
    const TCodeKinds kinds = table == TCodeTable::Wiegand26 ? TCodeKinds::Wiegand26 : TCodeKinds::Wiegand64;
    for (const std::string& code : codes) {
        try {
            // An input that reads two ways gives a line for each reading.
            for (TCodeReading& reading : ReadCode(code, kinds)) {
                const auto slot = slots_.try_emplace(SearchKey(reading.Decoded), slots_.size()).first->second;
                entries_.push_back({std::string(TrimBlanks(code)), std::move(reading.Decoded), slot});
            }
        } catch (const TDecodeError& e) {
            failures_.push_back({code, e.what()});
        }
    }
}

void TDecodeReport::Plate(const TPlateBytes& plate)
{
    if (slots_.empty())
        return;
    const TPlateCodes codes = ComputePlateCodes(plate);
    const auto slot = slots_.find(table_ == TCodeTable::Wiegand26 ? codes.Payload : Wiegand64Groups(codes.Wiegand64));
    if (slot == slots_.end() || !found_.emplace(plate).second)
        return;
    if (plates_.size() <= slot->second)
        plates_.resize(slots_.size());
    plates_[slot->second].emplace_back(plate);
}

void TDecodeReport::Write(TOutputStream& out, TLineFormat format) const
{
    static const std::array<std::string_view, 6> header26 = {
        "Code",
        kWiegand26Columns[Wiegand26Column::Code].Header,
        "Parity",
        kWiegand26Columns[Wiegand26Column::FacilityCode].Header,
        kWiegand26Columns[Wiegand26Column::IdNumber].Header,
        "Number plates"};
    static const std::array<std::string_view, 5> header64 = {"Code", "Wiegand 64-bit (hex)", "Prefix",
                                                             kWiegand64Columns[Wiegand64Column::Plate].Header,
                                                             "Number plates"};
    std::string text;
    TResultLineWriter line(text, format);
    const auto writeHeader = [&line](const auto& header) {
        for (std::string_view cell : header)
            line.Cell(cell);
        line.EndLine();
    };
    if (table_ == TCodeTable::Wiegand26)
        writeHeader(header26);
    else
        writeHeader(header64);
    for (const TEntry& entry : entries_) {
        line.Cell(entry.Input);
        if (const auto* d26 = std::get_if<TWiegand26Decoded>(&entry.Decoded)) {
            line.Cell(CodeText(TCodeTable::Wiegand26, d26->Frame));
            line.Cell(ParityText(*d26));
            line.Cell(DecimalText(d26->FacilityCode));
            line.Cell(DecimalText(d26->IdNumber));
        } else {
            const auto& d64 = std::get<TWiegand64Decoded>(entry.Decoded);
            line.Cell(CodeText(TCodeTable::Wiegand64, d64.Code));
            line.Cell(PrefixText(d64));
            line.Cell(d64.PlateText);
        }
        if (entry.Slot < plates_.size()) {
            for (const std::string& plate : plates_[entry.Slot])
                line.Cell(plate);
        }
        line.EndLine();
        if (text.size() >= (1 << 16)) {
            out.Write(text);
            text.clear();
        }
    }
    out.Write(text);
}
