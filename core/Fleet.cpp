#include "Fleet.h"

#include "FleetWorker.h"
#include "PortMap.h"
#include "UserFiles.h"

#include <QDir>
#include <QEventLoop>
#include <QThread>

#include <algorithm>

namespace orvantis {

TFleet::TFleet(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<TFleetRow>();
}

TFleet::~TFleet()
{
    for (const auto& thread : FThreads) thread->wait();
}

QList<int> TFleet::Start(const TFleetJob& job)
{
    if (IsRunning()) return {};
    for (const auto& thread : FThreads) thread->wait();
    FThreads.clear();
    FRows.clear();
    FPorts = job.Ports;

    QList<int> ports;
    for (int index = 0; index < job.Ports.size(); ++index)
        if (PortPresent(job.Ports[index])) ports << index;
    // Made once here rather than by every worker at the same moment.
    if (job.Operation == TFleetOperation::Send && job.SendOptions.BackUp)
        QDir().mkpath(job.SendOptions.BackupFolder.isEmpty() ? DefaultBackupFolder() : job.SendOptions.BackupFolder);

    const auto shared = std::make_shared<const TFleetJob>(job);
    for (int index : ports) {
        // The reporter lives here; the worker emits its signals from its own
        // thread, so they come queued, in the order they were emitted.
        auto* reporter = new TFleetReporter(this);
        connect(reporter, &TFleetReporter::Logged, this, &TFleet::Logged, Qt::QueuedConnection);
        connect(reporter, &TFleetReporter::InstrumentFound, this, &TFleet::InstrumentFound, Qt::QueuedConnection);
        connect(reporter, &TFleetReporter::PhaseChanged, this, &TFleet::PhaseChanged, Qt::QueuedConnection);
        connect(reporter, &TFleetReporter::Progress, this, &TFleet::Progress, Qt::QueuedConnection);
        connect(reporter, &TFleetReporter::Done, this, &TFleet::OnDone, Qt::QueuedConnection);

        std::unique_ptr<QThread> thread(QThread::create([shared, index, reporter] {
            emit reporter->Done(RunFleetPort(*shared, index, *reporter));
        }));
        // Emitted by the ending thread after its Done: comes after it.
        connect(thread.get(), &QThread::finished, this, &TFleet::OnWorkerEnded, Qt::QueuedConnection);
        connect(thread.get(), &QThread::finished, reporter, &QObject::deleteLater, Qt::QueuedConnection);
        FThreads.push_back(std::move(thread));
    }
    FRunning = static_cast<int>(FThreads.size());
    for (const auto& thread : FThreads) thread->start();
    return ports;
}

QList<TFleetRow> TFleet::Run(const TFleetJob& job)
{
    if (!Start(job).isEmpty()) {
        QEventLoop loop;
        connect(this, &TFleet::Finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return Rows();
}

void TFleet::OnDone(const TFleetRow& row)
{
    FRows.insert(row.PortIndex, row);
    emit PortDone(row);
}

void TFleet::OnWorkerEnded()
{
    if (--FRunning == 0) emit Finished();
}

QStringList FleetTable(const QList<TFleetRow>& rows, TFleetOperation operation)
{
    const QString fileHeader = operation == TFleetOperation::Send      ? QStringLiteral("backup")
                               : operation == TFleetOperation::Receive ? QStringLiteral("saved as")
                                                                       : QStringLiteral("version");
    QList<QStringList> cells{{QStringLiteral("port"), QStringLiteral("instrument"), QStringLiteral("result"),
                              QStringLiteral("time"), fileHeader}};
    const QString none = QStringLiteral("-");
    for (const TFleetRow& row : rows) {
        const QString last = operation == TFleetOperation::Detect ? row.VersionText : row.File;
        cells << QStringList{row.Port, row.HasInstrument() ? row.Instrument : none, row.Outcome,
                             QString::number(static_cast<double>(row.Milliseconds) / 1000.0, 'f', 1) + QStringLiteral(" s"),
                             last.isEmpty() ? none : last};
    }
    QList<qsizetype> widths(cells.first().size(), 0);
    for (const QStringList& line : cells)
        for (qsizetype i = 0; i < line.size(); ++i) widths[i] = std::max(widths[i], line[i].size());
    QStringList table;
    for (const QStringList& line : cells) {
        QString text;
        for (qsizetype i = 0; i + 1 < line.size(); ++i) text += line[i].leftJustified(widths[i] + 2);
        table << text + line.last();
    }
    return table;
}

QString FleetVerdict(const QList<TFleetRow>& rows, TFleetOperation operation)
{
    const qsizetype instruments = std::count_if(rows.begin(), rows.end(), [](const TFleetRow& r) { return r.HasInstrument(); });
    const qsizetype done = std::count_if(rows.begin(), rows.end(), [](const TFleetRow& r) { return r.Succeeded(); });
    QStringList closed;
    for (const TFleetRow& row : rows)
        if (row.PortFailed) closed << row.Port;
    const QString unopened = closed.isEmpty() ? QString() : QStringLiteral("; %1 would not open").arg(closed.join(QStringLiteral(", ")));
    if (instruments == 0)
        return QStringLiteral("no instrument answered on the %1 ports tried").arg(rows.size()) + unopened;
    if (operation == TFleetOperation::Detect)
        return (instruments == 1 ? QStringLiteral("1 instrument found") : QStringLiteral("%1 instruments found").arg(instruments)) +
               unopened;
    const QString what = operation == TFleetOperation::Send ? QStringLiteral("sent to") : QStringLiteral("received from");
    return QStringLiteral("%1 %2 of %3 instruments").arg(what).arg(done).arg(instruments) + unopened;
}

bool FleetSucceeded(const QList<TFleetRow>& rows)
{
    bool any = false;
    for (const TFleetRow& row : rows) {
        if (row.PortFailed) return false;
        if (!row.HasInstrument()) continue;
        if (!row.Succeeded()) return false;
        any = true;
    }
    return any;
}

}  // namespace orvantis
