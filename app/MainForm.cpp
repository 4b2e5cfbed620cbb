#include "MainForm.h"

#include "BackupsDlg.h"
#include "Icons.h"
#include "NetworkPortsDlg.h"
#include "PortMap.h"
#include "ProgramInfo.h"
#include "SendAllDlg.h"
#include "TextFile.h"
#include "TimeText.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace orvantis {

namespace {

constexpr int StatusPanelWidths[3] = {270, 150, 50};

struct TCommandInfo {
    TCommand Command;
    const char* Caption;
    const char* Hint;
    int Image;  // -1: none
};

// Caption and hint are translated where the actions are made.
constexpr TCommandInfo Commands[] = {
    {TCommand::FileNew, QT_TRANSLATE_NOOP("orvantis::TMainForm", "&New"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Create file"), ImageNew},
    {TCommand::FileOpen, QT_TRANSLATE_NOOP("orvantis::TMainForm", "&Open"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Open file"), ImageOpen},
    {TCommand::FileSave, QT_TRANSLATE_NOOP("orvantis::TMainForm", "&Save"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Save file"), ImageSave},
    {TCommand::FileSaveAs, QT_TRANSLATE_NOOP("orvantis::TMainForm", "Save &As"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Save file as"), -1},
    {TCommand::FileExit, QT_TRANSLATE_NOOP("orvantis::TMainForm", "E&xit"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Exit application"), ImageExit},
    {TCommand::EditPoint, QT_TRANSLATE_NOOP("orvantis::TMainForm", "&Point"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Edit detection points"), ImagePoints},
    {TCommand::EditConfig, QT_TRANSLATE_NOOP("orvantis::TMainForm", "&Config"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Edit equipment configuration"), ImageConfig},
    {TCommand::EditMessage, QT_TRANSLATE_NOOP("orvantis::TMainForm", "&Message"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Edit text messages"), ImageMessages},
    {TCommand::EditPointList, QT_TRANSLATE_NOOP("orvantis::TMainForm", "Point &List..."),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Edit every detection point in one list"), -1},
    {TCommand::EditChannelPlans, QT_TRANSLATE_NOOP("orvantis::TMainForm", "C&hannel Plans..."),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Set a scan band from a country's channel plan"), -1},
    {TCommand::SendData, QT_TRANSLATE_NOOP("orvantis::TMainForm", "&Send"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Send data to equipment"), ImageSend},
    {TCommand::ToolsSendAll, QT_TRANSLATE_NOOP("orvantis::TMainForm", "Send to &All Instruments..."),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Send the project to every instrument at once"), -1},
    {TCommand::ReceiveData, QT_TRANSLATE_NOOP("orvantis::TMainForm", "&Receive"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Receive data from the equipment"), ImageReceive},
    {TCommand::ToolsCompare, QT_TRANSLATE_NOOP("orvantis::TMainForm", "&Compare with instrument"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Read the equipment and compare it with the project"), -1},
    {TCommand::ToolsBackUp, QT_TRANSLATE_NOOP("orvantis::TMainForm", "&Back up before Send"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Keep a copy of the equipment's settings before every send"), -1},
    {TCommand::ToolsSendChanges, QT_TRANSLATE_NOOP("orvantis::TMainForm", "Send Only C&hanges"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Write only the records that differ from what the equipment holds"), -1},
    {TCommand::ToolsBackups, QT_TRANSLATE_NOOP("orvantis::TMainForm", "Instrument Bac&kups..."),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Find, compare and restore the backups that every send leaves"), -1},
    {TCommand::ToolsEditor, QT_TRANSLATE_NOOP("orvantis::TMainForm", "&Editor"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Text editor application"), ImageEditor},
    {TCommand::ToolsTerm, QT_TRANSLATE_NOOP("orvantis::TMainForm", "&Terminal"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Terminal for remote control"), ImageTerminal},
    {TCommand::ToolsMonitor, QT_TRANSLATE_NOOP("orvantis::TMainForm", "&Monitor"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Remote control"), ImageMonitor},
    {TCommand::ToolsDetect, QT_TRANSLATE_NOOP("orvantis::TMainForm", "&Detect"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Detect COM port"), ImageDetectNotFound},
    {TCommand::ToolsNetworkPorts, QT_TRANSLATE_NOOP("orvantis::TMainForm", "&Network Ports..."),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Serial ports served over the network"), -1},
    {TCommand::HelpAbout, QT_TRANSLATE_NOOP("orvantis::TMainForm", "&About"),
     QT_TRANSLATE_NOOP("orvantis::TMainForm", "Show application info"), ImageAbout},
};
static_assert(std::size(Commands) == static_cast<std::size_t>(TCommand::Count));

}  // namespace

TMainForm::TMainForm(IPrompter& prompter, TDeviceFactory deviceFactory, QWidget* parent)
    : QMainWindow(parent),
      FPrompter(prompter),
      FSession(*this, prompter, std::move(deviceFactory))
{
    setWindowTitle(QString::fromLatin1(ApplicationTitle));
    setWindowIcon(ProgramIcon());
    resize(820, 520);

    LogRichEdit = new QPlainTextEdit(this);
    LogRichEdit->setObjectName(QStringLiteral("LogRichEdit"));
    LogRichEdit->setReadOnly(true);
    LogRichEdit->setAccessibleName(tr("Log"));
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

void TMainForm::CreateActions()
{
    for (const TCommandInfo& info : Commands) {
        auto* action = new QAction(tr(info.Caption), this);
        action->setToolTip(tr(info.Hint));
        action->setStatusTip(tr(info.Hint));
        if (info.Image >= 0) action->setIcon(ProgramImage(info.Image));
        FActions[static_cast<std::size_t>(info.Command)] = action;
    }
    Action(TCommand::FileNew)->setShortcut(QKeySequence::New);
    Action(TCommand::FileOpen)->setShortcut(QKeySequence::Open);
    Action(TCommand::FileSave)->setShortcut(QKeySequence::Save);
    QAction* backUp = Action(TCommand::ToolsBackUp);
    backUp->setCheckable(true);
    backUp->setChecked(FSettings.BackUpBeforeSend());
    connect(backUp, &QAction::toggled, this, [this](bool on) { FSettings.SetBackUpBeforeSend(on); });
    QAction* changes = Action(TCommand::ToolsSendChanges);
    changes->setCheckable(true);
    changes->setChecked(FSettings.SendOnlyChanges());
    connect(changes, &QAction::toggled, this, [this](bool on) { FSettings.SetSendOnlyChanges(on); });

    const auto bind = [this](TCommand command, void (TMainForm::*slot)()) {
        connect(Action(command), &QAction::triggered, this, slot);
    };
    bind(TCommand::FileNew, &TMainForm::FileNewExecute);
    bind(TCommand::FileOpen, &TMainForm::FileOpenExecute);
    bind(TCommand::FileSave, &TMainForm::FileSaveExecute);
    bind(TCommand::FileSaveAs, &TMainForm::FileSaveAsExecute);
    connect(Action(TCommand::FileExit), &QAction::triggered, this, &QWidget::close);
    bind(TCommand::EditPoint, &TMainForm::EditPointExecute);
    bind(TCommand::EditConfig, &TMainForm::EditConfigExecute);
    bind(TCommand::EditMessage, &TMainForm::EditMessageExecute);
    bind(TCommand::EditPointList, &TMainForm::EditPointListExecute);
    bind(TCommand::EditChannelPlans, &TMainForm::EditChannelPlansExecute);
    bind(TCommand::SendData, &TMainForm::SendDataExecute);
    bind(TCommand::ToolsSendAll, &TMainForm::ToolsSendAllExecute);
    bind(TCommand::ReceiveData, &TMainForm::ReceiveDataExecute);
    bind(TCommand::ToolsCompare, &TMainForm::ToolsCompareExecute);
    bind(TCommand::ToolsBackups, &TMainForm::ToolsBackupsExecute);
    bind(TCommand::ToolsDetect, &TMainForm::ToolsDetectExecute);
    bind(TCommand::ToolsEditor, &TMainForm::ToolsEditorExecute);
    bind(TCommand::ToolsTerm, &TMainForm::ToolsTermExecute);
    bind(TCommand::ToolsNetworkPorts, &TMainForm::ToolsNetworkPortsExecute);
    bind(TCommand::HelpAbout, &TMainForm::HelpAboutExecute);
    // ToolsMonitor has no operation behind it.
}

void TMainForm::UpdateActions()
{
    const TProject& project = FSession.Project();
    const TProfile& model = project.Profile();
    const bool hasModel = project.HasModel();
    const auto enable = [this](TCommand command, bool on) { Action(command)->setEnabled(on); };
    enable(TCommand::FileSave, project.IsOpen());
    enable(TCommand::FileSaveAs, project.IsOpen());
    enable(TCommand::EditPoint, hasModel && model.HasPoints());
    enable(TCommand::EditConfig, hasModel && model.HasConfig());
    enable(TCommand::EditMessage, hasModel && model.HasMessages());
    enable(TCommand::EditPointList, hasModel && model.HasPoints());
    // The scan bands go with the configuration, as in the configuration editor.
    enable(TCommand::EditChannelPlans, hasModel && model.HasConfig());
    const TOperation running = FSession.Running();
    enable(TCommand::SendData, hasModel && running != TOperation::Send);
    enable(TCommand::ToolsSendAll, hasModel && running != TOperation::SendAll);
    enable(TCommand::ToolsCompare, hasModel && running != TOperation::Compare);
    enable(TCommand::ReceiveData, running != TOperation::Receive);
    enable(TCommand::ToolsDetect, running != TOperation::Detect);
    enable(TCommand::ToolsEditor, running != TOperation::TextEditor);
    enable(TCommand::ToolsTerm, running != TOperation::Terminal);
}

void TMainForm::RunCommand(TOperation operation, const std::function<void()>& work)
{
    FSession.Run(operation, [this, &work] {
        UpdateActions();
        work();
    });
    UpdateActions();
    // A signal that came meanwhile closes the window now.
    if (FClosingForSignal) QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TMainForm::CreateMenus()
{
    const auto add = [this](QWidget* to, std::initializer_list<TCommand> commands) {
        for (TCommand command : commands) to->addAction(Action(command));
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    add(file, {TCommand::FileNew, TCommand::FileOpen, TCommand::FileSave, TCommand::FileSaveAs});
    file->addSeparator();
    add(file, {TCommand::FileExit});

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    add(edit, {TCommand::EditPoint, TCommand::EditConfig, TCommand::EditMessage, TCommand::EditPointList,
               TCommand::EditChannelPlans});

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    add(tools, {TCommand::SendData, TCommand::ToolsSendAll, TCommand::ReceiveData, TCommand::ToolsCompare,
                TCommand::ToolsBackUp, TCommand::ToolsSendChanges, TCommand::ToolsBackups});
    tools->addSeparator();
    add(tools, {TCommand::ToolsEditor, TCommand::ToolsTerm, TCommand::ToolsMonitor});
    tools->addSeparator();
    add(tools, {TCommand::ToolsDetect, TCommand::ToolsNetworkPorts});

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    add(help, {TCommand::HelpAbout});
}

void TMainForm::CreateToolBar()
{
    QToolBar* bar = addToolBar(tr("Commands"));
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    // TCommand::Count stands for a separator.
    for (TCommand command : {TCommand::FileExit, TCommand::Count,
                             TCommand::FileNew, TCommand::FileOpen, TCommand::FileSave, TCommand::Count,
                             TCommand::EditPoint, TCommand::EditConfig, TCommand::EditMessage, TCommand::Count,
                             TCommand::ToolsDetect, TCommand::SendData, TCommand::ReceiveData, TCommand::Count,
                             TCommand::ToolsEditor, TCommand::ToolsTerm, TCommand::Count,
                             TCommand::HelpAbout}) {
        if (command == TCommand::Count)
            bar->addSeparator();
        else
            bar->addAction(Action(command));
    }
}

void TMainForm::CreateStatusBar()
{
    // A status message (the hint of the menu entry or tool button under the
    // pointer, "Please wait") hides the status bar's ordinary widgets. So the
    // three panels are permanent ones, and the message shows in a label of
    // its own after them.
    // The panels keep their widths, widened where a language's first texts
    // ("Equipment?", "Port?") need more.
    const QString firstTexts[3] = {QString(), tr("Equipment?"), tr("Port?")};
    for (int i = 0; i < 3; ++i) {
        FStatusPanels[i] = new QLabel(this);
        FStatusPanels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        const int frame = 2 * FStatusPanels[i]->frameWidth() + 2 * FStatusPanels[i]->margin();
        FStatusPanels[i]->setFixedWidth(
            std::max(StatusPanelWidths[i], FStatusPanels[i]->fontMetrics().horizontalAdvance(firstTexts[i]) + frame + 4));
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
    FSession.Link().SetNetworkPorts(FSettings.NetworkPorts());
    UpdateActions();
    SetStatusPanel(0, FSession.Project().FileName());
    SetStatusPanel(1, tr("Equipment?"));
    SetStatusPanel(2, tr("Port?"));
    LogRichEdit->clear();
    Log(QStringLiteral("%1 - v%2").arg(QString::fromLatin1(ProgramName), QString::fromLatin1(ProgramVersion)));
    Log(QString::fromLatin1(ProgramNotice));
    Log(QStringLiteral("Started at ") + NowText());
    FStartTime = std::time(nullptr);
    if (!FRecovery.Start()) Log(QStringLiteral("No recovery copies of unsaved changes can be kept in ") + RecoveryFolder());
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
        const std::optional<TPortAddress> port = TPortAddress::Parse(text);
        const QString device = port ? DevicePathOf(*port) : QString();
        FStatusPanels[panel]->setToolTip(device);
    }
}

void TMainForm::Waiting()
{
    QCoreApplication::processEvents();
}

void TMainForm::SetDetectImage(int imageIndex)
{
    FDetectImage = imageIndex;
    Action(TCommand::ToolsDetect)->setIcon(ProgramImage(imageIndex));
}

void TMainForm::SearchStarted()
{
    SetStatusPanel(1, QString());
    SetStatusPanel(2, QString());
}

void TMainForm::PortNotUsed(const QString&)
{
    SetDetectImage(ImageDetectNotFound);
}

void TMainForm::InstrumentFound(const TInstrumentInfo& instrument)
{
    SetDetectImage(ImageDetectFound);
    SetStatusPanel(1, instrument.Name);
    SetStatusPanel(2, instrument.Port);
}

void TMainForm::Beep()
{
    QApplication::beep();
}

void TMainForm::ProjectChanged()
{
    SetStatusPanel(0, FSession.Project().FileName());
    UpdateActions();
    SyncRecovery();
}

void TMainForm::SyncRecovery()
{
    TProject& project = FSession.Project();
    if (!project.HasUnsavedWork()) {
        FRecovery.Discard();
        return;
    }
    // Regenerate writes the project line list itself, as Save and Send do.
    if (!FRecovery.Keep(project.Regenerate(), project.FileName(), project.PartLoad()))
        statusBar()->showMessage(tr("The recovery copy of the unsaved changes could not be written."), 8000);
}

void TMainForm::OfferRecovery()
{
    // A signal that came first ends the program; the copy waits for the next start.
    if (FClosingForSignal) return;
    const QList<TRecovery::TLeftCopy> copies = FRecovery.LeftBehind();
    if (copies.isEmpty()) return;
    const TRecovery::TLeftCopy& newest = copies.first();
    const QString name = newest.FileName.isEmpty() ? TProject::UntitledName : newest.FileName;
    TLineList text;
    if (const TFileResult read = FRecovery.Read(newest, text); !read) {
        // Not offered as a project, not deleted either: the user may know what to do with it.
        const QString aside = FRecovery.SetAside(newest);
        // The log keeps its English line; the box speaks the user's language.
        const char* refused = QT_TR_NOOP("The changes to %1 kept when the program ended on %2 cannot be restored: %3\n\n"
                                         "The copy is kept as %4.");
        const auto fill = [&](const QString& text) { return text.arg(name, DateTimeText(newest.Kept), read.Error, aside); };
        Log(fill(QString::fromLatin1(refused)).replace(QStringLiteral("\n\n"), QStringLiteral(" ")));
        FPrompter.Message(QString::fromLatin1(ApplicationTitle), fill(tr(refused)), TMsgIcon::Warning);
        return;
    }
    const TMsgButton answer = FPrompter.Message(
        QString::fromLatin1(ApplicationTitle),
        tr("The program ended on %1 without saving the changes to %2.\n\n"
           "Restore them? They come back as an unsaved project. Later keeps them for the next start.")
            .arg(DateTimeText(newest.Kept), name),
        TMsgIcon::Question, TMsgButton::Restore | TMsgButton::Discard | TMsgButton::Later);
    if (answer == TMsgButton::Restore) {
        FSession.Project().Restore(std::move(text), newest.FileName, newest.PartLoad);
        ProjectChanged();  // this program's own copy holds it from here
        FRecovery.Forget(newest);
    } else if (answer == TMsgButton::Discard) {
        FRecovery.Forget(newest);
    }
}

void TMainForm::CloseForSignal()
{
    FClosingForSignal = true;
    // Dialogs, the terminal's window: each ends what it was doing.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible()) window->close();
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TMainForm::Progress(int done, int total)
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
    if (!FSession.IsBusy()) return false;
    statusBar()->showMessage(tr("Please wait: the instrument operation is still running."), 4000);
    return true;
}

void TMainForm::FileNewExecute()
{
    if (RefusedWhileBusy()) return;
    FSession.Project().New();
    ProjectChanged();
}

void TMainForm::FileOpenExecute()
{
    if (RefusedWhileBusy()) return;
    FSession.Project().Open();
    ProjectChanged();
}

void TMainForm::FileSaveExecute()
{
    if (RefusedWhileBusy()) return;
    FSession.Project().Save();
    ProjectChanged();
}

void TMainForm::FileSaveAsExecute()
{
    if (RefusedWhileBusy()) return;
    FSession.Project().SaveAs();
    ProjectChanged();
}

void TMainForm::RunEditor(QDialog* dialog, const QString& name)
{
    if (!dialog || RefusedWhileBusy()) return;
    Log(QStringLiteral("Edit: %1 started at ").arg(name) + NowText());
    dialog->exec();
    Log(QStringLiteral("Edit: %1 exit at ").arg(name) + NowText());
    SyncRecovery();
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

void TMainForm::EditPointListExecute()
{
    RunEditor(FPointListDlg, QStringLiteral("point list"));
}

void TMainForm::EditChannelPlansExecute()
{
    RunEditor(FChannelPlansDlg, QStringLiteral("channel plans"));
}

void TMainForm::SendDataExecute()
{
    if (RefusedWhileBusy()) return;
    FSession.SetSendOptions(SendOptionsOfSettings());
    RunCommand(TOperation::Send, [this] { FSession.Send(); });
}

TSendOptions TMainForm::SendOptionsOfSettings() const
{
    TSendOptions options;
    options.BackUp = FSettings.BackUpBeforeSend();
    options.BackupFolder = FSettings.BackupFolder();
    options.ChangedOnly = FSettings.SendOnlyChanges();
    return options;
}

// The project in hand, as Send would send it, to every instrument at once:
// each port in its own thread with its own session (Fleet.h).
void TMainForm::ToolsSendAllExecute()
{
    if (RefusedWhileBusy() || !FSession.ConfirmPartLoad()) return;
    TFleetJob job;
    job.Operation = TFleetOperation::Send;
    job.Ports = ComPorts() + FSettings.NetworkPorts();
    job.ProjectText = FSession.Project().Regenerate();
    job.ProjectName = FSession.Project().FileName();
    job.SendOptions = SendOptionsOfSettings();
    RunCommand(TOperation::SendAll, [this, &job] {
        Log(QStringLiteral("Tools: send to all instruments started at ") + NowText());
        TSendAllDlg dialog(this);
        connect(&dialog.Fleet(), &TFleet::Logged, this, &TMainForm::Log);
        const QList<TFleetRow> rows = dialog.Run(job, job.ProjectName);
        if (rows.isEmpty()) {
            Beep();
            Log(QStringLiteral("ERROR: no serial port to send to. Check connection"));
        } else {
            for (const QString& line : FleetTable(rows, TFleetOperation::Send)) Log(line);
            Log(FleetVerdict(rows, TFleetOperation::Send));
        }
        Log(QStringLiteral("Tools: send to all instruments exit at ") + NowText());
    });
}

void TMainForm::ReceiveDataExecute()
{
    if (RefusedWhileBusy()) return;
    RunCommand(TOperation::Receive, [this] { FSession.Receive(); });
    ProjectChanged();
}

void TMainForm::ToolsCompareExecute()
{
    if (RefusedWhileBusy()) return;
    TComparison comparison;
    RunCommand(TOperation::Compare, [this, &comparison] { comparison = FSession.Compare(); });
    const QString caption = tr("Compare with instrument");
    if (comparison.Result != TTransferResult::Complete) {
        if (comparison.Result != TTransferResult::Busy)
            FPrompter.Message(caption, tr("The instrument could not be read: see the log."), TMsgIcon::Error);
        return;
    }
    // A project that did not load whole holds defaults after its bad line:
    // the verdict is only about what it loaded.
    const QString partLoad = comparison.PartLoad.isEmpty()
                                 ? QString()
                                 : tr("\n\nThe project did not load whole, so this says nothing of the file "
                                      "after its bad line:\n") + FSession.Project().PartLoadText(true);
    if (comparison.Differences.isEmpty()) {
        FPrompter.Message(caption, tr("The instrument holds the settings of the project.") + partLoad,
                          partLoad.isEmpty() ? TMsgIcon::Information : TMsgIcon::Warning);
        return;
    }
    constexpr int Shown = 20;
    QStringList text = comparison.Differences.mid(0, Shown);
    if (comparison.Differences.size() > Shown) text << tr("... and %1 more, all in the log.").arg(comparison.Differences.size() - Shown);
    FPrompter.Message(caption,
                      tr("%1 settings differ between the project and the instrument:\n\n")
                              .arg(comparison.Differences.size()) + text.join(QLatin1Char('\n')) + partLoad,
                      TMsgIcon::Warning);
}

void TMainForm::ToolsBackupsExecute()
{
    if (RefusedWhileBusy()) return;
    const TProject& project = FSession.Project();
    TBackupsDlg dialog(FPrompter, FSettings.BackupFolder(), project.HasModel() ? &project.Profile() : nullptr, this);
    if (FSession.Link().IsDetected()) dialog.ShowInstrument(FSession.Link().EquipmentName());
    connect(&dialog, &TBackupsDlg::OpenRequested, this, [this, &dialog](const QString& path) {
        OpenBackup(path);
        dialog.accept();
    });
    connect(&dialog, &TBackupsDlg::RestoreRequested, this, &TMainForm::RestoreBackup);
    dialog.exec();
}

// A backup in hand as a new project, never saved: Save writes it to the
// user's documents under the backup's name, so the backup itself stays as
// it was taken.
void TMainForm::OpenBackup(const QString& path)
{
    TLineList lines;
    if (const TFileResult loaded = LoadTextLines(path, lines); !loaded) {
        FPrompter.Message(tr("Orvantis error"), tr("The backup %1 cannot be read: %2.").arg(path, loaded.Error), TMsgIcon::Error);
        return;
    }
    if (!FSession.Project().QuerySave()) return;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = QDir(documents).filePath(QFileInfo(path).fileName());
    FSession.Project().Take(std::move(lines), name);
    FSession.Project().SetModified();
    Log(QStringLiteral("open backup ") + path + QStringLiteral(" as ") + name);
    ProjectChanged();
}

// Restore to Instrument: a Send of the backup, with the instrument backed up
// first whatever the setting says, after a question.
void TMainForm::RestoreBackup(const QString& path)
{
    if (RefusedWhileBusy()) return;
    const QString fileName = QFileInfo(path).fileName();
    const std::optional<TBackupName> name = ParseBackupName(fileName);
    TLineList lines;
    const TFileResult loaded = LoadTextLines(path, lines);
    if (!name || !loaded) {
        FPrompter.Message(tr("Orvantis error"), tr("The backup %1 cannot be read: %2.").arg(path, loaded ? tr("not named as a backup") : loaded.Error),
                          TMsgIcon::Error);
        return;
    }
    const QString taken = DateTimeText(name->Time.toLocalTime());
    const TEquipmentLink& link = FSession.Link();
    const QString target = link.IsDetected() ? tr("the %1 on %2").arg(link.EquipmentName(), link.PortName()) : tr("the instrument");
    if (!FPrompter.Confirm(tr("Restore to Instrument"),
                           tr("Send the backup of %1 taken on %2 into %3?\n\n"
                              "Every setting of the instrument is replaced; its present settings are backed up first.")
                               .arg(name->Instrument, taken, target)))
        return;

    TProject backup(FSession.Link(), FPrompter, [this](const QString& line) { Log(line); });
    backup.Take(std::move(lines), path);
    TSendOptions options = SendOptionsOfSettings();
    options.BackUp = true;
    options.AcceptInstrument = [&](const QString& instrument) {
        return IsBackupOf(fileName, instrument) ||
               FPrompter.Confirm(tr("Restore to Instrument"),
                                 tr("This backup was taken from an instrument named %1, but the one on %2 is named %3.\n\n"
                                    "Send it into this instrument all the same?")
                                     .arg(name->Instrument, FSession.Link().PortName(), instrument));
    };
    FSession.SetSendOptions(options);
    Log(QStringLiteral("restore backup ") + path);
    RunCommand(TOperation::Send, [this, &backup] { FSession.SendProject(backup); });
    // The question above asks about this backup only.
    FSession.SetSendOptions(SendOptionsOfSettings());
}

void TMainForm::ToolsDetectExecute()
{
    if (RefusedWhileBusy()) return;
    RunCommand(TOperation::Detect, [this] { FSession.Detect(); });
}

void TMainForm::ToolsTermExecute()
{
    RunTerminal({});
}

void TMainForm::RunTerminal(const QString& port)
{
    if (!FTerminalRunner || RefusedWhileBusy()) return;
    RunCommand(TOperation::Terminal, [this, port] {
        Log(QStringLiteral("Tools: terminal started at ") + NowText());
        FTerminalRunner(port);
        Log(QStringLiteral("Tools: terminal exit at ") + NowText());
    });
}

void TMainForm::ToolsNetworkPortsExecute()
{
    TNetworkPortsDlg dialog(this);
    dialog.SetPorts(FSettings.NetworkPorts());
    if (dialog.exec() != QDialog::Accepted) return;
    FSettings.SetNetworkPorts(dialog.Ports());
    FSession.Link().SetNetworkPorts(dialog.Ports());
    if (dialog.TerminalPort()) RunTerminal(dialog.TerminalPort()->Name());
}

void TMainForm::ToolsEditorExecute()
{
    if (!FScratchPad || RefusedWhileBusy()) return;
    RunCommand(TOperation::TextEditor, [this] {
        Log(QStringLiteral("Tools: text editor started at ") + NowText());
        FScratchPad->exec();
        Log(QStringLiteral("Tools: text editor exit at ") + NowText());
    });
}

void TMainForm::HelpAboutExecute()
{
    if (FAboutBox) FAboutBox->exec();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // Detect, Send, Receive and the terminal hold the port and the model: let
    // them end first. After a signal the window closes when they have.
    if (FSession.IsBusy() || FSession.Running() != TOperation::None) {
        if (!FClosingForSignal)
            FPrompter.Message(QString::fromLatin1(ApplicationTitle),
                              FSession.IsBusy()
                                  ? tr("The instrument operation is still running. Close the program when it has ended.")
                                  : tr("Close the terminal first."),
                              TMsgIcon::Information);
        event->ignore();
        return;
    }
    if (!FClosingForSignal && !FSession.Project().QuerySave()) {
        event->ignore();
        return;
    }
    // A normal close leaves nothing to recover; after a signal the copy of
    // any unsaved work stays for the next start.
    if (!FClosingForSignal) FRecovery.Discard();
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
        FPrompter.Message(tr("Orvantis error"),
                          tr("The log file %1 could not be written.\n\n%2").arg(FLogFileName, saved.Error),
                          TMsgIcon::Error);
    }
    return saved.Ok;
}

}  // namespace orvantis
