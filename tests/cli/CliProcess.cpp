#include "CliProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void Check(bool ok, const char* what)
{
    if (!ok)
        throw std::runtime_error(std::string(what) + ": " + std::to_string(errno));
}

struct TPipe {
    int Read = -1, Write = -1;
    TPipe() { Check(::pipe2(&Read, O_CLOEXEC) == 0, "pipe2"); }
};

void CloseFd(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// Feeds standard input without blocking, so that a child which writes a lot
// before it has read everything cannot deadlock with the test.
class TStdinFeeder {
public:
    TStdinFeeder(const TCliCall& call, int fd) : call_(call), fd_(fd)
    {
        ::fcntl(fd_, F_SETFL, O_NONBLOCK);
        if (!call_.Source)
            piece_ = call_.Stdin;
        else
            Refill();
        if (piece_.empty())
            CloseFd(fd_);
    }
    ~TStdinFeeder() { CloseFd(fd_); }
    int Fd() const { return fd_; }

    void WriteSome()
    {
        const ssize_t n = ::write(fd_, piece_.data() + done_, piece_.size() - done_);
        if (n < 0) {
            if (errno == EAGAIN || errno == EINTR)
                return;
            CloseFd(fd_); // the child stopped reading (EPIPE)
            return;
        }
        done_ += static_cast<std::size_t>(n);
        if (done_ < piece_.size())
            return;
        if (!call_.Source || !Refill())
            CloseFd(fd_);
    }

private:
    bool Refill()
    {
        piece_.clear();
        done_ = 0;
        while (piece_.empty())
            if (!call_.Source(piece_))
                return false;
        return true;
    }

    const TCliCall& call_;
    int fd_;
    std::string piece_;
    std::size_t done_ = 0;
};

bool ReadSome(int& fd, std::string& into)
{
    char buffer[65536];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) {
        into.append(buffer, static_cast<std::size_t>(n));
        return true;
    }
    if (n < 0 && errno == EINTR)
        return true;
    CloseFd(fd);
    return false;
}

} // namespace

TCliRun RunCli(const TCliCall& call)
{
    // A child that exits before reading all its input must not kill the test.
    std::signal(SIGPIPE, SIG_IGN);

    std::vector<std::string> args = call.Args;
    args.insert(args.begin(), CORVANA_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    TPipe in, out, err;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    Check(pid >= 0, "fork");
    if (pid == 0) {
        ::dup2(in.Read, 0);
        ::dup2(call.StdoutFd >= 0 ? call.StdoutFd : out.Write, 1);
        ::dup2(err.Write, 2);
#if !defined(__SANITIZE_ADDRESS__) // whose shadow memory takes terabytes of address space
        if (call.MemoryLimit != RLIM_INFINITY) {
            const rlimit limit{call.MemoryLimit, call.MemoryLimit};
            ::setrlimit(RLIMIT_AS, &limit);
        }
#endif
        if (call.FileSizeLimit != RLIM_INFINITY) {
            const rlimit limit{call.FileSizeLimit, call.FileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            ::signal(SIGXFSZ, SIG_IGN); // an ignored signal stays ignored across exec
        }
        for (const std::string& variable : call.Environment)
            ::putenv(const_cast<char*>(variable.c_str()));
        if (call.User && (::setgroups(0, nullptr) != 0 || ::setresgid(*call.User, *call.User, *call.User) != 0 ||
                          ::setresuid(*call.User, *call.User, *call.User) != 0))
            ::_exit(126);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    CloseFd(in.Read);
    CloseFd(out.Write);
    CloseFd(err.Write);
    if (call.StdoutFd >= 0)
        CloseFd(out.Read);

    TCliRun run;
    {
        TStdinFeeder feeder(call, in.Write);
        in.Write = -1;
        using TClock = std::chrono::steady_clock;
        const std::optional<TClock::time_point> killAt =
            call.KillAfter ? std::optional(TClock::now() + *call.KillAfter) : std::nullopt;
        bool killed = false;
        while (out.Read >= 0 || err.Read >= 0) {
            int timeout = -1;
            if (killAt && !killed) {
                const auto left = std::chrono::ceil<std::chrono::milliseconds>(*killAt - TClock::now());
                killed = left.count() <= 0 && ::kill(pid, SIGKILL) == 0; // its pipes close as it dies
                timeout = killed ? -1 : int(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
            }
            pollfd fds[3] = {{feeder.Fd(), POLLOUT, 0}, {out.Read, POLLIN, 0}, {err.Read, POLLIN, 0}};
            if (::poll(fds, 3, timeout) < 0) {
                Check(errno == EINTR, "poll");
                continue;
            }
            if (fds[0].revents != 0)
                feeder.WriteSome();
            if (fds[1].revents != 0)
                ReadSome(out.Read, run.Out);
            if (fds[2].revents != 0)
                ReadSome(err.Read, run.Err);
        }
    }

    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0)
        Check(errno == EINTR, "wait4");
    run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.PeakRssKb = usage.ru_maxrss;
    return run;
}

TCliRun RunCli(std::vector<std::string> args, std::string stdinText)
{
    TCliCall call;
    call.Args = std::move(args);
    call.Stdin = std::move(stdinText);
    return RunCli(call);
}
