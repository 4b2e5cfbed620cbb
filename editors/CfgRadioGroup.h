#pragma once
// A captioned group of exclusive radio buttons addressed by item index, the
// way the configuration editor's step and power supply choices are read.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace orvantis {

class TCfgRadioGroup : public QGroupBox {
public:
    TCfgRadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent = nullptr);

    // -1 when no item is checked.
    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton* Item(int index) const;
    int Count() const;

private:
    QButtonGroup* FButtons;
};

}  // namespace orvantis
