#pragma once
// TTerminal: the full-screen serial terminal of the Tools menu. One call to
// Run opens the console, talks to the port until the user leaves (Alt+Q),
// and closes the console again; the caller does not respond meanwhile.
// Errors go as lines into the main window's log; deleting the object saves
// the port and the three switches for the next run.

#include "Console.h"
#include "PortDevice.h"
#include "Prompter.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace orvantis {

using TLogFunction = std::function<void(const QString&)>;

// Screen attributes of the terminal.
namespace TermAttr {
inline constexpr TAttribute Value = 2;        // green: values in the status rows, the notice
inline constexpr TAttribute Area = 3;         // cyan: the terminal area, received bytes
inline constexpr TAttribute Echo = 7;         // light grey: local echo, help descriptions
inline constexpr TAttribute Label = 10;       // bright green: labels, inside of the status box
inline constexpr TAttribute Intensity = 8;    // added to show a received character brightly in hex mode
inline constexpr TAttribute Frame = 15;       // bright white: frames, help key names
inline constexpr TAttribute Title = 31;       // bright white on blue: title and version
inline constexpr TAttribute BoxTitle = 63;    // bright white on cyan: " status ", " terminal ", "   HELP   "
}  // namespace TermAttr

class TTerminal {
public:
    // log may be empty: errors are then not reported. detected and
    // detectedPort: whether the main window found an instrument, and on which
    // port ("COM7"); that port then wins over the stored one. The port is
    // reached through a device that deviceFactory makes.
    TTerminal(IConsole& console, IPrompter& prompter, TLogFunction log, bool detected, const QString& detectedPort,
              TDeviceFactory deviceFactory = MakeProgramDevice);
    ~TTerminal();
    TTerminal(const TTerminal&) = delete;
    TTerminal& operator=(const TTerminal&) = delete;

    // True when the run ended normally; false when the console failed (the
    // failure is in the log).
    bool Run();
    // Opens the port and serves keys and received bytes until Alt+Q, a port
    // switch, the idle time-out or the window's close; closes the port.
    void ProcessIO(TConsoleBuffer output);

    // 1000 s by default: the run ends when that long passes with neither a key
    // nor a received byte.
    void SetIdleTimeout(int milliseconds) { FIdleTimeoutMs = milliseconds; }

    const QString& ComPort() const { return FComPort; }
    bool Local() const { return bLocal; }
    bool CrLf() const { return bCRLF; }
    bool Hex() const { return bHex; }
    bool ErrorSeen() const { return FErrorSeen; }
    bool HelpShown() const { return FHelpShown; }
    TConsoleBuffer HelpBuffer() const { return FHelpBuffer; }

    // The screen operations, public so that the screens can be checked on
    // their own.
    void LoadSettings();
    void SaveSettings();
    bool DoAltKey(std::uint8_t ch);
    void ShowReceived(std::uint8_t byte);
    bool ShowText(std::uint8_t byte, TAttribute attribute);
    bool ShowHex(std::uint8_t byte, TAttribute attribute);
    void NewLine(TConsoleBuffer buffer);
    void ScrollUp(TConsoleBuffer buffer);
    void WriteAt(TConsoleBuffer buffer, const QByteArray& text, int column, int row, TAttribute attribute);
    void DrawMainScreen();
    // A second screen buffer of the console, with the help screen drawn in it.
    void CreateHelpScreen();
    void DrawHelpScreen();
    void DrawStatus(TConsoleBuffer buffer);

private:
    bool OpenPort();
    void ClosePort();
    void ReportError(const QString& text, int code);
    void DrawFrame(TConsoleBuffer buffer, const QByteArray& bottomTitle);
    void DrawTitleRow(TConsoleBuffer buffer);
    void DrawPortRow(TConsoleBuffer buffer);
    void DrawModeRow(TConsoleBuffer buffer);
    int Width(TConsoleBuffer buffer);

    IConsole& FConsole;
    IPrompter& FPrompter;
    TLogFunction FLog;
    bool FDetected;
    QString FDetectedPort;

    bool FRestart = false;
    bool FErrorSeen = false;
    bool FHelpShown = false;
    bool FSettingsLoaded = false;
    QString FComPort;                    // as shown: at most 15 characters
    std::optional<TPortAddress> FAddress;  // the port it names; nothing when it names none
    bool bLocal = false;
    bool bCRLF = false;
    bool bHex = false;

    TConsoleBuffer FOutput;
    TConsoleBuffer FHelpBuffer = -1;
    TDeviceFactory FDeviceFactory;
    std::unique_ptr<ISerialDevice> FPort;
    std::uint8_t FRxByte = 0;
    std::uint8_t FTxByte = 0;
    int FIdleTimeoutMs = 1000 * 1000;
};

}  // namespace orvantis
