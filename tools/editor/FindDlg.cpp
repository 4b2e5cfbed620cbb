#include "FindDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvantis {

TFindDlg::TFindDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FindDlg"));
    setWindowTitle(tr("Find"));
    setModal(false);

    auto* label = new QLabel(tr("Fi&nd what:"), this);
    FindEdit = new QLineEdit(this);
    FindEdit->setObjectName(QStringLiteral("FindEdit"));
    label->setBuddy(FindEdit);
    WholeWordCheck = new QCheckBox(tr("Match &whole word only"), this);
    WholeWordCheck->setObjectName(QStringLiteral("WholeWordCheck"));
    MatchCaseCheck = new QCheckBox(tr("Match &case"), this);
    MatchCaseCheck->setObjectName(QStringLiteral("MatchCaseCheck"));

    FindNextBtn = new QPushButton(tr("&Find Next"), this);
    FindNextBtn->setObjectName(QStringLiteral("FindNextBtn"));
    FindNextBtn->setDefault(true);
    FindNextBtn->setEnabled(false);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(FindEdit, 0, 1);
    grid->addWidget(WholeWordCheck, 1, 0, 1, 2);
    grid->addWidget(MatchCaseCheck, 2, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(FindNextBtn);
    buttons->addWidget(cancel);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 3, 1);

    // As the system's find dialog: nothing to find, nothing to press.
    connect(FindEdit, &QLineEdit::textChanged, this, [this](const QString& text) { FindNextBtn->setEnabled(!text.isEmpty()); });
    connect(FindNextBtn, &QPushButton::clicked, this, &TFindDlg::FindNext);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

QString TFindDlg::FindText() const
{
    return FindEdit->text();
}

bool TFindDlg::MatchCase() const
{
    return MatchCaseCheck->isChecked();
}

bool TFindDlg::WholeWord() const
{
    return WholeWordCheck->isChecked();
}

}  // namespace orvantis
