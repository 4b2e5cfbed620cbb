#pragma once
// The program's per-user files: backups of the instrument taken before every
// Send, recovery copies of unsaved edits, and the program's own settings.
// The files live in $XDG_DATA_HOME/orvantis/ (by default
// ~/.local/share/orvantis/); the settings in the per-user settings store.

#include "PortAddress.h"
#include "Profile.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace orvantis {

// $XDG_DATA_HOME/orvantis/backups and .../recovery; not created here.
QString DefaultBackupFolder();
QString RecoveryFolder();

// "<instrument name>-<port>-<yyyyMMdd-HHmmss>Z.pro" with the time in UTC, so
// that the names sort by time across a change to or from daylight-saving
// time, and every character other than letters, digits and "+-._" made "_":
// OV+_DVB-T2-COM3-20261208-071500Z.pro. Copy 2 and up of the same second
// end "Z-<copy>.pro": OV+_DVB-T2-COM3-20261208-071500Z-2.pro.
QString BackupFileName(const QString& instrument, const QString& port, const QDateTime& when, int copy = 1);

struct TSavedBackup {
    QString Path;   // empty when the backup was not saved
    QString Error;  // then the reason
};

// Saves a backup in folder as a new file, under BackupFileName with the first
// copy number whose name no file has; it never replaces a file. linesFor
// gives the file's lines for the path chosen (its header names it).
TSavedBackup SaveBackup(const QString& folder, const QString& instrument, const QString& port, const QDateTime& when,
                        const std::function<TLineList(const QString& path)>& linesFor);

// What the name of a backup says; nothing for any other name. Only the names
// BackupFileName gives (and the local-time names without "Z" that backups
// had before) are backups: anything else in a backups folder is the user's.
struct TBackupName {
    QString Instrument;  // as the instrument answered, "OV+ DVB-T2"
    QString Port;        // "COM3", as the name has it
    QDateTime Time;      // when it was taken (UTC, or local time for the old names)
    int Copy = 1;        // 2 and up for further backups of the same second
};
std::optional<TBackupName> ParseBackupName(const QString& fileName);
// True when a backup named so was taken from the instrument that answers
// with name (the name compared as the file name has it).
bool IsBackupOf(const QString& fileName, const QString& instrumentName);

// "<instrument name>-<port>.pro", made safe as a backup's name: OV+_DVB-T2-COM3.pro
QString ReceivedFileName(const QString& instrument, const QString& port);

// Deletes the backups in folder whose time, as their names give it, lies more
// than maxAgeDays before now; returns how many went. Only files named as
// SaveBackup names them (or as backups were named before, with the local time
// and no "Z") count as backups: anything else in the folder is the user's.
// For the per-user backups folder only, never one the user chose.
int PruneBackups(const QString& folder, const QDateTime& now, int maxAgeDays = 365);

// The program's own settings, with their defaults.
class TProgramSettings {
public:
    // Tools > "Back up before Send"; on unless the user turned it off.
    bool BackUpBeforeSend() const;
    void SetBackUpBeforeSend(bool on);
    // Tools > "Send Only Changes"; off unless the user turned it on.
    bool SendOnlyChanges() const;
    void SetSendOnlyChanges(bool on);
    // Where Send keeps its backups and the backups window looks: the
    // per-user backups folder unless a folder is set.
    QString BackupFolder() const;
    // Tools > "Network Ports...": the tcp:// and rfc2217:// ports that Detect
    // tries after COM1 to COM40, in the user's order (none at first).
    QList<TPortAddress> NetworkPorts() const;
    void SetNetworkPorts(const QList<TPortAddress>& ports);
};

}  // namespace orvantis
