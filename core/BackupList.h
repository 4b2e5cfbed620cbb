#pragma once
// The backups a folder holds, as the backups window and "orvantis-cli
// backups" show them: the files named as backups (UserFiles.h), newest
// first, each with what its name and its records say.

#include "EquipmentIdentity.h"
#include "Profile.h"
#include "UserFiles.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace orvantis {

struct TBackupEntry {
    QString Path;
    TBackupName Name;
    // "1-16": the first and last detection point in use, as the backup's
    // configuration gives them; empty when the file does not load whole.
    QString PointsInUse;
};

// Every file of folder named as a backup, newest first (copies of one
// second: the last made first). Other files are left out.
QList<TBackupEntry> ListBackups(const QString& folder);

// The backups of one instrument, as ListBackups gives them; all for an empty name.
QList<TBackupEntry> BackupsOf(const QList<TBackupEntry>& backups, const QString& instrument);

// The time of a backup in the user's local time, as the log writes times.
QString BackupTimeText(const TBackupEntry& backup);

// One line per backup under a header: instrument, port, local time, points
// in use and the file's path, in aligned columns.
QStringList BackupTable(const QList<TBackupEntry>& backups);

// A backup's settings, read as the instrument it came from holds them.
class TLoadedBackup {
public:
    // The reason it could not be read whole; empty when it was.
    QString Load(const QString& path);
    const TProfile& Profile() const { return FProfile; }
    const TLineList& Lines() const { return FLines; }

private:
    TFixedIdentity FIdentity;
    TLineList FLines;
    TProfile FProfile{&FLines, FIdentity};
};

}  // namespace orvantis
