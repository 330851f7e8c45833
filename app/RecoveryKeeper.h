#pragma once
// Keeps a window's recovery file (RecoveryFile.h) while its rows are unsaved.
// The grids tell every change; the keeper writes it down as a record at once
// (a few bytes, or a dozen a row for plates calculated) and brings the file up
// to date a few seconds after a change, never on every key: the changes since
// the last time are appended as one batch and synced. The first write after
// the rows were saved or let go writes the file whole (temporary file, then
// rename), both grids as they were then and the changes since; so does a write
// when the appended batches outgrow the grids. Saving, letting the rows go and
// a normal end of the program remove the file.
//
// Each running window has its own file in the folder, "ID.recovery", and holds
// a lock on "ID.lock" while it runs; a file whose lock nobody holds is left from
// a window that ended without removing it, and the next start offers it.

#include "RecoveryFile.h"
#include "UniqueFd.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

class TzelGrid;

class TRecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // How long after a change the file is brought up to date.
    static constexpr int kDelayMs = 3000;

    // Keeps the file in `folder`, which must exist; throws TFileError when its
    // lock cannot be made.
    TRecoveryKeeper(TzelGrid* sg26, TzelGrid* sg64, const QString& folder, QObject* parent = nullptr);
    // The program ends normally: the file goes.
    ~TRecoveryKeeper() override;

    QString FileName() const { return file_; }
    // Rows are unsaved from now on, or no longer (saved, or let go).
    void SetUnsaved(bool unsaved);
    // Brings the file up to date now.
    void Flush();

    // A recovery file a window left that no longer runs, locked for this one
    // while the object lives.
    struct TOrphan {
        QString File;
        QString LockFile;
        TUniqueFd Lock;
        Recovery::TScan Scan;
    };
    // Those of the folder, the newest first.
    std::vector<TOrphan> Orphans() const;
    // Rebuilds the grids from an orphan and takes its file over. Throws
    // TMalformedBytes, the grids unchanged, when it does not fit them.
    void Restore(TOrphan& orphan);
    // Removes an orphan's file.
    static void Discard(TOrphan& orphan);

private:
    void Changed(int grid, const TGridChange& change);
    // Notes the grids as they are now as the base of the changes to come.
    void TakeBase();
    void WriteWhole(const Recovery::TRecords& records);
    void Append();
    void RemoveFile();
    // Writes `records` as a batch stamped now; returns its length.
    std::size_t WriteBatch(const Recovery::TRecords& records, const std::function<void(std::string_view)>& write) const;
    bool Outgrown() const;

    TzelGrid* grids_[2];
    QString folder_;
    QString file_;
    QString lockFile_;
    TUniqueFd lock_;
    QTimer timer_;
    bool unsaved_ = false;
    bool restoring_ = false;
    bool fileExists_ = false;
    std::size_t fileSize_ = 0;
    // The next write writes both grids whole as they are then.
    bool wholeGrids_ = false;
    // Both grids as they were when no file held them, and the changes since.
    Recovery::TRecords base_;
    Recovery::TRecords pending_;
};
