#pragma once
// An up-down spinner bound to a read-only edit: the number changes only by
// its arrows (buttons, arrow keys, wheel) and wraps round at both ends.

#include <QLineEdit>
#include <QSpinBox>

namespace orvantis {

class TCfgSpinner : public QSpinBox {
public:
    explicit TCfgSpinner(QWidget* parent = nullptr) : QSpinBox(parent)
    {
        setWrapping(true);
        setAlignment(Qt::AlignRight);
        lineEdit()->setReadOnly(true);
    }
};

}  // namespace orvantis
