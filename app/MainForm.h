#pragma once
// TMainForm: the application's one main window. It holds the session (the
// project with its model, and the link to the instrument) and the log; its
// menu and tool bar carry every command of the program. It shows what the
// instrument operations report: log lines, status bar panels, the Detect
// button's image and a progress bar.

#include "Prompter.h"
#include "Recovery.h"
#include "Session.h"
#include "SessionHost.h"
#include "UserFiles.h"

#include <QMainWindow>

#include <array>
#include <ctime>
#include <functional>

class QAction;
class QDialog;
class QLabel;
class QPlainTextEdit;
class QProgressBar;

namespace orvantis {

// The commands of the menu and the tool bar.
enum class TCommand {
    FileNew, FileOpen, FileSave, FileSaveAs, FileExit,
    EditPoint, EditConfig, EditMessage, EditPointList, EditChannelPlans,
    SendData, ToolsSendAll, ReceiveData, ToolsCompare, ToolsBackUp, ToolsSendChanges,
    ToolsBackups, ToolsEditor, ToolsTerm, ToolsMonitor, ToolsDetect,
    ToolsNetworkPorts, HelpAbout,
    Count
};

class TMainForm : public QMainWindow, private ISessionHost {
    Q_OBJECT

public:
    // port: the one to open, or empty for the detected one (else the stored one).
    using TTerminalRunner = std::function<void(const QString& port)>;

    // deviceFactory makes the serial devices of Detect, Send and Receive.
    explicit TMainForm(IPrompter& prompter, TDeviceFactory deviceFactory = MakeProgramDevice,
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    // Appends one line to the log pane.
    void Log(const QString& text) override;

    // Offers to bring back the unsaved work that a program which ended
    // without saving it left behind (at start).
    void OfferRecovery();
    // SIGTERM, SIGINT, SIGHUP: closes the window as its close box does, but
    // once the running operation has ended and without the save-changes
    // query: the recovery copy holds the unsaved work.
    void CloseForSignal();

    // The windows that the commands start, created after the main window.
    void SetAboutBox(QDialog* dialog) { FAboutBox = dialog; }
    void SetScratchPad(QDialog* dialog) { FScratchPad = dialog; }
    void SetCfgEditor(QDialog* dialog) { FCfgEditorDlg = dialog; }
    void SetDetPointsEditor(QDialog* dialog) { FDetPointsDlg = dialog; }
    void SetMessEditor(QDialog* dialog) { FMessEditDlg = dialog; }
    void SetPointListEditor(QDialog* dialog) { FPointListDlg = dialog; }
    void SetChannelPlansEditor(QDialog* dialog) { FChannelPlansDlg = dialog; }
    // Runs the terminal tool until the user leaves it.
    void SetTerminalRunner(TTerminalRunner runner) { FTerminalRunner = std::move(runner); }

    // The project the editors work on.
    IEditedProject& EditedProject() { return FSession.Project(); }
    const TProject& Project() const { return FSession.Project(); }
    const TEquipmentLink& Link() const { return FSession.Link(); }

    // The action behind a command's menu entry and tool button.
    QAction* Action(TCommand command) const { return FActions[static_cast<std::size_t>(command)]; }
    QString StatusPanelText(int panel) const;
    QString StatusPanelHint(int panel) const;
    QPlainTextEdit* LogPane() const { return LogRichEdit; }
    // The image index the Detect button shows: 13 or 14.
    int DetectImage() const { return FDetectImage; }

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void FileNewExecute();
    void FileOpenExecute();
    void FileSaveExecute();
    void FileSaveAsExecute();
    void EditPointExecute();
    void EditConfigExecute();
    void EditMessageExecute();
    void EditPointListExecute();
    void EditChannelPlansExecute();
    void SendDataExecute();
    void ToolsSendAllExecute();
    void ReceiveDataExecute();
    void ToolsCompareExecute();
    void ToolsBackupsExecute();
    void ToolsDetectExecute();
    void ToolsEditorExecute();
    void ToolsTermExecute();
    void ToolsNetworkPortsExecute();
    void RunTerminal(const QString& port);
    void HelpAboutExecute();

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void FormCreate();
    // Every command's enabling, from the project's state and the command that runs.
    void UpdateActions();
    // Runs a command's work with the session telling it as running.
    void RunCommand(TOperation operation, const std::function<void()>& work);
    void RunEditor(QDialog* dialog, const QString& name);
    bool RefusedWhileBusy();
    void SetStatusPanel(int panel, const QString& text);
    void SetDetectImage(int imageIndex);
    bool SaveLogFile();
    // Send's options as the Tools menu sets them.
    TSendOptions SendOptionsOfSettings() const;
    // The backups window's Open and Restore to Instrument.
    void OpenBackup(const QString& path);
    void RestoreBackup(const QString& path);
    // Keeps the recovery copy in step with the project's unsaved work.
    void SyncRecovery();

    // ISessionHost: what the instrument operations show in the window.
    void Beep() override;
    void ProjectChanged() override;
    void SearchStarted() override;
    void PortNotUsed(const QString& port) override;
    void InstrumentFound(const TInstrumentInfo& instrument) override;
    void Progress(int done, int total) override;
    void Waiting() override;

    IPrompter& FPrompter;
    TSession FSession;
    TProgramSettings FSettings;
    TRecovery FRecovery{RecoveryFolder()};
    bool FClosingForSignal = false;
    std::array<QAction*, static_cast<std::size_t>(TCommand::Count)> FActions{};
    QPlainTextEdit* LogRichEdit;
    QLabel* FStatusPanels[3];
    QProgressBar* FProgress;
    int FDetectImage = 13;
    TTerminalRunner FTerminalRunner;

    QString FLogFileName;
    std::time_t FStartTime = 0;

    QDialog* FAboutBox = nullptr;
    QDialog* FScratchPad = nullptr;
    QDialog* FCfgEditorDlg = nullptr;
    QDialog* FDetPointsDlg = nullptr;
    QDialog* FMessEditDlg = nullptr;
    QDialog* FPointListDlg = nullptr;
    QDialog* FChannelPlansDlg = nullptr;
};

}  // namespace orvantis
