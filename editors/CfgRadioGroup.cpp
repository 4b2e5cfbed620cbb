#include "CfgRadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace orvantis {

TCfgRadioGroup::TCfgRadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent), FButtons(new QButtonGroup(this))
{
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        FButtons->addButton(button, i);
        grid->addWidget(button, i / columns, i % columns);
    }
}

int TCfgRadioGroup::ItemIndex() const
{
    return FButtons->checkedId();
}

void TCfgRadioGroup::SetItemIndex(int index)
{
    if (QAbstractButton* button = FButtons->button(index)) button->setChecked(true);
}

QRadioButton* TCfgRadioGroup::Item(int index) const
{
    return static_cast<QRadioButton*>(FButtons->button(index));
}

int TCfgRadioGroup::Count() const
{
    return static_cast<int>(FButtons->buttons().size());
}

}  // namespace orvantis
