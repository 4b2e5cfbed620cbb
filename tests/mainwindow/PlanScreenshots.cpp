// Saves pictures of the channel plan dialogs on a project received from
// orvantis-sim, as a technician sees them, into the folder given as the
// first argument:
//   xvfb-run -a build/default/tests/mainwindow/plan-screenshots docs
// plan-fill.png: Fill from Plan... of the point list; channel-plans.png:
// Edit > Channel Plans... In the locale's language, as the program shows them:
//   LANG=pt_BR.UTF-8 xvfb-run -a build/default/tests/mainwindow/plan-screenshots /tmp/pictures

#include "ChannelPlansDlg.h"
#include "MainForm.h"
#include "PlanFillDlg.h"
#include "PointListDlg.h"
#include "ScriptedPrompter.h"
#include "SimProcess.h"
#include "Translations.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace orvantis;

namespace {

bool Save(QWidget* dialog, const QDir& folder, const QString& name)
{
    QTest::qWait(200);
    const QString path = folder.filePath(name);
    const bool saved = dialog->grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

void Choose(QWidget* dialog, const char* list, const QString& data)
{
    auto* combo = dialog->findChild<QComboBox*>(list);
    combo->setCurrentIndex(combo->findData(data));
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallTranslations(app);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QTemporaryDir ports;
    qputenv("ORVANTIS_PORT_DIR", ports.path().toLocal8Bit());
    test::TSimProcess sim;
    if (!sim.Start(ports.path(), 1, {QStringLiteral("--quiet")})) return 1;

    test::TScriptedPrompter prompter;
    TMainForm form(prompter);
    TPointListDlg list(form.EditedProject(), prompter, &form);
    TChannelPlansDlg plans(form.EditedProject(), &form);
    form.SetPointListEditor(&list);
    form.SetChannelPlansEditor(&plans);
    form.show();
    form.Action(TCommand::ReceiveData)->trigger();

    bool ok = true;
    QTimer::singleShot(0, &list, [&] {
        list.findChild<QTableWidget*>("PointTable")->setCurrentCell(4, 1);
        QTimer::singleShot(0, &list, [&] {
            auto* fill = qobject_cast<TPlanFillDlg*>(QApplication::activeModalWidget());
            if (!fill) {
                ok = false;
                return;
            }
            Choose(fill, "PlanList", QStringLiteral("eu-uhf"));
            auto* channels = fill->findChild<QLineEdit*>("EdChannels");
            channels->setText(QStringLiteral("21-34,36,38-40"));
            fill->findChild<QLineEdit*>("EdNames")->setText(QStringLiteral("MUX {n}"));
            ok &= Save(fill, folder, QStringLiteral("plan-fill.png"));
            fill->reject();
            list.reject();
        });
        list.findChild<QPushButton*>("FillBtn")->click();
    });
    form.Action(TCommand::EditPointList)->trigger();

    QTimer::singleShot(0, &plans, [&] {
        Choose(&plans, "BandList", QStringLiteral("2"));
        Choose(&plans, "PlanList", QStringLiteral("au-vhf"));
        ok &= Save(&plans, folder, QStringLiteral("channel-plans.png"));
        plans.reject();
    });
    form.Action(TCommand::EditChannelPlans)->trigger();
    return ok ? 0 : 1;
}
