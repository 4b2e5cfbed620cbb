#include "Terminal.h"

#include "TerminalSettings.h"

#include <QEventLoop>
#include <QTimer>

#include <cerrno>

namespace orvantis {

namespace {

constexpr int MaxPortNameLength = 15;
const QString Caption = QStringLiteral("Tools Terminal");

}  // namespace

TTerminal::TTerminal(IConsole& console, IPrompter& prompter, TLogFunction log, bool detected,
                     const QString& detectedPort, TDeviceFactory deviceFactory)
    : FConsole(console),
      FPrompter(prompter),
      FLog(std::move(log)),
      FDetected(detected),
      FDetectedPort(detectedPort),
      FOutput(console.MainBuffer()),
      FDeviceFactory(std::move(deviceFactory))
{
}

TTerminal::~TTerminal()
{
    ClosePort();
    SaveSettings();
}

void TTerminal::ReportError(const QString& text, int code)
{
    if (!FLog) return;
    FLog(QString::asprintf("%s -> Error number: %d", qPrintable(text), code));
    FErrorSeen = true;
}

bool TTerminal::Run()
{
    FErrorSeen = false;
    if (!FConsole.Open()) {
        ReportError(QStringLiteral("In AllocConsole"), FConsole.LastError());
        return false;
    }
    FOutput = FConsole.MainBuffer();
    CreateHelpScreen();
    LoadSettings();
    DrawMainScreen();
    do {
        FRestart = false;
        FConsole.FlushInput();
        ProcessIO(FOutput);
    } while (FRestart && !FConsole.CloseRequested());
    if (!FConsole.Close()) {
        ReportError(QStringLiteral("In FreeConsole"), FConsole.LastError());
        return false;
    }
    return true;
}

void TTerminal::LoadSettings()
{
    bLocal = bCRLF = bHex = false;
    TTerminalSettings values;
    values.bLocal = values.bCRLF = values.bHex = false;
    const auto result = TTerminalSettingsStore().Read(values);
    if (result == TTerminalSettingsStore::TReadResult::Failed)
        FPrompter.Message(Caption, QStringLiteral("Unable to read data from the Registry"), TMsgIcon::Error,
                          TMsgButton::Ok);
    bLocal = values.bLocal;
    bCRLF = values.bCRLF;
    bHex = values.bHex;
    if (FDetected)
        FComPort = FDetectedPort;
    else if (result == TTerminalSettingsStore::TReadResult::Read)
        FComPort = values.ComPort;
    else
        FComPort = QStringLiteral("COM1");
    // The address is read whole; only the name shown is cut to fit the box.
    FAddress = TPortAddress::Parse(FComPort);
    FComPort.truncate(MaxPortNameLength);
    FSettingsLoaded = true;
}

void TTerminal::SaveSettings()
{
    // Nothing to keep from an object that never ran, nor from a run that failed.
    if (!FSettingsLoaded || FErrorSeen) return;
    TTerminalSettings values;
    values.ComPort = FAddress ? FAddress->Name() : FComPort;
    values.bLocal = bLocal;
    values.bCRLF = bCRLF;
    values.bHex = bHex;
    if (!TTerminalSettingsStore().Write(values))
        FPrompter.Message(Caption, QStringLiteral("Unable to save data to the Registry"), TMsgIcon::Error,
                          TMsgButton::Ok);
}

bool TTerminal::OpenPort()
{
    // A name that is no port address has no device, as a COM port without one.
    FPort = FAddress && FDeviceFactory ? FDeviceFactory() : nullptr;
    if (!FPort || !FPort->Open(*FAddress)) {
        const int error = FPort ? FPort->ErrorNumber() : ENOENT;
        // A network port fails for many reasons: the system's words say which.
        const QString reason = FPort && FAddress->Kind() != TPortAddress::TKind::Com
                                   ? QStringLiteral(" (%1)").arg(FPort->ErrorString())
                                   : QString();
        FPort.reset();
        ReportError(QStringLiteral("[%1] In CreateFile%2").arg(FComPort, reason), error);
        return false;
    }
    // The link's line settings, flow control off (neither RTS/CTS nor
    // XON/XOFF): the instrument's XON and XOFF bytes reach the screen.
    if (!FPort->SetLine()) ReportError(QStringLiteral("In SetCommState"), FPort->ErrorNumber());
    // Pseudo-terminals have no modem lines; that is no error for the terminal.
    FPort->SetDtr(true);
    FPort->SetRts(true);
    return true;
}

void TTerminal::ClosePort()
{
    if (!FPort) return;
    if (FPort->IsOpen()) {
        FPort->WatchReads(nullptr);
        FPort->SetRts(false);
        FPort->SetDtr(false);
        FPort->Close();
    }
    FPort.reset();
}

void TTerminal::ProcessIO(TConsoleBuffer output)
{
    if (!OpenPort()) return;
    // A port switch made while the help screen is shown comes back to the
    // main screen, so that the screen and FHelpShown agree.
    FHelpShown = false;
    FConsole.SetActiveBuffer(output);

    bool status = true;
    int lastError = 0;
    bool stop = false;
    QEventLoop loop;
    QTimer idle;
    idle.setSingleShot(true);
    idle.setTimerType(Qt::PreciseTimer);  // a coarse timer may end the run up to 5% early
    idle.setInterval(FIdleTimeoutMs);
    const auto quit = [&] {
        stop = true;
        loop.quit();
    };

    QObject::connect(&idle, &QTimer::timeout, &loop, quit);
    FConsole.SetInputHandler([&] {
        if (stop) return;
        idle.start();
        if (FConsole.CloseRequested()) {
            FRestart = false;
            quit();
            return;
        }
        TKeyEvent key;
        while (!stop && FConsole.ReadKey(key)) {
            if (key.Char == 0) continue;
            if (key.Alt) {
                if (key.Char == 'q' || key.Char == 'Q' || DoAltKey(key.Char)) quit();
                continue;
            }
            FTxByte = key.Char;
            if (bLocal) ShowText(FTxByte, TermAttr::Echo);
            status = FPort->Write(reinterpret_cast<const char*>(&FTxByte), 1);
            if (!status) lastError = FPort->ErrorNumber();
        }
    });
    FPort->WatchReads([&](TReadResult event) {
        if (stop) return;
        if (event == TReadResult::Failed) {
            status = false;
            lastError = FPort->ErrorNumber();
            // A read fails only when the line has gone (an adapter pulled
            // out, the far end hung up): waiting on would only repeat it.
            quit();
            return;
        }
        idle.start();
        for (const char byte : FPort->TakeAvailable()) {
            if (stop) break;
            FRxByte = std::uint8_t(byte);
            status = true;
            ShowReceived(FRxByte);
        }
    });

    idle.start();
    loop.exec();

    FPort->WatchReads(nullptr);
    FConsole.SetInputHandler(nullptr);
    if (!status) ReportError(QStringLiteral("In ProcessIO"), lastError);
    ClosePort();
}

}  // namespace orvantis
