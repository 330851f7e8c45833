#include "SettingsLocation.h"

#include "AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

bool TFileProbe::Exists(const QString& path) const { return QFileInfo::exists(path); }

bool TFileProbe::SettingsMayGoTo(const QString& file) const
{
    return TAtomicFileWriter::CanSave(QFile::encodeName(file).toStdString(), TSaveReach::Settings);
}

QString SettingsFileBeside(const QString& executablePath)
{
    const QFileInfo info(executablePath);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? name.left(dot) : name;
    return QDir(info.path()).filePath(base + QStringLiteral(".ini"));
}

QString UserSettingsFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("corvana"));
}

QString UserRecoveryFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("corvana/recovery"));
}

TSettingsFiles ResolveSettingsFiles(const QString& executablePath, const QString& userFolder,
                                    const TFileProbe& probe)
{
    const QString beside = SettingsFileBeside(executablePath);
    if (probe.SettingsMayGoTo(beside))
        return {beside, beside};
    const QString user = QDir(userFolder).filePath(QStringLiteral("corvana.ini"));
    const bool readBeside = !probe.Exists(user) && probe.Exists(beside);
    return {readBeside ? beside : user, user};
}

TSettingsFiles ApplicationSettingsFiles()
{
    return ResolveSettingsFiles(QCoreApplication::applicationFilePath(), UserSettingsFolder());
}

bool PrepareSettingsFolder(const TSettingsFiles& files)
{
    return QDir().mkpath(QFileInfo(files.WriteTo).path());
}
