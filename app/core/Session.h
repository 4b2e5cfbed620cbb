#pragma once
// TSession: the project in hand and the instrument it goes to, and the
// instrument operations on both: Detect, Receive and Send. The window and
// orvantis-cli each hold one and run the very same sequences; what differs is
// their ISessionHost (log, beep, what they show of the link's work) and their
// IPrompter (the message boxes and file dialogs).

#include "EquipmentLink.h"
#include "LinkLog.h"
#include "Project.h"
#include "Prompter.h"
#include "SessionHost.h"

#include <functional>

namespace orvantis {

enum class TTransferResult {
    Busy,          // another instrument operation runs: nothing done
    Cancelled,     // the save-changes query said not to go on (Receive)
    NoInstrument,  // no instrument found: nothing transferred
    Incomplete,    // an area not read (Receive) or a line refused (Send)
    Failed,        // an unexpected failure, reported in an "Unable to ..." box
    Complete,
};

class TSession {
public:
    // deviceFactory makes the serial devices of Detect, Send and Receive.
    TSession(ISessionHost& host, IPrompter& prompter, TDeviceFactory deviceFactory = MakeQtSerialDevice);
    TSession(const TSession&) = delete;
    TSession& operator=(const TSession&) = delete;

    TProject& Project() { return FProject; }
    const TProject& Project() const { return FProject; }
    TEquipmentLink& Link() { return FLink; }
    const TEquipmentLink& Link() const { return FLink; }

    // Tries COM1 to COM40 for the instrument; true when it was found.
    bool Detect();
    // Reads the instrument's four memory areas into the model. After a
    // complete read the project is the new, unsaved "Untitled.PRO".
    TTransferResult Receive();
    // Writes the project text regenerated from the model into the instrument,
    // line by line; resets the instrument only when every line was accepted.
    TTransferResult Send();

private:
    // One instrument operation: the link held, and its "Tools: <name> started
    // at " and "exit at " lines around body.
    TTransferResult RunOperation(const QString& name, const std::function<TTransferResult()>& body);
    TTransferResult ReadInstrument();
    TTransferResult WriteInstrument();
    TTransferResult Unable(const QString& text);
    bool FindInstrument(const QString& errorLine);

    ISessionHost& FHost;
    IPrompter& FPrompter;
    TLinkLog FLinkLog;
    TEquipmentLink FLink;  // before the project: the model asks it who the instrument is
    TProject FProject;
};

}  // namespace orvantis
