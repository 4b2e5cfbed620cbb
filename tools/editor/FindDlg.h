#pragma once
// The editor's modeless find dialog: the text, match case and whole word;
// the search always runs forward, so there is no direction to choose.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace orvantis {

class TFindDlg : public QDialog {
    Q_OBJECT
public:
    explicit TFindDlg(QWidget* parent = nullptr);

    QString FindText() const;
    bool MatchCase() const;
    bool WholeWord() const;

signals:
    void FindNext();

private:
    QLineEdit* FindEdit;
    QCheckBox* WholeWordCheck;
    QCheckBox* MatchCaseCheck;
    QPushButton* FindNextBtn;
};

}  // namespace orvantis
