#include "TestCupsServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <arpa/inet.h>
#include <csignal>
#include <cups/cups.h>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString CupsPdfDriver = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");

QString Executable(const QString& name)
{
    return QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/bin", "/sbin", "/bin"});
}

// A loopback port nobody listens on right now.
int FreeLoopbackPort()
{
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    close(s);
    return port;
}

bool WriteFile(const QString& name, const QString& text)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

QString RunPoppler(const QString& tool, const QStringList& arguments)
{
    QProcess run;
    run.start(tool, arguments);
    if (!run.waitForFinished(30000) || run.exitCode() != 0)
        return QString();
    return QString::fromUtf8(run.readAllStandardOutput());
}

} // namespace

QString TTestCupsServer::Unavailable()
{
    if (geteuid() != 0)
        return QStringLiteral("the test print system needs root (cupsd runs its filters as the user lp)");
    if (Executable("cupsd").isEmpty())
        return QStringLiteral("cupsd is not installed (package cups)");
    if (Executable("lpadmin").isEmpty())
        return QStringLiteral("lpadmin is not installed (package cups-client)");
    if (!QFileInfo::exists(CupsPdfDriver))
        return QStringLiteral("the cups-pdf driver is not installed (package printer-driver-cups-pdf)");
    if (Executable("pdftotext").isEmpty() || Executable("pdfinfo").isEmpty())
        return QStringLiteral("pdftotext is not installed (package poppler-utils)");
    return QString();
}

TTestCupsServer::TTestCupsServer() : dir_(QDir::tempPath() + QStringLiteral("/corvana-cups-XXXXXX"))
{
    hadServer_ = qEnvironmentVariableIsSet("CUPS_SERVER");
    previousServer_ = qgetenv("CUPS_SERVER");
    // The filters run as lp: they must reach the spool and write temporary files.
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                           QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    for (const char* sub : {"etc", "spool", "tmp", "cache", "state", "log"})
        QDir(dir_.path()).mkdir(QLatin1String(sub));
    chmod(QFile::encodeName(dir_.filePath("tmp")).constData(), 01777);
    port_ = FreeLoopbackPort();
    PointClientsAt(Address().toLatin1());
}

TTestCupsServer::~TTestCupsServer()
{
    Stop();
    if (hadServer_)
        PointClientsAt(previousServer_);
    else
        PointClientsAt(QByteArray());
}

void TTestCupsServer::PointClientsAt(const QByteArray& server)
{
    if (server.isNull())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", server);
    // libcups keeps the server it found per thread; make it read CUPS_SERVER again.
    cupsSetServer(nullptr);
}

QString TTestCupsServer::Address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port_);
}

bool TTestCupsServer::WriteConfiguration()
{
    const QString root = dir_.path();
    const QString cupsd = QStringLiteral("Listen %1\n"
                                         "ServerName 127.0.0.1\n"
                                         "LogLevel info\n"
                                         "Browsing No\n"
                                         "BrowseLocalProtocols none\n"
                                         "WebInterface No\n"
                                         "DefaultAuthType None\n"
                                         "DefaultPaperSize A4\n"
                                         "PreserveJobFiles Yes\n"
                                         "PreserveJobHistory Yes\n"
                                         "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                         "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                                         "</Policy>\n")
                              .arg(Address());
    const QString files = QStringLiteral("ServerRoot %1/etc\n"
                                         "RequestRoot %1/spool\n"
                                         "TempDir %1/tmp\n"
                                         "CacheDir %1/cache\n"
                                         "StateDir %1/state\n"
                                         "DataDir /usr/share/cups\n"
                                         "ServerBin /usr/lib/cups\n"
                                         "AccessLog %1/log/access_log\n"
                                         "ErrorLog %1/log/error_log\n"
                                         "PageLog %1/log/page_log\n"
                                         "Printcap %1/printcap\n"
                                         "SystemGroup root\n"
                                         "FileDevice Yes\n")
                              .arg(root);
    QFile::remove(dir_.filePath("log/error_log"));
    return WriteFile(dir_.filePath("etc/cupsd.conf"), cupsd) && WriteFile(dir_.filePath("etc/cups-files.conf"), files);
}

QString TTestCupsServer::LogTail() const
{
    QFile log(dir_.filePath("log/error_log"));
    if (!log.open(QIODevice::ReadOnly))
        return QString();
    const QStringList lines = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.mid(std::max<qsizetype>(0, lines.size() - 15)).join(QLatin1Char('\n'));
}

bool TTestCupsServer::WaitUntilListening(bool& portTaken)
{
    portTaken = false;
    const QString listening = QStringLiteral("Listening to %1").arg(Address());
    const QString taken = QStringLiteral("Unable to open listen socket for address %1").arg(Address());
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        QFile log(dir_.filePath("log/error_log"));
        const QString text = log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
        if (text.contains(listening))
            return true;
        if (text.contains(taken)) {
            portTaken = true;
            return false;
        }
        if (cupsd_->state() == QProcess::NotRunning)
            return false;
        QThread::msleep(50);
    }
    return false;
}

bool TTestCupsServer::Start()
{
    error_.clear();
    if (const QString reason = Unavailable(); !reason.isEmpty()) {
        error_ = reason;
        return false;
    }
    if (cupsd_)
        return true;
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (port_ == 0 || !WriteConfiguration()) {
            error_ = QStringLiteral("cannot prepare the server in %1").arg(dir_.path());
            return false;
        }
        cupsd_ = std::make_unique<QProcess>();
        cupsd_->setProcessChannelMode(QProcess::MergedChannels);
        // The server ends with the test process, however that ends.
        cupsd_->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        cupsd_->start(Executable("cupsd"), {"-f", "-c", dir_.filePath("etc/cupsd.conf"), "-s",
                                            dir_.filePath("etc/cups-files.conf")});
        bool portTaken = false;
        if (cupsd_->waitForStarted(10000) && WaitUntilListening(portTaken))
            return true;
        error_ = QStringLiteral("cupsd did not start: %1\n%2").arg(cupsd_->errorString(), LogTail());
        Stop();
        if (!portTaken)
            return false;
        port_ = FreeLoopbackPort(); // someone took the port meanwhile: try another
        PointClientsAt(Address().toLatin1());
    }
    return false;
}

void TTestCupsServer::Stop()
{
    if (!cupsd_)
        return;
    Resume();
    cupsd_->terminate();
    if (!cupsd_->waitForFinished(10000)) {
        cupsd_->kill();
        cupsd_->waitForFinished(5000);
    }
    cupsd_.reset();
}

void TTestCupsServer::Pause()
{
    if (cupsd_ && !paused_ && kill(pid_t(cupsd_->processId()), SIGSTOP) == 0)
        paused_ = true;
}

void TTestCupsServer::Resume()
{
    if (cupsd_ && paused_ && kill(pid_t(cupsd_->processId()), SIGCONT) == 0)
        paused_ = false;
}

bool TTestCupsServer::Run(const QString& program, const QStringList& arguments)
{
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), Address());
    run.setProcessEnvironment(environment);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(Executable(program), arguments);
    if (run.waitForFinished(30000) && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0)
        return true;
    error_ = QStringLiteral("%1 %2 failed: %3").arg(program, arguments.join(' '), QString::fromLocal8Bit(run.readAll()));
    return false;
}

bool TTestCupsServer::AddQueue(const QString& name)
{
    if (!Run("lpadmin", {"-p", name, "-E", "-v", "file:///dev/null", "-P", CupsPdfDriver}))
        return false;
    if (hasDefault_)
        return true;
    hasDefault_ = Run("lpadmin", {"-d", name});
    return hasDefault_;
}

bool TTestCupsServer::SetAccepting(const QString& queue, bool accepting)
{
    return Run(accepting ? "cupsaccept" : "cupsreject", {queue});
}

QList<TTestCupsServer::TJob> TTestCupsServer::Jobs() const
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
    QList<TJob> result;
    for (int i = 0; i < count; ++i)
        result.append({jobs[i].id, QString::fromUtf8(jobs[i].dest), QString::fromUtf8(jobs[i].title),
                       dir_.filePath(QStringLiteral("spool/d%1-001").arg(jobs[i].id, 5, 10, QLatin1Char('0')))});
    cupsFreeJobs(count, jobs);
    std::sort(result.begin(), result.end(), [](const TJob& a, const TJob& b) { return a.Id < b.Id; });
    return result;
}

int PdfPageCount(const QString& file)
{
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(RunPoppler(QStringLiteral("pdfinfo"), {file}));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

QString PdfPageSize(const QString& file)
{
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+ x [\\d.]+) pts"), QRegularExpression::MultilineOption)
            .match(RunPoppler(QStringLiteral("pdfinfo"), {file}));
    return size.hasMatch() ? size.captured(1) : QString();
}

QString PdfPageText(const QString& file, int page)
{
    return RunPoppler(QStringLiteral("pdftotext"),
                      {"-f", QString::number(page), "-l", QString::number(page), "-layout", file, "-"});
}
