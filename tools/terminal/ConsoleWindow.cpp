#include "ConsoleWindow.h"

#include "ConsolePalette.h"
#include "Cp437.h"
#include "KeyTranslation.h"
#include "ProgramInfo.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <cerrno>

namespace orvantis {

namespace {

QFont ConsoleFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(11);
    return font;
}

constexpr int WindowGap = 8;

}  // namespace

TConsoleWindow::TConsoleWindow(TMemoryConsole& console, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), FConsole(console), FMainWindow(mainWindow)
{
    setWindowTitle(tr("%1 - Terminal").arg(QLatin1String(ApplicationTitle)));
    // The main window does not respond while the terminal runs.
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::StrongFocus);
    setFont(ConsoleFont());

    const QFontMetrics metrics(font());
    FCell = QSize(metrics.horizontalAdvance(QLatin1Char('M')), metrics.height());
    FAscent = metrics.ascent();
    const TScreenBuffer& screen = FConsole.Active();
    setFixedSize(FCell.width() * screen.Width(), FCell.height() * screen.Height());
}

void TConsoleWindow::PlaceBesideMainWindow()
{
    if (!FMainWindow) return;
    const QRect main = FMainWindow->frameGeometry();
    const QScreen* screen = FMainWindow->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect();
    QPoint at(main.right() + WindowGap, main.top());
    if (room.isValid() && at.x() + width() > room.right()) {
        const int left = main.left() - WindowGap - width();
        at.setX(left >= room.left() ? left : std::max(room.left(), room.right() - width()));
    }
    move(at);
}

void TConsoleWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    const TScreenBuffer& screen = FConsole.Active();
    const int cw = FCell.width();
    const int ch = FCell.height();
    for (int y = 0; y < screen.Height(); ++y) {
        for (int x = 0; x < screen.Width(); ++x) {
            const TCell& cell = screen.At(x, y);
            const QRect box(x * cw, y * ch, cw, ch);
            painter.fillRect(box, ConsoleColor(cell.Attribute >> 4));
            if (cell.Char == ' ' || cell.Char == 0) continue;
            painter.setPen(ConsoleColor(cell.Attribute & 15));
            painter.drawText(box.left(), box.top() + FAscent, QString(Cp437Glyph(cell.Char)));
        }
    }
    // The cursor as a console shows it: a bar at the bottom of its cell.
    const TCoord cursor = screen.Cursor();
    const TCell& under = screen.At(cursor.X, cursor.Y);
    const int bar = std::max(2, ch / 6);
    painter.fillRect(QRect(cursor.X * cw, (cursor.Y + 1) * ch - bar, cw, bar), ConsoleColor(under.Attribute & 15));
}

void TConsoleWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_AltGr) {
        FAltGrHeld = true;
        return;
    }
    FConsole.PushKey(TranslateKey(event->key(), event->modifiers(), event->text(), FAltGrHeld));
}

void TConsoleWindow::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_AltGr) FAltGrHeld = false;
}

void TConsoleWindow::focusOutEvent(QFocusEvent* event)
{
    FAltGrHeld = false;
    QWidget::focusOutEvent(event);
}

void TConsoleWindow::closeEvent(QCloseEvent* event)
{
    // The run closes the window itself once it has ended.
    event->ignore();
    FConsole.RequestClose();
}

bool TConsoleWindow::focusNextPrevChild(bool)
{
    return false;  // Tab is a key like any other
}

TWindowConsole::TWindowConsole(QWidget* mainWindow, int rows)
    : TMemoryConsole(80, rows), FWindow(new TConsoleWindow(*this, mainWindow))
{
}

TWindowConsole::~TWindowConsole()
{
    delete FWindow;
}

bool TWindowConsole::Open()
{
    if (!FWindow) {
        SetLastError(ENXIO);
        return false;
    }
    TMemoryConsole::Open();
    FWindow->PlaceBesideMainWindow();
    FWindow->show();
    FWindow->raise();
    FWindow->activateWindow();
    FWindow->setFocus();
    return true;
}

bool TWindowConsole::Close()
{
    if (FWindow) FWindow->hide();
    return TMemoryConsole::Close();
}

void TWindowConsole::Changed()
{
    if (FWindow) FWindow->update();
}

}  // namespace orvantis
