#include "WrapUpDown.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orvantis {

namespace {

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow, const QString& name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(18, 12);
    return button;
}

}  // namespace

TWrapUpDown::TWrapUpDown(QWidget* parent)
    : QWidget(parent),
      FUp(MakeArrow(this, Qt::UpArrow, QStringLiteral("UpButton"))),
      FDown(MakeArrow(this, Qt::DownArrow, QStringLiteral("DownButton")))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(FUp);
    column->addWidget(FDown);
    // Clicked, not pressed: a message box opened by the handler must not
    // leave a button held down.
    connect(FUp, &QToolButton::clicked, this, [this] { Step(1); });
    connect(FDown, &QToolButton::clicked, this, [this] { Step(-1); });
}

void TWrapUpDown::SetRange(int min, int max)
{
    FMin = min;
    FMax = std::max(min, max);
    FPosition = std::clamp(FPosition, FMin, FMax);
}

void TWrapUpDown::SetPosition(int position)
{
    FPosition = std::clamp(position, FMin, FMax);
}

void TWrapUpDown::SetBuddy(QLineEdit* buddy)
{
    buddy->installEventFilter(this);
}

void TWrapUpDown::Step(int steps)
{
    const int span = FMax - FMin + 1;
    const int offset = ((FPosition - FMin + steps) % span + span) % span;
    FPosition = FMin + offset;
    emit Clicked(steps > 0);
}

bool TWrapUpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            switch (key->key()) {
            case Qt::Key_Up: Step(1); return true;
            case Qt::Key_Down: Step(-1); return true;
            case Qt::Key_PageUp: Step(10); return true;
            case Qt::Key_PageDown: Step(-10); return true;
            default: break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace orvantis
