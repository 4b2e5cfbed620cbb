#pragma once
// What the terminal needs of a text console: a window of its own with screen
// buffers (one shown at a time), positioned coloured output, fills, a scroll
// of a rectangle inside a clip rectangle, and raw key input where every key is
// one event. Implemented in memory (TMemoryConsole), as a window of its own
// (TWindowConsole).

#include "ConsoleTypes.h"

#include <functional>
#include <string_view>

namespace orvantis {

// A screen buffer of the console; negative values are no buffer.
using TConsoleBuffer = int;

struct TBufferInfo {
    int Width = 0;
    int Height = 0;
    TCoord Cursor;
    TAttribute Attribute = 7;
};

class IConsole {
public:
    virtual ~IConsole() = default;

    // Shows the console with its main buffer active; Close hides it again.
    // On failure LastError() holds the system's error number.
    virtual bool Open() = 0;
    virtual bool Close() = 0;
    virtual int LastError() const = 0;

    virtual TConsoleBuffer MainBuffer() const = 0;
    virtual TConsoleBuffer CreateBuffer() = 0;
    virtual bool SetActiveBuffer(TConsoleBuffer buffer) = 0;

    virtual bool GetBufferInfo(TConsoleBuffer buffer, TBufferInfo& info) = 0;
    virtual bool SetCursor(TConsoleBuffer buffer, TCoord position) = 0;
    virtual bool SetAttribute(TConsoleBuffer buffer, TAttribute attribute) = 0;
    // At the cursor, in the current attribute, with processed output and the
    // wrap after the last column.
    virtual bool Write(TConsoleBuffer buffer, std::string_view bytes) = 0;
    virtual bool FillCharacter(TConsoleBuffer buffer, std::uint8_t ch, int count, TCoord position) = 0;
    virtual bool FillAttribute(TConsoleBuffer buffer, TAttribute attribute, int count, TCoord position) = 0;
    virtual bool Scroll(TConsoleBuffer buffer, const TRect& scroll, const TRect& clip, TCoord destination,
                        TCell fill) = 0;

    // Takes the oldest pending key; false when none is pending.
    virtual bool ReadKey(TKeyEvent& key) = 0;
    virtual void FlushInput() = 0;
    // The user closed the console's window: the run should end.
    virtual bool CloseRequested() const = 0;
    // Called from the event loop whenever a key arrives or a close is requested.
    virtual void SetInputHandler(std::function<void()> handler) = 0;
};

}  // namespace orvantis
