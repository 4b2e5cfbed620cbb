#pragma once
// "Fill from Plan": detection points from a channel plan, for the point
// list. The user picks a plan, its channels, the first point and the
// names' pattern; the table shows every point that will change, now and
// after, and OK stays disabled while the fill is refused, with the reason
// beside it. The dialog changes nothing itself: the point list takes
// Changes() into its rows on OK.

#include "DialogParts.h"
#include "PlanFiles.h"
#include "PlanFill.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace orvantis {

using TPlanLoader = std::function<TPlanCatalogue()>;

class TPlanFillDlg : public TFormDialog {
    Q_OBJECT
public:
    // current(i) gives point i's words as they stand in the point list.
    TPlanFillDlg(const TProfile& profile, TCurrentWords current, int firstPoint, QWidget* parent = nullptr,
                 TPlanLoader loader = [] { return LoadChannelPlans(); });

    // The points OK takes, as the fill gives them.
    const std::vector<TPointChange>& Changes() const { return FFill.Changes; }

private:
    void BuildControls();
    void FormShow() override;
    void PlanChanged();
    void Recompute();
    const TChannelPlan* ChosenPlan() const;

    const TProfile& FProfile;
    TCurrentWords FCurrent;
    TPlanLoader FLoader;
    TPlanCatalogue FCatalogue;
    TPlanFill FFill;
    int FFirstPoint;

    QComboBox* PlanList;
    QLineEdit* EdChannels;
    QSpinBox* EdFirstPoint;
    QLineEdit* EdNames;
    QCheckBox* DvbT2Box;
    QLabel* SummaryLabel;
    QTableWidget* PreviewTable;
    QLabel* ProblemLabel;
    QLabel* RefusedLabel;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

}  // namespace orvantis
