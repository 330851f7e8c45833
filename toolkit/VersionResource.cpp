#include "VersionResource.h"

#include <QFile>
#include <vector>

namespace {

// The version block's node lengths are 16-bit, so no block is larger.
constexpr std::uint64_t kMaxBlockSize = 0xFFFF;
constexpr std::uint32_t kSectionNoBits = 8;
constexpr std::uint64_t kMaxSectionHeaders = 0xFF00;

class TElfReader {
public:
    TElfReader(QIODevice& file, bool is64, bool bigEndian) : file_(file), is64_(is64), bigEndian_(bigEndian) {}

    std::optional<TElfSection> Find(std::string_view name)
    {
        std::vector<std::uint8_t> header;
        if (!ReadAt(0, is64_ ? 64 : 52, header))
            return std::nullopt;
        const std::uint64_t tableOffset = is64_ ? Get(header, 0x28, 8) : Get(header, 0x20, 4);
        const std::uint64_t entrySize = Get(header, is64_ ? 0x3A : 0x2E, 2);
        const std::uint64_t count = Get(header, is64_ ? 0x3C : 0x30, 2);
        const std::uint64_t namesIndex = Get(header, is64_ ? 0x3E : 0x32, 2);
        if (tableOffset == 0 || count == 0 || count > kMaxSectionHeaders || namesIndex >= count ||
            entrySize < (is64_ ? 64u : 40u))
            return std::nullopt;
        std::vector<std::uint8_t> table;
        if (!ReadAt(tableOffset, entrySize * count, table))
            return std::nullopt;
        const auto entry = [&](std::uint64_t i) { return std::span(table).subspan(i * entrySize, entrySize); };
        const TSection names = Section(entry(namesIndex));
        if (names.type == kSectionNoBits || names.size > (1u << 24))
            return std::nullopt;
        std::vector<std::uint8_t> nameTable;
        if (!ReadAt(names.offset, names.size, nameTable))
            return std::nullopt;
        for (std::uint64_t i = 0; i < count; ++i) {
            const TSection section = Section(entry(i));
            if (section.type == kSectionNoBits || section.size == 0 || NameAt(nameTable, section.name) != name)
                continue;
            return TElfSection{section.offset, section.size};
        }
        return std::nullopt;
    }

private:
    struct TSection {
        std::uint64_t name, type, offset, size;
    };

    TSection Section(std::span<const std::uint8_t> e) const
    {
        if (is64_)
            return {Get(e, 0, 4), Get(e, 4, 4), Get(e, 24, 8), Get(e, 32, 8)};
        return {Get(e, 0, 4), Get(e, 4, 4), Get(e, 16, 4), Get(e, 20, 4)};
    }

    static std::string_view NameAt(const std::vector<std::uint8_t>& names, std::uint64_t at)
    {
        if (at >= names.size())
            return {};
        const auto* start = reinterpret_cast<const char*>(names.data()) + at;
        std::size_t length = 0;
        while (at + length < names.size() && start[length] != '\0')
            ++length;
        return {start, length};
    }

    std::uint64_t Get(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t width) const
    {
        std::uint64_t v = 0;
        for (std::size_t k = 0; k < width; ++k) {
            const std::size_t index = bigEndian_ ? at + k : at + width - 1 - k;
            v = (v << 8) | bytes[index];
        }
        return v;
    }

    bool ReadAt(std::uint64_t offset, std::uint64_t size, std::vector<std::uint8_t>& out)
    {
        if (offset > static_cast<std::uint64_t>(file_.size()) || size > static_cast<std::uint64_t>(file_.size()) - offset)
            return false;
        out.resize(size);
        if (!file_.seek(static_cast<qint64>(offset)))
            return false;
        return file_.read(reinterpret_cast<char*>(out.data()), static_cast<qint64>(size)) == static_cast<qint64>(size);
    }

    QIODevice& file_;
    bool is64_;
    bool bigEndian_;
};

std::optional<TElfSection> VersionSection(QFile& file)
{
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const auto section = FindElfSection(file, TVersionResource::SectionName);
    if (!section || section->Size > kMaxBlockSize)
        return std::nullopt;
    return section;
}

// One node of the block: where its value and its children lie.
struct TNode {
    std::size_t start = 0, end = 0; // the node's bytes
    QString key;
    std::size_t valueStart = 0, valueEnd = 0, childrenStart = 0;
    bool text = false;
};

std::size_t Align4(std::size_t at) { return (at + 3) & ~std::size_t(3); }

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] | (b[at + 1] << 8); }

// The node starting at `at` within `limit`, or nothing when it does not fit.
std::optional<TNode> NodeAt(std::span<const std::uint8_t> block, std::size_t at, std::size_t limit)
{
    if (at + 6 > limit)
        return std::nullopt;
    const std::size_t length = U16(block, at);
    if (length < 6 || at + length > limit)
        return std::nullopt;
    TNode node;
    node.start = at;
    node.end = at + length;
    node.text = U16(block, at + 4) == 1;
    std::size_t p = at + 6;
    for (; p + 2 <= node.end && U16(block, p) != 0; p += 2)
        node.key.append(QChar(U16(block, p)));
    p += 2;
    node.valueStart = std::min(Align4(p), node.end);
    const std::size_t valueLength = node.text ? std::size_t(U16(block, at + 2)) * 2 : U16(block, at + 2);
    node.valueEnd = std::min(node.valueStart + valueLength, node.end);
    node.childrenStart = Align4(node.valueEnd);
    return node;
}

} // namespace

std::optional<TElfSection> FindElfSection(QIODevice& file, std::string_view name)
{
    char ident[6] = {};
    if (!file.seek(0) || file.read(ident, 6) != 6 || std::string_view(ident, 4) != "\x7F" "ELF")
        return std::nullopt;
    if ((ident[4] != 1 && ident[4] != 2) || (ident[5] != 1 && ident[5] != 2))
        return std::nullopt;
    return TElfReader(file, ident[4] == 2, ident[5] == 2).Find(name);
}

std::uint32_t TVersionResource::Size(const QString& fileName)
{
    QFile file(fileName);
    const auto section = VersionSection(file);
    return section ? static_cast<std::uint32_t>(section->Size) : 0;
}

bool TVersionResource::Read(const QString& fileName, std::uint32_t size, std::uint8_t* data)
{
    QFile file(fileName);
    const auto section = VersionSection(file);
    if (!section)
        return false;
    const qint64 wanted = std::min<qint64>(size, static_cast<qint64>(section->Size));
    return file.seek(static_cast<qint64>(section->Offset)) &&
           file.read(reinterpret_cast<char*>(data), wanted) == wanted;
}

std::optional<TVersionResource::TValue> TVersionResource::Query(std::span<const std::uint8_t> block,
                                                                QStringView path)
{
    auto node = NodeAt(block, 0, block.size());
    if (!node)
        return std::nullopt;
    for (const QStringView key : path.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        std::optional<TNode> found;
        for (auto child = NodeAt(block, node->childrenStart, node->end); child && !found;
             child = NodeAt(block, Align4(child->end), node->end))
            if (child->key.compare(key, Qt::CaseInsensitive) == 0)
                found = child;
        if (!found)
            return std::nullopt;
        node = found;
    }
    return TValue{block.subspan(node->valueStart, node->valueEnd - node->valueStart), node->text};
}

QString TVersionResource::TValue::Text() const
{
    QString text;
    for (std::size_t i = 0; i + 1 < Bytes.size(); i += 2) {
        const char16_t unit = static_cast<char16_t>(Bytes[i] | (Bytes[i + 1] << 8));
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}
