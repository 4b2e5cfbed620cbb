#pragma once
// What the editors, the tools and the instrument operations may ask of the
// main window.

#include "EquipmentIdentity.h"
#include "Profile.h"

#include <QString>

namespace orvantis {

class IMainForm : public IEquipmentIdentity {
public:
    virtual TProfile& GetProfile() = 0;
    // The user confirmed an edit: the project has unsaved changes.
    virtual void SetModified() = 0;
    // Appends one line to the log pane.
    virtual void Log(const QString& text) = 0;
};

}  // namespace orvantis
