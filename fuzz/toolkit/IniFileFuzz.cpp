// Ini documents from arbitrary bytes: a key written is read back the same, also
// after the bytes are parsed again, and writing changes nothing before the key's
// section.
#include "IniFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    TIniDocument document(input);
    if (document.Bytes() != input)
        std::abort();
    const QString section = QStringLiteral("WG26"), key = QStringLiteral("ColWidth1");
    if (const auto value = document.Value(section, key))
        ParseIniInteger(*value);
    document.SetValue(section, key, QStringLiteral("-1"));
    document.SetValue(QStringLiteral("settings"), QStringLiteral("mode"), QStringLiteral("0"));
    const TIniDocument again(document.Bytes());
    if (document.Value(section, key) != QStringLiteral("-1") || again.Value(section, key) != QStringLiteral("-1") ||
        again.Value(QStringLiteral("settings"), QStringLiteral("mode")) != QStringLiteral("0"))
        std::abort();
    return 0;
}
