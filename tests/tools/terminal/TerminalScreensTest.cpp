// The terminal's screens on a console kept in memory: the main screen and its
// status rows, received bytes in text and hexadecimal form, the wrap and the
// scroll of the terminal area, the Alt commands' redraws.

#include "MemoryConsole.h"
#include "ProgramInfo.h"
#include "ScriptedPrompter.h"
#include "Terminal.h"
#include "TerminalTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace orvantis;
using namespace orvantis::test;

namespace {

constexpr char Vertical = char(0xBA);

class TerminalScreens : public ::testing::Test {
protected:
    TerminalScreens() : Terminal(Console, Prompter, [this](const QString& line) { Log << line; }, false, {})
    {
        Terminal.LoadSettings();
        Terminal.DrawMainScreen();
    }

    QString Row(int y) const { return RowText(Console, Console.MainBuffer(), y); }
    TAttribute Attr(int x, int y) const { return AttrAt(Console, Console.MainBuffer(), x, y); }
    TCoord Cursor() const { return Console.Buffer(Console.MainBuffer())->Cursor(); }
    void Receive(const QByteArray& bytes)
    {
        for (const char c : bytes) Terminal.ShowReceived(std::uint8_t(c));
    }

    TTempSettings Settings;
    TMemoryConsole Console;
    TScriptedPrompter Prompter;
    QStringList Log;
    TTerminal Terminal;
};

QString Frame(char left, int side, const char* title, char right)
{
    return QString(QChar::fromLatin1(left)) + QString(side, QChar::fromLatin1(char(0xCD))) + QLatin1Char('[') +
           QLatin1String(title) + QLatin1Char(']') + QString(side, QChar::fromLatin1(char(0xCD))) +
           QChar::fromLatin1(right);
}

}  // namespace

TEST_F(TerminalScreens, MainScreenHasTheFramedStatusBoxAndAnEmptyArea)
{
    EXPECT_EQ(Row(1), Frame(char(0xC9), 34, " status ", char(0xBB)));
    EXPECT_EQ(Row(5), Frame(char(0xC8), 33, " terminal ", char(0xBC)));
    for (int y = 2; y <= 4; ++y) {
        EXPECT_EQ(Row(y).at(0), QChar::fromLatin1(Vertical));
        EXPECT_EQ(Row(y).at(79), QChar::fromLatin1(Vertical));
        EXPECT_EQ(Attr(0, y), 15);
        EXPECT_EQ(Attr(1, y), 10) << "inside of the box";
        EXPECT_EQ(Attr(78, y), 10);
    }
    EXPECT_EQ(Attr(0, 1), 15);
    EXPECT_EQ(Attr(36, 1), 63);
    EXPECT_EQ(Attr(35, 5), 63);
    EXPECT_TRUE(Row(4).mid(1, 78).trimmed().isEmpty());
    for (int y = 6; y < 25; ++y) {
        EXPECT_EQ(Row(y), QString(80, QLatin1Char(' ')));
        EXPECT_EQ(Attr(0, y), 3);
        EXPECT_EQ(Attr(79, y), 3);
    }
    EXPECT_EQ(Cursor(), (TCoord{0, 6}));
    EXPECT_TRUE(Log.isEmpty());
}

TEST_F(TerminalScreens, TitleRowHasTheProgramVersionAtTheRightEnd)
{
    const QString title = Row(0);
    EXPECT_TRUE(title.startsWith(QStringLiteral("Orvantis+: Terminal utility  "))) << title.toStdString();
    EXPECT_TRUE(title.endsWith(QStringLiteral("[v5.00 - r003]"))) << title.toStdString();
    EXPECT_EQ(Attr(0, 0), 31);
    EXPECT_EQ(Attr(9, 0), 31);
    EXPECT_EQ(Attr(10, 0), 10);
    EXPECT_EQ(Attr(27, 0), 10);
    EXPECT_EQ(Attr(28, 0), 2);
    EXPECT_EQ(Attr(66, 0), 31);
    EXPECT_EQ(Attr(79, 0), 31);
    EXPECT_EQ(title.mid(28, 2 + int(std::strlen(ProgramNotice))),
              QStringLiteral(" %1 ").arg(QString::fromLatin1(ProgramNotice)))
        << "the notice follows between blanks";
    EXPECT_EQ(Row(1).at(0), QChar::fromLatin1(char(0xC9))) << "a long notice must not run into the frame";
}

TEST_F(TerminalScreens, StatusRowsShowPortAndModes)
{
    EXPECT_EQ(Row(2).mid(2, 73),
              QStringLiteral("COM1: 115200 - 8 bits - no parity - 1 stop bit   Exit: Alt+Q  Help: Alt+H"));
    EXPECT_EQ(Attr(2, 2), 10);
    EXPECT_EQ(Attr(8, 2), 2);
    EXPECT_EQ(Attr(50, 2), 10) << "Exit:";
    EXPECT_EQ(Attr(57, 2), 2) << "Alt+Q";

    const QString modes = Row(3);
    EXPECT_EQ(modes.mid(2, 5), QStringLiteral("CR=CR"));
    EXPECT_EQ(modes.mid(12, 9), QStringLiteral("Echo=None"));
    EXPECT_EQ(modes.mid(24, 9), QStringLiteral("Mode=Text"));
    EXPECT_EQ(Attr(2, 3), 10);
    EXPECT_EQ(Attr(5, 3), 2);
    EXPECT_EQ(Attr(17, 3), 2);
    EXPECT_EQ(Attr(29, 3), 2);
}

TEST_F(TerminalScreens, AltSwitchesRedrawTheirRowAndKeepTheCursor)
{
    Receive("ab");
    EXPECT_FALSE(Terminal.DoAltKey('c'));
    EXPECT_FALSE(Terminal.DoAltKey('L'));
    EXPECT_FALSE(Terminal.DoAltKey('x'));
    EXPECT_TRUE(Terminal.CrLf());
    EXPECT_TRUE(Terminal.Local());
    EXPECT_TRUE(Terminal.Hex());
    EXPECT_EQ(Row(3).mid(2, 31), QStringLiteral("CR=CR+LF  Echo=Local  Mode=Hex "));
    EXPECT_EQ(Cursor(), (TCoord{2, 6})) << "status redraws leave the terminal's cursor";

    Terminal.DoAltKey('C');
    Terminal.DoAltKey('l');
    Terminal.DoAltKey('X');
    EXPECT_EQ(Row(3).mid(2, 31), QStringLiteral("CR=CR     Echo=None   Mode=Text"))
        << "the trailing blanks erase the longer value";
    EXPECT_FALSE(Terminal.DoAltKey('z'));
    EXPECT_FALSE(Terminal.DoAltKey('H')) << "no help screen before a run";
}

TEST_F(TerminalScreens, AltDigitSwitchesThePort)
{
    EXPECT_TRUE(Terminal.DoAltKey('3'));
    EXPECT_EQ(Terminal.ComPort(), QStringLiteral("COM3"));
    EXPECT_TRUE(Row(2).mid(2).startsWith(QStringLiteral("COM3: 115200")));
    EXPECT_FALSE(Terminal.DoAltKey('5'));
    EXPECT_EQ(Terminal.ComPort(), QStringLiteral("COM3"));
}

TEST_F(TerminalScreens, CrReturnsToColumnZeroOrStartsANewLine)
{
    Receive("AB\rC");
    EXPECT_TRUE(Row(6).startsWith(QStringLiteral("CB ")));
    EXPECT_EQ(Attr(0, 6), 3);

    Terminal.DoAltKey('c');
    Receive("\nAB\rC");
    EXPECT_TRUE(Row(7).startsWith(QStringLiteral("AB ")));
    EXPECT_TRUE(Row(8).startsWith(QStringLiteral("C ")));
}

TEST_F(TerminalScreens, TextWrapsOneColumnBeforeTheEndOfTheRow)
{
    Receive(QByteArray(80, 'x'));
    EXPECT_EQ(Row(6), QString(79, QLatin1Char('x')) + QLatin1Char(' '));
    EXPECT_TRUE(Row(7).startsWith(QStringLiteral("x ")));
}

TEST_F(TerminalScreens, TheAreaScrollsWhileTheStatusBoxStays)
{
    const QStringList before = {Row(0), Row(1), Row(2), Row(3), Row(4), Row(5)};
    for (int line = 0; line < 19; ++line) Receive(QByteArray("line ") + QByteArray::number(line) + "\n");
    // Nineteen lines filled rows 6 to 24 and scrolled once.
    EXPECT_TRUE(Row(6).startsWith(QStringLiteral("line 1 ")));
    EXPECT_TRUE(Row(23).startsWith(QStringLiteral("line 18 ")));
    EXPECT_EQ(Row(24), QString(80, QLatin1Char(' ')));
    EXPECT_EQ(Attr(0, 24), 3);
    EXPECT_EQ(Cursor(), (TCoord{0, 24}));
    for (int y = 0; y < 6; ++y) EXPECT_EQ(Row(y), before[y]) << "row " << y;
    EXPECT_EQ(Attr(36, 1), 63);
    EXPECT_EQ(Attr(0, 5), 15);
}

TEST_F(TerminalScreens, WrapOnTheLastRowScrollsToo)
{
    for (int line = 0; line < 18; ++line) Receive("\n");
    Receive(QByteArray(79, 'y') + "z");
    EXPECT_EQ(Row(23), QString(79, QLatin1Char('y')) + QLatin1Char(' '));
    EXPECT_TRUE(Row(24).startsWith(QStringLiteral("z ")));
    EXPECT_EQ(Row(5).at(0), QChar::fromLatin1(char(0xC8)));
}

TEST_F(TerminalScreens, HexModeShowsNamesCharactersAndTwoDigits)
{
    Terminal.DoAltKey('x');
    Receive("\x11" "A\xE9");
    EXPECT_TRUE(Row(6).startsWith(QStringLiteral("(XON)11.A41.") + QChar::fromLatin1(char(0xE9)) +
                                  QStringLiteral("E9. ")))
        << Row(6).toStdString();
    EXPECT_EQ(Attr(0, 6), 3);
    EXPECT_EQ(Attr(8, 6), 11) << "the character itself is bright";
    EXPECT_EQ(Attr(9, 6), 3);
    EXPECT_EQ(Attr(12, 6), 11);
}

TEST_F(TerminalScreens, HexModeNamesTheHandshakeBytes)
{
    Terminal.DoAltKey('x');
    Receive(QByteArray("\x00\x02\x03\x05\x06\x11\x13\x15\x18\x1B", 10));
    EXPECT_EQ(Row(6).trimmed(),
              QStringLiteral("(NUL)00.(STX)02.(ETX)03.(ENQ)05.(ACK)06.(XON)11.(XOFF)13.(NAK)15.(CAN)18.(ESC)1"))
        << "the row wraps before its last column";
    EXPECT_TRUE(Row(7).startsWith(QStringLiteral("B. ")));
    Receive("\x01");
    EXPECT_TRUE(Row(7).startsWith(QStringLiteral("B.") + QChar::fromLatin1('\x01') + QStringLiteral("01.")))
        << "other control bytes show as their glyph";
}

TEST_F(TerminalScreens, HexModeCrAndLfMoveTheCursor)
{
    Terminal.DoAltKey('x');
    Receive("A\r");
    EXPECT_TRUE(Row(6).startsWith(QStringLiteral("A41. ")));
    EXPECT_TRUE(Row(7).startsWith(QStringLiteral("0D. ")));
    Receive("\n");
    EXPECT_TRUE(Row(8).startsWith(QStringLiteral("0A. ")));

    Terminal.DoAltKey('c');
    Receive("\r");
    EXPECT_TRUE(Row(9).trimmed().isEmpty()) << "CR+LF mode: two new lines first";
    EXPECT_TRUE(Row(10).startsWith(QStringLiteral("0D. ")));
}

TEST_F(TerminalScreens, LocalEchoIsLightGrey)
{
    EXPECT_TRUE(Terminal.ShowText('k', 7));
    EXPECT_EQ(Attr(0, 6), 7);
    Receive("r");
    EXPECT_EQ(Attr(1, 6), 3);
}

TEST_F(TerminalScreens, WriteAtRestoresCursorAndAttribute)
{
    Receive("abc");
    Terminal.WriteAt(Console.MainBuffer(), "XYZ", 40, 10, 63);
    EXPECT_EQ(Row(10).mid(40, 3), QStringLiteral("XYZ"));
    EXPECT_EQ(Attr(41, 10), 63);
    EXPECT_EQ(Cursor(), (TCoord{3, 6}));
    TBufferInfo info;
    Console.GetBufferInfo(Console.MainBuffer(), info);
    EXPECT_EQ(info.Attribute, 3);
}

TEST_F(TerminalScreens, DrawingFailuresGoToTheLog)
{
    Terminal.WriteAt(5, "x", 0, 0, 7);
    ASSERT_EQ(Log.size(), 1);
    EXPECT_TRUE(Log[0].startsWith(QStringLiteral("In GetConsoleScreenBufferInfo -> Error number: "))) << Log[0].toStdString();
    EXPECT_TRUE(Terminal.ErrorSeen());
}

TEST(TerminalPortRow, LongPortNameStaysInsideTheBox)
{
    TTempSettings settings;
    TMemoryConsole console;
    TScriptedPrompter prompter;
    TTerminal terminal(console, prompter, {}, true, QStringLiteral("/dev/ttyUSB12345"));
    terminal.LoadSettings();
    terminal.DrawMainScreen();
    EXPECT_EQ(terminal.ComPort(), QStringLiteral("/dev/ttyUSB1234")) << "at most 15 characters";
    EXPECT_EQ(RowText(console, 0, 2).at(79), QChar::fromLatin1(Vertical));
    EXPECT_EQ(RowText(console, 0, 3).at(0), QChar::fromLatin1(Vertical));
    EXPECT_TRUE(RowText(console, 0, 3).mid(2).startsWith(QStringLiteral("CR=")));
}
