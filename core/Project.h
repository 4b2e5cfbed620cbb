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

// Where the project stands: the project's three states ("none", "new, never
// saved", "file"), each told apart by what the model holds against what a
// file holds. Everything the commands ask of the project follows from it;
// from New on, a project is in hand.
enum class TProjectState {
    None,                  // no project and no settings: at start, after a receive that reached no instrument
    NoneReceived,          // no project; the settings a receive read, in part (or while it runs)
    NoneEdited,            // the same, edited: unsaved work, yet no project for the query to save
    New,                   // "new, never saved": New's defaults, untouched
    Modified,              // changes no file holds: edited, received whole, restored, or a save failed
    File,                  // "file": the project as its file holds it
    PartlyLoaded,          // a file Open stopped in: the settings after the refused line are defaults
    PartlyLoadedModified,  // the same, with changes
};

class TProject : public IEditedProject {
public:
    static inline const QString UntitledName = QStringLiteral("Untitled.PRO");

    using TLogFn = std::function<void(const QString&)>;
    TProject(const IEquipmentIdentity& identity, IPrompter& prompter, TLogFn log);

    TProfile& Profile() { return FProfile; }
    const TProfile& Profile() const { return FProfile; }
    const TLineList& Lines() const { return FProjectLines; }
    const QString& FileName() const { return FFileName; }
    TProjectState State() const { return FState; }
    // A project is in hand: it has a name and can be saved.
    bool IsOpen() const { return FState >= TProjectState::New; }
    bool IsModified() const
    {
        return FState == TProjectState::NoneEdited || FState == TProjectState::New || FState == TProjectState::Modified ||
               FState == TProjectState::PartlyLoadedModified;
    }
    // The model holds settings to edit and send: after New, Open and every
    // Receive that reached the instrument, even one that read only part.
    bool HasModel() const { return FState != TProjectState::None; }
    // Open stopped at a line it could not take: the settings after it are at
    // their defaults. Holds until the next New, Open or Receive.
    bool IsPartlyLoaded() const
    {
        return FState == TProjectState::PartlyLoaded || FState == TProjectState::PartlyLoadedModified;
    }
    // "<file>: line N not loaded: <text>; the settings after it are at their defaults"
    // translated: in the user's language, for a window (the log keeps English).
    QString PartLoadText(bool translated = false) const;
    // The line the file stopped loading at; whole unless IsPartlyLoaded.
    TLoadResult PartLoad() const { return IsPartlyLoaded() ? FLoad : TLoadResult{}; }
    // The user takes the project as it loaded, defaults and all (orvantis-cli
    // --force): Save and Save As no longer ask.
    void AcceptPartLoad();

    // Changes that no file holds yet and the user made or received: not
    // a new project's untouched defaults. They are what a recovery copy keeps.
    bool HasUnsavedWork() const
    {
        return FState == TProjectState::NoneEdited || FState == TProjectState::Modified ||
               FState == TProjectState::PartlyLoadedModified;
    }

    // IEditedProject, for the editors.
    TProfile& GetProfile() override { return FProfile; }
    void SetModified() override;

    // Each returns true when it was carried out, false when it was cancelled
    // or failed (the user has been told).
    bool QuerySave();
    bool New();
    // The save-changes query, the open dialog, then Open(path) on the file chosen.
    bool Open();
    // Takes the file at path as the project in hand. The project it replaces
    // goes without the save-changes query: the caller has asked it.
    bool Open(const QString& path);
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
    // A recovery copy brought back: an unsaved project under its old name,
    // partly loaded again when its file was (partLoad, as the copy recorded).
    void Restore(TLineList text, const QString& fileName, TLoadResult partLoad = {});
    // A project handed over as text (each instrument of a batch gets its own
    // copy): in hand under fileName as Open leaves a file, without a log line.
    void Take(TLineList text, const QString& fileName);
    // Send: the project text regenerated from the model under the current name.
    const TLineList& Regenerate();

private:
    bool ConfirmPartLoad();
    // The model has just loaded the project lines.
    void Loaded(TLoadResult load, bool modified);
    void WriteText(const QString& fileName);
    bool WriteFile(const QString& path);

    IPrompter& FPrompter;
    TLogFn FLog;
    QString FFileName;
    TProjectState FState = TProjectState::None;
    TLoadResult FLoad;  // the line a partly loaded project stopped at
    TLineList FProjectLines;
    TProfile FProfile;
};

}  // namespace orvantis
