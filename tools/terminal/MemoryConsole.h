#pragma once
// The console kept in memory: screen buffers, the active one, pending keys.
// Tests drive it directly; the console window paints it and feeds it keys.

#include "Console.h"
#include "ScreenBuffer.h"

#include <deque>
#include <vector>

namespace orvantis {

class TMemoryConsole : public IConsole {
public:
    explicit TMemoryConsole(int width = 80, int height = 25);

    bool Open() override;
    bool Close() override;
    int LastError() const override { return FLastError; }

    TConsoleBuffer MainBuffer() const override { return 0; }
    TConsoleBuffer CreateBuffer() override;
    bool SetActiveBuffer(TConsoleBuffer buffer) override;

    bool GetBufferInfo(TConsoleBuffer buffer, TBufferInfo& info) override;
    bool SetCursor(TConsoleBuffer buffer, TCoord position) override;
    bool SetAttribute(TConsoleBuffer buffer, TAttribute attribute) override;
    bool Write(TConsoleBuffer buffer, std::string_view bytes) override;
    bool FillCharacter(TConsoleBuffer buffer, std::uint8_t ch, int count, TCoord position) override;
    bool FillAttribute(TConsoleBuffer buffer, TAttribute attribute, int count, TCoord position) override;
    bool Scroll(TConsoleBuffer buffer, const TRect& scroll, const TRect& clip, TCoord destination,
                TCell fill) override;

    bool ReadKey(TKeyEvent& key) override;
    void FlushInput() override { FKeys.clear(); }
    bool CloseRequested() const override { return FCloseRequested; }
    void SetInputHandler(std::function<void()> handler) override { FInputHandler = std::move(handler); }

    // The user's side: a key typed, the window closed.
    void PushKey(TKeyEvent key);
    void RequestClose();

    bool IsOpen() const { return FOpen; }
    TConsoleBuffer ActiveBuffer() const { return FActive; }
    // The given buffer, or the active one; nullptr when there is none.
    const TScreenBuffer* Buffer(TConsoleBuffer buffer) const;
    const TScreenBuffer& Active() const { return FBuffers[std::size_t(FActive)]; }

protected:
    // Something visible may have changed.
    virtual void Changed() {}
    void SetLastError(int error) { FLastError = error; }

private:
    TScreenBuffer* Find(TConsoleBuffer buffer);
    void NotifyInput();

    int FWidth;
    int FHeight;
    std::vector<TScreenBuffer> FBuffers;
    TConsoleBuffer FActive = 0;
    std::deque<TKeyEvent> FKeys;
    std::function<void()> FInputHandler;
    bool FOpen = false;
    bool FCloseRequested = false;
    int FLastError = 0;
};

}  // namespace orvantis
