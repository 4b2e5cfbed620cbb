#pragma once
// TMainForm: the application's one main window. It owns the project (the
// data model and its line list), the link state of the instrument, and the
// log; its menu and tool bar carry every command of the program.

#include "EquipmentLink.h"
#include "LinkHost.h"
#include "MainFormInterface.h"
#include "Project.h"
#include "Prompter.h"

#include <QMainWindow>

#include <ctime>
#include <functional>

class QAction;
class QDialog;
class QLabel;
class QPlainTextEdit;
class QProgressBar;

namespace orvantis {

class TMainForm : public QMainWindow, public IMainForm, private ILinkHost {
    Q_OBJECT

public:
    using TTerminalRunner = std::function<void()>;

    // deviceFactory makes the serial devices of Detect, Send and Receive.
    explicit TMainForm(IPrompter& prompter, TDeviceFactory deviceFactory = MakeQtSerialDevice,
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    // What the editors, the tools and the model ask of the main window.
    TProfile& GetProfile() override { return FProject.Profile(); }
    void SetModified() override { FProject.SetModified(); }
    int GetEquipmentModel() const override { return FLink.GetEquipmentModel(); }
    float GetEquipmentVersion() const override { return FLink.GetEquipmentVersion(); }
    void Log(const QString& text) override;

    // The windows that the commands start, created after the main window.
    void SetAboutBox(QDialog* dialog) { FAboutBox = dialog; }
    void SetScratchPad(QDialog* dialog) { FScratchPad = dialog; }
    void SetCfgEditor(QDialog* dialog) { FCfgEditorDlg = dialog; }
    void SetDetPointsEditor(QDialog* dialog) { FDetPointsDlg = dialog; }
    void SetMessEditor(QDialog* dialog) { FMessEditDlg = dialog; }
    // Runs the terminal tool until the user leaves it.
    void SetTerminalRunner(TTerminalRunner runner) { FTerminalRunner = std::move(runner); }

    const TProject& Project() const { return FProject; }
    const TEquipmentLink& Link() const { return FLink; }
    QString StatusPanelText(int panel) const;
    QString StatusPanelHint(int panel) const;
    QPlainTextEdit* LogPane() const { return LogRichEdit; }
    // The image index the Detect button shows: 13 or 14.
    int DetectImage() const { return FDetectImage; }

    // The commands, one action each behind the menu entry and the tool button.
    QAction* FileNew;
    QAction* FileOpen;
    QAction* FileSave;
    QAction* FileSaveAs;
    QAction* FileExit;
    QAction* EditPoint;
    QAction* EditConfig;
    QAction* EditMessage;
    QAction* SendData;
    QAction* ReceiveData;
    QAction* ToolsEditor;
    QAction* ToolsTerm;
    QAction* ToolsMonitor;
    QAction* ToolsDetect;
    QAction* HelpAbout;

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
    void SendDataExecute();
    void ReceiveDataExecute();
    void ToolsDetectExecute();
    void ToolsEditorExecute();
    void ToolsTermExecute();
    void HelpAboutExecute();

private:
    QAction* MakeAction(const QString& caption, const QString& hint, int image, bool enabled);
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void FormCreate();
    void ProjectInHand();
    void RunEditor(QDialog* dialog, const QString& name);
    bool RefusedWhileBusy();
    void NoInstrument();
    bool SaveLogFile();

    // ILinkHost: what Detect, Send and Receive show in the window.
    void ProcessPendingInput() override;
    void SetDetectImage(int imageIndex) override;
    void SetStatusPanel(int panel, const QString& text) override;
    void Beep() override;
    void ProjectChanged() override;
    void ShowProgress(int done, int total) override;

    IPrompter& FPrompter;
    TEquipmentLink FLink;  // before the project: the model asks it who the instrument is
    TProject FProject;
    QPlainTextEdit* LogRichEdit;
    QLabel* FStatusPanels[3];
    QProgressBar* FProgress;
    int FDetectImage = 13;
    TTerminalRunner FTerminalRunner;

    QString FLogFileName;
    std::time_t FStartTime = 0;
    bool FLogFileFailed = false;

    QDialog* FAboutBox = nullptr;
    QDialog* FScratchPad = nullptr;
    QDialog* FCfgEditorDlg = nullptr;
    QDialog* FDetPointsDlg = nullptr;
    QDialog* FMessEditDlg = nullptr;
};

}  // namespace orvantis
