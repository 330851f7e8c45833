#include "DelimitedText.h"

#include "ShortBytes.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <bit>
#include <map>

namespace {

// How much of the text the separator is detected from.
constexpr std::size_t kDetectBytes = 64 * 1024;
constexpr std::size_t kDetectBreaks = 50;

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

// Where a run of plain text from `p` ends: at the first stop, or at `end`.
inline const char* RunEnd(const TByteSet& stops, const char* p, const char* end)
{
    const std::size_t at = stops.Find(std::string_view(p, std::size_t(end - p)));
    return at == std::string_view::npos ? end : p + at;
}

} // namespace

TDelimitedParser::TDelimitedParser(TRecordSink& sink, char separator) : sink_(sink)
{
    if (separator != 0)
        UseSeparator(separator);
}

void TDelimitedParser::UseSeparator(char separator)
{
    separator_ = separator;
    const char stops[] = {separator, '\r', '\n'};
    unquotedStops_ = TByteSet(std::string_view(stops, 3));
    const char recordStops[] = {separator, '"', '\r', '\n'};
    recordScan_ = TByteSetScan(TByteSet(std::string_view(recordStops, 4)));
}

void TDelimitedParser::Text(std::string_view utf8)
{
    if (separator_ != 0) {
        Parse(utf8);
        return;
    }
    // Only what the detection may read is held back; the rest of the text is
    // parsed where it stands, once the separator is known.
    const std::size_t held = std::min(utf8.size(), kDetectBytes - head_.size());
    head_.append(utf8.substr(0, held));
    if (!SampleComplete())
        return;
    DetectAndParseHead();
    Parse(utf8.substr(held));
}

// The separator is detected from the text up to the 50th line break or the
// first 64 KiB, whichever ends first, however the text arrives in pieces.
bool TDelimitedParser::SampleComplete()
{
    for (; sampleEnd_ < head_.size(); ++sampleEnd_) {
        if (sampleBreaks_ == kDetectBreaks || sampleEnd_ == kDetectBytes)
            return true;
        sampleBreaks_ += IsBreak(head_[sampleEnd_]);
    }
    return sampleBreaks_ == kDetectBreaks || sampleEnd_ == kDetectBytes;
}

void TDelimitedParser::DetectAndParseHead()
{
    UseSeparator(DetectSeparator(std::string_view(head_).substr(0, sampleEnd_)));
    const std::string head = std::move(head_);
    head_.clear();
    const auto faults = std::move(headFaults_);
    headFaults_.clear();
    std::size_t at = 0;
    for (const auto& [place, fault] : faults) {
        Parse(std::string_view(head).substr(at, place - at));
        NotText(fault);
        at = place;
    }
    Parse(std::string_view(head).substr(at));
}

void TDelimitedParser::NotText(TTextFault fault)
{
    if (separator_ == 0) {
        // Kept in its place in the text held back, once for a run of them.
        if (headFaults_.empty() || headFaults_.back().first != head_.size())
            headFaults_.emplace_back(head_.size(), fault);
        return;
    }
    afterCr_ = false; // a line break after it ends the record it belongs to
    if (!recordOpen_) {
        recordOpen_ = true;
        record_.Line = line_;
    }
    Reject(fault);
}

void TDelimitedParser::End()
{
    if (separator_ == 0)
        DetectAndParseHead();
    if (state_ == TState::Quoted) {
        if (!recordRejected_) // which already said why the record is not read
            sink_.UnclosedQuote(quoteLine_);
        fieldText_.clear();
        fieldEnds_.clear();
        recordOpen_ = recordRejected_ = false;
        state_ = TState::FieldStart;
        return;
    }
    if (recordOpen_)
        EndRecord();
}

void TDelimitedParser::Parse(std::string_view text)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    recordScan_.Reset(p, end);
    while (p < end) {
        switch (state_) {
        case TState::FieldStart: {
            const char c = *p;
            if (c == '\n' && afterCr_) { // the LF of a CR LF that ended the last record
                afterCr_ = false;
                ++p;
                continue;
            }
            afterCr_ = false;
            if (IsBreak(c)) {
                LineBreak(c);
                if (recordOpen_) // a blank line is no record
                    EndRecord();
                ++p;
                continue;
            }
            if (!recordOpen_) {
                if (const char* next = WholeRecord(p, end)) {
                    p = next;
                    continue;
                }
                recordOpen_ = true;
                record_.Line = line_;
            }
            if (c == separator_) {
                EndField();
                ++p;
            } else if (c == '"') {
                state_ = TState::Quoted;
                quoteLine_ = line_;
                ++p;
            } else {
                state_ = TState::Unquoted;
            }
            continue;
        }
        case TState::Unquoted: {
            const char* run = p;
            p = RunEnd(unquotedStops_, p, end);
            Keep(std::string_view(run, std::size_t(p - run)));
            if (p == end)
                continue;
            const char c = *p++;
            if (c == separator_) {
                EndField();
                state_ = TState::FieldStart;
            } else {
                LineBreak(c);
                EndRecord();
            }
            continue;
        }
        case TState::Quoted: {
            const char* run = p;
            p = RunEnd(quotedStops_, p, end);
            if (p > run) {
                Keep(std::string_view(run, std::size_t(p - run)));
                afterCr_ = false;
            }
            if (p == end)
                continue;
            const char c = *p++;
            if (c == '"') {
                state_ = TState::QuoteInQuoted;
                afterCr_ = false;
                continue;
            }
            // A line break inside the field belongs to it, as it stands.
            Keep(std::string_view(p - 1, 1));
            if (c == '\n' && afterCr_)
                afterCr_ = false;
            else
                LineBreak(c);
            continue;
        }
        case TState::QuoteInQuoted:
            if (*p == '"') { // a doubled quote stands for one
                Keep(std::string_view(p, 1));
                state_ = TState::Quoted;
                ++p;
            } else { // the quoted part ended; what follows up to the separator joins it
                state_ = TState::Unquoted;
            }
            continue;
        }
    }
}

// Most records lie whole in the text at hand and quote no field that holds a
// quote or a line break, or is followed by more text: such a record's fields
// are views into the text, given without being copied. Returns where the
// record ends (past the first byte of its line break), or nothing to leave the
// record to the general parse, which then starts it afresh.
const char* TDelimitedParser::WholeRecord(const char* p, const char* end)
{
    const char* const start = p;
    record_.Fields.clear();
    for (;;) {
        const char* field = p;
        const char* fieldEnd = nullptr;
        if (p < end && *p == '"') {
            field = p + 1;
            // A separator inside the quotes belongs to the field.
            fieldEnd = recordScan_.Next(field);
            while (fieldEnd < end && *fieldEnd == separator_)
                fieldEnd = recordScan_.Next(fieldEnd + 1);
            if (end - fieldEnd < 2 || *fieldEnd != '"')
                return nullptr;
            p = fieldEnd + 1; // past the closing quote
            if (*p != separator_ && !IsBreak(*p))
                return nullptr;
        } else {
            // So does a quote inside an unquoted field.
            p = recordScan_.Next(p);
            while (p < end && *p == '"')
                p = recordScan_.Next(p + 1);
            if (p == end)
                return nullptr;
            fieldEnd = p;
        }
        if (std::size_t(p - start) > kLineLimit)
            return nullptr; // to be rejected by the general parse
        record_.Fields.emplace_back(field, std::size_t(fieldEnd - field));
        const char c = *p++;
        if (c == separator_)
            continue;
        record_.Line = line_;
        record_.Text = std::string_view(start, std::size_t(p - 1 - start));
        record_.TextEnd = end;
        LineBreak(c);
        // The LF of a CR LF pair is passed over at once when the text holds it.
        if (afterCr_ && p != end && *p == '\n') {
            afterCr_ = false;
            ++p;
        }
        sink_.Record(record_);
        return p;
    }
}

void TDelimitedParser::LineBreak(char c)
{
    ++line_;
    afterCr_ = c == '\r';
}

// Text of the current field, kept while the record is within the limit.
void TDelimitedParser::Keep(std::string_view text)
{
    if (recordRejected_)
        return;
    fieldText_.append(text);
    CheckLength();
}

void TDelimitedParser::EndField()
{
    if (recordRejected_)
        return;
    fieldEnds_.push_back(fieldText_.size());
    CheckLength();
}

// A record's fields and their separators beyond the limit reject it.
void TDelimitedParser::CheckLength()
{
    if (fieldText_.size() + fieldEnds_.size() > kLineLimit)
        Reject(TTextFault::TooLong);
}

void TDelimitedParser::Reject(TTextFault fault)
{
    if (recordRejected_)
        return;
    recordRejected_ = true;
    sink_.RecordRejected(record_.Line, fault);
    fieldText_.clear();
    fieldEnds_.clear();
}

void TDelimitedParser::EndRecord()
{
    EndField();
    if (recordRejected_) {
        recordOpen_ = recordRejected_ = false;
        state_ = TState::FieldStart;
        return;
    }
    record_.Fields.clear();
    record_.Text = {};
    record_.TextEnd = nullptr;
    std::size_t start = 0;
    for (const std::size_t end : fieldEnds_) {
        record_.Fields.emplace_back(fieldText_.data() + start, end - start);
        start = end;
    }
    sink_.Record(record_);
    fieldText_.clear();
    fieldEnds_.clear();
    recordOpen_ = false;
    state_ = TState::FieldStart;
}

namespace {

// The number of fields of each record.
class TFieldCounts : public TRecordSink {
public:
    void Record(const TDelimitedRecord& record) override { counts.push_back(record.Fields.size()); }
    void UnclosedQuote(std::uint64_t) override {}
    void RecordRejected(std::uint64_t, TTextFault) override {}
    std::vector<std::size_t> counts;
};

// How many records share the most common number of fields above one; none
// unless they are most of the records (one line with a ";" in a list of plates
// is no list of two columns).
std::size_t Consistency(const std::vector<std::size_t>& counts)
{
    std::map<std::size_t, std::size_t> frequency;
    std::size_t best = 0;
    for (const std::size_t count : counts)
        if (count > 1)
            best = std::max(best, ++frequency[count]);
    return 2 * best > counts.size() ? best : 0;
}

} // namespace

char DetectSeparator(std::string_view utf8Head)
{
    char chosen = ',';
    std::size_t chosenScore = 0;
    for (const char separator : kListSeparators) {
        TFieldCounts counts;
        TDelimitedParser parser(counts, separator);
        parser.Text(utf8Head);
        parser.End();
        const std::size_t score = Consistency(counts.counts);
        if (score > chosenScore) {
            chosen = separator;
            chosenScore = score;
        }
    }
    return chosen;
}

void TDelimiterLook::Look(std::string_view utf8)
{
    if (!utf8.empty())
        lineHasText_ = true;
    // Commas and tabs count up to the first ";", all found in one pass.
    static constexpr TByteSet kMarks(";,\t");
    while (!pastPlate_) {
        const std::size_t at = kMarks.Find(utf8);
        if (at == std::string_view::npos)
            break;
        const char mark = utf8[at];
        comma_ = comma_ || mark == ',';
        tab_ = tab_ || mark == '\t';
        pastPlate_ = mark == ';';
        utf8.remove_prefix(at + 1);
    }
}

#if defined(__SSE2__)
// A whole line of at most 16 bytes with 16 to read from its start, looked at
// and counted in one go, without a branch on its length.
void TDelimiterLook::LookShort(std::string_view line)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data()));
    const auto bitsOf = [&](char c) {
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(c))));
    };
    // The plate part: up to the first ";" or the line's end.
    const unsigned plateEnd = static_cast<unsigned>(std::countr_zero(bitsOf(';') | (~0u << line.size())));
    const unsigned part = (1u << plateEnd) - 1;
    lines_ += !line.empty();
    commaLines_ += (bitsOf(',') & part) != 0;
    tabLines_ += (bitsOf('\t') & part) != 0;
}
#endif

void TDelimiterLook::Count()
{
    if (lineHasText_) {
        ++lines_;
        commaLines_ += comma_;
        tabLines_ += tab_;
    }
    lineHasText_ = pastPlate_ = comma_ = tab_ = false;
}

void TDelimiterLook::LinePiece(std::string_view utf8)
{
    Look(utf8);
    if (next_)
        next_->LinePiece(utf8);
}

void TDelimiterLook::LineEnd()
{
    Count();
    if (next_)
        next_->LineEnd();
}

void TDelimiterLook::Line(std::string_view utf8)
{
    Look(utf8);
    Count();
    if (next_)
        next_->Line(utf8);
}

void TDelimiterLook::WholeLines(std::span<const std::string_view> lines, const char* textEnd)
{
    for (const std::string_view line : lines) {
#if defined(__SSE2__)
        if (LoadableAs16(line, textEnd)) {
            LookShort(line);
            continue;
        }
#endif
        Look(line);
        Count();
    }
    if (next_)
        next_->WholeLines(lines, textEnd);
}

void TDelimiterLook::LineRejected(std::uint64_t line, TTextFault fault)
{
    lineHasText_ = pastPlate_ = comma_ = tab_ = false;
    if (next_)
        next_->LineRejected(line, fault);
}

char TDelimiterLook::Suggested() const
{
    const char separator = tabLines_ > commaLines_ ? '\t' : ',';
    return 2 * LinesWith(separator) > lines_ ? separator : 0;
}

std::string_view SeparatorName(char separator)
{
    switch (separator) {
    case '\t':
        return "tab";
    case ';':
        return "semicolon";
    default:
        return "comma";
    }
}
