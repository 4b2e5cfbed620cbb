#pragma once
// Receive and Send: the main window's transfers of the project between the
// model and the instrument's EEPROM. The window and orvantis-cli run the same
// sequences; the window then sets its commands' enabling from the result and
// the project's state.

#include "EquipmentLink.h"
#include "Project.h"
#include "Prompter.h"

namespace orvantis {

enum class TTransferResult {
    Busy,          // another instrument operation runs: nothing done
    Cancelled,     // the save-changes query said not to go on (Receive)
    NoInstrument,  // no instrument found: nothing transferred
    Incomplete,    // an area not read (Receive) or a line refused (Send)
    Failed,        // an unexpected failure, reported in an "Unable to ..." box
    Complete,
};

// Reads the instrument's four memory areas into the project's model. After a
// complete read the project is the new, unsaved "Untitled.PRO".
TTransferResult ReceiveData(TEquipmentLink& link, ILinkHost& host, TProject& project, IPrompter& prompter);

// Writes the project text regenerated from the model into the instrument,
// line by line; resets the instrument only when every line was accepted.
TTransferResult SendData(TEquipmentLink& link, ILinkHost& host, TProject& project, IPrompter& prompter);

enum class TLineVerdict { Ok, Error, Record };
// How Send treats one project line; for Record, command holds the upper-cased
// "*E2P" command to send.
TLineVerdict JudgeSendLine(std::string_view line, std::string& command);

}  // namespace orvantis
