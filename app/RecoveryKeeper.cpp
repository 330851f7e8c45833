#include "RecoveryKeeper.h"

#include "AtomicFile.h"
#include "ByteCoding.h"
#include "EventChain.h"
#include "FileError.h"
#include "zelGrid.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Grids this small are noted whole when their rows are saved, so that the
// first change after needs no look at them; larger ones are written whole at
// the first write instead.
constexpr int kSmallRows = 65536;
// Changes noted beyond this are written at once, so that the keeper's memory stays small.
constexpr std::size_t kPendingBytes = std::size_t(32) << 20;
constexpr const char* kFileSuffix = ".recovery";
constexpr const char* kLockSuffix = ".lock";

std::string Native(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

// A lock file opened and locked for this process, or an empty descriptor when
// another process holds it.
TUniqueFd LockFile(const QString& name)
{
    TUniqueFd fd(::open(Native(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (fd && ::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0)
        fd.Reset();
    return fd;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

} // namespace

TRecoveryKeeper::TRecoveryKeeper(TzelGrid* sg26, TzelGrid* sg64, const QString& folder, QObject* parent)
    : QObject(parent), grids_{sg26, sg64}, folder_(folder)
{
    const QString id = QStringLiteral("%1-%2")
                           .arg(QCoreApplication::applicationPid())
                           .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
    QDir dir(folder);
    file_ = dir.filePath(id + QLatin1String(kFileSuffix));
    lockFile_ = dir.filePath(id + QLatin1String(kLockSuffix));
    lock_ = LockFile(lockFile_);
    if (!lock_)
        throw TFileError(Native(lockFile_), "the lock of the recovery file cannot be made");
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { Flush(); });
    for (int g = 0; g < 2; ++g)
        Chain(grids_[g]->OnChange, [this, g](QObject*, const TGridChange& change) { Changed(g, change); });
    TakeBase();
}

TRecoveryKeeper::~TRecoveryKeeper()
{
    for (TzelGrid* grid : grids_)
        grid->OnChange = nullptr;
    RemoveFile();
    ::unlink(Native(lockFile_).c_str());
}

void TRecoveryKeeper::SetUnsaved(bool unsaved)
{
    if (unsaved == unsaved_)
        return;
    unsaved_ = unsaved;
    if (unsaved) {
        timer_.start(kDelayMs);
        return;
    }
    timer_.stop();
    RemoveFile();
    pending_.Clear();
    TakeBase();
}

void TRecoveryKeeper::TakeBase()
{
    base_.Clear();
    wholeGrids_ = grids_[0]->RowCount() + grids_[1]->RowCount() > kSmallRows;
    if (!wholeGrids_)
        base_.Grids(*grids_[0], *grids_[1]);
}

void TRecoveryKeeper::Changed(int grid, const TGridChange& change)
{
    if (restoring_)
        return;
    if (wholeGrids_) {
        // nothing to note: the next write takes the grids whole
    } else if (change.Kind == TGridChange::Replaced) {
        wholeGrids_ = true;
        base_.Clear();
        pending_.Clear();
    } else {
        pending_.Change(grid, *grids_[grid], change, *grids_[1 - grid]);
    }
    if (pending_.Size() > kPendingBytes) {
        if (unsaved_) {
            Flush();
            return;
        }
        wholeGrids_ = true;
        base_.Clear();
        pending_.Clear();
    }
    if (unsaved_ && !timer_.isActive())
        timer_.start(kDelayMs);
}

void TRecoveryKeeper::Flush()
{
    timer_.stop();
    if (!unsaved_ || restoring_)
        return;
    try {
        if (wholeGrids_ || Outgrown()) {
            Recovery::TRecords grids;
            grids.Grids(*grids_[0], *grids_[1]);
            WriteWhole(grids);
        } else if (!fileExists_) {
            base_.Append(std::move(pending_));
            WriteWhole(base_);
        } else if (!pending_.Empty()) {
            Append();
        }
    } catch (const TFileError&) {
        // The changes stay noted; the next change tries again.
    }
}

std::size_t TRecoveryKeeper::WriteBatch(const Recovery::TRecords& records,
                                        const std::function<void(std::string_view)>& write) const
{
    return Recovery::WriteBatch(records, QDateTime::currentDateTime(), Recovery::PlateCount(*grids_[0]), write);
}

// The appended batches weigh four times what the grids whole would.
bool TRecoveryKeeper::Outgrown() const
{
    const std::size_t whole = std::size_t(16) * std::size_t(grids_[0]->RowCount() + grids_[1]->RowCount()) + (1u << 20);
    return fileExists_ && fileSize_ + pending_.Size() > 4 * whole;
}

void TRecoveryKeeper::WriteWhole(const Recovery::TRecords& records)
{
    TAtomicFileWriter file(Native(file_), TSaveReach::Settings);
    const std::string header = Recovery::Header();
    file.Write(header);
    const std::size_t size = header.size() + WriteBatch(records, [&](std::string_view piece) { file.Write(piece); });
    file.Commit();
    fileExists_ = true;
    fileSize_ = size;
    wholeGrids_ = false;
    base_.Clear();
    pending_.Clear();
}

void TRecoveryKeeper::Append()
{
    const TUniqueFd fd(::open(Native(file_).c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW));
    if (!fd) {
        wholeGrids_ = true; // written whole next time
        return;
    }
    bool written = true;
    const std::size_t size = WriteBatch(pending_, [&](std::string_view piece) { written = written && WriteAll(fd.Get(), piece); });
    if (!written || ::fdatasync(fd.Get()) != 0) {
        // What was written of the batch goes again, so that the file stays the
        // old state; if even that fails, it is written whole next time.
        if (::ftruncate(fd.Get(), off_t(fileSize_)) != 0)
            wholeGrids_ = true;
        return;
    }
    fileSize_ += size;
    pending_.Clear();
}

void TRecoveryKeeper::RemoveFile()
{
    if (fileExists_)
        ::unlink(Native(file_).c_str());
    fileExists_ = false;
    fileSize_ = 0;
}

// ---- files left by earlier sessions -------------------------------------------------

std::vector<TRecoveryKeeper::TOrphan> TRecoveryKeeper::Orphans() const
{
    std::vector<TOrphan> orphans;
    const QDir dir(folder_);
    for (const QFileInfo& info : dir.entryInfoList({QStringLiteral("*") + kFileSuffix}, QDir::Files, QDir::Time)) {
        if (info.absoluteFilePath() == QFileInfo(file_).absoluteFilePath())
            continue;
        TOrphan orphan;
        orphan.File = info.absoluteFilePath();
        orphan.LockFile = dir.filePath(info.completeBaseName() + QLatin1String(kLockSuffix));
        orphan.Lock = LockFile(orphan.LockFile);
        if (!orphan.Lock)
            continue; // its window runs
        QFile file(orphan.File);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        orphan.Scan = Recovery::Scan(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        orphans.push_back(std::move(orphan));
    }
    // Locks left by windows that ended with nothing unsaved.
    for (const QFileInfo& info : dir.entryInfoList({QStringLiteral("*") + kLockSuffix}, QDir::Files)) {
        const QString name = info.absoluteFilePath();
        if (name == QFileInfo(lockFile_).absoluteFilePath() ||
            QFileInfo::exists(dir.filePath(info.completeBaseName() + QLatin1String(kFileSuffix))))
            continue;
        if (const TUniqueFd lock = LockFile(name))
            ::unlink(Native(name).c_str());
    }
    return orphans;
}

void TRecoveryKeeper::Restore(TOrphan& orphan)
{
    QFile file(orphan.File);
    if (!file.open(QIODevice::ReadOnly))
        throw TMalformedBytes();
    const QByteArray bytes = file.readAll();
    const std::string_view view(bytes.constData(), std::size_t(bytes.size()));
    const Recovery::TScan scan = Recovery::Scan(view);
    if (scan.State != Recovery::TScan::Whole)
        throw TMalformedBytes();
    restoring_ = true;
    try {
        Recovery::Load(view, scan, *grids_[0], *grids_[1]);
    } catch (...) {
        restoring_ = false;
        throw;
    }
    restoring_ = false;
    // The orphan's whole batches are this window's file from now on.
    pending_.Clear();
    base_.Clear();
    RemoveFile();
    const std::string from = Native(orphan.File);
    if (::rename(from.c_str(), Native(file_).c_str()) == 0 && ::truncate(Native(file_).c_str(), off_t(scan.Length)) == 0) {
        fileExists_ = true;
        fileSize_ = scan.Length;
        wholeGrids_ = false;
    } else {
        fileExists_ = QFileInfo::exists(file_);
        wholeGrids_ = true;
        Flush(); // before the orphan goes
        ::unlink(from.c_str());
    }
    ::unlink(Native(orphan.LockFile).c_str());
}

void TRecoveryKeeper::Discard(TOrphan& orphan)
{
    ::unlink(Native(orphan.File).c_str());
    ::unlink(Native(orphan.LockFile).c_str());
}
