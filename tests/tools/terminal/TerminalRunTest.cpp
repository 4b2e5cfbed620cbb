// Whole terminal runs against a pseudo-terminal linked as a COM port: keys
// reach the line, received bytes reach the screen, the Alt commands, the
// idle end, a port that cannot be opened, and a line that goes away.

#include "FakeDevices.h"
#include "MemoryConsole.h"
#include "PtyPeer.h"
#include "Ser2NetProcess.h"
#include "ScriptedPrompter.h"
#include "Terminal.h"
#include "TerminalTestSupport.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <optional>
#include <utility>

using namespace orvantis;
using namespace orvantis::test;

namespace {

// COM numbers unlikely to be in use by anything else on the machine.
constexpr int PortA = 37;
constexpr int PortB = 2;

class TerminalRun : public ::testing::Test {
protected:
    TerminalRun()
    {
        Settings.Store(QStringLiteral("ComPort"), QStringLiteral("COM%1").arg(PortA));
        Settings.Store(QStringLiteral("bLocal"), 0);
        Settings.Store(QStringLiteral("bCRLF"), 0);
        Settings.Store(QStringLiteral("bHex"), 0);
    }

    TTerminal& Make(bool detected = false, const QString& port = {})
    {
        Terminal.emplace(Console, Prompter, [this](const QString& line) { Log << line; }, detected, port);
        return *Terminal;
    }

    // Runs the terminal while the script plays; a script that stalls closes
    // the console so that the run cannot hang the test.
    bool RunWith(TScript& script)
    {
        script.Start([this] { Console.RequestClose(); });
        const bool result = Terminal->Run();
        EXPECT_TRUE(script.Finished());
        return result;
    }

    QString Row(int y) const { return RowText(Console, Console.MainBuffer(), y); }
    TScript::TStep ScreenShows(int row, const QString& text)
    {
        return [this, row, text] { return Row(row).startsWith(text); };
    }
    TScript::TStep PeerGot(TPtyPeer& peer, const QByteArray& bytes)
    {
        return [&peer, bytes] { return peer.Received() == bytes; };
    }
    // Keys typed while the port is being switched are discarded. The switch
    // is made when the run's loop ends, and the script goes on only from a
    // loop: one turn later it types into the loop of the new port.
    static TScript::TStep NextTurn()
    {
        auto waited = std::make_shared<bool>(false);
        return [waited] { return std::exchange(*waited, true); };
    }
    std::function<void()> Type(std::uint8_t ch, bool alt = false)
    {
        return [this, ch, alt] { Console.PushKey({ch, alt}); };
    }

    TTempSettings Settings;
    TPortFolder Ports;
    TMemoryConsole Console;
    TScriptedPrompter Prompter;
    QStringList Log;
    std::optional<TTerminal> Terminal;
};

}  // namespace

TEST_F(TerminalRun, TypedKeysGoOutOneByteEachAndAltQEnds)
{
    TPtyPeer peer(Ports, PortA);
    TTerminal& t = Make();
    TScript script;
    script.Then([this] { return Console.IsOpen(); })
        .Do(Type('A'))
        .Do(Type(0x11))
        .Do(Type(0x13))
        .Do(Type(0x03))
        .Do(Type('\r'))
        .Then(PeerGot(peer, QByteArray("A\x11\x13\x03\r")))
        .Do(Type('Q', true));
    EXPECT_TRUE(RunWith(script));
    EXPECT_FALSE(Console.IsOpen()) << "the console closes when the run ends";
    EXPECT_TRUE(Row(6).trimmed().isEmpty()) << "no echo without local echo";
    EXPECT_TRUE(Log.isEmpty()) << Log.join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(t.ErrorSeen());
}

TEST_F(TerminalRun, LocalEchoShowsWhatIsSent)
{
    TPtyPeer peer(Ports, PortA);
    Make();
    TScript script;
    script.Then([this] { return Console.IsOpen(); })
        .Do(Type('l', true))
        .Do(Type('h'))
        .Do(Type('i'))
        .Then(PeerGot(peer, "hi"))
        .Do(Type('q', true));
    EXPECT_TRUE(RunWith(script));
    EXPECT_TRUE(Row(6).startsWith(QStringLiteral("hi ")));
    EXPECT_EQ(AttrAt(Console, 0, 0, 6), 7);
    Terminal.reset();
    EXPECT_TRUE(Settings.Stored().contains(QStringLiteral("bLocal=1"))) << "the switch is kept for the next run";
}

TEST_F(TerminalRun, ReceivedBytesAppearAsTextThenAsHex)
{
    TPtyPeer peer(Ports, PortA);
    Make();
    TScript script;
    script.Then([this] { return Console.IsOpen(); })
        .Do([&peer] { peer.Write("Hello\r\n"); })
        .Then(ScreenShows(6, QStringLiteral("Hello ")))
        .Do(Type('x', true))
        .Do([&peer] { peer.Write("\x11" "A"); })
        .Then(ScreenShows(7, QStringLiteral("(XON)11.A41. ")))
        .Do(Type('q', true));
    EXPECT_TRUE(RunWith(script));
    EXPECT_EQ(AttrAt(Console, 0, 0, 6), 3);
    EXPECT_EQ(AttrAt(Console, 0, 8, 7), 11);
    EXPECT_TRUE(Row(3).mid(24).startsWith(QStringLiteral("Mode=Hex")));
}

TEST_F(TerminalRun, AltHShowsTheHelpScreenAndBack)
{
    TPtyPeer peer(Ports, PortA);
    TTerminal& t = Make();
    bool helpWasShown = false;
    TScript script;
    script.Then([this] { return Console.IsOpen(); })
        .Do(Type('H', true))
        .Then([&] {
            helpWasShown = Console.ActiveBuffer() == t.HelpBuffer() && t.HelpShown();
            return true;
        })
        .Do(Type('c', true))
        .Do([&peer] { peer.Write("in the background"); })
        .Then(ScreenShows(6, QStringLiteral("in the background")))
        .Do(Type('h', true))
        .Do(Type('q', true));
    EXPECT_TRUE(RunWith(script));
    EXPECT_TRUE(helpWasShown);
    EXPECT_EQ(Console.ActiveBuffer(), Console.MainBuffer());

    const TConsoleBuffer help = t.HelpBuffer();
    EXPECT_TRUE(RowText(Console, help, 5).contains(QStringLiteral("[   HELP   ]")));
    EXPECT_EQ(RowText(Console, help, 6).mid(1, 61),
              QStringLiteral("Press the following key combinations to access each function:"));
    EXPECT_EQ(RowText(Console, help, 8).trimmed(), QStringLiteral("Alt+1: use COM1 serial port"));
    EXPECT_EQ(RowText(Console, help, 12).trimmed(), QStringLiteral("Alt+C: switch between CR->CR or CR->CR+LF"));
    EXPECT_EQ(RowText(Console, help, 16).trimmed(), QStringLiteral("Alt+H: show this help screen"));
    EXPECT_EQ(AttrAt(Console, help, 4, 8), 15);
    EXPECT_EQ(AttrAt(Console, help, 11, 8), 7);
    EXPECT_EQ(AttrAt(Console, help, 1, 6), 10);
    EXPECT_EQ(AttrAt(Console, help, 1, 2), 15) << "the help box's inside is not coloured";
    EXPECT_TRUE(RowText(Console, help, 2).mid(2).startsWith(QStringLiteral("COM37: 115200")))
        << "the status rows are drawn when help is shown";
    EXPECT_TRUE(RowText(Console, help, 3).mid(2).startsWith(QStringLiteral("CR=CR "))) << "Alt+C redraws the main screen only";
    EXPECT_TRUE(Row(3).mid(2).startsWith(QStringLiteral("CR=CR+LF")));
}

TEST_F(TerminalRun, AltDigitReopensOnTheOtherPort)
{
    TPtyPeer first(Ports, PortA);
    TPtyPeer second(Ports, PortB);
    TTerminal& t = Make();
    TScript script;
    script.Then([this] { return Console.IsOpen(); })
        .Do([&first] { first.Write("one "); })
        .Then(ScreenShows(6, QStringLiteral("one ")))
        .Do(Type('2', true))
        .Then([this] { return Row(2).mid(2).startsWith(QStringLiteral("COM2: ")); })
        .Then(NextTurn())
        .Do(Type('z'))
        .Then(PeerGot(second, "z"))
        .Do([&second] { second.Write("two"); })
        .Then(ScreenShows(6, QStringLiteral("one two")))
        .Do(Type('q', true));
    EXPECT_TRUE(RunWith(script));
    EXPECT_TRUE(first.Received().isEmpty());
    EXPECT_EQ(t.ComPort(), QStringLiteral("COM2"));
    Terminal.reset();
    EXPECT_TRUE(Settings.Stored().contains(QStringLiteral("ComPort=COM2")));
}

TEST_F(TerminalRun, DetectedPortIsTheOneOpened)
{
    TPtyPeer detected(Ports, 7);
    Make(true, QStringLiteral("COM7"));
    TScript script;
    script.Then([this] { return Console.IsOpen(); }).Do(Type('!')).Then(PeerGot(detected, "!")).Do(Type('Q', true));
    EXPECT_TRUE(RunWith(script));
    Terminal.reset();
    EXPECT_TRUE(Settings.Stored().contains(QStringLiteral("ComPort=COM7")));
}

TEST_F(TerminalRun, AltGrCharactersAreNeitherSentNorShown)
{
    TPtyPeer peer(Ports, PortA);
    Make();
    TScript script;
    script.Then([this] { return Console.IsOpen(); })
        .Do(Type('l', true))
        .Do(Type('@', true))
        .Do(Type('k'))
        .Then(PeerGot(peer, "k"))
        .Do(Type('q', true));
    EXPECT_TRUE(RunWith(script));
    EXPECT_TRUE(Row(6).startsWith(QStringLiteral("k ")));
}

// The terminal reaches its port only through the device it is given, with
// the link's line settings, and lets the port down as the link does.
TEST_F(TerminalRun, ThePortIsTheDeviceOfItsAddress)
{
    TDeviceRecord record;
    Terminal.emplace(Console, Prompter, [this](const QString& line) { Log << line; }, true, QStringLiteral("COM5"),
                     [&record] { return std::make_unique<TScriptedDevice>(record); });
    TScript script;
    script.Then([this] { return Console.IsOpen(); })
        .Do(Type('A'))
        .Do(Type(0x11))
        .Then([&record] { return record.Written == QByteArray("A\x11"); })
        .Do(Type('q', true));
    EXPECT_TRUE(RunWith(script));
    EXPECT_EQ(record.Calls, QStringList({"open COM5", "line", "dtr 1", "rts 1", "rts 0", "dtr 0", "close"}));
    EXPECT_TRUE(Log.isEmpty()) << Log.join(QLatin1Char('\n')).toStdString();
}

TEST_F(TerminalRun, MissingPortIsLoggedAndKeepsTheStoredSettings)
{
    Settings.Store(QStringLiteral("ComPort"), QStringLiteral("COM3"));
    Settings.Store(QStringLiteral("bHex"), 1);
    const QStringList before = Settings.Stored();
    TTerminal& t = Make();
    EXPECT_TRUE(t.Run());
    EXPECT_FALSE(Console.IsOpen());
    ASSERT_EQ(Log.size(), 1);
    EXPECT_EQ(Log[0], QStringLiteral("[COM3] In CreateFile -> Error number: %1").arg(ENOENT));
    EXPECT_TRUE(t.ErrorSeen());
    t.DoAltKey('x');
    Terminal.reset();
    EXPECT_EQ(Settings.Stored(), before);
    EXPECT_TRUE(Prompter.Messages.isEmpty());
}

TEST_F(TerminalRun, IdleTimeEndsTheRunAsAltQDoes)
{
    TPtyPeer peer(Ports, PortA);
    TTerminal& t = Make();
    t.SetIdleTimeout(150);
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(t.Run());
    EXPECT_GE(clock.elapsed(), 150);
    EXPECT_TRUE(Log.isEmpty());
}

TEST_F(TerminalRun, ClosingTheWindowEndsTheRun)
{
    TPtyPeer peer(Ports, PortA);
    Make();
    TScript script;
    script.Then([this] { return Console.IsOpen(); }).Do([this] { Console.RequestClose(); });
    EXPECT_TRUE(RunWith(script));
    EXPECT_FALSE(Console.IsOpen());
}

TEST_F(TerminalRun, LineThatGoesAwayEndsTheRunWithALogLine)
{
    TPtyPeer peer(Ports, PortA);
    TTerminal& t = Make();
    TScript script;
    script.Then([this] { return Console.IsOpen(); }).Do([&peer] { peer.Close(); });
    EXPECT_TRUE(RunWith(script));
    ASSERT_EQ(Log.size(), 1);
    EXPECT_TRUE(Log[0].startsWith(QStringLiteral("In ProcessIO -> Error number: "))) << Log[0].toStdString();
    EXPECT_TRUE(t.ErrorSeen());
}

namespace {

class TFailingConsole : public TMemoryConsole {
public:
    bool Open() override
    {
        SetLastError(ENODEV);
        return false;
    }
};

}  // namespace

TEST(TerminalRunConsole, ConsoleThatCannotOpenFailsTheRun)
{
    TTempSettings settings;
    TFailingConsole console;
    TScriptedPrompter prompter;
    QStringList log;
    {
        TTerminal t(console, prompter, [&](const QString& line) { log << line; }, false, {});
        EXPECT_FALSE(t.Run());
    }
    EXPECT_EQ(log, QStringList(QStringLiteral("In AllocConsole -> Error number: %1").arg(ENODEV)));
    EXPECT_TRUE(settings.Stored().isEmpty());
}

// Ports that ser2net serves, raw TCP and RFC 2217: keys out and bytes in,
// 0xFF among them (Telnet doubles it on the way), and the address kept whole
// for the next run.
TEST_F(TerminalRun, NetworkPortsCarryBytesBothWaysWith0xFF)
{
    if (const QString reason = TSer2NetProcess::MissingReason(); !reason.isEmpty()) GTEST_SKIP() << reason.toStdString();
    TPtyPeer rawPeer(Ports, 3);
    TPtyPeer telnetPeer(Ports, 4);
    TSer2NetProcess ser2net;
    ASSERT_TRUE(ser2net.Start(Ports.Path(), {{Ports.Path() + "/COM3", false}, {Ports.Path() + "/COM4", true}}));
    for (const auto& [i, peer] : {std::pair{0, &rawPeer}, std::pair{1, &telnetPeer}}) {
        Settings.Store(QStringLiteral("bHex"), 1);
        Make(true, ser2net.Address(i));
        TScript script;
        script.Then([this] { return Console.IsOpen(); })
            .Do(Type('A'))
            .Do(Type(0xFF))
            .Do(Type('\r'))
            .Then(PeerGot(*peer, "A\xFF\r"))
            .Do([peer] { peer->Write("\xFF" "B"); })
            .Then([this] { return Row(6).contains(QStringLiteral("B42.")); })
            .Do(Type('q', true));
        EXPECT_TRUE(RunWith(script));
        // The byte itself, then its value: once, not doubled.
        EXPECT_EQ(Row(6).mid(1, 8), QStringLiteral("FF.B42. "));
        EXPECT_TRUE(Log.isEmpty()) << Log.join(QLatin1Char('\n')).toStdString();
        Terminal.reset();
        EXPECT_TRUE(Settings.Stored().contains("ComPort=" + ser2net.Address(i))) << Settings.Stored().join(' ').toStdString();
    }
}
