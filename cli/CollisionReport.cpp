#include "CollisionReport.h"

#include "CliInputs.h"

#include <ostream>

namespace {
constexpr std::size_t kBatch = 4096;
}

TCollisionReport::TCollisionReport(TCodeTable table) : table_(table)
{
    pending_.reserve(kBatch);
    codes_.resize(kBatch);
    records_.reserve(kBatch);
}

void TCollisionReport::Plate(const TPlateBytes& plate)
{
    pending_.push_back(plate);
    if (pending_.size() == kBatch)
        Flush();
}

void TCollisionReport::Flush()
{
    records_.clear();
    ComputePlateCodesInBulk(pending_, codes_.data());
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        const TPlateCodes& codes = codes_[i];
        records_.push_back({codes.Plate, codes.Wiegand26, codes.Wiegand64, ++row_});
    }
    finder_.Add(records_);
    pending_.clear();
}

TCollisionCounts TCollisionReport::Counts()
{
    Flush();
    return finder_.Counts(table_);
}

std::size_t TCollisionReport::Write(TOutputStream& out, TLineFormat format)
{
    Flush();
    std::string line;
    TResultLineWriter writer(line, format);
    writer.Cell(table_ == TCodeTable::Wiegand26 ? "Wiegand 26-bit (hex)" : "Wiegand 64-bit (hex)");
    writer.Cell("Number plates");
    writer.EndLine();
    const std::vector<TCollisionFinder::TGroup> groups = finder_.Groups(table_);
    for (const TCollisionFinder::TGroup& group : groups) {
        writer.Cell(CodeText(table_, group.Code));
        for (TCollisionFinder::TPlateId id : group.Plates)
            writer.Cell(finder_.Plate(id));
        writer.EndLine();
        if (line.size() >= 1 << 16) {
            out.Write(line);
            line.clear();
        }
    }
    out.Write(line);
    return groups.size();
}

int ReportCollisions(const TCliOptions& options, TCliInputs& inputs, TOutputStream& out, std::ostream& err)
{
    TCollisionReport report(options.Table);
    // The same inputs as the result file: with neither plates nor files, standard input.
    inputs.Read(report, true);
    const std::size_t groups = report.Write(out, options.Format);
    out.Commit();
    if (options.Verbose) {
        const TCollisionCounts counts = report.Counts();
        err << "corvana-cli: " << counts.Plates << " plates, " << counts.Groups << " groups, " << counts.PlatesInGroups
            << " plates in groups, " << counts.Repeats << " repeats\n";
    }
    return groups > 0 ? kExitCollisions : kExitDone;
}
