#pragma once
// What the print system (CUPS) answered. Qt hands a finished document to the
// print system without passing on whether it was taken, but the answer stays
// with the thread that asked, so the printer reads it from there.

#include <QString>

#include <optional>

// The print system's reason for refusing the last request made on this thread,
// such as `Destination "Office" is not accepting jobs.`; nothing when it was
// taken (or nothing was asked yet).
std::optional<QString> LastPrintSystemRefusal();
