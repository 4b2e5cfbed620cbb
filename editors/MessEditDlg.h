#pragma once
// "Text messages editor": the 57 texts the instrument shows, one at a time,
// picked with a wrapping spinner. A message may be changed only when the
// access level of this showing reaches its edit level; the level starts at
// 0 at every showing and the service password dialog raises it. The message
// on screen goes into the model at every move and on OK; Cancel puts back
// every text as it was when the dialog opened.

#include "DialogParts.h"

#include <cstdint>

class QLineEdit;
class QPushButton;
class QToolButton;

namespace orvantis {

class IEditedProject;
class TPasswordDlg;
class TProfile;
class TWrapUpDown;

class TMessEditDlg : public TFormDialog {
    Q_OBJECT
public:
    TMessEditDlg(IEditedProject& project, TPasswordDlg& passwordDlg, QWidget* parent = nullptr);

    // Sets the level of this showing and shows the current message again,
    // dropping what was typed into it.
    void SetAccessLevel(int level);
    int AccessLevel() const { return FAccessLevel; }
    int CurrentMessage() const { return FCurrentMessage; }

    // The position ruler for a message of the given maximum length.
    static QString RulerText(int length);

public slots:
    // Cancel: the snapshot taken at the showing comes back.
    void reject() override;

private:
    void BuildControls();
    void FormShow() override;
    void UpDown1Click();
    void OKBtnClick();
    void RestoreButtonClick();
    void SpeedButton1Click();

    void LoadMessage();
    void StoreMessage();

    IEditedProject& FProject;
    TProfile* FProfile;
    TPasswordDlg& FPasswordDlg;
    std::uint16_t FCurrentMessage = 0;
    int FAccessLevel = 0;

    QLineEdit* Edit1;
    TWrapUpDown* UpDown1;
    QLineEdit* MessageNoEdit;
    QLineEdit* StaticText1;
    QLineEdit* MessageEdit;
    QToolButton* RestoreButton;
    QToolButton* SpeedButton1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

}  // namespace orvantis
