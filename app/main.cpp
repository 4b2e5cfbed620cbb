// The desktop program: the main window and the windows it starts, created
// in a fixed order and kept until the program ends.

#include "AboutBox.h"
#include "CfgEditorDlg.h"
#include "ChannelPlansDlg.h"
#include "ConsoleWindow.h"
#include "DetPointsDlg.h"
#include "MainForm.h"
#include "MessEditDlg.h"
#include "PasswordDlg.h"
#include "PointListDlg.h"
#include "ProgramInfo.h"
#include "QtPrompter.h"
#include "ScratchPad.h"
#include "StopSignals.h"
#include "Terminal.h"
#include "Translations.h"
#include "UserFiles.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <exception>

int main(int argc, char* argv[])
{
    orvantis::TStopSignals::Hold();
    QApplication app(argc, argv);
    orvantis::InstallTranslations(app);
    QApplication::setApplicationName(QString::fromLatin1(orvantis::ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(orvantis::ProgramVersion));
    // The desktop entry's name, by which Wayland shells give the window its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.korven.orvantis"));
    try {
        orvantis::TQtPrompter prompter;
        orvantis::TMainForm mainForm(prompter);
        prompter.SetParent(&mainForm);
        // The other windows, in this order; they live until the program ends.
        mainForm.SetAboutBox(new orvantis::TAboutBox(&mainForm));
        mainForm.SetScratchPad(new orvantis::TScratchPad(prompter, &mainForm));
        orvantis::IEditedProject& project = mainForm.EditedProject();
        mainForm.SetCfgEditor(new orvantis::TCfgEditorDlg(project, prompter, &mainForm));
        mainForm.SetDetPointsEditor(new orvantis::TDetPointsDlg(project, prompter, &mainForm));
        // The messages editor listens to the password dialog from its construction.
        auto* passwordDlg = new orvantis::TPasswordDlg(&mainForm);
        mainForm.SetMessEditor(new orvantis::TMessEditDlg(project, *passwordDlg, &mainForm));
        mainForm.SetPointListEditor(new orvantis::TPointListDlg(project, prompter, &mainForm));
        mainForm.SetChannelPlansEditor(new orvantis::TChannelPlansDlg(project, &mainForm));
        // The terminal runs in a console window of its own, beside the main window,
        // on the port asked for (Tools > Network Ports), else the one that
        // detection found, if any.
        mainForm.SetTerminalRunner([&mainForm, &prompter](const QString& port) {
            orvantis::TWindowConsole console(&mainForm);
            const bool chosen = !port.isEmpty() || mainForm.Link().IsDetected();
            orvantis::TTerminal terminal(console, prompter, [&mainForm](const QString& line) { mainForm.Log(line); },
                                         chosen, port.isEmpty() ? mainForm.Link().PortName() : port);
            terminal.Run();
        });
        // Backups older than a year go; the recent ones are kept.
        orvantis::PruneBackups(orvantis::DefaultBackupFolder(), QDateTime::currentDateTime());
        orvantis::TStopSignals stopSignals;
        QObject::connect(&stopSignals, &orvantis::TStopSignals::Received, &mainForm, &orvantis::TMainForm::CloseForSignal);
        mainForm.show();
        // Asked from the event loop, so that a signal while the question is
        // shown closes it (as Later) and then the window, and the program ends.
        QTimer::singleShot(0, &mainForm, &orvantis::TMainForm::OfferRecovery);
        QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QString::fromLatin1(orvantis::ApplicationTitle), QString::fromLocal8Bit(e.what()));
    }
    return 0;
}
