#pragma once
// SIGTERM, SIGINT and SIGHUP as a Qt signal, so that a logout, a kill or
// Ctrl+C in the terminal that started the program close the main window as
// its close box does (the log file is written) instead of ending the process
// on the spot. The system's handler only writes the signal's number into a
// socket pair that the event loop reads.

#include <QObject>

class QSocketNotifier;

namespace orvantis {

class TStopSignals : public QObject {
    Q_OBJECT
public:
    // First thing in main(): the three signals are held back until a
    // TStopSignals exists, so that none ends the program before it can stop
    // cleanly.
    static void Hold();
    // Installs the handlers, then lets the held signals through.
    explicit TStopSignals(QObject* parent = nullptr);
    ~TStopSignals() override;

signals:
    void Received(int signalNumber);

private:
    QSocketNotifier* FNotifier = nullptr;
};

}  // namespace orvantis
