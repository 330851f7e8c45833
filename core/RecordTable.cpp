#include "RecordTable.h"

void TRecordTable::Record(const TDelimitedRecord& record)
{
    for (const std::string_view field : record.Fields) {
        text_.append(field);
        fieldEnds_.push_back(text_.size());
    }
    formulas_.insert(formulas_.end(), record.FormulaFields.begin(), record.FormulaFields.end());
    records_.push_back({record.Line, fieldEnds_.size(), formulas_.size()});
}

void TRecordTable::Replay(TRecordSink& sink) const
{
    TDelimitedRecord record;
    std::size_t field = 0, formula = 0, start = 0;
    for (const TKept& kept : records_) {
        record.Fields.clear();
        for (; field < kept.FieldsEnd; ++field) {
            record.Fields.emplace_back(text_.data() + start, fieldEnds_[field] - start);
            start = fieldEnds_[field];
        }
        record.FormulaFields.assign(formulas_.begin() + std::ptrdiff_t(formula), formulas_.begin() + std::ptrdiff_t(kept.FormulasEnd));
        formula = kept.FormulasEnd;
        record.Line = kept.Line;
        sink.Record(record);
    }
}
