#pragma once
// The program's image list: fifteen drawn icons, one consistent set.

#include <QIcon>

namespace orvantis {

enum TImageIndex {
    ImageExit = 0,
    ImageNew = 1,
    ImageOpen = 2,
    ImageSave = 3,
    ImagePoints = 4,
    ImageConfig = 5,
    ImageMessages = 6,
    ImageEditor = 7,
    ImageTerminal = 8,
    ImageSend = 9,
    ImageReceive = 10,
    ImageAbout = 11,
    ImageMonitor = 12,
    ImageDetectNotFound = 13,
    ImageDetectFound = 14,
    ImageCount = 15
};

QIcon ProgramImage(int index);
// The program's own icon (window icon, desktop entry).
QIcon ProgramIcon();

}  // namespace orvantis
