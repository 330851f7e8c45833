#pragma once
// Writes small ELF files with chosen sections, for tests of the version reader.
// Layout: file header, section names, section header table, then the section
// contents, so that cutting the file short loses contents but keeps the headers.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct TTestElfSection {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

inline QByteArray TestElfBytes(const std::vector<TTestElfSection>& sections, bool is64 = true, bool bigEndian = false)
{
    QByteArray out;
    const auto put = [&](std::uint64_t v, int width, std::size_t at) {
        if (out.size() < qsizetype(at + width))
            out.resize(at + width, '\0');
        for (int k = 0; k < width; ++k)
            out[qsizetype(at + (bigEndian ? width - 1 - k : k))] = char((v >> (8 * k)) & 0xFF);
    };
    const std::size_t headerSize = is64 ? 64 : 52, entrySize = is64 ? 64 : 40;
    std::string names(1, '\0');
    std::vector<std::size_t> nameAt;
    for (const auto& s : sections) {
        nameAt.push_back(names.size());
        names += s.name + '\0';
    }
    const std::size_t namesName = names.size();
    names += std::string(".shstrtab") + '\0';
    const std::size_t namesAt = headerSize;
    const std::size_t tableAt = namesAt + names.size();
    const std::size_t count = sections.size() + 2;
    std::size_t dataAt = tableAt + count * entrySize;

    out.resize(qsizetype(dataAt), '\0');
    out[0] = 0x7F, out[1] = 'E', out[2] = 'L', out[3] = 'F';
    out[4] = is64 ? 2 : 1, out[5] = bigEndian ? 2 : 1, out[6] = 1;
    put(is64 ? tableAt : 0, is64 ? 8 : 0, 0x28);
    if (!is64)
        put(tableAt, 4, 0x20);
    put(entrySize, 2, is64 ? 0x3A : 0x2E);
    put(count, 2, is64 ? 0x3C : 0x30);
    put(count - 1, 2, is64 ? 0x3E : 0x32);
    out.replace(qsizetype(namesAt), qsizetype(names.size()), QByteArray(names.data(), qsizetype(names.size())));

    const auto entry = [&](std::size_t index, std::size_t name, std::size_t offset, std::size_t size) {
        const std::size_t at = tableAt + index * entrySize;
        put(name, 4, at);
        put(1, 4, at + 4); // contents in the file
        put(offset, is64 ? 8 : 4, at + (is64 ? 24 : 16));
        put(size, is64 ? 8 : 4, at + (is64 ? 32 : 20));
    };
    for (std::size_t i = 0; i < sections.size(); ++i) {
        entry(i + 1, nameAt[i], dataAt, sections[i].bytes.size());
        out.append(reinterpret_cast<const char*>(sections[i].bytes.data()), qsizetype(sections[i].bytes.size()));
        dataAt += sections[i].bytes.size();
    }
    entry(count - 1, namesName, namesAt, names.size());
    return out;
}

inline void WriteTestFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}
