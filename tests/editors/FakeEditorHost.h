#pragma once
// A main window stand-in for the editors: one model with its defaults, a
// settable instrument identity, and a count of SetModified() calls.

#include "MainFormInterface.h"

#include <QStringList>

namespace orvantis::test {

struct TFakeEditorHost : IMainForm {
    explicit TFakeEditorHost(int model = 0, float version = 3.0f) : Model(model), Version(version)
    {
        Profile.SetDefaults();
    }
    TProfile& GetProfile() override { return Profile; }
    void SetModified() override { ++ModifiedCalls; }
    void Log(const QString& text) override { LogLines << text; }
    int GetEquipmentModel() const override { return Model; }
    float GetEquipmentVersion() const override { return Version; }

    int Model;
    float Version;
    int ModifiedCalls = 0;
    QStringList LogLines;
    TLineList Lines;
    TProfile Profile{&Lines, *this};
};

}  // namespace orvantis::test
