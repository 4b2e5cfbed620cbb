#include "MainForm.h"

#include "Icons.h"
#include "InstrumentTransfer.h"
#include "PortMap.h"
#include "ProgramInfo.h"
#include "QtSerialDevice.h"
#include "TextFile.h"
#include "TimeText.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>

namespace orvantis {

namespace {

constexpr int StatusPanelWidths[3] = {270, 150, 50};

}  // namespace

TMainForm::TMainForm(IPrompter& prompter, TDeviceFactory deviceFactory, QWidget* parent)
    : QMainWindow(parent),
      FPrompter(prompter),
      FLink(*this, std::move(deviceFactory)),
      FProject(FLink, prompter, [this](const QString& line) { Log(line); })
{
    setWindowTitle(QString::fromLatin1(ApplicationTitle));
    setWindowIcon(ProgramIcon());
    resize(820, 520);

    LogRichEdit = new QPlainTextEdit(this);
    LogRichEdit->setObjectName(QStringLiteral("LogRichEdit"));
    LogRichEdit->setReadOnly(true);
    LogRichEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    LogRichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    LogRichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = LogRichEdit->palette();
    palette.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));  // silver
    palette.setColor(QPalette::Text, QColor(0x00, 0x00, 0x80));  // navy
    LogRichEdit->setPalette(palette);
    setCentralWidget(LogRichEdit);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    FormCreate();
}

TMainForm::~TMainForm() = default;

QAction* TMainForm::MakeAction(const QString& caption, const QString& hint, int image, bool enabled)
{
    auto* action = new QAction(caption, this);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    if (image >= 0) action->setIcon(ProgramImage(image));
    action->setEnabled(enabled);
    return action;
}

void TMainForm::CreateActions()
{
    FileNew = MakeAction(QStringLiteral("&New"), QStringLiteral("Create file"), ImageNew, true);
    FileOpen = MakeAction(QStringLiteral("&Open"), QStringLiteral("Open file"), ImageOpen, true);
    FileSave = MakeAction(QStringLiteral("&Save"), QStringLiteral("Save file"), ImageSave, false);
    FileSaveAs = MakeAction(QStringLiteral("Save &As"), QStringLiteral("Save file as"), -1, false);
    FileExit = MakeAction(QStringLiteral("E&xit"), QStringLiteral("Exit application"), ImageExit, true);
    EditPoint = MakeAction(QStringLiteral("&Point"), QStringLiteral("Edit detection points"), ImagePoints, false);
    EditConfig = MakeAction(QStringLiteral("&Config"), QStringLiteral("Edit equipment configuration"), ImageConfig, false);
    EditMessage = MakeAction(QStringLiteral("&Message"), QStringLiteral("Edit text messages"), ImageMessages, false);
    SendData = MakeAction(QStringLiteral("&Send"), QStringLiteral("Send data to equipment"), ImageSend, false);
    ReceiveData = MakeAction(QStringLiteral("&Receive"), QStringLiteral("Receive data from the equipment"), ImageReceive, true);
    ToolsEditor = MakeAction(QStringLiteral("&Editor"), QStringLiteral("Text editor application"), ImageEditor, true);
    ToolsTerm = MakeAction(QStringLiteral("&Terminal"), QStringLiteral("Terminal for remote control"), ImageTerminal, true);
    ToolsMonitor = MakeAction(QStringLiteral("&Monitor"), QStringLiteral("Remote control"), ImageMonitor, true);
    ToolsDetect = MakeAction(QStringLiteral("&Detect"), QStringLiteral("Detect COM port"), ImageDetectNotFound, true);
    HelpAbout = MakeAction(QStringLiteral("&About"), QStringLiteral("Show application info"), ImageAbout, true);

    FileNew->setShortcut(QKeySequence::New);
    FileOpen->setShortcut(QKeySequence::Open);
    FileSave->setShortcut(QKeySequence::Save);

    connect(FileNew, &QAction::triggered, this, &TMainForm::FileNewExecute);
    connect(FileOpen, &QAction::triggered, this, &TMainForm::FileOpenExecute);
    connect(FileSave, &QAction::triggered, this, &TMainForm::FileSaveExecute);
    connect(FileSaveAs, &QAction::triggered, this, &TMainForm::FileSaveAsExecute);
    connect(FileExit, &QAction::triggered, this, &QWidget::close);
    connect(EditPoint, &QAction::triggered, this, &TMainForm::EditPointExecute);
    connect(EditConfig, &QAction::triggered, this, &TMainForm::EditConfigExecute);
    connect(EditMessage, &QAction::triggered, this, &TMainForm::EditMessageExecute);
    connect(SendData, &QAction::triggered, this, &TMainForm::SendDataExecute);
    connect(ReceiveData, &QAction::triggered, this, &TMainForm::ReceiveDataExecute);
    connect(ToolsDetect, &QAction::triggered, this, &TMainForm::ToolsDetectExecute);
    connect(ToolsEditor, &QAction::triggered, this, &TMainForm::ToolsEditorExecute);
    connect(ToolsTerm, &QAction::triggered, this, &TMainForm::ToolsTermExecute);
    connect(HelpAbout, &QAction::triggered, this, &TMainForm::HelpAboutExecute);
    // ToolsMonitor has no operation behind it.
}

void TMainForm::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addActions({FileNew, FileOpen, FileSave, FileSaveAs});
    file->addSeparator();
    file->addAction(FileExit);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addActions({EditPoint, EditConfig, EditMessage});

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->addActions({SendData, ReceiveData});
    tools->addSeparator();
    tools->addActions({ToolsEditor, ToolsTerm, ToolsMonitor});
    tools->addSeparator();
    tools->addAction(ToolsDetect);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(HelpAbout);
}

void TMainForm::CreateToolBar()
{
    QToolBar* bar = addToolBar(QStringLiteral("Commands"));
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    bar->addAction(FileExit);
    bar->addSeparator();
    bar->addActions({FileNew, FileOpen, FileSave});
    bar->addSeparator();
    bar->addActions({EditPoint, EditConfig, EditMessage});
    bar->addSeparator();
    bar->addActions({ToolsDetect, SendData, ReceiveData});
    bar->addSeparator();
    bar->addActions({ToolsEditor, ToolsTerm});
    bar->addSeparator();
    bar->addAction(HelpAbout);
}

void TMainForm::CreateStatusBar()
{
    // A status message (the hint of the menu entry or tool button under the
    // pointer, "Please wait") hides the status bar's ordinary widgets. So the
    // three panels are permanent ones, and the message shows in a label of
    // its own after them.
    for (int i = 0; i < 3; ++i) {
        FStatusPanels[i] = new QLabel(this);
        FStatusPanels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        FStatusPanels[i]->setFixedWidth(StatusPanelWidths[i]);
        statusBar()->addPermanentWidget(FStatusPanels[i]);
    }
    auto* message = new QLabel(this);
    message->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // a long hint must not widen the window
    statusBar()->addPermanentWidget(message, 1);
    connect(statusBar(), &QStatusBar::messageChanged, message, &QLabel::setText);
    FProgress = new QProgressBar(this);
    FProgress->setMaximumWidth(160);
    FProgress->setTextVisible(true);
    FProgress->hide();
    statusBar()->addPermanentWidget(FProgress);
}

void TMainForm::FormCreate()
{
    SetStatusPanel(0, FProject.FileName());
    SetStatusPanel(1, QStringLiteral("Equipment?"));
    SetStatusPanel(2, QStringLiteral("Port?"));
    LogRichEdit->clear();
    Log(QStringLiteral("%1 - v%2").arg(QString::fromLatin1(ProgramName), QString::fromLatin1(ProgramVersion)));
    Log(QString::fromLatin1(ProgramNotice));
    Log(QStringLiteral("Started at ") + NowText());
    FStartTime = std::time(nullptr);
}

void TMainForm::Log(const QString& text)
{
    LogRichEdit->appendPlainText(text);
}

QString TMainForm::StatusPanelText(int panel) const
{
    return FStatusPanels[panel]->text();
}

QString TMainForm::StatusPanelHint(int panel) const
{
    return FStatusPanels[panel]->toolTip();
}

void TMainForm::SetStatusPanel(int panel, const QString& text)
{
    FStatusPanels[panel]->setText(text);
    if (panel == 2) {
        // The port panel keeps the COM name; the hint tells which device it is.
        const QString device = ComPortIndex(text) >= 0 ? DevicePathOf(text) : QString();
        FStatusPanels[panel]->setToolTip(device);
    }
}

void TMainForm::ProcessPendingInput()
{
    QCoreApplication::processEvents();
}

void TMainForm::SetDetectImage(int imageIndex)
{
    FDetectImage = imageIndex;
    ToolsDetect->setIcon(ProgramImage(imageIndex));
}

void TMainForm::Beep()
{
    QApplication::beep();
}

void TMainForm::ProjectChanged()
{
    SetStatusPanel(0, FProject.FileName());
    FileSave->setEnabled(FProject.IsOpen());
    FileSaveAs->setEnabled(FProject.IsOpen());
}

void TMainForm::ShowProgress(int done, int total)
{
    FProgress->setVisible(total > 0);
    if (total > 0) {
        FProgress->setRange(0, total);
        FProgress->setValue(done);
    }
    // Send takes no input while it runs, but the window must not look hung.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// Detect, Send and Receive let the window take input while they wait on the
// instrument; no other command may change the project or the port meanwhile.
bool TMainForm::RefusedWhileBusy()
{
    if (!FLink.IsBusy()) return false;
    statusBar()->showMessage(QStringLiteral("Please wait: the instrument operation is still running."), 4000);
    return true;
}

// After New, Open and a complete Receive: a project is in hand.
void TMainForm::ProjectInHand()
{
    SetStatusPanel(0, FProject.FileName());
    FileSave->setEnabled(true);
    FileSaveAs->setEnabled(true);
    const TProfile& profile = FProject.Profile();
    EditMessage->setEnabled(profile.HasMessages());
    EditConfig->setEnabled(profile.HasConfig());
    EditPoint->setEnabled(profile.HasPoints());
    SendData->setEnabled(true);
}

void TMainForm::FileNewExecute()
{
    if (RefusedWhileBusy()) return;
    if (FProject.New()) ProjectInHand();
}

void TMainForm::FileOpenExecute()
{
    if (RefusedWhileBusy()) return;
    if (FProject.Open()) ProjectInHand();
}

void TMainForm::FileSaveExecute()
{
    if (RefusedWhileBusy()) return;
    FProject.Save();
    SetStatusPanel(0, FProject.FileName());
}

void TMainForm::FileSaveAsExecute()
{
    if (RefusedWhileBusy()) return;
    FProject.SaveAs();
    SetStatusPanel(0, FProject.FileName());
}

void TMainForm::RunEditor(QDialog* dialog, const QString& name)
{
    if (!dialog || RefusedWhileBusy()) return;
    Log(QStringLiteral("Edit: %1 started at ").arg(name) + NowText());
    dialog->exec();
    Log(QStringLiteral("Edit: %1 exit at ").arg(name) + NowText());
}

void TMainForm::EditPointExecute()
{
    RunEditor(FDetPointsDlg, QStringLiteral("MPoints editor"));
}

void TMainForm::EditConfigExecute()
{
    RunEditor(FCfgEditorDlg, QStringLiteral("configuration editor"));
}

void TMainForm::EditMessageExecute()
{
    RunEditor(FMessEditDlg, QStringLiteral("text messages editor"));
}

void TMainForm::SendDataExecute()
{
    if (RefusedWhileBusy()) return;
    SendData->setEnabled(false);
    orvantis::SendData(FLink, *this, FProject, FPrompter);
    SendData->setEnabled(true);  // Send changes no other enabling, whatever its outcome
}

void TMainForm::ReceiveDataExecute()
{
    if (RefusedWhileBusy()) return;
    ReceiveData->setEnabled(false);
    const TTransferResult result = orvantis::ReceiveData(FLink, *this, FProject, FPrompter);
    switch (result) {
    case TTransferResult::Busy:
    case TTransferResult::Cancelled:
        break;
    case TTransferResult::NoInstrument:
        NoInstrument();
        break;
    default: {
        const TProfile& profile = FProject.Profile();
        EditMessage->setEnabled(profile.HasMessages());
        EditConfig->setEnabled(profile.HasConfig());
        EditPoint->setEnabled(profile.HasPoints());
        SendData->setEnabled(true);
    }
    }
    ProjectChanged();
    ReceiveData->setEnabled(true);
}

// An operation that could not reach the instrument leaves nothing to edit or send.
void TMainForm::NoInstrument()
{
    for (QAction* action : {FileSave, FileSaveAs, EditMessage, EditConfig, EditPoint, SendData}) action->setEnabled(false);
}

void TMainForm::ToolsDetectExecute()
{
    if (RefusedWhileBusy()) return;
    ToolsDetect->setEnabled(false);
    FLink.Detect();
    ToolsDetect->setEnabled(true);
}

void TMainForm::ToolsTermExecute()
{
    if (!FTerminalRunner || RefusedWhileBusy()) return;
    ToolsTerm->setEnabled(false);
    Log(QStringLiteral("Tools: terminal started at ") + NowText());
    FTerminalRunner();
    Log(QStringLiteral("Tools: terminal exit at ") + NowText());
    ToolsTerm->setEnabled(true);
}

void TMainForm::ToolsEditorExecute()
{
    if (!FScratchPad || RefusedWhileBusy()) return;
    ToolsEditor->setEnabled(false);
    Log(QStringLiteral("Tools: text editor started at ") + NowText());
    FScratchPad->exec();
    Log(QStringLiteral("Tools: text editor exit at ") + NowText());
    ToolsEditor->setEnabled(true);
}

void TMainForm::HelpAboutExecute()
{
    if (FAboutBox) FAboutBox->exec();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (FLink.IsBusy()) {
        // Detect, Send and Receive hold the port and the model: let them end first.
        FPrompter.Message(QString::fromLatin1(ApplicationTitle),
                          QStringLiteral("The instrument operation is still running. Close the program when it has ended."),
                          TMsgIcon::Information);
        event->ignore();
        return;
    }
    if (!FProject.QuerySave()) {
        event->ignore();
        return;
    }
    Log(QStringLiteral("Ended at ") + NowText());
    const std::time_t endTime = std::time(nullptr);
    Log(QString::asprintf("Elapsed time: %5.2f seconds", static_cast<double>(endTime - FStartTime)));
    FLogFileName = QString::fromLatin1(ProgramName) + QStringLiteral(".LOG");
    SaveLogFile();
    event->accept();
}

bool TMainForm::SaveLogFile()
{
    TLineList lines;
    const QStringList logLines = LogRichEdit->toPlainText().split(QLatin1Char('\n'));
    for (const QString& line : logLines) lines.push_back(line.toLocal8Bit().toStdString());
    const TFileResult saved = SaveTextLines(FLogFileName, lines);
    if (!saved) {
        // Said once; the program still closes so the user is never stuck.
        FPrompter.Message(QStringLiteral("Orvantis error"),
                          QStringLiteral("The log file %1 could not be written.\n\n%2").arg(FLogFileName, saved.Error),
                          TMsgIcon::Error);
    }
    return saved.Ok;
}

}  // namespace orvantis
