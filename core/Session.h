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

#include <QStringList>

#include <functional>

namespace orvantis {

enum class TTransferResult {
    Busy,          // another instrument operation runs: nothing done
    Cancelled,     // the user said not to go on (Receive's save-changes query, Send's questions)
    NoInstrument,  // no instrument found: nothing transferred
    Incomplete,    // an area not read (Receive) or a line refused (Send)
    Failed,        // an unexpected failure, reported in an "Unable to ..." box
    Complete,
};

// What Send does besides sending.
struct TSendOptions {
    // Read the instrument's settings into a backup file before writing.
    bool BackUp = true;
    // Where the backups go; empty for the per-user backups folder.
    QString BackupFolder;
    // A project that was not loaded whole goes without asking first.
    bool PartLoadAccepted = false;
    // When no backup can be made Send asks whether to go on without one;
    // false: it sends nothing without asking (no one is there to answer).
    bool AskToSendWithoutBackup = true;
};

// The instrument compared with the project.
struct TComparison {
    TTransferResult Result = TTransferResult::Failed;  // Complete when the instrument was read whole
    QStringList Differences;                           // in words; empty when the two are the same
};

class TSession {
public:
    // deviceFactory makes the serial devices of Detect, Send and Receive.
    TSession(ISessionHost& host, IPrompter& prompter, TDeviceFactory deviceFactory = MakeProgramDevice);
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
    void SetSendOptions(const TSendOptions& options) { FSendOptions = options; }
    const TSendOptions& SendOptions() const { return FSendOptions; }
    // Send's question before it sends a project that did not load whole;
    // true to go on (also when there is nothing to ask).
    bool ConfirmPartLoad();
    // The backup file of the last Send, or empty when it made none.
    const QString& LastBackup() const { return FLastBackup; }
    // Why the last Send made no backup; empty when it made one or was not asked to.
    const QString& BackupProblem() const { return FBackupProblem; }
    // Reads the instrument (the project is not touched) and compares it with
    // the project. afterReset: the instrument has just been reset by Send and
    // is given up to 10 seconds to answer again.
    TComparison Compare(bool afterReset = false);

private:
    // One instrument operation: the link held, and its "Tools: <name> started
    // at " and "exit at " lines around body.
    TTransferResult RunOperation(const QString& name, const std::function<TTransferResult()>& body);
    TTransferResult ReadInstrument();
    TTransferResult WriteInstrument();
    // Reads the four areas into model, every byte that Send writes, without
    // logging every reply; the reason when an area was not read whole.
    QString ReadQuietly(TProfile& model);
    // Empty when the backup was saved, else the reason it was not.
    QString BackUpInstrument();
    TTransferResult Unable(const QString& text);
    bool FindInstrument(const QString& errorLine);

    ISessionHost& FHost;
    IPrompter& FPrompter;
    TLinkLog FLinkLog;
    TEquipmentLink FLink;  // before the project: the model asks it who the instrument is
    TProject FProject;
    TSendOptions FSendOptions;
    QString FLastBackup;
    QString FBackupProblem;
};

}  // namespace orvantis
