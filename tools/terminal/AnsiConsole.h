#pragma once
// The console on a Linux text terminal (a local terminal, SSH, tmux): raw
// keyboard mode, the alternate screen, ANSI colours and positioning, and Alt
// arriving as an ESC prefix. The terminal is put back as it was on every
// exit, a crash signal included.

#include "MemoryConsole.h"

#include <memory>
#include <vector>

class QSocketNotifier;

namespace orvantis {

class TAnsiConsole : public TMemoryConsole {
public:
    // input and output: the terminal's file descriptors.
    TAnsiConsole(int input = 0, int output = 1, int rows = 25);
    ~TAnsiConsole() override;

    bool Open() override;
    bool Close() override;

protected:
    void Changed() override;

private:
    void ReadInput();
    void Render();

    int FInput;
    int FOutput;
    bool FActive = false;
    bool FRenderPending = false;
    bool FFullRender = true;
    std::vector<TCell> FShown;
    std::unique_ptr<QSocketNotifier> FNotifier;
};

// Bytes read from the terminal as console keys: ESC followed by a character
// is that character with Alt, a lone ESC is Escape, and the escape sequences
// of arrows and function keys are keys that type nothing.
std::vector<TKeyEvent> ParseTerminalInput(const std::string& bytes);

}  // namespace orvantis
