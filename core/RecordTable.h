#pragma once
// Records kept to be read again: a sheet read once from its workbook, then
// previewed and imported from memory. Each record's fields, line and formula
// marks are kept compactly, one text for all the fields.

#include "DelimitedText.h"

#include <cstdint>
#include <string>
#include <vector>

class TRecordTable : public TRecordSink {
public:
    void Record(const TDelimitedRecord& record) override;
    void UnclosedQuote(std::uint64_t) override {} // sheets have no quotes
    void RecordRejected(std::uint64_t, TTextFault) override {} // nor bytes that are no text

    // Gives every record to `sink`, in order.
    void Replay(TRecordSink& sink) const;
    std::size_t Size() const { return records_.size(); }

private:
    struct TKept {
        std::uint64_t Line;
        std::size_t FieldsEnd;   // in fieldEnds_
        std::size_t FormulasEnd; // in formulas_
    };
    std::string text_;
    std::vector<std::size_t> fieldEnds_; // in text_, per field
    std::vector<std::size_t> formulas_;  // field indexes, per record
    std::vector<TKept> records_;
};
