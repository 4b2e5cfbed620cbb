// Saves a picture of each dialog, as a technician would see it, into the
// folder given as the first argument: editors-screenshots docs
// Run it under a display server, e.g. xvfb-run -a.

#include "DetPointsDlg.h"
#include "FakeEditorHost.h"
#include "MessEditDlg.h"
#include "PasswordDlg.h"
#include "ScriptedPrompter.h"
#include "WrapUpDown.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <cstdio>

using namespace orvantis;

namespace {

bool Save(QWidget& dialog, const QDir& folder, const QString& name)
{
    dialog.show();
    QTest::qWait(200);
    const bool saved = dialog.grab().save(folder.filePath(name));
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(folder.filePath(name)));
    return saved;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    test::TFakeEditorHost host(BaseModelRow, 3.1f);
    test::TScriptedPrompter prompter;
    bool ok = true;

    TDetPointsDlg points(host, prompter);
    points.show();
    QTest::mouseClick(points.findChild<TWrapUpDown*>("UpDown1")->UpButton(), Qt::LeftButton);
    QTest::mouseClick(points.findChild<TWrapUpDown*>("UpDown1")->UpButton(), Qt::LeftButton);
    ok &= Save(points, folder, QStringLiteral("points-editor.png"));
    points.reject();

    TPasswordDlg password;
    TMessEditDlg messages(host, password);
    messages.show();
    messages.SetAccessLevel(1);
    while (messages.CurrentMessage() != 12) messages.findChild<TWrapUpDown*>("UpDown1")->Step(1);
    auto* edit = messages.findChild<QLineEdit*>("MessageEdit");
    edit->selectAll();
    QTest::keyClicks(edit, "NET");
    ok &= Save(messages, folder, QStringLiteral("messages-editor.png"));
    messages.reject();

    password.show();
    QTest::keyClicks(password.findChild<QLineEdit*>("PasswordEdit"), "mav");
    ok &= Save(password, folder, QStringLiteral("password.png"));
    password.reject();
    return ok ? 0 : 1;
}
