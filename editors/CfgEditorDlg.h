#pragma once
// The configuration editor: the instrument's configuration record and its
// four scan bands. It loads and snapshots them at every show, checks a field
// when the user leaves it, writes everything back only on OK and restores
// the snapshots on Cancel.

#include "EditedProject.h"
#include "Prompter.h"
#include "ProfileRecords.h"

#include "DialogParts.h"
#include <QHash>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSlider;

namespace orvantis {

class TCfgRadioGroup;
class TCfgSpinner;

class TCfgEditorDlg : public TFormDialog {
    Q_OBJECT
public:
    TCfgEditorDlg(IEditedProject& project, IPrompter& prompter, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int MaxInitialIndex = 255;

    struct TBandControls {
        QGroupBox* GroupBox = nullptr;
        QCheckBox* ScanEnable = nullptr;
        QLineEdit* ScanStartFreq = nullptr;
        QLineEdit* ScanEndFreq = nullptr;
        TCfgRadioGroup* ScanBw = nullptr;
        QComboBox* InitialChar = nullptr;
        TCfgSpinner* InitialIndex = nullptr;
    };

    void BuildConfigArea(QWidget* area);
    QGroupBox* BuildBand(int band);
    void BindButtons();
    QComboBox* NewList(const QString& name, const QStringList& items, QWidget* parent);
    QLineEdit* NewNumberEdit(const QString& name, int width, QWidget* parent);
    void OnExit(QWidget* field, std::function<void()> check);
    void SetTabOrder();

    void FormShow() override;
    void ShowConfig();
    void ShowBand(int band);
    // The ISDB-T edition scans its first two bands on the fixed 6 MHz raster.
    void ShowFixedBand(int band, const TScanBand& factory);

    void EdMinDetLevExit();
    void EdSNRHiQExit();
    void ScanFreqExit(int band, bool endField);
    void InitialCharExit(int band);

    bool OKBtnClick();
    void CancelBtnClick();

    bool AllNumbersConvert();
    void StoreBand(int band);

    // Read a field, reporting text that does not convert.
    std::optional<int> ReadWholeNumber(QLineEdit* field);
    std::optional<double> ReadDecimal(QLineEdit* field);
    void ApplyLocaleComma(QLineEdit* field);
    void ShowError(const QString& text);

    IEditedProject& FProject;
    IPrompter& FPrompter;
    TProfile& FProfile;
    QHash<QWidget*, std::function<void()>> FExitChecks;

    TCfgSpinner* EdPointIndex = nullptr;  // with UpDown1
    TCfgSpinner* EdLastIndex = nullptr;   // with UpDown2
    QLineEdit* EdMinDetLev = nullptr;
    QLineEdit* EdSNRHiQ = nullptr;
    TCfgRadioGroup* EPStask = nullptr;
    QComboBox* Units = nullptr;
    QComboBox* ShowBER = nullptr;
    QComboBox* Sound = nullptr;
    QComboBox* BacklightLCD = nullptr;
    QSlider* ContrastLCD = nullptr;
    std::array<TBandControls, BandCount> Bands;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace orvantis
