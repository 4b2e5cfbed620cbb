// Saves a picture of the point list on a project received from orvantis-sim,
// as a technician sees it, into the folder given as the first argument:
//   xvfb-run -a build/default/tests/mainwindow/point-list-screenshot docs

#include "MainForm.h"
#include "PointListDlg.h"
#include "ScriptedPrompter.h"
#include "SimProcess.h"

#include <QApplication>
#include <QDir>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace orvantis;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QTemporaryDir ports;
    qputenv("ORVANTIS_PORT_DIR", ports.path().toLocal8Bit());
    test::TSimProcess sim;
    if (!sim.Start(ports.path(), 1, {QStringLiteral("--quiet")})) return 1;

    test::TScriptedPrompter prompter;
    TMainForm form(prompter);
    TPointListDlg list(form.EditedProject(), prompter, &form);
    form.SetPointListEditor(&list);
    form.show();
    form.Action(TCommand::ReceiveData)->trigger();

    bool saved = false;
    QTimer::singleShot(0, &list, [&] {
        // One row being corrected, to show the check column at work.
        auto* table = list.findChild<QTableWidget*>("PointTable");
        table->item(5, 2)->setText(QStringLiteral("CH 21"));
        table->item(5, 1)->setText(QStringLiteral("47400"));
        table->setCurrentCell(5, 2);
        QTest::qWait(200);
        const QString path = folder.filePath(QStringLiteral("point-list.png"));
        saved = list.grab().save(path);
        std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
        list.reject();
    });
    form.Action(TCommand::EditPointList)->trigger();
    return saved ? 0 : 1;
}
