#pragma once
// TFleet: one operation on every instrument at once (detect, send or
// receive). Each port is worked in a thread of its own by a session of its
// own: its own port object, model and log, the same sequences as Detect,
// Send and Receive. A port's work never waits for another's, so an
// instrument that is silent, refuses a line or loses its cable costs only
// its own row. What the workers tell reaches the fleet's owner through
// queued signals, in the owner's thread.

#include "PortAddress.h"
#include "Session.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QThread;

namespace orvantis {

enum class TFleetOperation { Detect, Send, Receive };

struct TFleetJob {
    TFleetOperation Operation = TFleetOperation::Detect;
    // The ports to try; only those that may be there (PortPresent) are.
    // Workers, signals and rows name a port by its place in this list.
    QList<TPortAddress> Ports;
    // Send: the project as text, and its name; each instrument's session
    // takes a copy. The one who starts the fleet has asked about a project
    // that did not load whole: the workers send it.
    TLineList ProjectText;
    QString ProjectName;
    TSendOptions SendOptions;
    // Receive: the folder of the projects read, one "<name>-<port>.pro" each.
    QString ReceiveFolder;
};

// What became of one port.
struct TFleetRow {
    int PortIndex = -1;   // the port's place in the job's list
    QString Port;         // "COM3"
    QString Instrument;   // the name that answered; empty when no instrument of ours did
    QString VersionText;
    TTransferResult Result = TTransferResult::NoInstrument;
    QString Outcome;      // in words: "sent", "error at line 37 of 122 (refused)", "not used"
    QString File;         // the backup (Send) or the project saved (Receive)
    QString BackupProblem;  // Send: why no backup could be made, and so nothing was sent
    bool PortFailed = false;  // the device is there but would not open: whatever is behind it was not reached
    qint64 Milliseconds = 0;

    bool HasInstrument() const { return !Instrument.isEmpty(); }
    bool Succeeded() const { return HasInstrument() && Result == TTransferResult::Complete; }
};

// Carries one worker's news to the fleet: its signals are emitted in the
// worker's thread and connected, queued, to the fleet.
class TFleetReporter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void Logged(const QString& line);
    void InstrumentFound(int port, const QString& name, const QString& versionText);
    void PhaseChanged(int port, const QString& phase);
    void Progress(int port, int done, int total);
    void Done(const orvantis::TFleetRow& row);
};

class TFleet : public QObject {
    Q_OBJECT

public:
    explicit TFleet(QObject* parent = nullptr);
    // Waits for the workers: each ends within its time-outs.
    ~TFleet() override;

    // Starts one worker per present port of the job and returns their places
    // in the job's list;
    // none when no port is present or the fleet still runs (then nothing
    // starts and Finished does not come).
    QList<int> Start(const TFleetJob& job);
    // Start, then take events until every worker has ended; the rows.
    QList<TFleetRow> Run(const TFleetJob& job);
    bool IsRunning() const { return FRunning > 0; }
    // The port at place port of the last job started.
    TPortAddress PortAt(int port) const { return FPorts.value(port); }
    // The rows of the ports done so far, in port order.
    QList<TFleetRow> Rows() const { return FRows.values(); }

signals:
    // One line of a port's log, after its port: "COM3: COM3 -> OV+ DVB-T2 ver1.20".
    void Logged(const QString& line);
    void InstrumentFound(int port, const QString& name, const QString& versionText);
    // "detecting", "backing up", "sending", "receiving".
    void PhaseChanged(int port, const QString& phase);
    // done of total lines or requests; (0, 0) when a transfer has ended.
    void Progress(int port, int done, int total);
    void PortDone(const orvantis::TFleetRow& row);
    // Every worker has ended and closed its ports.
    void Finished();

private:
    void OnDone(const TFleetRow& row);
    void OnWorkerEnded();

    std::vector<std::unique_ptr<QThread>> FThreads;
    QMap<int, TFleetRow> FRows;
    QList<TPortAddress> FPorts;
    int FRunning = 0;
};

// The closing table: a header, then port, instrument, result, time and file
// (backup or saved project) for every port tried, in aligned columns.
QStringList FleetTable(const QList<TFleetRow>& rows, TFleetOperation operation);
// "sent to 2 of 3 instruments", "no instrument answered on the 4 ports tried",
// and "; COM1 would not open" after either when a port failed so; translated:
// in the user's language, for a window (the log keeps English).
QString FleetVerdict(const QList<TFleetRow>& rows, TFleetOperation operation, bool translated = false);
// True when at least one instrument answered, every one succeeded and every
// port that is there opened.
bool FleetSucceeded(const QList<TFleetRow>& rows);

}  // namespace orvantis

Q_DECLARE_METATYPE(orvantis::TFleetRow)
