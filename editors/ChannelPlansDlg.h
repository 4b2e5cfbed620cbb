#pragma once
// "Channel Plans": a scan band from a channel plan. The user picks the band,
// a plan and its first and last channel; the table shows the band now and
// after OK, and OK stays disabled while the band is refused, with the
// reason beside it. OK stores the band and marks the project modified;
// Cancel and Esc change nothing.

#include "DialogParts.h"
#include "PlanFillDlg.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace orvantis {

class IEditedProject;

class TChannelPlansDlg : public TFormDialog {
    Q_OBJECT
public:
    explicit TChannelPlansDlg(IEditedProject& project, QWidget* parent = nullptr,
                              TPlanLoader loader = [] { return LoadChannelPlans(); });

private:
    void BuildControls();
    void FormShow() override;
    void PlanChanged();
    void Recompute();
    void OKBtnClick();
    const TChannelPlan* ChosenPlan() const;
    int ChosenBand() const;

    IEditedProject& FProject;
    TPlanLoader FLoader;
    TPlanCatalogue FCatalogue;
    std::optional<TScanBand> FBand;  // what OK stores

    QComboBox* BandList;
    QComboBox* PlanList;
    QComboBox* FirstChannel;
    QComboBox* LastChannel;
    QTableWidget* PreviewTable;
    QLabel* ProblemLabel;
    QLabel* RefusedLabel;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

}  // namespace orvantis
