#pragma once
// The COM names the instrument link and the terminal use ("COM1" to "COM40")
// and the devices they stand for on this system:
// - with ORVANTIS_PORT_DIR set, "COMn" is $ORVANTIS_PORT_DIR/COMn (a symlink
//   to a device or a pseudo-terminal);
// - otherwise COM numbers go from 1 up to the system's serial ports in a
//   stable order: USB adapters (/dev/ttyUSB*, then /dev/ttyACM*, each by
//   number), then the built-in /dev/ttyS* ports that have real hardware.

#include <QString>
#include <QStringList>

namespace orvantis {

inline constexpr int ComPortCount = 40;

// "COM1" for index 0, up to "COM40" for index 39.
QString ComPortName(int index);
// Index 0..39 of "COM1".."COM40" (case-insensitive), or -1.
int ComPortIndex(const QString& name);
// The device path that COM name index stands for, or empty when there is none.
QString ComPortDevice(int index);
// The same for a COM name ("COM3").
QString DevicePathOf(const QString& comName);

// The order used without ORVANTIS_PORT_DIR, from the system's port paths.
QStringList OrderSystemPorts(const QStringList& devicePaths);

}  // namespace orvantis
