#pragma once
// The project as the editors see it: one model with its defaults, a settable
// instrument identity behind the model, and a count of SetModified() calls.

#include "EditedProject.h"
#include "EquipmentIdentity.h"

namespace orvantis::test {

struct TFakeEditorHost : IEditedProject, IEquipmentIdentity {
    explicit TFakeEditorHost(int model = 0, float version = 3.0f) : Model(model), Version(version)
    {
        Profile.SetDefaults();
    }
    TProfile& GetProfile() override { return Profile; }
    void SetModified() override { ++ModifiedCalls; }
    int GetEquipmentModel() const override { return Model; }
    float GetEquipmentVersion() const override { return Version; }

    int Model;
    float Version;
    int ModifiedCalls = 0;
    TLineList Lines;
    TProfile Profile{&Lines, *this};
};

}  // namespace orvantis::test
