#pragma once
// Parts the editors' dialogs share: the OK and Cancel row, the index row of
// the points and messages editors, and centring on the screen.

#include <QDialog>
#include <QString>
#include <QStringList>

#include <span>
#include <string_view>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace orvantis {

class TWrapUpDown;

// "OK" (the default button, named "OKBtn") and "Cancel" ("CancelBtn") at the
// right end of a row.
struct TOkCancelRow {
    QHBoxLayout* Layout;
    QPushButton* OK;
    QPushButton* Cancel;
};
TOkCancelRow MakeOkCancelRow(QWidget* parent);

// The editors' top row: a bold label, the read-only index field and its
// spinner, both named (editName, "UpDown1") for tests and created on parent.
struct TIndexRow {
    QHBoxLayout* Layout;
    QLineEdit* Edit;
    TWrapUpDown* UpDown;
};
TIndexRow MakeIndexRow(QWidget* parent, const QString& label, const QString& editName);

// Links label to control for the keyboard and names the control after it for
// a screen reader: Qt would name a list by its current item and leave the
// text field inside a spin box or an editable list without a name.
void LinkLabel(QLabel* label, QWidget* control);

// The items of a list from the model's words ("2K", "8K").
QStringList ListItems(std::span<const std::string_view> words);

// The dialogs open in the middle of the screen they are on.
void CentreOnScreen(QWidget* dialog);

// A dialog that loads its controls from the model each time it is shown
// (FormShow) and opens centred on its screen.
class TFormDialog : public QDialog {
protected:
    using QDialog::QDialog;
    virtual void FormShow() = 0;
    void showEvent(QShowEvent* event) override;
};

}  // namespace orvantis
