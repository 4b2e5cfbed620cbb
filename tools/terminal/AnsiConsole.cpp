#include "AnsiConsole.h"

#include "Cp437.h"

#include <QSocketNotifier>
#include <QString>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace orvantis {

namespace {

constexpr char Esc = 0x1B;
constexpr const char* EnterScreen = "\x1b[?1049h\x1b[?7l\x1b[2J";
constexpr const char* LeaveScreen = "\x1b[0m\x1b[?7h\x1b[?25h\x1b[?1049l";

// What a signal handler needs to put the terminal back: plain data only.
termios SavedMode;
int SavedOutput = -1;
volatile sig_atomic_t Restorable = 0;
constexpr int CrashSignals[] = {SIGTERM, SIGHUP, SIGINT, SIGQUIT, SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};
struct sigaction OldActions[sizeof CrashSignals / sizeof CrashSignals[0]];

void WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        data += n;
        size -= std::size_t(n);
    }
}

void RestoreTerminal()
{
    if (!Restorable) return;
    Restorable = 0;
    tcsetattr(SavedOutput, TCSAFLUSH, &SavedMode);
    WriteAll(SavedOutput, LeaveScreen, std::strlen(LeaveScreen));
}

void OnCrashSignal(int signal)
{
    RestoreTerminal();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void InstallSignalHandlers()
{
    struct sigaction action {};
    action.sa_handler = OnCrashSignal;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(CrashSignals); ++i) sigaction(CrashSignals[i], &action, &OldActions[i]);
}

void RemoveSignalHandlers()
{
    for (std::size_t i = 0; i < std::size(CrashSignals); ++i) sigaction(CrashSignals[i], &OldActions[i], nullptr);
}

// Console colour bits are blue 1, green 2, red 4; ANSI has them the other way round.
int AnsiColor(int console)
{
    return ((console & 1) << 2) | (console & 2) | ((console & 4) >> 2);
}

std::string Sgr(TAttribute attribute)
{
    const int fg = attribute & 15;
    const int bg = attribute >> 4;
    const int fgCode = (fg & 8 ? 90 : 30) + AnsiColor(fg);
    const int bgCode = (bg & 8 ? 100 : 40) + AnsiColor(bg);
    return "\x1b[0;" + std::to_string(fgCode) + ";" + std::to_string(bgCode) + "m";
}

std::string MoveTo(int x, int y)
{
    return "\x1b[" + std::to_string(y + 1) + ";" + std::to_string(x + 1) + "H";
}

}  // namespace

std::vector<TKeyEvent> ParseTerminalInput(const std::string& bytes)
{
    std::vector<TKeyEvent> keys;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i++];
        if (c != Esc) {
            keys.push_back({std::uint8_t(c), false});
            continue;
        }
        if (i == bytes.size()) {
            keys.push_back({std::uint8_t(Esc), false});
            continue;
        }
        const char next = bytes[i];
        if (next == '[' || next == 'O') {
            // CSI or SS3: parameters, then one final byte from '@' to '~'.
            ++i;
            while (i < bytes.size() && !(bytes[i] >= '@' && bytes[i] <= '~')) ++i;
            if (i < bytes.size()) ++i;
            keys.push_back({0, false});
            continue;
        }
        ++i;
        keys.push_back({std::uint8_t(next), true});
    }
    return keys;
}

TAnsiConsole::TAnsiConsole(int input, int output, int rows) : TMemoryConsole(80, rows), FInput(input), FOutput(output)
{
}

TAnsiConsole::~TAnsiConsole()
{
    if (FActive) Close();
}

bool TAnsiConsole::Open()
{
    if (!isatty(FInput) || !isatty(FOutput)) {
        SetLastError(ENOTTY);
        return false;
    }
    if (tcgetattr(FInput, &SavedMode) != 0) {
        SetLastError(errno);
        return false;
    }
    termios raw = SavedMode;
    cfmakeraw(&raw);
    if (tcsetattr(FInput, TCSAFLUSH, &raw) != 0) {
        SetLastError(errno);
        return false;
    }
    SavedOutput = FInput;
    Restorable = 1;
    InstallSignalHandlers();
    WriteAll(FOutput, EnterScreen, std::strlen(EnterScreen));
    FActive = true;
    FFullRender = true;
    FNotifier = std::make_unique<QSocketNotifier>(FInput, QSocketNotifier::Read);
    QObject::connect(FNotifier.get(), &QSocketNotifier::activated, [this] { ReadInput(); });
    TMemoryConsole::Open();
    Render();
    return true;
}

bool TAnsiConsole::Close()
{
    if (!FActive) return TMemoryConsole::Close();
    FNotifier.reset();
    FActive = false;
    RestoreTerminal();
    RemoveSignalHandlers();
    return TMemoryConsole::Close();
}

void TAnsiConsole::ReadInput()
{
    char buffer[64];
    const ssize_t n = ::read(FInput, buffer, sizeof buffer);
    if (n <= 0) {
        // The terminal has gone (the SSH session closed): end the run.
        if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
            FNotifier->setEnabled(false);
            RequestClose();
        }
        return;
    }
    for (const TKeyEvent& key : ParseTerminalInput(std::string(buffer, std::size_t(n)))) PushKey(key);
}

void TAnsiConsole::Changed()
{
    if (!FActive || FRenderPending) return;
    // Many small writes make one screen update.
    FRenderPending = true;
    QTimer::singleShot(0, [this] { Render(); });
}

void TAnsiConsole::Render()
{
    FRenderPending = false;
    if (!FActive) return;
    const TScreenBuffer& screen = Active();
    const std::size_t cells = std::size_t(screen.Width()) * std::size_t(screen.Height());
    if (FShown.size() != cells) {
        FShown.assign(cells, TCell{0, 0});
        FFullRender = true;
    }
    std::string out = "\x1b[?25l";
    int lastAttribute = -1;
    for (int y = 0; y < screen.Height(); ++y) {
        int nextX = -1;
        for (int x = 0; x < screen.Width(); ++x) {
            const TCell& cell = screen.At(x, y);
            TCell& shown = FShown[std::size_t(y * screen.Width() + x)];
            if (!FFullRender && cell == shown) continue;
            shown = cell;
            if (nextX != x) out += MoveTo(x, y);
            if (cell.Attribute != lastAttribute) {
                out += Sgr(cell.Attribute);
                lastAttribute = cell.Attribute;
            }
            out += QString(Cp437Glyph(cell.Char)).toStdString();
            nextX = x + 1;
        }
    }
    FFullRender = false;
    out += "\x1b[0m" + MoveTo(screen.Cursor().X, screen.Cursor().Y) + "\x1b[?25h";
    WriteAll(FOutput, out.data(), out.size());
}

}  // namespace orvantis
