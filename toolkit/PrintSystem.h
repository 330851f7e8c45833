#pragma once
// Talking to the print system (CUPS) with limits: a print server that takes a
// connection and never answers is given up after a few seconds of silence, or at
// once when nobody waits any more, instead of holding up whoever asked. These
// calls block; they run away from the window's thread (PrintServerWait.h).

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <optional>
#include <utility>

// How long the print server may stay silent before it counts as not answering.
constexpr int PrintServerSilenceMs = 5000;

// The print server libcups talks to (CUPS_SERVER, client.conf or the local
// socket) as a user names it: "printhost:631" or "/run/cups/cups.sock".
QString PrintServerName();

enum class TPrintServerState {
    Answers,
    NoServer, // nobody takes the connection: no print system here
    Silent,   // it took the connection but did not answer in time, or nobody waits any more
};

// Asks the print server a small question to learn whether it answers. `stop`
// ends the wait early.
TPrintServerState AskPrintServer(const std::atomic<bool>& stop);

// A finished PDF document to print on a queue.
struct TPrintJob {
    QString Printer;
    QString Title;
    QString File;
    // Job options by name, as lp -o gives them.
    QList<std::pair<QByteArray, QByteArray>> Options;
};

struct TPrintJobResult {
    enum TState { Printed, Refused, Silent, Stopped } State = Stopped;
    QString Reason; // why it was refused
};

// Hands the document to the print system as a job. A job started and not
// completed is cancelled again, so nothing half sent prints.
TPrintJobResult SubmitPrintJob(const TPrintJob& job, const std::atomic<bool>& stop);

// The print system's reason for refusing the last request made on this thread,
// such as `Destination "Office" is not accepting jobs.`; nothing when it was
// taken (or nothing was asked yet).
std::optional<QString> LastPrintSystemRefusal();
