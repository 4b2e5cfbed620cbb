#pragma once
// "Detection points editor": one detection point at a time, picked with a
// wrapping spinner. The point on screen goes into the model at every move
// and on OK; Cancel puts back every point as it was when the dialog opened.
// What may be edited follows the instrument that last answered.

#include "DialogParts.h"
#include <QPointer>

#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace orvantis {

class IEditedProject;
class IPrompter;
class TProfile;
class TWrapUpDown;

class TDetPointsDlg : public TFormDialog {
    Q_OBJECT
public:
    TDetPointsDlg(IEditedProject& project, IPrompter& prompter, QWidget* parent = nullptr);

    // The point whose values the controls show, counted from 1.
    int CurrentPoint() const { return FCurrentPoint; }

public slots:
    // Cancel: the snapshot taken at the showing comes back.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void FormShow() override;
    void UpDown1Click();
    void EdFreqKHzExit();
    void OKBtnClick();

    void LoadPoint();
    void StorePoint();
    void SetStandardItems(bool isdbTOnly);
    // False after telling the user why the frequency on screen cannot stay.
    bool FrequencyCheck();
    void ApplyDecimalRule();
    std::optional<double> FrequencyValue();
    void ScheduleExitCheck();
    void RunPendingExitCheck();

    IEditedProject& FProject;
    TProfile* FProfile;
    IPrompter& FPrompter;
    std::uint16_t FCurrentPoint = 1;
    // The stored standard of the point on screen is kept unless the user
    // picks one.
    bool FStandardChosen = false;
    bool FExitPending = false;
    bool FWaitingForRelease = false;
    QPointer<QWidget> FOpenPopup;

    QLineEdit* EdMPIndex;
    TWrapUpDown* UpDown1;
    QLineEdit* EdFreqKHz;
    QCheckBox* SpecInvCBox;
    QComboBox* FFT;
    QComboBox* Guard;
    QComboBox* BW;
    QComboBox* Standard;
    QLineEdit* EdName;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

}  // namespace orvantis
