#pragma once
// TSendAllDlg: Tools > "Send to All Instruments...". The project goes to
// every instrument at once; the dialog shows one row per port tried: the
// instrument that answered, a progress bar of its backup and its send, and
// what became of it. It stays open, and cannot be closed, until every port
// is done; the log gets each port's lines and the closing table.

#include "Fleet.h"

#include <QDialog>
#include <QMap>

class QGridLayout;
class QLabel;
class QProgressBar;
class QPushButton;

namespace orvantis {

class TSendAllDlg : public QDialog {
    Q_OBJECT

public:
    explicit TSendAllDlg(QWidget* parent = nullptr);

    // Its Logged signal carries every port's log lines.
    TFleet& Fleet() { return FFleet; }
    // Starts the job and shows the dialog until the user closes it after
    // the end; every port's row. Empty, and nothing shown, when none of the
    // job's ports is there.
    QList<TFleetRow> Run(const TFleetJob& job, const QString& projectName);
    bool IsRunning() const { return FFleet.IsRunning(); }

    // Closing is refused while a send runs (a closing signal closes it when
    // every port is done).
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct TPortRow {
        QLabel* Instrument;
        QProgressBar* Bar;
        QLabel* State;
    };
    void AddRow(int port);
    void OnFound(int port, const QString& name, const QString& versionText);
    void OnPhase(int port, const QString& phase);
    void OnProgress(int port, int done, int total);
    void OnPortDone(const TFleetRow& row);
    void OnFinished();

    TFleet FFleet;
    QLabel* FHeadline;
    QGridLayout* FGrid;
    QPushButton* FCloseBtn;
    QMap<int, TPortRow> FRows;
    bool FCloseWhenDone = false;
};

}  // namespace orvantis
