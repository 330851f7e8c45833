#pragma once
// What the status bar says about the last list read: how many lines File > Open
// skipped (and when the list looks delimited, that File > Import list ... reads
// it by its columns), or how many plates File > Import list ... imported and why
// records were skipped.

#include <QString>

class TDelimiterLook;
class TIssueTally;

QString OpenedListStatus(const QString& fileName, const TDelimiterLook& look, std::size_t accepted);
QString ImportedListStatus(const QString& fileName, std::size_t imported, const TIssueTally& issues);
