#include "UserFiles.h"

#include "TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace orvantis {

namespace {

QString DataFolder(const QString& name)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("orvantis/") + name);
}

QString SafeForFileName(QString text)
{
    for (QChar& c : text)
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && !QStringLiteral("+-._").contains(c)) c = QLatin1Char('_');
    return text;
}

QSettings UserSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Korven"), QStringLiteral("ZUR_EVE"));
}

const QString BackUpKey = QStringLiteral("Program/BackUpBeforeSend");

const QString StampFormat = QStringLiteral("yyyyMMdd-HHmmss");

}  // namespace

QString DefaultBackupFolder()
{
    return DataFolder(QStringLiteral("backups"));
}

QString RecoveryFolder()
{
    return DataFolder(QStringLiteral("recovery"));
}

QString BackupFileName(const QString& instrument, const QString& port, const QDateTime& when, int copy)
{
    const QString name = QStringLiteral("%1-%2-%3Z")
                             .arg(SafeForFileName(instrument), SafeForFileName(port), when.toUTC().toString(StampFormat));
    return copy > 1 ? QStringLiteral("%1-%2.pro").arg(name).arg(copy) : name + QStringLiteral(".pro");
}

TSavedBackup SaveBackup(const QString& folder, const QString& instrument, const QString& port, const QDateTime& when,
                        const std::function<TLineList(const QString& path)>& linesFor)
{
    // More copies of one second than any run of sends can make: past that,
    // something other than backups holds the names.
    constexpr int MaxCopies = 1000;
    for (int copy = 1; copy <= MaxCopies; ++copy) {
        const QString path = QDir(folder).filePath(BackupFileName(instrument, port, when, copy));
        const TFileResult saved = SaveNewTextLines(path, linesFor(path));
        if (saved) return {path, {}};
        if (!saved.Exists) return {{}, saved.Error};
    }
    return {{}, QStringLiteral("%1 backups of the same second are in %2 already").arg(MaxCopies).arg(folder)};
}

QString ReceivedFileName(const QString& instrument, const QString& port)
{
    return QStringLiteral("%1-%2.pro").arg(SafeForFileName(instrument), SafeForFileName(port));
}

int PruneBackups(const QString& folder, const QDateTime& now, int maxAgeDays)
{
    int pruned = 0;
    const QDateTime oldest = now.addDays(-maxAgeDays);
    QDirIterator it(folder, {QStringLiteral("*.pro")}, QDir::Files);
    while (it.hasNext()) {
        const QFileInfo file(it.next());
        if (file.lastModified() < oldest && QFile::remove(file.filePath())) ++pruned;
    }
    return pruned;
}

bool TProgramSettings::BackUpBeforeSend() const
{
    return UserSettings().value(BackUpKey, true).toBool();
}

void TProgramSettings::SetBackUpBeforeSend(bool on)
{
    UserSettings().setValue(BackUpKey, on);
}

}  // namespace orvantis
