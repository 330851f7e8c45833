#include "SaveTarget.h"

#include "FileError.h"
#include "RegularFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>

namespace {

// The text of a link of /proc/PID/fd that stands for an open object without a
// name: "pipe:[1234]", "socket:[5678]", "anon_inode:[eventfd]".
bool IsObjectLink(const std::string& text)
{
    return !text.starts_with('/') && text.find(":[") != std::string::npos && text.back() == ']';
}

constexpr int kMaxLinks = 40; // as many as the kernel follows in one name

constexpr const char* kSettingsPlace =
    "settings are kept only in the user's own files and folders, outside the system's folders";
constexpr const char* kPlantedLink = "a link another user made in a folder anyone may write is not followed";

// The parts of a path, without empty ones and ".".
std::deque<std::string> Parts(std::string_view path)
{
    std::deque<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view part = path.substr(start, end - start);
        if (!part.empty() && part != ".")
            parts.emplace_back(part);
        start = end + 1;
    }
    return parts;
}

std::string CurrentFolder()
{
    char* cwd = ::getcwd(nullptr, 0);
    if (!cwd)
        return {};
    std::string path(cwd);
    std::free(cwd);
    return path;
}

std::string Parent(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos || slash == 0 ? "/" : path.substr(0, slash);
}

std::string Child(const std::string& path, const std::string& part)
{
    return path.ends_with('/') ? path + part : path + "/" + part;
}

// The folders an installed system keeps its programs, libraries and
// configuration in: nothing of one user's belongs there.
bool IsSystemFolder(const std::string& path)
{
    static constexpr std::string_view kRoots[] = {"/bin", "/boot", "/etc", "/lib",  "/lib32", "/lib64",
                                                  "/libx32", "/opt", "/sbin", "/snap", "/usr"};
    if (path == "/")
        return true;
    for (const std::string_view root : kRoots)
        if (path.starts_with(root) && (path.size() == root.size() || path[root.size()] == '/'))
            return true;
    return false;
}

// A sticky folder anyone may write, such as /tmp: anyone can plant a link there.
bool OpenToAll(const struct stat& folder)
{
    return (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
}

} // namespace

TSaveTarget::TSaveTarget(const std::string& name, TSaveReach reach) : given_(name), reach_(reach)
{
    if (name.empty())
        Refuse(ENOENT);
    if (name.back() == '/')
        Refuse(EISDIR);
    const bool absolute = name.front() == '/';
    Enter(absolute ? "/" : ".");
    std::string path = absolute ? "/" : CurrentFolder(); // for the settings' rule only
    std::deque<std::string> rest = Parts(name);
    int links = 0;
    for (;;) {
        if (rest.empty())
            Refuse(EISDIR); // the name leads to a folder
        const std::string part = std::move(rest.front());
        rest.pop_front();
        if (part == "..") {
            Enter("..");
            path = Parent(path);
            continue;
        }
        struct stat info {};
        if (::fstatat(folder_.Get(), part.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT && rest.empty()) {
                name_ = part; // a new file
                break;
            }
            Refuse(errno);
        }
        if (S_ISLNK(info.st_mode)) {
            if (++links > kMaxLinks)
                Refuse(ELOOP);
            CheckLink(info, rest.empty());
            const std::string text = ReadLink(part);
            if (rest.empty() && IsObjectLink(text)) {
                // /dev/stdout and the like lead to an open pipe or socket that has no
                // name to walk to: the kernel follows such a link itself.
                struct stat object {};
                if (::fstatat(folder_.Get(), part.c_str(), &object, 0) != 0)
                    Refuse(errno);
                name_ = part;
                existing_ = object;
                break;
            }
            if (text.starts_with('/')) {
                Enter("/");
                path.assign(1, '/');
            }
            const std::deque<std::string> linked = Parts(text);
            rest.insert(rest.begin(), linked.begin(), linked.end());
            continue;
        }
        if (rest.empty()) {
            name_ = part;
            existing_ = info;
            break;
        }
        if (!S_ISDIR(info.st_mode))
            Refuse(ENOTDIR);
        Enter(part.c_str());
        path = Child(path, part);
    }
    if (::fstat(folder_.Get(), &folderInfo_) != 0)
        Refuse(errno);
    if (reach_ == TSaveReach::Settings)
        CheckSettingsPlace(path);
    TUniqueFd readable(::openat(folder_.Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (readable) {
        folder_ = std::move(readable);
        folderReadable_ = true;
    }
}

void TSaveTarget::Refuse(int error, const char* why) const
{
    std::string reason = std::strerror(error);
    if (why)
        reason.append(": ").append(why);
    throw TFileError(given_, reason);
}

void TSaveTarget::Enter(const char* part)
{
    const int from = part[0] == '/' || !folder_ ? AT_FDCWD : folder_.Get();
    TUniqueFd next(::openat(from, part, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!next)
        Refuse(errno);
    folder_ = std::move(next);
}

void TSaveTarget::CheckLink(const struct stat& link, bool namesTheFile) const
{
    const uid_t user = ::geteuid();
    if (reach_ == TSaveReach::Settings && namesTheFile && link.st_uid != user)
        Refuse(EACCES, kSettingsPlace);
    // The rule the kernel keeps where protected_symlinks is on.
    struct stat folder {};
    if (::fstat(folder_.Get(), &folder) != 0)
        Refuse(errno);
    if (OpenToAll(folder) && link.st_uid != user && link.st_uid != folder.st_uid)
        Refuse(EACCES, kPlantedLink);
}

std::string TSaveTarget::ReadLink(const std::string& part) const
{
    std::string text(256, '\0');
    for (;;) {
        const ssize_t n = ::readlinkat(folder_.Get(), part.c_str(), text.data(), text.size());
        if (n < 0)
            Refuse(errno);
        if (std::size_t(n) < text.size()) {
            text.resize(std::size_t(n));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

void TSaveTarget::CheckSettingsPlace(const std::string& path) const
{
    const uid_t user = ::geteuid();
    if (folderInfo_.st_uid != user || IsSystemFolder(path) || (existing_ && existing_->st_uid != user))
        Refuse(EACCES, kSettingsPlace);
}

void TSaveTarget::CheckReplaceable() const
{
    if (!existing_)
        return;
    const std::string notRegular = NotARegularFileReason(existing_->st_mode);
    if (!notRegular.empty())
        throw TFileError(given_, notRegular);
    // A file the user may not write (one made read-only to protect it) is not
    // replaced either. The check is the kernel's, for the effective user.
    if (::faccessat(folder_.Get(), name_.c_str(), W_OK, AT_EACCESS) != 0)
        Refuse(errno);
    // A sticky folder lets only the file's owner, the folder's owner or root
    // replace the file: for anyone else only a rewrite in place would be left.
    const uid_t user = ::geteuid();
    if ((folderInfo_.st_mode & S_ISVTX) && user != 0 && existing_->st_uid != user && folderInfo_.st_uid != user)
        throw TFileError(given_, OnlyInPlaceReason(EPERM));
}

std::string TSaveTarget::OnlyInPlaceReason(int error)
{
    const char* why = error == EPERM ? "the folder lets only the file's owner replace it"
                                     : "the file may be written, but its folder may not";
    return std::string(std::strerror(error)) + ": " + why +
           ", and rewriting the file in place could destroy it; save it in another folder";
}
