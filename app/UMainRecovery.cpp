// The recovery file of the window's unsaved rows, and the offer, at start, of
// the rows that earlier windows left unsaved when they ended without a word.

#include "UMain.h"

#include "ByteCoding.h"
#include "Dialogs.h"
#include "FileError.h"
#include "RecoveryKeeper.h"

#include <QDir>
#include <QLocale>
#include <QTimer>

void TFormMain::SetUnsaved(bool unsaved)
{
    unsaved_ = unsaved;
    if (Recovery)
        Recovery->SetUnsaved(unsaved);
}

void TFormMain::KeepRecoveryIn(const QString& folder)
{
    if (Recovery || !QDir().mkpath(folder))
        return;
    try {
        Recovery = new TRecoveryKeeper(SG1, SG2, folder);
    } catch (const TFileError&) {
        return; // the program works on, without a recovery file
    }
    Recovery->SetUnsaved(unsaved_);
    QTimer::singleShot(0, this, [this] { OfferRecovery(); });
}

void TFormMain::OfferRecovery()
{
    if (!Recovery)
        return;
    bool restored = false;
    for (TRecoveryKeeper::TOrphan& orphan : Recovery->Orphans()) {
        const QString file = QDir::toNativeSeparators(orphan.File);
        if (orphan.Scan.State == Recovery::TScan::Newer) {
            MessageDlg(tr("Unsaved results of an earlier session were found in %1, written by a newer "
                                      "version of Corvana. They are kept for it.")
                           .arg(file),
                       TMsgDlgType::mtWarning, mbOK);
            continue;
        }
        if (orphan.Scan.State != Recovery::TScan::Whole) {
            MessageDlg(tr("Unsaved results of an earlier session were found in %1, but the file is "
                                      "damaged and cannot be read. It is kept.")
                           .arg(file),
                       TMsgDlgType::mtWarning, mbOK);
            continue;
        }
        if (restored)
            continue; // kept for a later start: one window holds one session's rows
        const QString plates = tr("%n plate(s)", "", int(orphan.Scan.Plates));
        const QString found = tr("Unsaved results of an earlier session were found: %1, last changed "
                                             "%2.\n\nRestore them? (No discards them; Cancel keeps them for the "
                                             "next start.)")
                                  .arg(plates, QLocale().toString(orphan.Scan.Time, QLocale::ShortFormat));
        switch (MessageDlg(found, TMsgDlgType::mtConfirmation, mbYes | mbNo | mbCancel)) {
        case mrYes:
            try {
                Recovery->Restore(orphan);
                restored = true;
                SetUnsaved(true);
            } catch (const TMalformedBytes&) {
                MessageDlg(tr("The unsaved results in %1 do not fit the grids and cannot be restored. "
                                          "The file is kept.")
                               .arg(file),
                           TMsgDlgType::mtError, mbOK);
            }
            break;
        case mrNo:
            TRecoveryKeeper::Discard(orphan);
            break;
        default:
            break;
        }
    }
}
