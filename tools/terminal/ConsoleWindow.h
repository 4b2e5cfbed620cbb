#pragma once
// The console as a window of its own: TConsoleWindow paints the active screen
// buffer of a TMemoryConsole (fixed-pitch font, the sixteen console colours,
// code page 437 glyphs) and turns key presses into console keys;
// TWindowConsole is the console that the terminal runs on, opening the
// window beside the main window and closing it when the run ends.

#include "MemoryConsole.h"

#include <QPointer>
#include <QWidget>

namespace orvantis {

class TConsoleWindow : public QWidget {
    Q_OBJECT
public:
    TConsoleWindow(TMemoryConsole& console, QWidget* mainWindow);

    QSize CellSize() const { return FCell; }
    // Places the window to the right of the main window, or to its left
    // when the screen has no room there.
    void PlaceBesideMainWindow();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    TMemoryConsole& FConsole;
    QWidget* FMainWindow;
    QSize FCell;
    int FAscent = 0;
    bool FAltGrHeld = false;
};

class TWindowConsole : public TMemoryConsole {
public:
    // mainWindow may be null; the window is then placed by the system.
    explicit TWindowConsole(QWidget* mainWindow, int rows = 25);
    ~TWindowConsole() override;

    bool Open() override;
    bool Close() override;
    TConsoleWindow& Window() { return *FWindow; }

protected:
    void Changed() override;

private:
    // The main window owns it as a child too; whichever goes first deletes it.
    QPointer<TConsoleWindow> FWindow;
};

}  // namespace orvantis
