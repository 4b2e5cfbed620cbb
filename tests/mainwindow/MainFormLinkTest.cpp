// The main window's instrument commands against orvantis-sim on pseudo-
// terminals: what the window shows, logs and enables after each.

#include "MainForm.h"
#include "NetworkPortsDlg.h"
#include "ScriptedPrompter.h"
#include "SendAllDlg.h"
#include "Ser2NetProcess.h"
#include "SimProcess.h"
#include "TextFile.h"
#include "UserFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace orvantis;
using orvantis::test::TAskedMessage;
using orvantis::test::TScriptedPrompter;
using orvantis::test::TSimProcess;

namespace {

class MainFormLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FPorts.isValid());
        ASSERT_TRUE(FWork.isValid());
        qputenv("ORVANTIS_PORT_DIR", FPorts.path().toLocal8Bit());
        FOldDir = QDir::currentPath();
        QDir::setCurrent(FWork.path());
        FForm = std::make_unique<TMainForm>(FPrompter);
    }
    void TearDown() override
    {
        FForm.reset();
        FSims.clear();
        QDir::setCurrent(FOldDir);
        qunsetenv("ORVANTIS_PORT_DIR");
    }

    void StartSim(int com, const QStringList& options = {})
    {
        auto& sim = FSims.emplace_back(std::make_unique<TSimProcess>());
        ASSERT_TRUE(sim->Start(FPorts.path(), com, options + QStringList{QStringLiteral("--quiet")}));
    }
    QStringList Log() const { return FForm->LogPane()->toPlainText().split(QLatin1Char('\n')); }
    bool Enabled(std::initializer_list<QAction*> actions) const
    {
        for (QAction* a : actions)
            if (!a->isEnabled()) return false;
        return true;
    }
    bool Disabled(std::initializer_list<QAction*> actions) const
    {
        for (QAction* a : actions)
            if (a->isEnabled()) return false;
        return true;
    }

    QTemporaryDir FPorts;
    QTemporaryDir FWork;
    QString FOldDir;
    TScriptedPrompter FPrompter;
    std::vector<std::unique_ptr<TSimProcess>> FSims;
    std::unique_ptr<TMainForm> FForm;
};

TEST_F(MainFormLinkTest, DetectShowsTheInstrumentAndItsPort)
{
    StartSim(2, {QStringLiteral("--name"), QStringLiteral("OV+ ISDB-T"), QStringLiteral("--version"), QStringLiteral("1.20")});
    FForm->Action(TCommand::ToolsDetect)->trigger();

    const QStringList log = Log();
    EXPECT_TRUE(log.contains(QStringLiteral("Detecting equipment and COM port")));
    EXPECT_TRUE(log.contains(QStringLiteral("COM1 not available")));
    EXPECT_EQ(log.last(), QStringLiteral("COM2 -> OV+ ISDB-T ver1.20"));
    EXPECT_EQ(FForm->StatusPanelText(1), QStringLiteral("OV+ ISDB-T"));
    EXPECT_EQ(FForm->StatusPanelText(2), QStringLiteral("COM2"));
    EXPECT_EQ(FForm->StatusPanelHint(2), QDir(FPorts.path()).filePath(QStringLiteral("COM2")));
    EXPECT_EQ(FForm->DetectImage(), 14);
    EXPECT_TRUE(FForm->Action(TCommand::ToolsDetect)->isEnabled());
    EXPECT_EQ(FForm->Link().GetEquipmentModel(), 16);
    EXPECT_FLOAT_EQ(FForm->Link().GetEquipmentVersion(), 1.2f);
    // The model follows the instrument at once: ISDB-T defaults on New.
    FForm->Action(TCommand::FileNew)->trigger();
    EXPECT_STREQ(FForm->EditedProject().GetProfile().GetPointName(0), "BRASIL13");
}

// The list is kept for the next start; Detect tries it after COM1 to COM40
// and names the address as it names a COM port.
TEST_F(MainFormLinkTest, NetworkPortsAreKeptAndDetectTriesThemAfterTheComPorts)
{
    if (const QString reason = test::TSer2NetProcess::MissingReason(); !reason.isEmpty()) GTEST_SKIP() << reason.toStdString();
    QTemporaryDir bench;
    TSimProcess sim;
    ASSERT_TRUE(sim.Start(bench.path(), 1, {QStringLiteral("--quiet")}));
    test::TSer2NetProcess ser2net;
    ASSERT_TRUE(ser2net.Start(bench.path(), {{sim.LinkPath(), true}}));
    const QString address = ser2net.Address(0);

    QTimer::singleShot(0, FForm.get(), [this, address] {
        auto* dialog = FForm->findChild<TNetworkPortsDlg*>();
        ASSERT_TRUE(dialog);
        dialog->EdAddress->setText(QStringLiteral("bench3:3001"));
        dialog->AddBtn->click();
        dialog->EdAddress->setText(address);
        dialog->AddBtn->click();
        dialog->accept();
    });
    FForm->Action(TCommand::ToolsNetworkPorts)->trigger();
    ASSERT_EQ(TProgramSettings().NetworkPorts().size(), 1);
    EXPECT_EQ(TProgramSettings().NetworkPorts().first().Name(), address);

    FForm = std::make_unique<TMainForm>(FPrompter);
    FForm->Action(TCommand::ToolsDetect)->trigger();
    const QStringList log = Log();
    EXPECT_TRUE(log.contains(QStringLiteral("COM40 not available")));
    EXPECT_EQ(log.last(), address + QStringLiteral(" -> OV+ DVB-T2 ver1.20"));
    EXPECT_EQ(FForm->StatusPanelText(2), address);
    TProgramSettings().SetNetworkPorts({});
}

TEST_F(MainFormLinkTest, ReceiveMakesANewUnsavedProject)
{
    StartSim(1);
    FForm->Action(TCommand::ReceiveData)->trigger();

    EXPECT_TRUE(FPrompter.Messages.isEmpty()) << FPrompter.Messages.value(0).Text.toStdString();
    EXPECT_EQ(FForm->Project().FileName(), QStringLiteral("Untitled.PRO"));
    EXPECT_EQ(FForm->StatusPanelText(0), QStringLiteral("Untitled.PRO"));
    EXPECT_TRUE(FForm->Project().IsModified());
    EXPECT_TRUE(Enabled({FForm->Action(TCommand::FileSave), FForm->Action(TCommand::FileSaveAs), FForm->Action(TCommand::EditPoint), FForm->Action(TCommand::EditConfig),
                         FForm->Action(TCommand::EditMessage), FForm->Action(TCommand::SendData), FForm->Action(TCommand::ReceiveData)}));
    EXPECT_TRUE(Log().contains(QStringLiteral("received data from remote equipment")));
    EXPECT_STREQ(FForm->EditedProject().GetProfile().GetMessageText(12), "NET:");

    // The received project is unsaved: closing asks before the log is written.
    FPrompter.AnswerMessage(TMsgButton::Cancel);
    EXPECT_FALSE(FForm->close());
}

TEST_F(MainFormLinkTest, ReceiveWithoutAnInstrumentLeavesNothingToSaveOrSend)
{
    FForm->Action(TCommand::FileNew)->trigger();  // a project in hand, which Receive drops
    FPrompter.AnswerMessage(TMsgButton::No);
    FForm->Action(TCommand::ReceiveData)->trigger();

    EXPECT_TRUE(Log().last().startsWith(QStringLiteral("Tools: receive data exit at ")));
    EXPECT_TRUE(Log().contains(QStringLiteral("ERROR: unable to receive data. Check connection")));
    EXPECT_TRUE(Disabled({FForm->Action(TCommand::FileSave), FForm->Action(TCommand::FileSaveAs), FForm->Action(TCommand::EditPoint), FForm->Action(TCommand::EditConfig), FForm->Action(TCommand::EditMessage),
                          FForm->Action(TCommand::SendData)}));
    EXPECT_TRUE(FForm->Action(TCommand::ReceiveData)->isEnabled());
    EXPECT_TRUE(FForm->Project().FileName().isEmpty());
    EXPECT_EQ(FForm->StatusPanelText(0), QString());
    // No project in hand: closing does not ask.
    EXPECT_TRUE(FForm->close());
}

TEST_F(MainFormLinkTest, APartialReceiveWarnsAndKeepsNoProjectName)
{
    StartSim(1, {QStringLiteral("--nak-at"), QStringLiteral("0800")});
    FForm->Action(TCommand::ReceiveData)->trigger();

    ASSERT_EQ(FPrompter.Messages.size(), 1);
    EXPECT_EQ(FPrompter.Messages[0].Caption, QStringLiteral("Warning"));
    EXPECT_EQ(FPrompter.Messages[0].Text, QStringLiteral("Error loading equipment data. Using default."));
    EXPECT_TRUE(Disabled({FForm->Action(TCommand::FileSave), FForm->Action(TCommand::FileSaveAs)}));
    EXPECT_TRUE(Enabled({FForm->Action(TCommand::EditPoint), FForm->Action(TCommand::EditConfig), FForm->Action(TCommand::EditMessage), FForm->Action(TCommand::SendData)}));
    EXPECT_TRUE(FForm->Project().FileName().isEmpty());
    // Edits mark the model modified, yet with no project in hand closing does not ask.
    FForm->EditedProject().SetModified();
    EXPECT_TRUE(FForm->close());
}

TEST_F(MainFormLinkTest, SendWritesTheEditedModelAndChangesNoProjectState)
{
    StartSim(3);
    FForm->Action(TCommand::FileNew)->trigger();
    FForm->EditedProject().GetProfile().SetMessageText(1, "CO: FIELD TEAM");
    FForm->Action(TCommand::SendData)->trigger();

    const QStringList log = Log();
    EXPECT_TRUE(log.contains(QStringLiteral("Untitled.PRO sent to remote equipment"))) << log.join('\n').toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("processed 112 data lines of 122")));
    EXPECT_TRUE(FForm->Action(TCommand::SendData)->isEnabled());
    EXPECT_TRUE(FForm->Project().IsModified());
    EXPECT_EQ(FForm->Project().FileName(), QStringLiteral("Untitled.PRO"));

    // What was sent is what the instrument now gives back.
    FPrompter.AnswerMessage(TMsgButton::No);
    FForm->Action(TCommand::FileNew)->trigger();
    FPrompter.AnswerMessage(TMsgButton::No);
    FForm->Action(TCommand::ReceiveData)->trigger();
    EXPECT_STREQ(FForm->EditedProject().GetProfile().GetMessageText(1), "CO: FIELD TEAM");
}

TEST_F(MainFormLinkTest, CompareOfAProjectThatDidNotLoadWholeSaysSo)
{
    // The factory settings up to a bad line, then defaults: the instrument
    // matches, but only what the file loaded was compared.
    StartSim(3);
    const QString path = FWork.filePath(QStringLiteral("site.pro"));
    FForm->Action(TCommand::FileNew)->trigger();
    FPrompter.AnswerFile(path);
    FForm->Action(TCommand::FileSaveAs)->trigger();
    TLineList lines = FForm->Project().Lines();
    lines.insert(lines.begin() + 40, "send    # note");
    ASSERT_TRUE(SaveTextLines(path, lines).Ok);
    FPrompter.AnswerFile(path);
    FForm->Action(TCommand::FileOpen)->trigger();
    ASSERT_TRUE(FForm->Project().IsPartlyLoaded());

    FPrompter.Messages.clear();
    FForm->Action(TCommand::ToolsCompare)->trigger();
    ASSERT_FALSE(FPrompter.Messages.isEmpty());
    const TAskedMessage& said = FPrompter.Messages.last();
    EXPECT_EQ(said.Icon, TMsgIcon::Warning);
    EXPECT_TRUE(said.Text.startsWith(QStringLiteral("The instrument holds the settings of the project.")));
    EXPECT_TRUE(said.Text.contains(QStringLiteral("line 41 not loaded: send    # note"))) << said.Text.toStdString();
}

TEST_F(MainFormLinkTest, ClosingIsRefusedWhileAnInstrumentOperationRuns)
{
    StartSim(5);
    // Detect lets the window take input between ports: try to close then.
    bool closedDuringDetect = true;
    QTimer::singleShot(0, FForm.get(), [&] { closedDuringDetect = FForm->close(); });
    FForm->Action(TCommand::ToolsDetect)->trigger();

    EXPECT_FALSE(closedDuringDetect);
    ASSERT_EQ(FPrompter.Messages.size(), 1);
    EXPECT_TRUE(FPrompter.Messages[0].Text.contains(QStringLiteral("still running")));
    EXPECT_EQ(FForm->StatusPanelText(2), QStringLiteral("COM5"));
    EXPECT_FALSE(Log().last().startsWith(QStringLiteral("Ended at")));
    EXPECT_TRUE(FForm->close());  // once it has ended
}

// The dialog's rows while the others go on: one instrument loses its line
// in the middle of the records, the other takes the whole project.
TEST_F(MainFormLinkTest, SendToAllInstrumentsShowsEveryPortAndLogsTheTable)
{
    StartSim(1);
    StartSim(2, {QStringLiteral("--hangup-after"), QStringLiteral("150")});
    StartSim(4, {QStringLiteral("--silent")});
    FForm->Action(TCommand::FileNew)->trigger();

    QMap<QString, QString> states;
    QString backup;
    QTimer::singleShot(0, FForm.get(), [&] {
        auto* dialog = FForm->findChild<TSendAllDlg*>();
        ASSERT_NE(dialog, nullptr);
        if (dialog->IsRunning()) {
            QSignalSpy finished(&dialog->Fleet(), &TFleet::Finished);
            EXPECT_TRUE(finished.wait(60000));
        }
        for (const QString port : {"COM1", "COM2", "COM4"}) {
            auto* instrument = dialog->findChild<QLabel*>(QStringLiteral("Instrument") + port);
            auto* state = dialog->findChild<QLabel*>(QStringLiteral("State") + port);
            ASSERT_TRUE(instrument && state) << port.toStdString();
            states[port] = instrument->text() + QStringLiteral(" | ") + state->text().section(QStringLiteral(" ("), 0, 0);
        }
        backup = dialog->findChild<QLabel*>(QStringLiteral("StateCOM1"))->toolTip().section(QStringLiteral(": "), 1);
        dialog->findChild<QPushButton*>(QStringLiteral("CloseBtn"))->click();
    });
    FForm->Action(TCommand::ToolsSendAll)->trigger();

    EXPECT_EQ(states.value("COM1"), "OV+ DVB-T2 ver1.20 | sent");
    EXPECT_EQ(states.value("COM2").section(" | error at line ", 0, 0), "OV+ DVB-T2 ver1.20");
    EXPECT_TRUE(states.value("COM2").endsWith("of 122")) << states.value("COM2").toStdString();
    EXPECT_EQ(states.value("COM4"), "- | not used");
    EXPECT_TRUE(QFileInfo::exists(backup)) << backup.toStdString();
    const QStringList log = Log();
    EXPECT_TRUE(log.contains(QStringLiteral("COM1: Untitled.PRO sent to remote equipment")));
    EXPECT_EQ(log.filter(QRegularExpression(QStringLiteral("^COM1 +OV\\+ DVB-T2 +sent +[0-9.]+ s +") + QRegularExpression::escape(backup) + "$")).size(), 1);
    EXPECT_TRUE(log.contains(QStringLiteral("sent to 1 of 2 instruments")));
    EXPECT_TRUE(log.last().startsWith(QStringLiteral("Tools: send to all instruments exit at ")));
    // The project in hand is as it was, and no port stayed open.
    EXPECT_EQ(FForm->Project().FileName(), QStringLiteral("Untitled.PRO"));
    EXPECT_TRUE(FForm->Action(TCommand::ToolsSendAll)->isEnabled());
    FForm->Action(TCommand::ToolsDetect)->trigger();
    EXPECT_EQ(FForm->StatusPanelText(2), QStringLiteral("COM1"));
}

}  // namespace
