#pragma once
// Runs ser2net for a test: a generated YAML configuration that serves the
// given devices on free ports of 127.0.0.1 (raw TCP or Telnet with RFC 2217),
// started as "ser2net -n -d -c FILE" and stopped by its process id.

#include <QList>
#include <QProcess>
#include <QString>

namespace orvantis::test {

class TSer2NetProcess {
public:
    struct TServed {
        QString Device;                          // the simulator's link
        bool Rfc2217 = false;
        QString Settings = QStringLiteral("115200n81");  // the line as ser2net opens it
    };

    TSer2NetProcess() = default;
    ~TSer2NetProcess() { Stop(); }
    TSer2NetProcess(const TSer2NetProcess&) = delete;
    TSer2NetProcess& operator=(const TSer2NetProcess&) = delete;

    // Where ser2net is; empty when this machine lacks it.
    static QString Program();
    // Why network tests cannot run here; empty when they can.
    static QString MissingReason();

    // Writes the configuration into dir, starts ser2net and waits until it
    // takes connections on every port.
    bool Start(const QString& dir, const QList<TServed>& served);
    // SIGTERM to its process id, then SIGKILL if it does not end in time.
    void Stop();
    // "tcp://127.0.0.1:PORT" or "rfc2217://127.0.0.1:PORT" of the i-th device.
    QString Address(int i) const;
    quint16 Port(int i) const { return FPorts.value(i); }
    QByteArray Output();

private:
    QProcess FProcess;
    QList<TServed> FServed;
    QList<quint16> FPorts;
};

// A port of 127.0.0.1 that nothing listens on just now.
quint16 FreeLocalPort();

}  // namespace orvantis::test
