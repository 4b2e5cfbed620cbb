#pragma once
// The COM names the instrument link and the terminal use ("COM1" to "COM40")
// and the devices they stand for on this system:
// - with ORVANTIS_PORT_DIR set, "COMn" is $ORVANTIS_PORT_DIR/COMn (a symlink
//   to a device or a pseudo-terminal);
// - otherwise COM numbers go from 1 up to the system's serial ports in a
//   stable order: USB adapters (/dev/ttyUSB*, then /dev/ttyACM*, each by
//   number), then the built-in /dev/ttyS* ports that have real hardware.

#include <QString>
#include <QList>
#include <QStringList>

#include <optional>

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

// Whether the device that COM name index stands for is there: a port that is
// not costs nothing to try, one that is may cost a full time-out.
bool ComPortPresent(int index);
// "COM2,COM5-COM9" (case-insensitive, blanks allowed) as the indices of the
// ports it names, in ascending order without repeats; nothing when a part
// is not a COM name or a range of them.
std::optional<QList<int>> ParseComPortList(const QString& text);

// The order used without ORVANTIS_PORT_DIR, from the system's port paths.
QStringList OrderSystemPorts(const QStringList& devicePaths);

}  // namespace orvantis
