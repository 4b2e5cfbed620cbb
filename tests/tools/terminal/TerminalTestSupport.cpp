#include "TerminalTestSupport.h"

#include <QSettings>
#include <QTimer>

#include <gtest/gtest.h>

namespace orvantis::test {

namespace {
constexpr int TickMs = 5;
}

TTempSettings::TTempSettings()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, FDir.path());
}

QString TTempSettings::FilePath() const
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Korven"), QStringLiteral("ZUR_EVE"))
        .fileName();
}

QStringList TTempSettings::Stored() const
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Korven"), QStringLiteral("ZUR_EVE"));
    settings.beginGroup(QStringLiteral("Terminal"));
    QStringList lines;
    for (const QString& key : settings.childKeys()) lines << key + QLatin1Char('=') + settings.value(key).toString();
    return lines;
}

void TTempSettings::Store(const QString& key, const QVariant& value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Korven"), QStringLiteral("ZUR_EVE"));
    settings.setValue(QStringLiteral("Terminal/") + key, value);
}

QString RowText(const TMemoryConsole& console, TConsoleBuffer buffer, int row)
{
    const TScreenBuffer* screen = console.Buffer(buffer);
    if (!screen) return {};
    return QString::fromLatin1(screen->RowText(row));
}

TAttribute AttrAt(const TMemoryConsole& console, TConsoleBuffer buffer, int x, int y)
{
    return console.Buffer(buffer)->At(x, y).Attribute;
}

TScript& TScript::Then(TStep step)
{
    FSteps.push_back(std::move(step));
    return *this;
}

TScript& TScript::Do(std::function<void()> action)
{
    return Then([action] {
        action();
        return true;
    });
}

void TScript::Start(std::function<void()> onTimeout, int timeoutMs)
{
    FOnTimeout = std::move(onTimeout);
    FTimeout = timeoutMs;
    QTimer::singleShot(TickMs, [this] { Tick(); });
}

void TScript::Tick()
{
    while (FNext < FSteps.size() && FSteps[FNext]()) ++FNext;
    if (Finished()) return;
    FElapsed += TickMs;
    if (FElapsed > FTimeout) {
        ADD_FAILURE() << "scripted step " << FNext << " did not happen in time";
        FNext = FSteps.size();
        if (FOnTimeout) FOnTimeout();
        return;
    }
    QTimer::singleShot(TickMs, [this] { Tick(); });
}

}  // namespace orvantis::test
