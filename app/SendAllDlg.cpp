#include "SendAllDlg.h"

#include "PortAddress.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace orvantis {

namespace {

// The fleet's phases and plain outcomes ("sending", "sent") are its log's
// words; the rows show them in the user's language. An outcome with details
// stays as the log has it.
QString FleetWord(const QString& word)
{
    return QCoreApplication::translate("orvantis::TFleet", word.toUtf8().constData());
}

// Rows beyond this many scroll.
constexpr int RowsShown = 12;

QLabel* HeaderLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

TSendAllDlg::TSendAllDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SendAllDlg"));
    setWindowTitle(tr("Send to All Instruments"));
    auto* layout = new QVBoxLayout(this);
    FHeadline = new QLabel(this);
    FHeadline->setObjectName(QStringLiteral("Headline"));
    FHeadline->setWordWrap(true);
    layout->addWidget(FHeadline);

    auto* rows = new QWidget;
    FGrid = new QGridLayout(rows);
    FGrid->setContentsMargins(0, 0, 0, 0);
    FGrid->setColumnMinimumWidth(1, 110);
    FGrid->setColumnMinimumWidth(2, 180);
    FGrid->setColumnMinimumWidth(3, 300);
    FGrid->setColumnStretch(3, 1);
    int column = 0;
    for (const char* title : {QT_TR_NOOP("Port"), QT_TR_NOOP("Instrument"), QT_TR_NOOP("Progress"), QT_TR_NOOP("Result")})
        FGrid->addWidget(HeaderLabel(tr(title), rows), 0, column++);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("PortRows"));
    scroll->setAccessibleName(tr("Ports"));
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scroll, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    FCloseBtn = buttons->button(QDialogButtonBox::Close);
    FCloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    connect(buttons, &QDialogButtonBox::rejected, this, &TSendAllDlg::reject);
    layout->addWidget(buttons);

    connect(&FFleet, &TFleet::InstrumentFound, this, &TSendAllDlg::OnFound);
    connect(&FFleet, &TFleet::PhaseChanged, this, &TSendAllDlg::OnPhase);
    connect(&FFleet, &TFleet::Progress, this, &TSendAllDlg::OnProgress);
    connect(&FFleet, &TFleet::PortDone, this, &TSendAllDlg::OnPortDone);
    connect(&FFleet, &TFleet::Finished, this, &TSendAllDlg::OnFinished);
}

QList<TFleetRow> TSendAllDlg::Run(const TFleetJob& job, const QString& projectName)
{
    const QList<int> ports = FFleet.Start(job);
    if (ports.isEmpty()) return {};
    FHeadline->setText(tr("Sending %1 to the instruments on %2 ports at once...").arg(projectName).arg(ports.size()));
    for (int port : ports) AddRow(port);
    FCloseBtn->setEnabled(false);
    // As many rows as fit without scrolling, up to RowsShown.
    const int rowHeight = FGrid->itemAtPosition(1, 2)->widget()->sizeHint().height() + FGrid->verticalSpacing();
    const int shown = static_cast<int>(std::min<qsizetype>(ports.size(), RowsShown)) + 1;
    findChild<QScrollArea*>(QStringLiteral("PortRows"))->setMinimumHeight(shown * rowHeight + 4);
    resize(sizeHint().expandedTo(QSize(720, 0)));
    exec();
    return FFleet.Rows();
}

void TSendAllDlg::AddRow(int port)
{
    const QString name = FFleet.PortAt(port).Name();
    QWidget* rows = FGrid->parentWidget();
    const int row = FGrid->rowCount();
    FGrid->addWidget(new QLabel(name, rows), row, 0);
    TPortRow widgets{new QLabel(QStringLiteral("-"), rows), new QProgressBar(rows), new QLabel(rows)};
    widgets.Instrument->setObjectName(QStringLiteral("Instrument") + name);
    widgets.Bar->setObjectName(QStringLiteral("Bar") + name);
    widgets.State->setObjectName(QStringLiteral("State") + name);
    widgets.Bar->setRange(0, 1);
    widgets.Bar->setValue(0);
    widgets.State->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FGrid->addWidget(widgets.Instrument, row, 1);
    FGrid->addWidget(widgets.Bar, row, 2);
    FGrid->addWidget(widgets.State, row, 3);
    FRows.insert(port, widgets);
}

void TSendAllDlg::OnFound(int port, const QString& name, const QString& versionText)
{
    if (!FRows.contains(port)) return;
    FRows[port].Instrument->setText(QStringLiteral("%1 ver%2").arg(name, versionText));
}

void TSendAllDlg::OnPhase(int port, const QString& phase)
{
    if (FRows.contains(port)) FRows[port].State->setText(FleetWord(phase) + QStringLiteral("..."));
}

void TSendAllDlg::OnProgress(int port, int done, int total)
{
    if (!FRows.contains(port) || total <= 0) return;
    QProgressBar* bar = FRows[port].Bar;
    bar->setRange(0, total);
    bar->setValue(done);
}

void TSendAllDlg::OnPortDone(const TFleetRow& row)
{
    if (!FRows.contains(row.PortIndex)) return;
    const TPortRow& widgets = FRows[row.PortIndex];
    const QString seconds = QString::number(static_cast<double>(row.Milliseconds) / 1000.0, 'f', 1);
    widgets.State->setText(QStringLiteral("%1 (%2 s)").arg(FleetWord(row.Outcome), seconds));
    widgets.State->setToolTip(row.File.isEmpty() ? QString() : tr("Backup: ") + row.File);
    QPalette palette = widgets.State->palette();
    // A port that would not open may hide an instrument: shown as a failure, not greyed.
    if (!row.HasInstrument() && !row.PortFailed) {
        widgets.Bar->setEnabled(false);
        widgets.State->setEnabled(false);
        return;
    }
    if (row.Succeeded()) widgets.Bar->setValue(widgets.Bar->maximum());
    palette.setColor(QPalette::WindowText, row.Succeeded() ? QColor(0x00, 0x60, 0x00) : QColor(0xB0, 0x00, 0x00));
    widgets.State->setPalette(palette);
}

void TSendAllDlg::OnFinished()
{
    QString verdict = FleetVerdict(FFleet.Rows(), TFleetOperation::Send, true);
    verdict[0] = verdict[0].toUpper();
    QString text = verdict + tr(". The log holds every port's lines and the table.");
    // The window's way to send without a backup, where one could not be made.
    const QList<TFleetRow> rows = FFleet.Rows();
    if (std::any_of(rows.begin(), rows.end(), [](const TFleetRow& row) { return !row.BackupProblem.isEmpty(); }))
        text += tr(" Where no backup could be made nothing was sent: with Tools > Back up before Send turned off, "
                   "Send to All sends without one.");
    FHeadline->setText(text);
    FCloseBtn->setEnabled(true);
    FCloseBtn->setFocus();
    if (FCloseWhenDone) accept();
}

void TSendAllDlg::reject()
{
    if (!IsRunning()) QDialog::reject();
}

void TSendAllDlg::closeEvent(QCloseEvent* event)
{
    if (!IsRunning()) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    if (FCloseWhenDone) return;
    FCloseWhenDone = true;
    FHeadline->setText(FHeadline->text() + tr(" The dialog closes when every port is done."));
}

}  // namespace orvantis
