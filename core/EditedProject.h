#pragma once
// What the editors may ask of the project they edit: the model (which also
// knows the instrument whose limits apply) and a way to say that the user
// confirmed a change.

#include "Profile.h"

namespace orvantis {

class IEditedProject {
public:
    virtual ~IEditedProject() = default;
    virtual TProfile& GetProfile() = 0;
    // The user confirmed an edit: the project has unsaved changes.
    virtual void SetModified() = 0;
};

}  // namespace orvantis
