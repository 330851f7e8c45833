// Preloaded into corvana-cli by the save fault tests: makes one kind of system
// call of a save fail with EIO, for the files of one folder only, as a disk
// that fails would.
//   CORVANA_FAIL_CALL  create (opening a new file), write, fchown, fchmod,
//                      fsync, link, rename, close, or fsyncdir (syncing the
//                      folder itself)
//   CORVANA_FAIL_IN    the folder
//   CORVANA_NO_TMPFILE when set, unnamed files are refused in the folder, as
//                      on a file system without them
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#define NEXT(name)                                                                                                   \
    static __typeof__(name)* next_##name;                                                                          \
    if (!next_##name)                                                                                              \
    next_##name = (__typeof__(name)*)dlsym(RTLD_NEXT, #name)

static int Armed(const char* call)
{
    const char* armed = getenv("CORVANA_FAIL_CALL");
    return armed && strcmp(armed, call) == 0 && getenv("CORVANA_FAIL_IN");
}

static int Fail(void)
{
    errno = EIO;
    return -1;
}

// 1 for a path inside the folder, 2 for the folder itself, 0 otherwise.
static int Where(const char* path)
{
    const char* folder = getenv("CORVANA_FAIL_IN");
    if (!folder)
        return 0;
    const size_t n = strlen(folder);
    if (strncmp(path, folder, n) != 0)
        return 0;
    return path[n] == '/' ? 1 : path[n] == '\0' ? 2 : 0;
}

static int PathOfFd(int fd, char* path, size_t size)
{
    char link[64];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, size - 1);
    if (n < 0)
        return 0;
    path[n] = '\0';
    return 1;
}

static int WhereFd(int fd)
{
    char path[4096];
    return PathOfFd(fd, path, sizeof path) ? Where(path) : 0;
}

// Where `name`, relative to the folder `at`, is.
static int WhereAt(int at, const char* name)
{
    if (name[0] == '/')
        return Where(name);
    char path[8192];
    if (at == AT_FDCWD ? !getcwd(path, 4096) : !PathOfFd(at, path, 4096))
        return 0;
    strncat(path, "/", sizeof path - strlen(path) - 1);
    strncat(path, name, sizeof path - strlen(path) - 1);
    return Where(path);
}

static int Creates(int flags)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE;
}

static int RefusedOpen(int at, const char* name, int flags)
{
    if ((flags & O_TMPFILE) == O_TMPFILE && getenv("CORVANA_NO_TMPFILE") && WhereAt(at, name)) {
        errno = EOPNOTSUPP;
        return 1;
    }
    if (Armed("create") && Creates(flags) && WhereAt(at, name)) {
        errno = EIO;
        return 1;
    }
    return 0;
}

static mode_t ModeArgument(int flags, va_list args)
{
    return Creates(flags) ? va_arg(args, mode_t) : 0;
}

// Every way into opening a file, each with the mode only a new file has.
#define OPENAT(function)                                                                                            \
    int function(int at, const char* name, int flags, ...)                                                         \
    {                                                                                                              \
        NEXT(function);                                                                                            \
        va_list args;                                                                                              \
        va_start(args, flags);                                                                                     \
        const mode_t mode = ModeArgument(flags, args);                                                             \
        va_end(args);                                                                                              \
        return RefusedOpen(at, name, flags) ? -1 : next_##function(at, name, flags, mode);                         \
    }
#define OPEN(function, through)                                                                                     \
    int function(const char* name, int flags, ...)                                                                 \
    {                                                                                                              \
        va_list args;                                                                                              \
        va_start(args, flags);                                                                                     \
        const mode_t mode = ModeArgument(flags, args);                                                             \
        va_end(args);                                                                                              \
        return through(AT_FDCWD, name, flags, mode);                                                               \
    }

OPENAT(openat)
OPENAT(openat64)
OPEN(open, openat)
OPEN(open64, openat64)

ssize_t write(int fd, const void* data, size_t size)
{
    NEXT(write);
    return Armed("write") && WhereFd(fd) == 1 ? Fail() : next_write(fd, data, size);
}

int fchown(int fd, uid_t user, gid_t group)
{
    NEXT(fchown);
    return Armed("fchown") && WhereFd(fd) == 1 ? Fail() : next_fchown(fd, user, group);
}

int fchmod(int fd, mode_t mode)
{
    NEXT(fchmod);
    return Armed("fchmod") && WhereFd(fd) == 1 ? Fail() : next_fchmod(fd, mode);
}

int fsync(int fd)
{
    NEXT(fsync);
    const int where = WhereFd(fd);
    if ((Armed("fsync") && where == 1) || (Armed("fsyncdir") && where == 2))
        return Fail();
    return next_fsync(fd);
}

int linkat(int fromAt, const char* from, int toAt, const char* to, int flags)
{
    NEXT(linkat);
    return Armed("link") && WhereAt(toAt, to) == 1 ? Fail() : next_linkat(fromAt, from, toAt, to, flags);
}

int renameat2(int fromAt, const char* from, int toAt, const char* to, unsigned int flags)
{
    NEXT(renameat2);
    return Armed("rename") && WhereAt(toAt, to) == 1 ? Fail() : next_renameat2(fromAt, from, toAt, to, flags);
}

int renameat(int fromAt, const char* from, int toAt, const char* to)
{
    NEXT(renameat);
    return Armed("rename") && WhereAt(toAt, to) == 1 ? Fail() : next_renameat(fromAt, from, toAt, to);
}

int close(int fd)
{
    NEXT(close);
    const int fails = Armed("close") && WhereFd(fd) == 1;
    const int closed = next_close(fd);
    return fails ? Fail() : closed;
}
