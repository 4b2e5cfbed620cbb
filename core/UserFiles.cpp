#include "UserFiles.h"

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

}  // namespace

QString DefaultBackupFolder()
{
    return DataFolder(QStringLiteral("backups"));
}

QString RecoveryFolder()
{
    return DataFolder(QStringLiteral("recovery"));
}

QString BackupFileName(const QString& instrument, const QString& port, const QDateTime& when)
{
    return QStringLiteral("%1-%2-%3.pro")
        .arg(SafeForFileName(instrument), SafeForFileName(port), when.toString(QStringLiteral("yyyyMMdd-HHmmss")));
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
