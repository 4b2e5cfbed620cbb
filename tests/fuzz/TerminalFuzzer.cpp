// libFuzzer target: bytes arriving at the serial terminal, mixed with typed
// keys and Alt commands, in every mode and on consoles of many sizes.
//
// Input: a byte of switches (bit 0 CR+LF, bit 1 local echo, bit 2 hexadecimal,
// bit 3 help screen shown), the console's width (1 + byte % 160) and height
// (1 + byte % 64), then runs of events: a header byte whose top two bits say
// what follows (0 or 1 received bytes, 2 typed keys, 3 Alt keys) and whose low
// six bits hold the run's length less one, and the run's bytes.
//
// After every event each buffer's cursor is inside it and the shown screen is
// the one HelpShown() names. Where the console has room for the terminal area
// (7 rows, 2 columns): received bytes and typed keys change neither the rows
// above the area nor the help screen and keep the cursor in the area; a
// character shown as text lands just left of the cursor in its colour, a line
// end leaves the cursor in column 0, and in hexadecimal mode every byte ends
// with its two digits and a full stop. On a console of the program's width the
// main screen's status rows always show the port and the switches as they
// are, and drawing never reports an error.

#include "MemoryConsole.h"
#include "Terminal.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace orvantis;

namespace {

constexpr int AreaTopRow = 6;
constexpr int ProgramWidth = 80;

// The terminal asks only when its settings cannot be read or saved, which
// never happens here: the settings store is not touched.
class TNoPrompter : public IPrompter {
public:
    TMsgButton Message(const QString&, const QString&, TMsgIcon, TMsgButtons) override { return TMsgButton::Ok; }
    std::optional<QString> OpenFileName(const TFileDialogOptions&) override { return std::nullopt; }
    std::optional<QString> SaveFileName(const TFileDialogOptions&) override { return std::nullopt; }
};

[[noreturn]] void Fail(const char* what, TCoord at = {})
{
    std::fprintf(stderr, "%s (at %d,%d)\n", what, at.X, at.Y);
    std::abort();
}

// The cells of the first rows of a buffer, row after row.
std::vector<TCell> Rows(const TScreenBuffer& buffer, int rows)
{
    std::vector<TCell> cells;
    cells.reserve(std::size_t(buffer.Width()) * std::size_t(std::min(rows, buffer.Height())));
    for (int y = 0; y < std::min(rows, buffer.Height()); ++y)
        for (int x = 0; x < buffer.Width(); ++x) cells.push_back(buffer.At(x, y));
    return cells;
}

bool SameRows(const TScreenBuffer& buffer, const std::vector<TCell>& cells)
{
    std::size_t i = 0;
    for (int y = 0; y < buffer.Height() && i < cells.size(); ++y)
        for (int x = 0; x < buffer.Width(); ++x)
            if (!(buffer.At(x, y) == cells[i++])) return false;
    return true;
}

// Bell, backspace, tab, LF and CR move the cursor (or nothing) instead of
// leaving a character.
bool IsGlyph(std::uint8_t byte)
{
    return byte != 0x07 && byte != 0x08 && byte != 0x09 && byte != 0x0A && byte != 0x0D;
}

class TTerminalCheck {
public:
    TTerminalCheck(const TMemoryConsole& console, const TTerminal& terminal)
        : FConsole(console),
          FTerminal(terminal),
          FMain(*console.Buffer(console.MainBuffer())),
          FHelp(*console.Buffer(terminal.HelpBuffer())),
          FHasArea(FMain.Height() > AreaTopRow && FMain.Width() > 1)
    {
        Remember();
    }

    // What only Alt commands may change.
    void Remember()
    {
        FStatusRows = Rows(FMain, AreaTopRow);
        FHelpScreen = Rows(FHelp, FHelp.Height());
    }

    void Always() const
    {
        for (const TScreenBuffer* b : {&FMain, &FHelp})
            if (!b->Inside(b->Cursor())) Fail("cursor outside its buffer", b->Cursor());
        const bool helpActive = FConsole.ActiveBuffer() == FTerminal.HelpBuffer();
        if (helpActive != FTerminal.HelpShown()) Fail("the shown screen is not the one HelpShown() names");
        if (!helpActive && FConsole.ActiveBuffer() != FConsole.MainBuffer()) Fail("a third screen is shown");
    }

    // After a byte shown as text: received, or typed with local echo.
    void AfterText(std::uint8_t byte, TAttribute attribute) const
    {
        Always();
        const TCoord cursor = InArea();
        if (byte == '\r' || byte == '\n') {
            if (cursor.X != 0) Fail("a line end left the cursor inside the row", cursor);
        } else if (IsGlyph(byte)) {
            ExpectLeftOfCursor(0, byte, attribute);
        }
    }

    // After a byte received in hexadecimal mode: its two digits and a full
    // stop, unless the row wrapped between them.
    void AfterHex(std::uint8_t byte) const
    {
        Always();
        const TCoord cursor = InArea();
        ExpectLeftOfCursor(0, '.', TermAttr::Area);
        if (cursor.X < 3) return;
        static constexpr char Digits[] = "0123456789ABCDEF";
        ExpectLeftOfCursor(2, std::uint8_t(Digits[byte >> 4]), TermAttr::Area);
        ExpectLeftOfCursor(1, std::uint8_t(Digits[byte & 0xF]), TermAttr::Area);
    }

    // The main screen's status rows show the port and the switches as they
    // are, whichever screen is shown (on a console as wide as the program's).
    void StatusShown() const
    {
        if (FMain.Width() < ProgramWidth || FMain.Height() <= AreaTopRow) return;
        const std::string port = FMain.RowText(2).substr(2);
        if (!port.starts_with(FTerminal.ComPort().toStdString() + ": 115200")) Fail("the port row is stale");
        const std::string modes = FMain.RowText(3);
        if (modes.substr(5, 5) != (FTerminal.CrLf() ? "CR+LF" : "CR   ") ||
            modes.substr(17, 5) != (FTerminal.Local() ? "Local" : "None ") ||
            modes.substr(29, 4) != (FTerminal.Hex() ? "Hex " : "Text"))
            Fail("the mode row is stale");
    }

    void Unchanged() const
    {
        if (!FHasArea) return;
        if (!SameRows(FMain, FStatusRows)) Fail("the status rows changed");
        if (!SameRows(FHelp, FHelpScreen)) Fail("the help screen changed");
    }

private:
    // The cursor, which bytes never move out of the terminal area.
    TCoord InArea() const
    {
        const TCoord cursor = FMain.Cursor();
        if (FHasArea && cursor.Y < AreaTopRow) Fail("cursor above the terminal area", cursor);
        return cursor;
    }

    // The cell back from the cursor holds ch in attribute.
    void ExpectLeftOfCursor(int back, std::uint8_t ch, TAttribute attribute) const
    {
        if (!FHasArea) return;
        const TCoord cursor = FMain.Cursor();
        if (cursor.X <= back) Fail("a shown character wrapped the row", cursor);
        const TCell cell = FMain.At(cursor.X - 1 - back, cursor.Y);
        if (cell.Char != ch || cell.Attribute != attribute) Fail("the shown character is not where it belongs", cursor);
    }

    const TMemoryConsole& FConsole;
    const TTerminal& FTerminal;
    const TScreenBuffer& FMain;
    const TScreenBuffer& FHelp;
    const bool FHasArea;
    std::vector<TCell> FStatusRows;
    std::vector<TCell> FHelpScreen;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3) return 0;
    const int width = 1 + data[1] % 160;
    const int height = 1 + data[2] % 64;

    TMemoryConsole console(width, height);
    TNoPrompter prompter;
    int errors = 0;
    TTerminal terminal(console, prompter, [&](const QString&) { ++errors; }, false, QStringLiteral("COM1"));
    // As a run starts: the help screen, the switches as if read from the
    // settings, the main screen.
    console.Open();
    terminal.CreateHelpScreen();
    if (data[0] & 1) terminal.DoAltKey('c');
    if (data[0] & 2) terminal.DoAltKey('l');
    if (data[0] & 4) terminal.DoAltKey('x');
    terminal.DrawMainScreen();
    if (data[0] & 8) terminal.DoAltKey('h');

    TTerminalCheck check(console, terminal);
    check.Always();
    check.StatusShown();
    bool redrawn = false;  // by Alt commands since the screens were remembered
    bool ended = false;    // by Alt+Q
    for (std::size_t at = 3; at < size && !ended;) {
        const int kind = data[at] >> 6;
        const std::size_t count = std::min<std::size_t>((data[at] & 63) + 1, size - at - 1);
        const std::uint8_t* run = data + at + 1;
        at += 1 + count;
        if (kind == 3 && !redrawn) check.Unchanged();
        if (kind <= 2 && redrawn) {
            check.Remember();
            redrawn = false;
        }
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint8_t byte = run[i];
            if (kind <= 1) {
                terminal.ShowReceived(byte);
                if (terminal.Hex())
                    check.AfterHex(byte);
                else
                    check.AfterText(byte, TermAttr::Area);
            } else if (byte == 0) {
                continue;  // a key that types nothing
            } else if (kind == 2) {
                // As the run's key handler: sent, and shown when echoing.
                if (!terminal.Local()) continue;
                terminal.ShowText(byte, TermAttr::Echo);
                check.AfterText(byte, TermAttr::Echo);
            } else {
                if (byte == 'q' || byte == 'Q') {
                    ended = true;
                    break;
                }
                terminal.DoAltKey(byte);
                check.Always();
                check.StatusShown();
                redrawn = true;
            }
        }
    }
    if (!redrawn) check.Unchanged();
    if (errors != 0 && width >= ProgramWidth && height > AreaTopRow) Fail("drawing reported an error");
    return 0;
}
