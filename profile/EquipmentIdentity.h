#pragma once

namespace orvantis {

// The identity of the last instrument that answered. The model asks for it
// at every use, so a new detection takes effect at once.
class IEquipmentIdentity {
public:
    virtual ~IEquipmentIdentity() = default;
    // Row in the model table; 0 before any instrument has answered.
    virtual int GetEquipmentModel() const = 0;
    // Firmware version; 3.0 before any instrument has answered.
    virtual float GetEquipmentVersion() const = 0;
};

// A fixed identity, for tools that prepare projects without an instrument.
class TFixedIdentity : public IEquipmentIdentity {
public:
    TFixedIdentity(int model = 0, float version = 3.0f) : FModel(model), FVersion(version) {}
    int GetEquipmentModel() const override { return FModel; }
    float GetEquipmentVersion() const override { return FVersion; }
    void Set(int model, float version) { FModel = model; FVersion = version; }

private:
    int FModel;
    float FVersion;
};

}  // namespace orvantis
