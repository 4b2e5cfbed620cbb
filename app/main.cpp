// The desktop program: the main window and the windows it starts, created
// in a fixed order and kept until the program ends.

#include "CfgEditorDlg.h"
#include "DetPointsDlg.h"
#include "MainForm.h"
#include "MessEditDlg.h"
#include "PasswordDlg.h"
#include "ProgramInfo.h"
#include "QtPrompter.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(orvantis::ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(orvantis::ProgramVersion));
    try {
        orvantis::TQtPrompter prompter;
        orvantis::TMainForm mainForm(prompter);
        prompter.SetParent(&mainForm);
        // The other windows, in this order; they live until the program ends.
        mainForm.SetCfgEditor(new orvantis::TCfgEditorDlg(mainForm, prompter, &mainForm));
        mainForm.SetDetPointsEditor(new orvantis::TDetPointsDlg(mainForm, prompter, &mainForm));
        // The messages editor listens to the password dialog from its construction.
        auto* passwordDlg = new orvantis::TPasswordDlg(&mainForm);
        mainForm.SetMessEditor(new orvantis::TMessEditDlg(mainForm, *passwordDlg, &mainForm));
        mainForm.show();
        QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QString::fromLatin1(orvantis::ApplicationTitle), QString::fromLocal8Bit(e.what()));
    }
    return 0;
}
