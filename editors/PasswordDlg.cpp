#include "PasswordDlg.h"

#include "DialogParts.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvantis {

namespace {

const QString OrdinaryTextsPassword = QStringLiteral("mavlin");
const QString ProductTextsPassword = QStringLiteral("dorsek");

// The keys that type a line feed: Ctrl+Enter and Ctrl+J.
bool TypesLineFeed(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_J) &&
           key->modifiers().testFlag(Qt::ControlModifier);
}

}  // namespace

TPasswordDlg::TPasswordDlg(QWidget* parent) : TFormDialog(parent)
{
    setObjectName(QStringLiteral("PasswordDlg"));
    setWindowTitle(tr("Password"));

    auto* label = new QLabel(tr("Enter service password:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    PasswordEdit = new QLineEdit(this);
    PasswordEdit->setObjectName(QStringLiteral("PasswordEdit"));
    PasswordEdit->setEchoMode(QLineEdit::Password);
    PasswordEdit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    PasswordEdit->setMinimumWidth(PasswordEdit->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 16);
    label->setBuddy(PasswordEdit);

    const TOkCancelRow buttons = MakeOkCancelRow(this);
    OKBtn = buttons.OK;
    CancelBtn = buttons.Cancel;

    auto* page = new QVBoxLayout(this);
    page->setSizeConstraint(QLayout::SetFixedSize);
    page->addWidget(label);
    page->addWidget(PasswordEdit);
    page->addSpacing(6);
    page->addLayout(buttons.Layout);

    // Every key typed into the dialog is looked at first.
    for (QWidget* control : {static_cast<QWidget*>(PasswordEdit), static_cast<QWidget*>(OKBtn),
                             static_cast<QWidget*>(CancelBtn)})
        control->installEventFilter(this);

    connect(OKBtn, &QPushButton::clicked, this, &TPasswordDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

int TPasswordDlg::AccessLevelOf(const QString& password)
{
    if (password == OrdinaryTextsPassword) return 1;
    if (password == ProductTextsPassword) return 2;
    return 0;
}

void TPasswordDlg::FormShow()
{
    PasswordEdit->clear();
    PasswordEdit->setFocus();
}

void TPasswordDlg::Check()
{
    emit AccessLevelChecked(AccessLevelOf(PasswordEdit->text()));
}

void TPasswordDlg::OKBtnClick()
{
    Check();
    accept();
}

bool TPasswordDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && TypesLineFeed(static_cast<QKeyEvent*>(event))) {
        Check();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace orvantis
