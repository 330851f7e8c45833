#include "SettingsLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

bool TFileProbe::Exists(const QString& path) const { return QFileInfo::exists(path); }

bool TFileProbe::Writable(const QString& path) const
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
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

TSettingsFiles ResolveSettingsFiles(const QString& executablePath, const QString& userFolder,
                                    const TFileProbe& probe)
{
    const QString beside = SettingsFileBeside(executablePath);
    const bool besideWritable = probe.Exists(beside) ? probe.Writable(beside)
                                                     : probe.Writable(QFileInfo(beside).path());
    if (besideWritable)
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
