#include "TerminalSettings.h"

#include <QSettings>

namespace orvantis {

namespace {

const QString Organization = QStringLiteral("Korven");
const QString Application = QStringLiteral("ZUR_EVE");
const QString Group = QStringLiteral("Terminal");
const QString ComPortKey = QStringLiteral("ComPort");
const QString LocalKey = QStringLiteral("bLocal");
const QString CrLfKey = QStringLiteral("bCRLF");
const QString HexKey = QStringLiteral("bHex");

QSettings UserSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, Organization, Application);
}

bool ReadText(const QSettings& settings, const QString& key, QString& value)
{
    const QVariant v = settings.value(key);
    if (!v.isValid() || v.typeId() != QMetaType::QString) return false;
    value = v.toString();
    return true;
}

// Stored as the integers 0 and 1; anything that is not an integer fails.
bool ReadSwitch(const QSettings& settings, const QString& key, bool& value)
{
    const QVariant v = settings.value(key);
    if (!v.isValid()) return false;
    bool ok = false;
    const qlonglong number = v.toString().trimmed().toLongLong(&ok);
    if (!ok) return false;
    value = number != 0;
    return true;
}

}  // namespace

TTerminalSettingsStore::TReadResult TTerminalSettingsStore::Read(TTerminalSettings& values) const
{
    QSettings settings = UserSettings();
    if (!settings.childGroups().contains(Group)) return TReadResult::NoKey;
    settings.beginGroup(Group);
    const bool read = ReadText(settings, ComPortKey, values.ComPort) && ReadSwitch(settings, LocalKey, values.bLocal) &&
                      ReadSwitch(settings, CrLfKey, values.bCRLF) && ReadSwitch(settings, HexKey, values.bHex);
    return read ? TReadResult::Read : TReadResult::Failed;
}

bool TTerminalSettingsStore::Write(const TTerminalSettings& values) const
{
    QSettings settings = UserSettings();
    if (!settings.isWritable()) return false;
    settings.beginGroup(Group);
    settings.setValue(ComPortKey, values.ComPort);
    settings.setValue(LocalKey, values.bLocal ? 1 : 0);
    settings.setValue(CrLfKey, values.bCRLF ? 1 : 0);
    settings.setValue(HexKey, values.bHex ? 1 : 0);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace orvantis
