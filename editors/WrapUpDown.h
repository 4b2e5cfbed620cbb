#pragma once
// A pair of arrow buttons beside a read-only number field, as one spinner
// that wraps from its maximum to its minimum and back. Its position is its
// own: the dialog decides what the field shows, so a dialog may refuse a
// move and keep showing the earlier item while the position has moved on.
//
// The buttons never take the focus, so pressing them does not make the
// field being edited lose it; the buddy field steps with the Up, Down,
// Page Up and Page Down keys.

#include <QWidget>

class QHBoxLayout;
class QLineEdit;
class QToolButton;

namespace orvantis {

class TWrapUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TWrapUpDown(QWidget* parent = nullptr);

    void SetRange(int min, int max);
    void SetPosition(int position);
    int Position() const { return FPosition; }
    int Minimum() const { return FMin; }
    int Maximum() const { return FMax; }
    // The field whose arrow keys step the spinner.
    void SetBuddy(QLineEdit* buddy);
    // Moves by steps, wrapping at both ends, then reports the click.
    void Step(int steps);

    QToolButton* UpButton() const { return FUp; }
    QToolButton* DownButton() const { return FDown; }

signals:
    // The position has already moved; up tells the direction.
    void Clicked(bool up);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* FUp;
    QToolButton* FDown;
    int FMin = 0;
    int FMax = 0;
    int FPosition = 0;
};

}  // namespace orvantis
