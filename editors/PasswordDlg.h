#pragma once
// "Password": the service password that raises the access level of the
// text messages editor. A wrong or empty password gives level 0; it is
// not reported.

#include "DialogParts.h"

class QLineEdit;
class QPushButton;

namespace orvantis {

class TPasswordDlg : public TFormDialog {
    Q_OBJECT
public:
    explicit TPasswordDlg(QWidget* parent = nullptr);

    // 1 or 2 for the two service passwords, 0 for anything else.
    static int AccessLevelOf(const QString& password);

signals:
    // The password was checked: by OK, or by a typed line feed (Ctrl+Enter,
    // Ctrl+J) with the dialog staying open.
    void AccessLevelChecked(int level);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow() override;
    void OKBtnClick();
    void Check();

    QLineEdit* PasswordEdit;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};

}  // namespace orvantis
