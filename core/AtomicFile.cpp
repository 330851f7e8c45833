#include "AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Small pieces are gathered up to kBufferSize; a piece of kStraightPiece or
// more goes to the file straight from the caller's bytes, with no copy into
// the buffer (whose fresh pages would cost more than the copy).
constexpr std::size_t kBufferSize = 1 << 20;
constexpr std::size_t kStraightPiece = 64 << 10;

// The mode a new file gets: 0666 less the process's umask.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

TAtomicFileWriter::TAtomicFileWriter(std::string target, TSaveReach reach)
    : target_(std::move(target)), place_(target_, reach)
{
    place_.CheckReplaceable();
    if (place_.FolderReadable())
        RemoveStaleTemporaries(place_.Folder());
    if (file_.Make(place_.Folder(), place_.Name()))
        return;
    const int error = errno;
    // A writable file in a folder the user may not write could only be
    // rewritten in place, which a failure halfway would destroy.
    if ((error == EACCES || error == EPERM) && place_.Existing())
        throw TFileError(target_, TSaveTarget::OnlyInPlaceReason(error));
    Fail(error);
}

void TAtomicFileWriter::Fail(int error)
{
    failure_ = failure_ ? failure_ : error;
    throw TFileError(target_, std::strerror(error));
}

void TAtomicFileWriter::Write(std::string_view data)
{
    if (failure_)
        Fail(failure_);
    if (data.size() >= kStraightPiece || buffer_.size() + data.size() > kBufferSize)
        Flush();
    if (data.size() >= kStraightPiece)
        WriteAll(data);
    else
        buffer_.append(data);
}

void TAtomicFileWriter::Flush()
{
    WriteAll(buffer_);
    buffer_.clear();
}

void TAtomicFileWriter::WriteAll(std::string_view data)
{
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(file_.Fd(), p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
}

void TAtomicFileWriter::Commit()
{
    // Data lost to a failed write is never committed, whatever follows it.
    if (failure_)
        Fail(failure_);
    Flush();
    KeepOwnerAndMode();
    if (::fsync(file_.Fd()) != 0)
        Fail(errno);
    const TPlaced how = Place();
    // Until the file is closed and its name on disk, the save can still fail:
    // then the target is given back what it held.
    int error = file_.Close() ? 0 : errno;
    if (error == 0 && place_.FolderReadable() && ::fsync(place_.Folder()) != 0)
        error = errno;
    if (error != 0) {
        TakeBack(how);
        Fail(error);
    }
    file_.Remove(); // after an exchange, the old file
}

void TAtomicFileWriter::KeepOwnerAndMode()
{
    const int fd = file_.Fd();
    const auto& old = place_.Existing();
    if (old && ::fchown(fd, old->st_uid, old->st_gid) != 0) {
        // Another user's file: the user keeps its group where they belong to
        // it; otherwise the new file is theirs.
        if (errno != EPERM || ::geteuid() == 0)
            Fail(errno);
        if (::fchown(fd, uid_t(-1), old->st_gid) != 0 && errno != EPERM)
            Fail(errno);
    }
    const mode_t mode = old ? (old->st_mode & 0777) : NewFileMode();
    if (::fchmod(fd, mode) != 0)
        Fail(errno);
}

TAtomicFileWriter::TPlaced TAtomicFileWriter::Place()
{
    const int folder = place_.Folder();
    const std::string& name = place_.Name();
    // A new target takes its name in one step where the file is unnamed.
    if (!place_.Existing() && file_.Name().empty()) {
        if (file_.LinkAs(name)) {
            file_.Forget();
            return TPlaced::AsNewName;
        }
        if (errno != EEXIST)
            Fail(errno);
    }
    if (!file_.LinkUnderOurName(name))
        Fail(errno);
    // Exchanged, the old file stays under the temporary name until the save
    // has succeeded, and can be given back.
    if (::renameat2(folder, file_.Name().c_str(), folder, name.c_str(), RENAME_EXCHANGE) == 0)
        return TPlaced::Exchanged;
    // A file system that cannot exchange (or a target gone meanwhile) is renamed over.
    if (errno != EINVAL && errno != ENOSYS && errno != ENOENT)
        Fail(errno);
    if (::renameat(folder, file_.Name().c_str(), folder, name.c_str()) != 0)
        Fail(errno);
    file_.Forget();
    return place_.Existing() ? TPlaced::Renamed : TPlaced::AsNewName;
}

void TAtomicFileWriter::TakeBack(TPlaced how)
{
    const int folder = place_.Folder();
    const std::string& name = place_.Name();
    switch (how) {
    case TPlaced::AsNewName:
        ::unlinkat(folder, name.c_str(), 0);
        break;
    case TPlaced::Exchanged:
        // Back again, the temporary name holds the new file, removed with it.
        if (::renameat2(folder, file_.Name().c_str(), folder, name.c_str(), RENAME_EXCHANGE) != 0)
            file_.Forget(); // it holds the only copy of the old file
        break;
    case TPlaced::Renamed:
        break; // the old file is gone: the failure is reported all the same
    }
}

void TAtomicFileWriter::WriteFile(const std::string& target, std::string_view data, TSaveReach reach)
{
    TAtomicFileWriter writer(target, reach);
    writer.Write(data);
    writer.Commit();
}

bool TAtomicFileWriter::CanSave(const std::string& target, TSaveReach reach)
{
    try {
        const TSaveTarget place(target, reach);
        place.CheckReplaceable();
        return ::faccessat(place.Folder(), ".", W_OK | X_OK, AT_EACCESS) == 0;
    } catch (const TFileError&) {
        return false;
    }
}
