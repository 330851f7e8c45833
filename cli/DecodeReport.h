#pragma once
// corvana-cli --decode: each code read back into its fields, with the plates of
// the inputs that carry it.

#include "CodeDecoder.h"
#include "Converter.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class TDecodeReport : public TPlateLineSink {
public:
    struct TFailure {
        std::string Text;   // the code as given
        std::string Reason; // what was expected instead
    };

    // Decodes every code with the decoder of `table`.
    TDecodeReport(TCodeTable table, const std::vector<std::string>& codes);

    const std::vector<TFailure>& Failures() const { return failures_; }
    // The header, then one line per decoded code in the order given.
    void Write(TOutputStream& out, TLineFormat format) const;

protected:
    void Plate(const TPlateBytes& plate) override;

private:
    struct TEntry {
        std::string Input; // trimmed
        TDecodedCode Decoded;
        std::size_t Slot;  // its plates in plates_
    };

    TCodeTable table_;
    std::vector<TEntry> entries_;
    std::vector<TFailure> failures_;
    // What a plate's code is compared by, to the slot of its plates. A plate has
    // one key, so one set of the plates found keeps every slot's plates distinct.
    std::unordered_map<std::uint64_t, std::size_t> slots_;
    std::vector<std::vector<std::string>> plates_; // in order of first appearance
    std::unordered_set<std::string> found_;
};
