#pragma once
// "Detection points list": every point in use in one table, edited in place
// with the points editor's lists and checks. A row that fails says why in
// its last column, and OK is refused while one does. Nothing reaches the
// model before OK, which stores every row; Cancel and Esc change nothing.
// Whole rows travel as CSV text: through the clipboard (Copy, Paste) and
// points files (Import..., Export...), all or nothing. Fill from Plan...
// puts a channel plan's channels into the rows.

#include "DialogParts.h"
#include "PointsCsv.h"

#include <optional>
#include <variant>
#include <vector>

class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace orvantis {

class IEditedProject;
class IPrompter;
class TProfile;

class TPointListDlg : public TFormDialog {
    Q_OBJECT
public:
    TPointListDlg(IEditedProject& project, IPrompter& prompter, QWidget* parent = nullptr);

    // The column where a failing row says why.
    static constexpr int ProblemColumn = PointColumnCount;

private:
    void BuildControls();
    void FormShow() override;
    void OKBtnClick();
    void ImportBtnClick();
    void ExportBtnClick();
    void FillBtnClick();
    void CopyRows();
    void PasteRows();

    void SetRowWords(int row, const TPointWords& words);
    TPointWords RowWords(int row) const;
    std::variant<TPointEntry, TCellProblem> ReadRow(int row) const;
    void CheckRow(int row);
    void NameCell(QTableWidgetItem* item);
    // The first row that fails, after telling the user why; nothing when all pass.
    std::optional<int> RefuseFailingRow(const QString& action);
    // Takes CSV text over the rows on screen, every row or none.
    void TakeText(const std::string& text, THeaderRow header, const QString& failure);
    void FitTable();

    IEditedProject& FProject;
    TProfile* FProfile;
    IPrompter& FPrompter;
    TPointRules FRules;
    std::vector<TPointEntry> FShown;  // the points as the model holds them
    bool FFilling = false;

    QTableWidget* PointTable;
    QPushButton* ImportBtn;
    QPushButton* ExportBtn;
    QPushButton* FillBtn;
    QPushButton* CopyBtn;
    QPushButton* PasteBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

}  // namespace orvantis
