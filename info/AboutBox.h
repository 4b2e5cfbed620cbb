#pragma once
// The about box: product name, version and legal notice, taken from the
// program's constants and replaced, at every showing, by whatever the version
// information of the program's executable says.

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

namespace orvantis {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // The file whose version information is shown (the running executable
    // unless set).
    void SetVersionFile(const QString& fileName) { FVersionFile = fileName; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void SetNotice(const QString& notice);

    QFrame* Panel1;
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Copyright;
    QLabel* Comments;
    QPushButton* OKButton;
    QString FVersionFile;
};

}  // namespace orvantis
