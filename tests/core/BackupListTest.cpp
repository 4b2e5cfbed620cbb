// The backups table: what a backups folder holds, newest first, and nothing
// that is not a backup.

#include "BackupList.h"
#include "TempDir.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvantis::test {
namespace {

void Backup(const QString& folder, const QString& instrument, const QString& port, const QDateTime& when, int lastPoint)
{
    const TFixedIdentity identity;
    TProfile model(nullptr, identity);
    model.SetDefaults();
    model.SetLastIndex(static_cast<std::uint8_t>(lastPoint - 1));
    ASSERT_FALSE(SaveBackup(folder, instrument, port, when, [&](const QString& path) {
                     TLineList lines;
                     model.WriteProject(&lines, path.toStdString(), "now");
                     return lines;
                 }).Path.isEmpty());
}

TEST(ListBackups, ListsTheFoldersBackupsNewestFirstAndNothingElse)
{
    QTemporaryDir dir;
    const QDateTime day(QDate(2026, 12, 8), QTime(7, 15), Qt::UTC);
    Backup(dir.path(), "OV+ DVB-T2", "COM3", day.addDays(-1), 10);
    Backup(dir.path(), "OV+ DVB-T2", "COM3", day, 12);
    Backup(dir.path(), "OV+ DVB-T2", "COM3", day, 16);  // the same second: copy 2
    Backup(dir.path(), "OV+ ISDB-T", "COM40", day.addSecs(60), 8);
    WriteAll(dir.filePath("OV+_DVB-T2-COM3-20261209-101500.pro"), "send\r\n");  // the old local-time name, not loadable
    for (const char* other : {"site-A.pro", "OV+_DVB-T2-COM3-20261208-071500Z copy.pro", "OV+_DVB-T2-COM3-20261208-071500Z.PRO",
                              "QUELMAR-COM3-20261208-071500Z.pro"})
        WriteAll(dir.filePath(other), "# the user's\r\n");
    ASSERT_TRUE(QDir(dir.path()).mkdir("OV+_DVB-T2-COM4-20261208-071500Z.pro"));

    const QList<TBackupEntry> backups = ListBackups(dir.path());
    QStringList seen;
    for (const TBackupEntry& backup : backups)
        seen << QStringLiteral("%1 %2 %3 %4 %5")
                    .arg(QDir(dir.path()).relativeFilePath(backup.Path), backup.Name.Instrument, backup.Name.Port)
                    .arg(backup.Name.Copy)
                    .arg(backup.PointsInUse);
    EXPECT_EQ(seen, QStringList({"OV+_DVB-T2-COM3-20261209-101500.pro OV+ DVB-T2 COM3 1 ",
                                 "OV+_ISDB-T-COM40-20261208-071600Z.pro OV+ ISDB-T COM40 1 1-8",
                                 "OV+_DVB-T2-COM3-20261208-071500Z-2.pro OV+ DVB-T2 COM3 2 1-16",
                                 "OV+_DVB-T2-COM3-20261208-071500Z.pro OV+ DVB-T2 COM3 1 1-12",
                                 "OV+_DVB-T2-COM3-20261207-071500Z.pro OV+ DVB-T2 COM3 1 1-10"}));
    EXPECT_EQ(BackupsOf(backups, "OV+ ISDB-T").size(), 1);
    EXPECT_EQ(backups[3].Name.Time, day);
    EXPECT_TRUE(IsBackupOf("OV+_DVB-T2-COM3-20261208-071500Z-2.pro", "OV+ DVB-T2"));
    EXPECT_FALSE(IsBackupOf("OV+_DVB-T2-COM3-20261208-071500Z-2.pro", "OV+ ISDB-T"));
}

}  // namespace
}  // namespace orvantis::test
