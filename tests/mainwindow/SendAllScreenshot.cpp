// Saves a picture of Tools > Send to All Instruments while it runs, as a
// technician sees it: five simulated instruments, one of which loses its
// line and one of which never answers. Into the folder given as the first
// argument:
//   xvfb-run -a build/default/tests/mainwindow/send-all-screenshot docs

#include "MainForm.h"
#include "ScriptedPrompter.h"
#include "SendAllDlg.h"
#include "SimProcess.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <vector>

using namespace orvantis;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QTemporaryDir ports;
    QTemporaryDir data;
    qputenv("ORVANTIS_PORT_DIR", ports.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());  // the backups
    const QStringList paced{QStringLiteral("--quiet"), QStringLiteral("--pace")};
    const QList<QStringList> instruments{
        paced,
        paced + QStringList{QStringLiteral("--slow"), QStringLiteral("2")},
        paced + QStringList{QStringLiteral("--hangup-after"), QStringLiteral("150")},
        {QStringLiteral("--quiet"), QStringLiteral("--silent")},
        paced + QStringList{QStringLiteral("--slow"), QStringLiteral("1"), QStringLiteral("--name"), QStringLiteral("OV+ ISDB-T"),
                            QStringLiteral("--version"), QStringLiteral("1.35")},
    };
    std::vector<std::unique_ptr<test::TSimProcess>> sims;
    for (int com = 1; com <= instruments.size(); ++com) {
        auto& sim = sims.emplace_back(std::make_unique<test::TSimProcess>());
        if (!sim->Start(ports.path(), com, instruments[com - 1])) return 1;
    }

    test::TScriptedPrompter prompter;
    TMainForm form(prompter);
    form.show();
    form.Action(TCommand::FileNew)->trigger();

    bool saved = false;
    QTimer::singleShot(0, &form, [&] {
        auto* dialog = form.findChild<TSendAllDlg*>();
        // Once the lost line has been reported, while the others still send.
        QSignalSpy done(&dialog->Fleet(), &TFleet::PortDone);
        while (done.isEmpty() || done.last().first().value<TFleetRow>().PortIndex != 2) {
            if (!done.wait(20000)) break;
        }
        QTest::qWait(150);
        const QString path = folder.filePath(QStringLiteral("send-all.png"));
        saved = dialog->grab().save(path);
        std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
        if (dialog->IsRunning()) QSignalSpy(&dialog->Fleet(), &TFleet::Finished).wait(60000);
        dialog->findChild<QPushButton*>(QStringLiteral("CloseBtn"))->click();
    });
    form.Action(TCommand::ToolsSendAll)->trigger();
    return saved ? 0 : 1;
}
