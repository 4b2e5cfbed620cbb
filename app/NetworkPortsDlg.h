#pragma once
// TNetworkPortsDlg: Tools > "Network Ports...". The serial ports that other
// machines serve over the network (ser2net), as tcp://HOST:PORT or
// rfc2217://HOST:PORT: Detect tries them after COM1 to COM40, and the
// terminal can be opened on one of them from here. The list is kept in the
// program's settings by the main window.

#include "PortAddress.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orvantis {

class TNetworkPortsDlg : public QDialog {
    Q_OBJECT

public:
    explicit TNetworkPortsDlg(QWidget* parent = nullptr);

    void SetPorts(const QList<TPortAddress>& ports);
    QList<TPortAddress> Ports() const;
    // The port the user chose to open the terminal on (the dialog was then
    // accepted); nothing otherwise.
    std::optional<TPortAddress> TerminalPort() const { return FTerminalPort; }

    QLineEdit* EdAddress = nullptr;
    QListWidget* ListPorts = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* RemoveBtn = nullptr;
    QPushButton* TerminalBtn = nullptr;
    QLabel* LabelProblem = nullptr;

private:
    void AddBtnClick();
    void RemoveBtnClick();
    void TerminalBtnClick();
    void UpdateButtons();

    std::optional<TPortAddress> FTerminalPort;
};

}  // namespace orvantis
