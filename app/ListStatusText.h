#pragma once
// What the status bar says about the last list read: how many lines File > Open
// skipped (and why, for the lines that were not read as text; and when the list
// looks delimited, that File > Import list ... reads it by its columns), or how
// many plates File > Import list ... imported and why records were skipped. And
// why a file that is not text is no list.

#include <QString>

class TDelimiterLook;
class TIssueTally;
class TNotTextError;

// `unread` counts the lines that were not read as text.
QString OpenedListStatus(const QString& fileName, const TDelimiterLook& look, std::size_t accepted,
                         const TIssueTally& unread);
QString ImportedListStatus(const QString& fileName, std::size_t imported, const TIssueTally& issues);
// What a file that is not text was to be read as.
enum class TNotTextFor { PlateList, List };
// The reason a file that is not text is refused as a plate list or a list:
// what it is, and what to do instead.
QString NotTextReason(const TNotTextError& error, TNotTextFor what);
