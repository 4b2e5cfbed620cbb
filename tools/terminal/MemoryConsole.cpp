#include "MemoryConsole.h"

#include <cerrno>

namespace orvantis {

TMemoryConsole::TMemoryConsole(int width, int height) : FWidth(width), FHeight(height)
{
    FBuffers.emplace_back(width, height);
}

bool TMemoryConsole::Open()
{
    FOpen = true;
    FCloseRequested = false;
    Changed();
    return true;
}

bool TMemoryConsole::Close()
{
    FOpen = false;
    Changed();
    return true;
}

TConsoleBuffer TMemoryConsole::CreateBuffer()
{
    FBuffers.emplace_back(FWidth, FHeight);
    return TConsoleBuffer(FBuffers.size() - 1);
}

bool TMemoryConsole::SetActiveBuffer(TConsoleBuffer buffer)
{
    if (!Find(buffer)) return false;
    FActive = buffer;
    Changed();
    return true;
}

TScreenBuffer* TMemoryConsole::Find(TConsoleBuffer buffer)
{
    if (buffer < 0 || std::size_t(buffer) >= FBuffers.size()) {
        FLastError = EBADF;
        return nullptr;
    }
    return &FBuffers[std::size_t(buffer)];
}

const TScreenBuffer* TMemoryConsole::Buffer(TConsoleBuffer buffer) const
{
    if (buffer < 0 || std::size_t(buffer) >= FBuffers.size()) return nullptr;
    return &FBuffers[std::size_t(buffer)];
}

bool TMemoryConsole::GetBufferInfo(TConsoleBuffer buffer, TBufferInfo& info)
{
    const TScreenBuffer* b = Find(buffer);
    if (!b) return false;
    info = {b->Width(), b->Height(), b->Cursor(), b->Attribute()};
    return true;
}

bool TMemoryConsole::SetCursor(TConsoleBuffer buffer, TCoord position)
{
    TScreenBuffer* b = Find(buffer);
    if (!b) return false;
    if (!b->SetCursor(position)) {
        FLastError = EINVAL;
        return false;
    }
    if (buffer == FActive) Changed();
    return true;
}

bool TMemoryConsole::SetAttribute(TConsoleBuffer buffer, TAttribute attribute)
{
    TScreenBuffer* b = Find(buffer);
    if (!b) return false;
    b->SetAttribute(attribute);
    return true;
}

bool TMemoryConsole::Write(TConsoleBuffer buffer, std::string_view bytes)
{
    TScreenBuffer* b = Find(buffer);
    if (!b) return false;
    b->Write(bytes);
    if (buffer == FActive) Changed();
    return true;
}

bool TMemoryConsole::FillCharacter(TConsoleBuffer buffer, std::uint8_t ch, int count, TCoord position)
{
    TScreenBuffer* b = Find(buffer);
    if (!b) return false;
    if (!b->FillCharacter(ch, count, position)) {
        FLastError = EINVAL;
        return false;
    }
    if (buffer == FActive) Changed();
    return true;
}

bool TMemoryConsole::FillAttribute(TConsoleBuffer buffer, TAttribute attribute, int count, TCoord position)
{
    TScreenBuffer* b = Find(buffer);
    if (!b) return false;
    if (!b->FillAttribute(attribute, count, position)) {
        FLastError = EINVAL;
        return false;
    }
    if (buffer == FActive) Changed();
    return true;
}

bool TMemoryConsole::Scroll(TConsoleBuffer buffer, const TRect& scroll, const TRect& clip, TCoord destination,
                            TCell fill)
{
    TScreenBuffer* b = Find(buffer);
    if (!b) return false;
    if (!b->Scroll(scroll, clip, destination, fill)) {
        FLastError = EINVAL;
        return false;
    }
    if (buffer == FActive) Changed();
    return true;
}

bool TMemoryConsole::ReadKey(TKeyEvent& key)
{
    if (FKeys.empty()) return false;
    key = FKeys.front();
    FKeys.pop_front();
    return true;
}

void TMemoryConsole::PushKey(TKeyEvent key)
{
    FKeys.push_back(key);
    NotifyInput();
}

void TMemoryConsole::RequestClose()
{
    FCloseRequested = true;
    NotifyInput();
}

void TMemoryConsole::NotifyInput()
{
    // A copy: the handler may replace itself.
    if (const std::function<void()> handler = FInputHandler) handler();
}

}  // namespace orvantis
