#pragma once
// The simulated instrument's 8 KiB EEPROM: factory contents, "*E2P" record
// commands written into it, and .pro files loaded into it and saved from it.

#include <QByteArray>
#include <QString>

#include <string_view>

namespace orvantis::sim {

inline constexpr int EepromSize = 8192;

// The factory contents for the instrument of model table row modelRow: the
// default project's records over an erased (0xFF) memory.
QByteArray FactoryImage(int modelRow, float version);

// Writes one "*E2P" + 4 address digits + hexadecimal byte pairs command into
// image. False, with image unchanged, when the command is malformed or runs
// past the end of the memory.
bool ApplyRecordCommand(QByteArray& image, std::string_view command);

// Applies every "send *E2P..." line of a project file. False with a reason
// when the file cannot be read or one of its record lines is malformed.
bool LoadProjectInto(QByteArray& image, const QString& path, QString* error);
// Saves the image as a project file, as a receive from the instrument would.
bool SaveImageAsProject(const QByteArray& image, int modelRow, float version, const QString& path, QString* error);

}  // namespace orvantis::sim
