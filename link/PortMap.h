#pragma once
// The devices that COM addresses stand for on this system:
// - with ORVANTIS_PORT_DIR set, "COMn" is $ORVANTIS_PORT_DIR/COMn (a symlink
//   to a device or a pseudo-terminal);
// - otherwise COM numbers go from 1 up to the system's serial ports in a
//   stable order: USB adapters (/dev/ttyUSB*, then /dev/ttyACM*, each by
//   number), then the built-in /dev/ttyS* ports that have real hardware.

#include "PortAddress.h"

#include <QString>
#include <QStringList>

namespace orvantis {

// The device path that a COM address stands for, or empty when there is
// none (and for every other kind of address).
QString DevicePathOf(const TPortAddress& address);

// Whether the port at address may be there: a COM port whose device is
// missing costs nothing to try, one that is there may cost a full time-out.
bool PortPresent(const TPortAddress& address);

// The order used without ORVANTIS_PORT_DIR, from the system's port paths.
QStringList OrderSystemPorts(const QStringList& devicePaths);

}  // namespace orvantis
