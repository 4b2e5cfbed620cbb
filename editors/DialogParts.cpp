#include "DialogParts.h"

#include "WrapUpDown.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace orvantis {

TOkCancelRow MakeOkCancelRow(QWidget* parent)
{
    auto* ok = new QPushButton(QCoreApplication::translate("orvantis::TFormDialog", "OK"), parent);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("orvantis::TFormDialog", "Cancel"), parent);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return {row, ok, cancel};
}

TIndexRow MakeIndexRow(QWidget* parent, const QString& label, const QString& editName)
{
    auto* indexLabel = new QLabel(label, parent);
    QFont bold = indexLabel->font();
    bold.setBold(true);
    indexLabel->setFont(bold);
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(editName);
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    LinkLabel(indexLabel, edit);
    auto* upDown = new TWrapUpDown(parent);
    upDown->setObjectName(QStringLiteral("UpDown1"));
    upDown->SetBuddy(edit);
    auto* row = new QHBoxLayout;
    row->addWidget(indexLabel);
    row->addWidget(edit);
    row->addWidget(upDown);
    row->addStretch();
    return {row, edit, upDown};
}

void LinkLabel(QLabel* label, QWidget* control)
{
    label->setBuddy(control);
    QString name = label->text().remove(QLatin1Char('&')).trimmed();
    if (name.endsWith(QLatin1Char(':'))) name.chop(1);
    control->setAccessibleName(name);
    if (auto* field = control->findChild<QLineEdit*>()) field->setAccessibleName(name);
}

QStringList ListItems(std::span<const std::string_view> words)
{
    QStringList items;
    for (const std::string_view word : words) items << QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size()));
    return items;
}

void CentreOnScreen(QWidget* dialog)
{
    if (const QScreen* where = dialog->screen()) dialog->move(where->availableGeometry().center() - dialog->rect().center());
}

void TFormDialog::showEvent(QShowEvent* event)
{
    // Not when the window system shows it again (after a minimise).
    if (!event->spontaneous()) {
        FormShow();
        adjustSize();
        CentreOnScreen(this);
    }
    QDialog::showEvent(event);
}

}  // namespace orvantis
