#pragma once
// What the instrument operations need of the front end that runs them: the
// window, or orvantis-cli on a terminal. Besides the log and the beep, it is
// told everything the link tells (LinkObserver.h), to show what it can.

#include "LinkObserver.h"

namespace orvantis {

class ISessionHost : public ILinkObserver {
public:
    // Appends one line to the log.
    virtual void Log(const QString& line) = 0;
    // The system's default beep, before an "ERROR: ..." line.
    virtual void Beep() = 0;
    // Receive dropped the project in hand, or made a new one of what it read.
    virtual void ProjectChanged() {}
};

}  // namespace orvantis
