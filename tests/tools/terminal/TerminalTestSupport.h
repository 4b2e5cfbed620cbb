#pragma once
// Shared pieces of the terminal's tests: a private settings store, reading a
// console's rows, and stepping through a scripted run.

#include "MemoryConsole.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <ostream>

// Readable QStrings in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace orvantis::test {

// Points the per-user settings at an empty folder for the life of the object.
class TTempSettings {
public:
    TTempSettings();
    QString FilePath() const;
    // The terminal's stored values, as "name=value" lines in key order.
    QStringList Stored() const;
    void Store(const QString& key, const QVariant& value);

private:
    QTemporaryDir FDir;
};

QString RowText(const TMemoryConsole& console, TConsoleBuffer buffer, int row);
TAttribute AttrAt(const TMemoryConsole& console, TConsoleBuffer buffer, int x, int y);

// Runs steps in order from the event loop of whatever runs meanwhile: each
// step is retried every few milliseconds until it returns true. When the
// whole script takes longer than timeoutMs the test fails and onTimeout runs
// (it should end the run); the default is reached only by a hang, never by a
// busy machine.
class TScript {
public:
    using TStep = std::function<bool()>;
    TScript& Then(TStep step);
    TScript& Do(std::function<void()> action);
    void Start(std::function<void()> onTimeout, int timeoutMs = 20000);
    bool Finished() const { return FNext >= FSteps.size(); }

private:
    void Tick();
    std::vector<TStep> FSteps;
    std::size_t FNext = 0;
    std::function<void()> FOnTimeout;
    int FElapsed = 0;
    int FTimeout = 0;
};

}  // namespace orvantis::test
