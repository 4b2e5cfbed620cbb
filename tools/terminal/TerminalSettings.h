#pragma once
// The terminal's four values in the per-user settings store, under
// Korven/ZUR_EVE, group "Terminal".

#include <QString>

namespace orvantis {

struct TTerminalSettings {
    QString ComPort = QStringLiteral("COM1");
    bool bLocal = false;
    bool bCRLF = false;
    bool bHex = false;
};

class TTerminalSettingsStore {
public:
    enum class TReadResult {
        NoKey,   // never saved: the defaults stand
        Read,    // all four values read
        Failed,  // a value missing or not of its type; those before it were read
    };

    // Reads "ComPort", "bLocal", "bCRLF" and "bHex" in that order into values,
    // stopping at the first that cannot be read. Never creates anything.
    TReadResult Read(TTerminalSettings& values) const;
    // Writes all four values (the switches as 0 or 1); false when the store
    // cannot be written.
    bool Write(const TTerminalSettings& values) const;
};

}  // namespace orvantis
