#include "UserFiles.h"

#include "ModelTable.h"
#include "PortAddress.h"
#include "TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

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
const QString ChangesKey = QStringLiteral("Program/SendOnlyChanges");
const QString FolderKey = QStringLiteral("Program/BackupFolder");
const QString NetworkPortsKey = QStringLiteral("Program/NetworkPorts");

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

std::optional<TBackupName> ParseBackupName(const QString& fileName)
{
    static const QRegularExpression form(QStringLiteral(
        "^(.+)-(COM[0-9]+|(?:tcp|rfc2217)___[A-Za-z0-9._-]+_[0-9]+)-([0-9]{8}-[0-9]{6})(Z(-([2-9]|[1-9][0-9]+))?)?\\.pro$"));
    const QRegularExpressionMatch match = form.match(fileName);
    if (!match.hasMatch()) return std::nullopt;
    // Backups are made only of the instruments the program serves, on COM1
    // to COM40 and on network ports (tcp://bench1:3001 is named tcp___bench1_3001).
    const QString instrument = match.captured(1).replace(QLatin1Char('_'), QLatin1Char(' '));
    if (!IsAcceptedModel(ModelRow(instrument.toStdString()))) return std::nullopt;
    QString portText = match.captured(2);
    if (const qsizetype scheme = portText.indexOf(QLatin1String("___")); scheme >= 0) {
        portText.replace(scheme, 3, QStringLiteral("://"));
        portText[portText.lastIndexOf(QLatin1Char('_'))] = QLatin1Char(':');
    }
    const std::optional<TPortAddress> port = TPortAddress::Parse(portText);
    if (!port || SafeForFileName(port->Name()) != match.captured(2)) return std::nullopt;

    const QDateTime stamp = QDateTime::fromString(match.captured(3), StampFormat);
    if (!stamp.isValid()) return std::nullopt;
    TBackupName name;
    name.Instrument = instrument;
    name.Port = port->Name();
    name.Time = QDateTime(stamp.date(), stamp.time(), match.captured(4).isEmpty() ? Qt::LocalTime : Qt::UTC);
    name.Copy = match.captured(6).isEmpty() ? 1 : match.captured(6).toInt();
    return name;
}

bool IsBackupOf(const QString& fileName, const QString& instrumentName)
{
    const std::optional<TBackupName> name = ParseBackupName(fileName);
    return name && fileName.startsWith(SafeForFileName(instrumentName) + QLatin1Char('-') + SafeForFileName(name->Port) +
                                           QLatin1Char('-'));
}

QString ReceivedFileName(const QString& instrument, const QString& port)
{
    return QStringLiteral("%1-%2.pro").arg(SafeForFileName(instrument), SafeForFileName(port));
}

int PruneBackups(const QString& folder, const QDateTime& now, int maxAgeDays)
{
    int pruned = 0;
    const QDateTime oldest = now.addDays(-maxAgeDays);
    QDirIterator it(folder, QDir::Files);
    while (it.hasNext()) {
        const QFileInfo file(it.next());
        const std::optional<TBackupName> made = ParseBackupName(file.fileName());
        if (made && made->Time < oldest && QFile::remove(file.filePath())) ++pruned;
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

QList<TPortAddress> TProgramSettings::NetworkPorts() const
{
    QList<TPortAddress> ports;
    // A value written by hand that is no network port is left out.
    for (const QString& text : UserSettings().value(NetworkPortsKey).toStringList()) {
        const std::optional<TPortAddress> port = TPortAddress::Parse(text);
        if (port && port->Kind() != TPortAddress::TKind::Com && !ports.contains(*port)) ports << *port;
    }
    return ports;
}

void TProgramSettings::SetNetworkPorts(const QList<TPortAddress>& ports)
{
    QStringList names;
    for (const TPortAddress& port : ports) names << port.Name();
    UserSettings().setValue(NetworkPortsKey, names);
}

}  // namespace orvantis

namespace orvantis {

bool TProgramSettings::SendOnlyChanges() const
{
    return UserSettings().value(ChangesKey, false).toBool();
}

void TProgramSettings::SetSendOnlyChanges(bool on)
{
    UserSettings().setValue(ChangesKey, on);
}

QString TProgramSettings::BackupFolder() const
{
    const QString folder = UserSettings().value(FolderKey).toString();
    return folder.isEmpty() ? DefaultBackupFolder() : folder;
}

}  // namespace orvantis
