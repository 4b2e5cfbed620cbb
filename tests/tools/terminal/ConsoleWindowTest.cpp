// The console window: keys become console keys, the window paints the active
// buffer in the console colours, and closing it asks the run to end. With
// ORVANTIS_SCREENSHOT set, the painted terminal is saved there as a PNG.

#include "ConsoleWindow.h"
#include "ScriptedPrompter.h"
#include "Terminal.h"
#include "TerminalTestSupport.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

using namespace orvantis;
using namespace orvantis::test;

namespace {

// The keys that type something; modifier presses of their own type nothing.
std::vector<TKeyEvent> Drain(TMemoryConsole& console)
{
    std::vector<TKeyEvent> keys;
    TKeyEvent key;
    while (console.ReadKey(key))
        if (key.Char != 0) keys.push_back(key);
    return keys;
}

QColor CellBackground(const QImage& image, const QSize& cell, int x, int y)
{
    // A corner pixel of the cell: the glyph never reaches it.
    return image.pixelColor(x * cell.width(), y * cell.height() + 1);
}

}  // namespace

TEST(ConsoleWindow, KeysArriveAsConsoleKeys)
{
    TWindowConsole console(nullptr);
    TConsoleWindow& window = console.Window();
    QTest::keyClick(&window, Qt::Key_A);
    QTest::keyClick(&window, Qt::Key_Return);
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Tab);
    QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
    QTest::sendKeyEvent(QTest::Press, &window, Qt::Key_AltGr, QString(), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, &window, Qt::Key_At, QStringLiteral("@"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, &window, Qt::Key_AltGr, QString(), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, &window, Qt::Key_At, QStringLiteral("@"), Qt::NoModifier);
    const std::vector<TKeyEvent> expected = {{'a', false}, {0x0D, false}, {0x11, false}, {0x09, false},
                                             {'x', true},  {'@', true},   {'@', false}};
    EXPECT_EQ(Drain(console), expected);
}

TEST(ConsoleWindow, ClosingTheWindowRequestsTheEndAndKeepsItOpen)
{
    TWindowConsole console(nullptr);
    console.Open();
    EXPECT_TRUE(console.Window().isVisible());
    EXPECT_TRUE(console.Window().isWindow()) << "a window of its own";
    EXPECT_EQ(console.Window().windowModality(), Qt::ApplicationModal);
    console.Window().close();
    EXPECT_TRUE(console.CloseRequested());
    EXPECT_TRUE(console.Window().isVisible()) << "the run closes it once it has ended";
    console.Close();
    EXPECT_FALSE(console.Window().isVisible());
}

TEST(ConsoleWindow, PaintsTheTerminalInConsoleColours)
{
    TTempSettings settings;
    TWindowConsole console(nullptr);
    TScriptedPrompter prompter;
    TTerminal terminal(console, prompter, {}, false, {});
    terminal.LoadSettings();
    terminal.DrawMainScreen();
    for (const char c : QByteArray("*?NAM\r\nORVANTIS+ DVB-T2\r\n*?VER\r\nVERSION 3.12\r\n")) terminal.ShowReceived(std::uint8_t(c));
    terminal.DoAltKey('x');
    for (const char c : QByteArray("\x11*?E2P0800\r\x13\x06")) terminal.ShowReceived(std::uint8_t(c));

    TConsoleWindow& window = console.Window();
    const QSize cell = window.CellSize();
    EXPECT_EQ(window.size(), QSize(cell.width() * 80, cell.height() * 25));
    const QImage image = window.grab().toImage();
    EXPECT_EQ(CellBackground(image, cell, 0, 0), QColor(0, 0, 0x80)) << "title on blue";
    EXPECT_EQ(CellBackground(image, cell, 37, 1), QColor(0, 0x80, 0x80)) << "box title on cyan";
    EXPECT_EQ(CellBackground(image, cell, 40, 12), QColor(Qt::black));

    // Some cyan text in the terminal area.
    bool cyanText = false;
    for (int x = 0; x < cell.width() * 10 && !cyanText; ++x)
        for (int y = 6 * cell.height(); y < 7 * cell.height(); ++y)
            if (image.pixelColor(x, y) == QColor(0, 0x80, 0x80)) cyanText = true;
    EXPECT_TRUE(cyanText);

    const QString shot = qEnvironmentVariable("ORVANTIS_SCREENSHOT");
    if (!shot.isEmpty()) {
        EXPECT_TRUE(image.save(shot));
    }
}
