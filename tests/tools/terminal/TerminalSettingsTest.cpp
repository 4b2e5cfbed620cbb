// The terminal's settings: what a run starts with, what it keeps, and the two
// message boxes.

#include "MemoryConsole.h"
#include "ScriptedPrompter.h"
#include "Terminal.h"
#include "TerminalSettings.h"
#include "TerminalTestSupport.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <optional>

using namespace orvantis;
using namespace orvantis::test;

namespace {

class TerminalSettingsTest : public ::testing::Test {
protected:
    TTerminal& Make(bool detected = false, const QString& port = {})
    {
        Terminal.emplace(Console, Prompter, [this](const QString& line) { Log << line; }, detected, port);
        return *Terminal;
    }

    TTempSettings Settings;
    TMemoryConsole Console;
    TScriptedPrompter Prompter;
    QStringList Log;
    std::optional<TTerminal> Terminal;
};

const QString ReadFailure = QStringLiteral("Unable to read data from the Registry");

}  // namespace

TEST_F(TerminalSettingsTest, FirstRunStartsOnCom1AndCreatesAllFourValues)
{
    TTerminal& t = Make();
    t.LoadSettings();
    EXPECT_EQ(t.ComPort(), QStringLiteral("COM1"));
    EXPECT_FALSE(t.Local());
    EXPECT_FALSE(t.CrLf());
    EXPECT_FALSE(t.Hex());
    EXPECT_TRUE(Prompter.Messages.isEmpty());
    EXPECT_TRUE(Settings.Stored().isEmpty()) << "reading creates nothing";

    t.DoAltKey('l');
    Terminal.reset();
    EXPECT_EQ(Settings.Stored(),
              QStringList({QStringLiteral("ComPort=COM1"), QStringLiteral("bCRLF=0"), QStringLiteral("bHex=0"),
                           QStringLiteral("bLocal=1")}));
}

TEST_F(TerminalSettingsTest, StoredValuesComeBack)
{
    Settings.Store(QStringLiteral("ComPort"), QStringLiteral("COM4"));
    Settings.Store(QStringLiteral("bLocal"), 0);
    Settings.Store(QStringLiteral("bCRLF"), 1);
    Settings.Store(QStringLiteral("bHex"), 1);
    TTerminal& t = Make();
    t.LoadSettings();
    EXPECT_EQ(t.ComPort(), QStringLiteral("COM4"));
    EXPECT_FALSE(t.Local());
    EXPECT_TRUE(t.CrLf());
    EXPECT_TRUE(t.Hex());
    EXPECT_TRUE(Prompter.Messages.isEmpty());
}

TEST_F(TerminalSettingsTest, DetectedPortWinsOverTheStoredOneAndIsKept)
{
    Settings.Store(QStringLiteral("ComPort"), QStringLiteral("COM2"));
    Settings.Store(QStringLiteral("bLocal"), 1);
    Settings.Store(QStringLiteral("bCRLF"), 0);
    Settings.Store(QStringLiteral("bHex"), 0);
    TTerminal& t = Make(true, QStringLiteral("COM7"));
    t.LoadSettings();
    EXPECT_EQ(t.ComPort(), QStringLiteral("COM7"));
    EXPECT_TRUE(t.Local());
    Terminal.reset();
    EXPECT_TRUE(Settings.Stored().contains(QStringLiteral("ComPort=COM7")));
}

TEST_F(TerminalSettingsTest, MissingValueWarnsAndFallsBackToCom1)
{
    Settings.Store(QStringLiteral("ComPort"), QStringLiteral("COM3"));
    Settings.Store(QStringLiteral("bLocal"), 1);
    Settings.Store(QStringLiteral("bCRLF"), 1);
    TTerminal& t = Make();
    t.LoadSettings();
    ASSERT_EQ(Prompter.Messages.size(), 1);
    EXPECT_EQ(Prompter.Messages[0].Caption, QStringLiteral("Tools Terminal"));
    EXPECT_EQ(Prompter.Messages[0].Text, ReadFailure);
    EXPECT_EQ(Prompter.Messages[0].Icon, TMsgIcon::Error);
    EXPECT_EQ(Prompter.Messages[0].Buttons, TMsgButtons(TMsgButton::Ok));
    EXPECT_EQ(t.ComPort(), QStringLiteral("COM1"));
    EXPECT_TRUE(t.Local()) << "switches read before the failure keep their values";
    EXPECT_TRUE(t.CrLf());
    EXPECT_FALSE(t.Hex());
}

TEST_F(TerminalSettingsTest, ValueOfAnotherTypeCountsAsMissing)
{
    Settings.Store(QStringLiteral("ComPort"), QStringLiteral("COM3"));
    Settings.Store(QStringLiteral("bLocal"), QStringLiteral("yes"));
    Settings.Store(QStringLiteral("bCRLF"), 1);
    Settings.Store(QStringLiteral("bHex"), 1);
    TTerminal& t = Make();
    t.LoadSettings();
    ASSERT_EQ(Prompter.Messages.size(), 1);
    EXPECT_EQ(Prompter.Messages[0].Text, ReadFailure);
    EXPECT_FALSE(t.Local());
    EXPECT_FALSE(t.CrLf()) << "values after the failure are not read";
    EXPECT_FALSE(t.Hex());
}

TEST_F(TerminalSettingsTest, AnObjectThatNeverRanSavesNothing)
{
    Make();
    Terminal.reset();
    EXPECT_TRUE(Settings.Stored().isEmpty());
    EXPECT_TRUE(Prompter.Messages.isEmpty());
}

TEST_F(TerminalSettingsTest, UnwritableStoreShowsTheSaveMessage)
{
    // The settings file's folder is taken by a plain file.
    const QString blocked = QFileInfo(Settings.FilePath()).path();
    QFile blocker(blocked);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    TTerminal& t = Make();
    t.LoadSettings();
    Terminal.reset();
    ASSERT_EQ(Prompter.Messages.size(), 1);
    EXPECT_EQ(Prompter.Messages[0].Caption, QStringLiteral("Tools Terminal"));
    EXPECT_EQ(Prompter.Messages[0].Text, QStringLiteral("Unable to save data to the Registry"));
    EXPECT_EQ(Prompter.Messages[0].Icon, TMsgIcon::Error);
}

TEST(TerminalSettingsStore, WritesSwitchesAsIntegers)
{
    TTempSettings settings;
    TTerminalSettingsStore store;
    TTerminalSettings values;
    EXPECT_EQ(store.Read(values), TTerminalSettingsStore::TReadResult::NoKey);
    values.ComPort = QStringLiteral("COM2");
    values.bHex = true;
    ASSERT_TRUE(store.Write(values));
    TTerminalSettings back;
    back.bHex = false;
    EXPECT_EQ(store.Read(back), TTerminalSettingsStore::TReadResult::Read);
    EXPECT_EQ(back.ComPort, QStringLiteral("COM2"));
    EXPECT_TRUE(back.bHex);
    EXPECT_TRUE(settings.Stored().contains(QStringLiteral("bHex=1")));
}
