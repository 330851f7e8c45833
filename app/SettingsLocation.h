#pragma once
// Where the settings file lives. The file beside the executable is used when the
// settings may be saved there: a folder of the user's own that the user may write,
// outside the system's folders, and, if the file exists, the user's own writable
// file, reached through no link of anyone else's (TSaveReach::Settings). An
// installed program's folder never qualifies, whoever runs it, and neither does a
// writable file in a folder the user may not write (a save replaces the file
// whole, through a new file in its folder); then the user's own corvana.ini takes
// over, seeded by reading the file beside the executable until the user's file
// exists.

#include <QString>

struct TSettingsFiles {
    QString ReadFrom; // the file LoadSettings reads
    QString WriteTo;  // the file SaveSettings writes
};

// The file-system questions the choice depends on, replaceable in tests.
class TFileProbe {
public:
    virtual ~TFileProbe() = default;
    virtual bool Exists(const QString& path) const;
    // Whether the settings may be saved as `file` (see above).
    virtual bool SettingsMayGoTo(const QString& file) const;
};

// The executable's path with its extension replaced by ".ini" (added when it has none).
QString SettingsFileBeside(const QString& executablePath);

// The user's settings folder: "corvana" in the generic configuration folder
// (~/.config/corvana), independent of the application and organisation names.
QString UserSettingsFolder();

// Where windows keep the recovery files of their unsaved rows: "corvana/recovery"
// in the generic data folder (~/.local/share/corvana/recovery).
QString UserRecoveryFolder();

TSettingsFiles ResolveSettingsFiles(const QString& executablePath, const QString& userFolder,
                                    const TFileProbe& probe = TFileProbe());

// The files for the running executable and the current user.
TSettingsFiles ApplicationSettingsFiles();

// Creates the folder of the file to be written when it is missing; false on failure.
bool PrepareSettingsFolder(const TSettingsFiles& files);
