#include "NetworkPortsDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvantis {

TNetworkPortsDlg::TNetworkPortsDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Network Ports"));
    auto* intro = new QLabel(tr("Serial ports that another machine serves over the network with ser2net. "
                                "Detect tries them after COM1 to COM40."),
                             this);
    intro->setWordWrap(true);

    EdAddress = new QLineEdit(this);
    EdAddress->setObjectName(QStringLiteral("EdAddress"));
    EdAddress->setPlaceholderText(tr("tcp://bench1:3001 or rfc2217://bench1:3002"));
    // No label stands beside the address or the list: a screen reader needs their names.
    EdAddress->setAccessibleName(tr("Network port address"));
    AddBtn = new QPushButton(tr("&Add"), this);
    ListPorts = new QListWidget(this);
    ListPorts->setObjectName(QStringLiteral("ListPorts"));
    ListPorts->setAccessibleName(tr("Network ports"));
    RemoveBtn = new QPushButton(tr("&Remove"), this);
    TerminalBtn = new QPushButton(tr("&Terminal"), this);
    TerminalBtn->setToolTip(tr("Open the terminal on the selected port"));
    LabelProblem = new QLabel(this);
    LabelProblem->setObjectName(QStringLiteral("LabelProblem"));
    LabelProblem->setStyleSheet(QStringLiteral("color: #B00000"));
    LabelProblem->setWordWrap(true);
    auto* security = new QLabel(tr("Both kinds carry the instrument's traffic unencrypted and without a password: "
                                   "serve them on 127.0.0.1 and reach another machine through an SSH tunnel."),
                                this);
    security->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* grid = new QGridLayout;
    grid->addWidget(EdAddress, 0, 0);
    grid->addWidget(AddBtn, 0, 1);
    grid->addWidget(ListPorts, 1, 0, 3, 1);
    grid->addWidget(RemoveBtn, 1, 1);
    grid->addWidget(TerminalBtn, 2, 1);
    grid->setRowStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addWidget(LabelProblem);
    layout->addWidget(security);
    layout->addWidget(buttons);
    resize(540, 340);

    connect(AddBtn, &QPushButton::clicked, this, &TNetworkPortsDlg::AddBtnClick);
    connect(EdAddress, &QLineEdit::returnPressed, this, &TNetworkPortsDlg::AddBtnClick);
    connect(RemoveBtn, &QPushButton::clicked, this, &TNetworkPortsDlg::RemoveBtnClick);
    connect(TerminalBtn, &QPushButton::clicked, this, &TNetworkPortsDlg::TerminalBtnClick);
    connect(ListPorts, &QListWidget::currentRowChanged, this, &TNetworkPortsDlg::UpdateButtons);
    connect(ListPorts, &QListWidget::itemDoubleClicked, this, &TNetworkPortsDlg::TerminalBtnClick);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Enter in the address adds it; it must not close the dialog.
    AddBtn->setAutoDefault(false);
    buttons->button(QDialogButtonBox::Ok)->setAutoDefault(false);
    UpdateButtons();
}

void TNetworkPortsDlg::SetPorts(const QList<TPortAddress>& ports)
{
    ListPorts->clear();
    for (const TPortAddress& port : ports) ListPorts->addItem(port.Name());
    if (!ports.isEmpty()) ListPorts->setCurrentRow(0);
    UpdateButtons();
}

QList<TPortAddress> TNetworkPortsDlg::Ports() const
{
    QList<TPortAddress> ports;
    for (int row = 0; row < ListPorts->count(); ++row)
        if (const std::optional<TPortAddress> port = TPortAddress::Parse(ListPorts->item(row)->text())) ports << *port;
    return ports;
}

void TNetworkPortsDlg::AddBtnClick()
{
    const std::optional<TPortAddress> port = TPortAddress::Parse(EdAddress->text());
    if (!port || port->Kind() == TPortAddress::TKind::Com) {
        LabelProblem->setText(tr("\"%1\" is no network port: give tcp://HOST:PORT or rfc2217://HOST:PORT.")
                                  .arg(EdAddress->text().trimmed()));
        return;
    }
    LabelProblem->clear();
    if (Ports().contains(*port)) {
        ListPorts->setCurrentRow(static_cast<int>(Ports().indexOf(*port)));
    } else {
        ListPorts->addItem(port->Name());
        ListPorts->setCurrentRow(ListPorts->count() - 1);
    }
    EdAddress->clear();
    UpdateButtons();
}

void TNetworkPortsDlg::RemoveBtnClick()
{
    delete ListPorts->takeItem(ListPorts->currentRow());
    UpdateButtons();
}

void TNetworkPortsDlg::TerminalBtnClick()
{
    const int row = ListPorts->currentRow();
    if (row < 0) return;
    FTerminalPort = TPortAddress::Parse(ListPorts->item(row)->text());
    accept();
}

void TNetworkPortsDlg::UpdateButtons()
{
    const bool selected = ListPorts->currentRow() >= 0;
    RemoveBtn->setEnabled(selected);
    TerminalBtn->setEnabled(selected);
}

}  // namespace orvantis
