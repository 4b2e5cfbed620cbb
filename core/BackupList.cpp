#include "BackupList.h"

#include "ModelTable.h"
#include "TextCodec.h"
#include "TextFile.h"
#include "TimeText.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace orvantis {

QString TLoadedBackup::Load(const QString& path)
{
    const std::optional<TBackupName> name = ParseBackupName(QFileInfo(path).fileName());
    // Every point record a backup may hold is read: the edition's row with
    // the firmware that uses them all.
    FIdentity.Set(name ? ModelRow(name->Instrument.toStdString()) : 0, 3.0f);
    FLines.clear();
    if (const TFileResult loaded = LoadTextLines(path, FLines); !loaded) return loaded.Error;
    const TLoadResult result = FProfile.LoadFromLines();
    if (!result)
        return QStringLiteral("line %1 not loaded: %2").arg(result.RefusedLine).arg(DecodeText(result.RefusedText));
    return {};
}

QList<TBackupEntry> ListBackups(const QString& folder)
{
    QList<TBackupEntry> backups;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
        const std::optional<TBackupName> name = ParseBackupName(file.fileName());
        if (!name) continue;
        TBackupEntry entry{file.filePath(), *name, {}};
        TLoadedBackup loaded;
        if (loaded.Load(file.filePath()).isEmpty())
            entry.PointsInUse = QStringLiteral("%1-%2").arg(loaded.Profile().GetPointIndex() + 1).arg(loaded.Profile().GetLastIndex() + 1);
        backups << entry;
    }
    std::sort(backups.begin(), backups.end(), [](const TBackupEntry& a, const TBackupEntry& b) {
        if (a.Name.Time != b.Name.Time) return a.Name.Time > b.Name.Time;
        return a.Name.Copy > b.Name.Copy;
    });
    return backups;
}

QList<TBackupEntry> BackupsOf(const QList<TBackupEntry>& backups, const QString& instrument)
{
    if (instrument.isEmpty()) return backups;
    QList<TBackupEntry> of;
    for (const TBackupEntry& backup : backups)
        if (backup.Name.Instrument == instrument) of << backup;
    return of;
}

QString BackupTimeText(const TBackupEntry& backup)
{
    return DateTimeText(backup.Name.Time.toLocalTime());
}

QStringList BackupTable(const QList<TBackupEntry>& backups)
{
    QList<QStringList> rows{{QStringLiteral("instrument"), QStringLiteral("port"), QStringLiteral("taken"),
                             QStringLiteral("points"), QStringLiteral("file")}};
    for (const TBackupEntry& backup : backups)
        rows << QStringList{backup.Name.Instrument, backup.Name.Port, BackupTimeText(backup),
                            backup.PointsInUse.isEmpty() ? QStringLiteral("?") : backup.PointsInUse, backup.Path};
    QList<qsizetype> widths(rows.first().size(), 0);
    for (const QStringList& row : rows)
        for (qsizetype i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
    QStringList lines;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype i = 0; i + 1 < row.size(); ++i) line += row[i].leftJustified(widths[i] + 2);
        lines << line + row.last();
    }
    return lines;
}

}  // namespace orvantis
