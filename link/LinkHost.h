#pragma once
// What the instrument operations (Detect, Send, Receive) need of the window
// that runs them. The main window implements it with its log pane, tool bar
// and status bar; orvantis-cli prints the log lines and ignores the rest.

#include <QString>

namespace orvantis {

class ILinkHost {
public:
    virtual ~ILinkHost() = default;
    // Appends one line to the log.
    virtual void Log(const QString& line) = 0;
    // Lets the window repaint and take pending input between exchanges.
    virtual void ProcessPendingInput() = 0;
    // The Detect tool button's image: 13 (no instrument) or 14 (found).
    virtual void SetDetectImage(int imageIndex) = 0;
    // Status bar panel 1 (the instrument) or 2 (the port).
    virtual void SetStatusPanel(int panel, const QString& text) = 0;
    // The system's default beep, before an "ERROR: ..." line.
    virtual void Beep() = 0;
    // Receive changed the project's name or state (status panel 0, the
    // enabling of Save and Save As).
    virtual void ProjectChanged() = 0;
    // A transfer's progress: done of total requests or lines; total 0 when
    // the transfer has ended.
    virtual void ShowProgress(int done, int total) = 0;
};

}  // namespace orvantis
