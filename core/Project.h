#pragma once
// The project in hand and the file commands on it: New, Open, Save, Save As
// and the save-changes query. The main window and orvantis-cli both run these
// same sequences; what differs is the IPrompter that answers the dialogs.

#include "EditedProject.h"
#include "EquipmentIdentity.h"
#include "Profile.h"
#include "Prompter.h"

#include <QString>

#include <functional>

namespace orvantis {

class TProject : public IEditedProject {
public:
    static inline const QString UntitledName = QStringLiteral("Untitled.PRO");

    using TLogFn = std::function<void(const QString&)>;
    TProject(const IEquipmentIdentity& identity, IPrompter& prompter, TLogFn log);

    TProfile& Profile() { return FProfile; }
    const TProfile& Profile() const { return FProfile; }
    const TLineList& Lines() const { return FProjectLines; }
    const QString& FileName() const { return FFileName; }
    // A project is in hand: it has a name and can be saved.
    bool IsOpen() const { return FProjectOpen; }
    bool IsModified() const { return FModified; }
    // The model holds settings to edit and send: after New, Open and every
    // Receive that reached the instrument, even one that read only part.
    bool HasModel() const { return FModelInHand; }
    // Open stopped at a line it could not take: the settings after it are at
    // their defaults. Holds until the next New, Open or Receive.
    bool IsPartlyLoaded() const { return !FLoad; }
    // "<file>: line N not loaded: <text>; the settings after it are at their defaults"
    // translated: in the user's language, for a window (the log keeps English).
    QString PartLoadText(bool translated = false) const;
    // The user takes the project as it loaded, defaults and all (orvantis-cli
    // --force): Save and Save As no longer ask.
    void AcceptPartLoad() { FLoad = {}; }

    // Changes that no file holds yet and the user made or received: not
    // a new project's untouched defaults. They are what a recovery copy keeps.
    bool HasUnsavedWork() const { return FModelInHand && FModified && !FPristine; }

    // IEditedProject, for the editors.
    TProfile& GetProfile() override { return FProfile; }
    void SetModified() override
    {
        FModified = true;
        FPristine = false;
    }

    // Each returns true when it was carried out, false when it was cancelled
    // or failed (the user has been told).
    bool QuerySave();
    bool New();
    bool Open();
    bool Save();
    bool SaveAs();

    // Receive: the project is dropped when a receive begins (the model stays
    // in hand until the receive ends); a receive that reached no instrument
    // leaves no model; one that reached it leaves the model it read, and a
    // complete read becomes a new, unsaved project named "Untitled.PRO".
    void Drop();
    void DropModel();
    void ModelReceived();
    void AdoptReceived();
    // A recovery copy brought back: an unsaved project under its old name.
    void Restore(TLineList text, const QString& fileName);
    // A project handed over as text (each instrument of a batch gets its own
    // copy): in hand under fileName as Open leaves a file, without a log line.
    void Take(TLineList text, const QString& fileName);
    // Send: the project text regenerated from the model under the current name.
    const TLineList& Regenerate();

private:
    bool ConfirmPartLoad();
    void WriteText(const QString& fileName);
    bool WriteFile(const QString& path);

    IPrompter& FPrompter;
    TLogFn FLog;
    QString FFileName;
    bool FProjectOpen = false;
    bool FModified = false;
    bool FModelInHand = false;
    bool FPristine = false;
    TLoadResult FLoad;
    TLineList FProjectLines;
    TProfile FProfile;
};

}  // namespace orvantis
