// The backups folder: the names backups get, and what pruning may delete.

#include "TempDir.h"
#include "UserFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace orvantis::test {
namespace {

const QDateTime Now(QDate(2026, 12, 8), QTime(10, 0));

void Touch(const QString& path, const QDateTime& when)
{
    WriteAll(path, "# kept\r\n");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

// Only the program's own backups go, by the time in their names: a file
// written long ago but named otherwise is the user's, and a backup copied
// yesterday is as old as its name says.
TEST(PruneBackups, TakesOnlyTheProgramsBackupsByTheTimeInTheirNames)
{
    QTemporaryDir dir;
    const QDateTime longAgo(QDate(2020, 3, 1), QTime(12, 0));
    const QStringList usersOwn{
        "golden site A (do not delete).pro", "site-A.pro", "OV+_DVB-T2-COM1-20240601-101500 copy.pro",
        "OV+_DVB-T2-COM1-20240601-101500.PRO", "ov+_dvb-t2-COM1-20240601-101500.pro", "OV+_DVB-T2-COM1-20241301-101500.pro",
        "OV+_DVB-T2-COM41-20240601-101500.pro", "OV+_DVB-T2-COM01-20240601-101500.pro", "ORVANTIS-COM1-20240601-101500.pro",
        "OV+_DVB-T2-COM1-20240601-101500Z-1.pro", "OV+_DVB-T2-COM1-20240601-101500Z-02.pro", "20240601-101500.pro",
        "OV+_DVB-T2-ftp___bench1_3001-20240601-101500Z.pro", "OV+_DVB-T2-tcp___bench1_99999-20240601-101500Z.pro"};
    for (const QString& name : usersOwn) Touch(dir.filePath(name), longAgo);
    const QStringList recent{BackupFileName("OV+ DVB-T2", "COM1", Now.addDays(-300)),
                             BackupFileName("OV+ ISDB-T", "COM40", Now.addDays(-364), 2)};
    for (const QString& name : recent) Touch(dir.filePath(name), longAgo);
    const QStringList old{"OV+_DVB-T2-COM3-20251207-095959.pro",  // local time, as named before
                          BackupFileName("OV+ DVB-T2", "COM1", Now.addDays(-366)),
                          BackupFileName("OV+ ISDB-T", "COM12", Now.addDays(-400), 12),
                          BackupFileName("OV+ DVB-T2", "tcp://bench-1.lab:3001", Now.addDays(-366)),
                          BackupFileName("OV+ DVB-T2", "rfc2217://10.0.0.7:3002", Now.addDays(-366))};
    for (const QString& name : old) Touch(dir.filePath(name), Now.addSecs(-60));

    EXPECT_EQ(PruneBackups(dir.path(), Now), old.size());
    QStringList kept = usersOwn + recent;
    kept.sort();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), kept);
}

// UTC in the name: the hour repeated when summer time ends still sorts
// the backups as they were made.
TEST(BackupFileName, SortsByTimeAcrossTheEndOfSummerTimeAndNamesEachCopy)
{
    const QTimeZone berlin("Europe/Berlin");
    ASSERT_TRUE(berlin.isValid());
    const QDateTime summer = QDateTime(QDate(2026, 10, 25), QTime(0, 40), Qt::UTC).toTimeZone(berlin);  // 02:40 CEST
    const QDateTime winter = QDateTime(QDate(2026, 10, 25), QTime(1, 10), Qt::UTC).toTimeZone(berlin);  // 02:10 CET
    EXPECT_LT(BackupFileName("OV+ DVB-T2", "COM3", summer), BackupFileName("OV+ DVB-T2", "COM3", winter));

    const QDateTime when(QDate(2026, 12, 8), QTime(7, 15), Qt::UTC);
    EXPECT_EQ(BackupFileName("OV+ DVB-T2", "COM3", when), "OV+_DVB-T2-COM3-20261208-071500Z.pro");
    EXPECT_EQ(BackupFileName("OV+ DVB-T2", "COM3", when, 2), "OV+_DVB-T2-COM3-20261208-071500Z-2.pro");
}

// Backups of one second, and a file someone else put under the next name:
// nothing is replaced, nothing is left beside them.
TEST(SaveBackup, NeverReplacesAFile)
{
    QTemporaryDir dir;
    const QDateTime when(QDate(2026, 12, 8), QTime(7, 15), Qt::UTC);
    const QString taken = dir.filePath(BackupFileName("OV+ DVB-T2", "COM3", when, 2));
    WriteAll(taken, "someone else's\r\n");
    QStringList saved;
    for (const char* text : {"first", "second", "third"}) {
        const TSavedBackup backup = SaveBackup(dir.path(), "OV+ DVB-T2", "COM3", when, [&](const QString& path) {
            return TLineList{"# " + path.toStdString(), text};
        });
        ASSERT_EQ(backup.Error, "");
        EXPECT_EQ(ReadAll(backup.Path), "# " + backup.Path.toUtf8() + "\r\n" + text + "\r\n");
        saved << QFileInfo(backup.Path).fileName();
    }
    EXPECT_EQ(saved, (QStringList{BackupFileName("OV+ DVB-T2", "COM3", when), BackupFileName("OV+ DVB-T2", "COM3", when, 3),
                                  BackupFileName("OV+ DVB-T2", "COM3", when, 4)}));
    EXPECT_EQ(ReadAll(taken), "someone else's\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);

    const TSavedBackup refused = SaveBackup(dir.filePath("missing"), "OV+ DVB-T2", "COM3", when, [](const QString&) {
        return TLineList{"x"};
    });
    EXPECT_EQ(refused.Path, "");
    EXPECT_TRUE(refused.Error.startsWith("Unable to write " + dir.filePath("missing/"))) << refused.Error.toStdString();
}

}  // namespace
}  // namespace orvantis::test
