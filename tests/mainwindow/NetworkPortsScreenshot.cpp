// Saves a picture of Tools > "Network Ports..." as a technician fills it in:
// two ports of a bench already kept, and an address mistyped. Into the
// folder given as the first argument:
//   xvfb-run -a build/default/tests/mainwindow/network-ports-screenshot docs
// In the locale's language, as the program shows it:
//   LANG=pt_BR.UTF-8 xvfb-run -a build/default/tests/mainwindow/network-ports-screenshot /tmp/pictures

#include "MainForm.h"
#include "NetworkPortsDlg.h"
#include "ScriptedPrompter.h"
#include "Translations.h"
#include "UserFiles.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace orvantis;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallTranslations(app);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());  // the settings the list is kept in
    TProgramSettings().SetNetworkPorts({*TPortAddress::Parse(QStringLiteral("tcp://bench1:3001")),
                                        *TPortAddress::Parse(QStringLiteral("rfc2217://bench1:3002"))});

    test::TScriptedPrompter prompter;
    TMainForm form(prompter);
    form.show();

    bool saved = false;
    QTimer::singleShot(0, &form, [&] {
        auto* dialog = form.findChild<TNetworkPortsDlg*>();
        QTest::keyClicks(dialog->EdAddress, QStringLiteral("tcp://bench2:3001"));
        dialog->AddBtn->click();
        QTest::keyClicks(dialog->EdAddress, QStringLiteral("bench3:3001"));
        dialog->AddBtn->click();
        QTest::qWait(150);
        const QString path = folder.filePath(QStringLiteral("network-ports.png"));
        saved = dialog->grab().save(path);
        std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
        dialog->reject();
    });
    form.Action(TCommand::ToolsNetworkPorts)->trigger();
    return saved ? 0 : 1;
}
