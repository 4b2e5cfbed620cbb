#pragma once
// The program's per-user files: backups of the instrument taken before every
// Send, recovery copies of unsaved edits, and the program's own settings.
// The files live in $XDG_DATA_HOME/orvantis/ (by default
// ~/.local/share/orvantis/); the settings in the per-user settings store.

#include <QDateTime>
#include <QString>

namespace orvantis {

// $XDG_DATA_HOME/orvantis/backups and .../recovery; not created here.
QString DefaultBackupFolder();
QString RecoveryFolder();

// "<instrument name>-<port>-<yyyyMMdd-HHmmss>.pro", with every character
// other than letters, digits and "+-._" made "_": OV+_DVB-T2-COM3-20261208-101500.pro
QString BackupFileName(const QString& instrument, const QString& port, const QDateTime& when);

// "<instrument name>-<port>.pro", made safe as a backup's name: OV+_DVB-T2-COM3.pro
QString ReceivedFileName(const QString& instrument, const QString& port);

// Deletes the backups (".pro" files) in folder last written more than
// maxAgeDays before now; returns how many went.
int PruneBackups(const QString& folder, const QDateTime& now, int maxAgeDays = 365);

// The program's own settings, with their defaults.
class TProgramSettings {
public:
    // Tools > "Back up before Send"; on unless the user turned it off.
    bool BackUpBeforeSend() const;
    void SetBackUpBeforeSend(bool on);
};

}  // namespace orvantis
