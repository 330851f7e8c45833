#include "PrintSystem.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <cups/cups.h>
#include <memory>

namespace {

using TClock = std::chrono::steady_clock;

// Decides, while libcups waits for the print server, whether to wait on: not
// once nobody waits any more, nor after the server has been silent too long.
class TServerPatience {
public:
    explicit TServerPatience(const std::atomic<bool>& stop, int silenceMs = PrintServerSilenceMs)
        : stop_(stop), silence_(silenceMs)
    {
        Restart();
    }

    // The server has just moved on; its silence counts from now.
    void Restart() { deadline_ = TClock::now() + silence_; }
    bool Stopped() const { return stop_.load(); }
    bool Exhausted() const { return Stopped() || TClock::now() >= deadline_; }
    int RemainingMs() const
    {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - TClock::now()).count();
        return left > 0 ? int(left) : 0;
    }

    // Looks at the patience every tenth of a second while libcups waits on `http`.
    void Watch(http_t* http) { httpSetTimeout(http, 0.1, &TServerPatience::WaitOn, this); }

private:
    static int WaitOn(http_t*, void* patience) { return static_cast<TServerPatience*>(patience)->Exhausted() ? 0 : 1; }

    const std::atomic<bool>& stop_;
    std::chrono::milliseconds silence_;
    TClock::time_point deadline_;
};

struct THttpClose {
    void operator()(http_t* http) const { httpClose(http); }
};
using THttp = std::unique_ptr<http_t, THttpClose>;

THttp ConnectToPrintServer(TServerPatience& patience)
{
    THttp http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                            std::max(1, patience.RemainingMs()), nullptr));
    if (http)
        patience.Watch(http.get());
    return http;
}

// Drops a job that was started but not completed, so that nothing half sent
// prints; the user's Cancel does not cut this short.
void CancelJob(const QByteArray& printer, int id)
{
    const std::atomic<bool> neverStopped{false};
    TServerPatience patience(neverStopped, 2000);
    if (THttp http = ConnectToPrintServer(patience))
        cupsCancelJob2(http.get(), printer.constData(), id, 0);
}

// Sends the document's bytes after the job's request; false when the server
// stopped taking them.
bool SendDocument(http_t* http, const TPrintJob& job, const QByteArray& printer, int id, TServerPatience& patience)
{
    QFile file(job.File);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (cupsStartDocument(http, printer.constData(), id, job.Title.toUtf8().constData(), CUPS_FORMAT_PDF, 1) !=
        HTTP_STATUS_CONTINUE)
        return false;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 read = file.read(buffer, sizeof buffer);
        if (read < 0)
            return false;
        if (read == 0)
            break;
        patience.Restart();
        if (cupsWriteRequestData(http, buffer, size_t(read)) != HTTP_STATUS_CONTINUE)
            return false;
    }
    patience.Restart();
    return cupsFinishDocument(http, printer.constData()) < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

} // namespace

QString PrintServerName()
{
    const QString server = QString::fromUtf8(cupsServer());
    if (server.startsWith(QLatin1Char('/')))
        return server; // a local socket
    return QStringLiteral("%1:%2").arg(server).arg(ippPort());
}

TPrintServerState AskPrintServer(const std::atomic<bool>& stop)
{
    TServerPatience patience(stop);
    const THttp http = ConnectToPrintServer(patience);
    if (!http)
        return patience.Exhausted() ? TPrintServerState::Silent : TPrintServerState::NoServer;
    // Any answer will do, even "there is no default printer".
    ipp_t* answer = cupsDoRequest(http.get(), ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
    if (answer) {
        ippDelete(answer);
        return TPrintServerState::Answers;
    }
    return patience.Exhausted() ? TPrintServerState::Silent : TPrintServerState::NoServer;
}

TPrintJobResult SubmitPrintJob(const TPrintJob& job, const std::atomic<bool>& stop)
{
    TServerPatience patience(stop);
    auto failed = [&patience](const QString& reason) -> TPrintJobResult {
        if (patience.Stopped())
            return {TPrintJobResult::Stopped, QString()};
        if (patience.Exhausted())
            return {TPrintJobResult::Silent, QString()};
        return {TPrintJobResult::Refused, reason};
    };
    const THttp http = ConnectToPrintServer(patience);
    if (!http)
        return failed(QString::fromLocal8Bit(std::strerror(errno)));

    // A queue's instance ("Office/duplex") prints on the queue itself.
    const QByteArray printer = job.Printer.section(QLatin1Char('/'), 0, 0).toUtf8();
    cups_option_t* options = nullptr;
    int count = 0;
    for (const auto& [name, value] : job.Options)
        count = cupsAddOption(name.constData(), value.constData(), count, &options);
    const int id = cupsCreateJob(http.get(), printer.constData(), job.Title.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (id == 0)
        return failed(LastPrintSystemRefusal().value_or(QCoreApplication::translate("TPrinter", "the job was not taken")));

    patience.Restart();
    if (SendDocument(http.get(), job, printer, id, patience))
        return {TPrintJobResult::Printed, QString()};
    const TPrintJobResult result = failed(LastPrintSystemRefusal().value_or(QCoreApplication::translate("TPrinter", "the document was not taken")));
    CancelJob(printer, id);
    return result;
}

std::optional<QString> LastPrintSystemRefusal()
{
    // Every status below the redirections is a kind of success.
    if (cupsLastError() < IPP_STATUS_REDIRECTION_OTHER_SITE)
        return std::nullopt;
    const char* reason = cupsLastErrorString();
    return reason && *reason ? QString::fromUtf8(reason) : QString::fromUtf8(ippErrorString(cupsLastError()));
}
