#pragma once
// TMainForm: the application's one main window. It owns the project (the
// data model and its line list), the link state of the instrument, and the
// log; its menu and tool bar carry every command of the program.

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

namespace orvantis {

class TMainForm : public QMainWindow, public IMainForm {
    Q_OBJECT

public:
    explicit TMainForm(IPrompter& prompter, QWidget* parent = nullptr);
    ~TMainForm() override;

    // What the editors, the tools and the model ask of the main window.
    TProfile& GetProfile() override { return FProject.Profile(); }
    void SetModified() override { FProject.SetModified(); }
    int GetEquipmentModel() const override { return FEquipmentModel; }
    float GetEquipmentVersion() const override { return FEquipmentVersion; }
    void Log(const QString& text) override;

    // The windows that the commands start, created after the main window.
    void SetAboutBox(QDialog* dialog) { FAboutBox = dialog; }
    void SetScratchPad(QDialog* dialog) { FScratchPad = dialog; }
    void SetCfgEditor(QDialog* dialog) { FCfgEditorDlg = dialog; }
    void SetDetPointsEditor(QDialog* dialog) { FDetPointsDlg = dialog; }
    void SetMessEditor(QDialog* dialog) { FMessEditDlg = dialog; }

    const TProject& Project() const { return FProject; }
    QString StatusPanelText(int panel) const;
    QPlainTextEdit* LogPane() const { return LogRichEdit; }
    // True while Detect, Send or Receive runs; they share the port and the model.
    bool IsInstrumentBusy() const { return FInstrumentBusy; }

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
    void ToolsEditorExecute();
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
    bool SaveLogFile();
    void SetStatusPanel(int panel, const QString& text);

    IPrompter& FPrompter;
    TProject FProject;
    QPlainTextEdit* LogRichEdit;
    QLabel* FStatusPanels[3];

    // Link state, set by detection and kept for the run.
    bool FDetected = false;
    int FPortIndex = -1;
    int FEquipmentModel = 0;
    QString FEquipmentName;
    QString FEquipmentVersionText;
    float FEquipmentVersion = 3.0f;
    bool FInstrumentBusy = false;

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
