#pragma once
// corvana-cli --collisions: instead of the result file, the groups of distinct
// plates that share a code of the chosen table.

#include "CodeCollisions.h"
#include "Converter.h"

#include <iosfwd>
#include <vector>

// Collects the accepted plates of the inputs and writes the collision report:
// a header line, then per group, in ascending order of the code, the code as
// the result file writes it and each plate of the group in order of first
// appearance, separated by ";".
class TCollisionReport : public TPlateLineSink {
public:
    explicit TCollisionReport(TCodeTable table);

    // Writes the report; returns the number of groups it lists.
    std::size_t Write(TOutputStream& out, TLineFormat format);
    TCollisionCounts Counts();

protected:
    void Plate(const TPlateBytes& plate) override;

private:
    void Flush();

    TCodeTable table_;
    TCollisionFinder finder_;
    // Plates not yet taken by the finder, which takes them in bulk, and their codes.
    std::vector<TPlateBytes> pending_;
    std::vector<TPlateCodes> codes_;
    std::vector<TCollisionRecord> records_;
    std::uint64_t row_ = 0;
};

class TCliInputs;

// Runs the report for corvana-cli; exit status 3 when it lists a group, else 0.
int ReportCollisions(const TCliOptions& options, TCliInputs& inputs, TOutputStream& out, std::ostream& err);
