#include "SaveTemporary.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr std::string_view kMark = ".corvana-";
constexpr std::size_t kRandomChars = 8;
// Room for the dot, the mark and the random part within a name's length limit.
constexpr std::size_t kMaxTargetPart = NAME_MAX - 1 - kMark.size() - kRandomChars;
constexpr int kAttempts = 100;

bool IsRandomChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

std::string RandomChars()
{
    static constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 engine(std::random_device{}() ^
                                        std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::string chars(kRandomChars, ' ');
    for (char& c : chars)
        c = kAlphabet[engine() % kAlphabet.size()];
    return chars;
}

// ".NAME.corvana-XXXXXXXX", with NAME cut (between characters) to fit.
std::string TemporaryName(const std::string& targetName)
{
    std::size_t keep = targetName.size();
    if (keep > kMaxTargetPart) {
        keep = kMaxTargetPart;
        while (keep > 0 && (static_cast<unsigned char>(targetName[keep]) & 0xC0) == 0x80)
            --keep;
    }
    return "." + targetName.substr(0, keep) + std::string(kMark) + RandomChars();
}

bool IsTemporaryName(std::string_view name)
{
    const std::size_t tail = kMark.size() + kRandomChars;
    if (name.size() < 2 + tail || name.front() != '.')
        return false;
    const std::string_view end = name.substr(name.size() - tail);
    if (!end.starts_with(kMark))
        return false;
    for (const char c : end.substr(kMark.size()))
        if (!IsRandomChar(c))
            return false;
    return true;
}

// A lock held for as long as the descriptor is open, whatever other
// descriptors of the process do: the sign that a save is alive.
bool Lock(int fd, short type)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// An unnamed file gets its name through /proc, or, without /proc, through a
// call that only root may make.
bool CanNameUnnamed()
{
    return ::access("/proc/self/fd", X_OK) == 0 || ::geteuid() == 0;
}

void RemoveIfLeftBehind(int folder, const std::string& name)
{
    TUniqueFd fd(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (!fd || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode))
        return;
    if (info.st_uid != ::geteuid())
        return;
    // A living save holds its lock; so does a save between making and locking
    // its file, which makes another when it finds this one gone.
    if (!Lock(fd.Get(), F_RDLCK))
        return;
    struct stat now {};
    if (::fstatat(folder, name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 && now.st_dev == info.st_dev &&
        now.st_ino == info.st_ino)
        ::unlinkat(folder, name.c_str(), 0);
}

} // namespace

bool TSaveTemporary::Make(int folder, const std::string& targetName)
{
    folder_ = folder;
    if (CanNameUnnamed()) {
        file_.Reset(::openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
        if (file_) {
            Lock(file_.Get(), F_WRLCK);
            return true;
        }
        // Only a file system (or kernel) without unnamed files makes us name it.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return false;
    }
    return MakeNamed(targetName);
}

bool TSaveTemporary::MakeNamed(const std::string& targetName)
{
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const std::string name = TemporaryName(targetName);
        TUniqueFd fd(::openat(folder_, name.c_str(), O_CREAT | O_EXCL | O_RDWR | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!fd) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        Lock(fd.Get(), F_WRLCK);
        struct stat info {};
        if (::fstat(fd.Get(), &info) == 0 && info.st_nlink == 0)
            continue; // removed as left behind before the lock took
        file_ = std::move(fd);
        name_ = name;
        return true;
    }
    errno = EEXIST;
    return false;
}

bool TSaveTemporary::LinkAs(const std::string& name)
{
    const std::string self = "/proc/self/fd/" + std::to_string(file_.Get());
    if (::linkat(AT_FDCWD, self.c_str(), folder_, name.c_str(), AT_SYMLINK_FOLLOW) != 0 &&
        (errno != ENOENT || ::linkat(file_.Get(), "", folder_, name.c_str(), AT_EMPTY_PATH) != 0))
        return false;
    name_ = name;
    return true;
}

bool TSaveTemporary::LinkUnderOurName(const std::string& targetName)
{
    if (!name_.empty())
        return true;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (LinkAs(TemporaryName(targetName)))
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool TSaveTemporary::Close()
{
    return ::close(file_.Release()) == 0;
}

void TSaveTemporary::Remove()
{
    if (!name_.empty())
        ::unlinkat(folder_, name_.c_str(), 0);
    name_.clear();
}

void RemoveStaleTemporaries(int folder)
{
    std::vector<std::string> ours;
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return;
    DIR* dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(dir))
        if (IsTemporaryName(entry->d_name))
            ours.emplace_back(entry->d_name);
    ::closedir(dir);
    for (const std::string& name : ours)
        RemoveIfLeftBehind(folder, name);
}
