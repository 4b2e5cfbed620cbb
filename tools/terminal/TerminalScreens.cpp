// What TTerminal draws: the main and help screens, the status rows, and the
// received bytes in text and hexadecimal form.

#include "Terminal.h"

#include "ProgramInfo.h"

#include <QByteArray>

namespace orvantis {

namespace {

constexpr std::uint8_t TopLeft = 0xC9;
constexpr std::uint8_t TopRight = 0xBB;
constexpr std::uint8_t BottomLeft = 0xC8;
constexpr std::uint8_t BottomRight = 0xBC;
constexpr std::uint8_t Horizontal = 0xCD;
constexpr std::uint8_t Vertical = 0xBA;

constexpr std::uint8_t Lf = 0x0A;
constexpr std::uint8_t Cr = 0x0D;

constexpr int StatusBottomRow = 5;
constexpr int AreaTopRow = 6;
constexpr int StatusWidth = 77;
constexpr int LineWidth = 80;

const char* ByteName(std::uint8_t byte)
{
    switch (byte) {
    case 0x00: return "(NUL)";
    case 0x02: return "(STX)";
    case 0x03: return "(ETX)";
    case 0x05: return "(ENQ)";
    case 0x06: return "(ACK)";
    case 0x11: return "(XON)";
    case 0x13: return "(XOFF)";
    case 0x15: return "(NAK)";
    case 0x18: return "(CAN)";
    case 0x1B: return "(ESC)";
    default: return nullptr;
    }
}

std::string_view View(const QByteArray& bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

QByteArray Repeat(std::uint8_t ch, int count)
{
    return QByteArray(count, char(ch));
}

// The notice has what room is left between the title pieces and the version.
QByteArray FitNotice(const QByteArray& notice, int room)
{
    if (notice.size() <= room) return notice;
    if (room <= 0) return {};
    QByteArray cut = notice.left(room);
    const qsizetype blank = cut.lastIndexOf(' ');
    if (blank > 0 && notice.at(room) != ' ') cut.truncate(blank);
    return cut.trimmed();
}

}  // namespace

int TTerminal::Width(TConsoleBuffer buffer)
{
    TBufferInfo info;
    return FConsole.GetBufferInfo(buffer, info) ? info.Width : LineWidth;
}

void TTerminal::ShowReceived(std::uint8_t byte)
{
    if (bHex)
        ShowHex(byte, TermAttr::Area);
    else
        ShowText(byte, TermAttr::Area);
}

bool TTerminal::ShowText(std::uint8_t byte, TAttribute attribute)
{
    if (byte == Lf) {
        NewLine(FOutput);
        return true;
    }
    if (byte == Cr) {
        const bool written = FConsole.Write(FOutput, "\r");
        if (bCRLF) NewLine(FOutput);
        return written;
    }
    TBufferInfo info;
    if (!FConsole.GetBufferInfo(FOutput, info)) {
        ReportError(QStringLiteral("In GetConsoleScreenBufferInfo"), FConsole.LastError());
        return false;
    }
    if (info.Cursor.X >= info.Width - 1) NewLine(FOutput);
    FConsole.SetAttribute(FOutput, attribute);
    const char ch = char(byte);
    return FConsole.Write(FOutput, std::string_view(&ch, 1));
}

bool TTerminal::ShowHex(std::uint8_t byte, TAttribute attribute)
{
    const char* name = ByteName(byte);
    if (!name) {
        if (byte == Cr) NewLine(FOutput);
        ShowText(byte, TAttribute(attribute | TermAttr::Intensity));
    }
    const QByteArray text = QByteArray(name ? name : "") + QByteArray::number(byte, 16).toUpper().rightJustified(2, '0') + '.';
    for (const char ch : text) {
        if (!ShowText(std::uint8_t(ch), attribute)) return false;
    }
    return true;
}

void TTerminal::NewLine(TConsoleBuffer buffer)
{
    TBufferInfo info;
    if (!FConsole.GetBufferInfo(buffer, info)) {
        ReportError(QStringLiteral("In GetConsoleScreenBufferInfo"), FConsole.LastError());
        return;
    }
    TCoord next{0, info.Cursor.Y};
    if (info.Cursor.Y >= info.Height - 1)
        ScrollUp(buffer);
    else
        ++next.Y;
    if (!FConsole.SetCursor(buffer, next))
        ReportError(QStringLiteral("In SetConsoleCursorPosition"), FConsole.LastError());
}

void TTerminal::ScrollUp(TConsoleBuffer buffer)
{
    TBufferInfo info;
    if (!FConsole.GetBufferInfo(buffer, info)) {
        ReportError(QStringLiteral("In GetConsoleScreenBufferInfo"), FConsole.LastError());
        return;
    }
    // The clip keeps the status box's bottom frame (row 5) in place.
    const TRect area{0, AreaTopRow, info.Width - 1, info.Height - 1};
    if (!FConsole.Scroll(buffer, area, area, {0, StatusBottomRow}, {' ', TermAttr::Area}))
        ReportError(QStringLiteral("In ScrollConsoleScreenBuffer"), FConsole.LastError());
}

void TTerminal::WriteAt(TConsoleBuffer buffer, const QByteArray& text, int column, int row, TAttribute attribute)
{
    TBufferInfo info;
    if (!FConsole.GetBufferInfo(buffer, info)) {
        ReportError(QStringLiteral("In GetConsoleScreenBufferInfo"), FConsole.LastError());
        return;
    }
    if (!FConsole.SetCursor(buffer, {column, row})) {
        ReportError(QStringLiteral("In SetConsoleCursorPosition"), FConsole.LastError());
        return;
    }
    FConsole.SetAttribute(buffer, attribute);
    FConsole.Write(buffer, View(text));
    FConsole.SetCursor(buffer, info.Cursor);
    FConsole.SetAttribute(buffer, info.Attribute);
}

void TTerminal::DrawFrame(TConsoleBuffer buffer, const QByteArray& bottomTitle)
{
    const auto write = [&](const QByteArray& text, TAttribute attribute) {
        FConsole.SetAttribute(buffer, attribute);
        FConsole.Write(buffer, View(text));
    };
    FConsole.SetCursor(buffer, {0, 0});
    write("\n", TermAttr::Frame);

    const QByteArray top = " status ";
    const int topSide = (LineWidth - 4 - int(top.size())) / 2;
    write(Repeat(TopLeft, 1) + Repeat(Horizontal, topSide) + "[", TermAttr::Frame);
    write(top, TermAttr::BoxTitle);
    write("]" + Repeat(Horizontal, topSide) + Repeat(TopRight, 1), TermAttr::Frame);
    for (int row = 0; row < 3; ++row)
        write(Repeat(Vertical, 1) + Repeat(' ', LineWidth - 2) + Repeat(Vertical, 1), TermAttr::Frame);

    const int bottomSide = (LineWidth - 4 - int(bottomTitle.size())) / 2;
    write(Repeat(BottomLeft, 1) + Repeat(Horizontal, bottomSide) + "[", TermAttr::Frame);
    write(bottomTitle, TermAttr::BoxTitle);
    write("]" + Repeat(Horizontal, bottomSide) + Repeat(BottomRight, 1), TermAttr::Frame);
}

void TTerminal::DrawMainScreen()
{
    DrawFrame(FOutput, " terminal ");
    const int width = Width(FOutput);
    for (int row = 2; row <= 4; ++row) FConsole.FillAttribute(FOutput, TermAttr::Label, width - 2, {1, row});

    TBufferInfo info;
    FConsole.GetBufferInfo(FOutput, info);
    const int areaCells = width * (info.Height - AreaTopRow);
    if (!FConsole.FillCharacter(FOutput, ' ', areaCells, {0, AreaTopRow}))
        ReportError(QStringLiteral("In FillConsoleOutputCharacter"), FConsole.LastError());
    if (!FConsole.FillAttribute(FOutput, TermAttr::Area, areaCells, {0, AreaTopRow}))
        ReportError(QStringLiteral("In FillConsoleOutputAttribute"), FConsole.LastError());
    FConsole.SetCursor(FOutput, {0, AreaTopRow});
    FConsole.SetAttribute(FOutput, TermAttr::Area);
    DrawStatus(FOutput);
}

void TTerminal::CreateHelpScreen()
{
    FHelpBuffer = FConsole.CreateBuffer();
    if (FHelpBuffer >= 0) DrawHelpScreen();
}

void TTerminal::DrawHelpScreen()
{
    DrawFrame(FHelpBuffer, "   HELP   ");
    WriteAt(FHelpBuffer, "Press the following key combinations to access each function:", 1, AreaTopRow,
            TermAttr::Label);

    static const char* const Lines[][2] = {
        {"    Alt+1:", " use COM1 serial port"},
        {"    Alt+2:", " use COM2 serial port"},
        {"    Alt+3:", " use COM3 serial port"},
        {"    Alt+4:", " use COM4 serial port"},
        {"    Alt+C:", " switch between CR->CR or CR->CR+LF"},
        {"    Alt+L:", " switch local echo ON or OFF"},
        {"    Alt+X:", " switch between text mode and hexadecimal mode"},
        {"    Alt+Q:", " exit this terminal utility"},
        {"    Alt+H:", " show this help screen"},
    };
    FConsole.SetCursor(FHelpBuffer, {0, AreaTopRow + 2});
    for (const auto& line : Lines) {
        FConsole.SetAttribute(FHelpBuffer, TermAttr::Frame);
        FConsole.Write(FHelpBuffer, line[0]);
        FConsole.SetAttribute(FHelpBuffer, TermAttr::Echo);
        FConsole.Write(FHelpBuffer, line[1]);
        FConsole.Write(FHelpBuffer, "\n");
    }
}

void TTerminal::DrawStatus(TConsoleBuffer buffer)
{
    DrawTitleRow(buffer);
    DrawPortRow(buffer);
    DrawModeRow(buffer);
}

void TTerminal::DrawTitleRow(TConsoleBuffer buffer)
{
    const int width = Width(buffer);
    FConsole.FillCharacter(buffer, ' ', LineWidth, {0, 0});

    const QByteArray title = QByteArray(ApplicationTitle) + ":";
    const QByteArray utility = " Terminal utility ";
    const QByteArray version = "[v" + QByteArray(ProgramVersion) + "]";
    const int versionColumn = width - int(version.size());
    int column = 0;
    WriteAt(buffer, title, column, 0, TermAttr::Title);
    column += int(title.size());
    WriteAt(buffer, utility, column, 0, TermAttr::Label);
    column += int(utility.size());
    // Cut to the room before the version, so that it cannot run into it.
    const QByteArray notice = FitNotice(ProgramNotice, versionColumn - column - 2);
    if (!notice.isEmpty()) WriteAt(buffer, " " + notice + " ", column, 0, TermAttr::Value);
    WriteAt(buffer, version, versionColumn, 0, TermAttr::Title);
}

void TTerminal::DrawPortRow(TConsoleBuffer buffer)
{
    constexpr int row = 2;
    FConsole.FillCharacter(buffer, ' ', StatusWidth, {2, row});
    const std::pair<QByteArray, TAttribute> pieces[] = {
        {FComPort.toLatin1() + ": ", TermAttr::Label}, {"115200", TermAttr::Value},
        {" - 8 bits", TermAttr::Value},                 {" - no parity", TermAttr::Value},
        {" - 1 stop bit ", TermAttr::Value},            {"  Exit: ", TermAttr::Label},
        {"Alt+Q", TermAttr::Value},                     {"  Help: ", TermAttr::Label},
        {"Alt+H", TermAttr::Value},
    };
    // A long port name must not run over the frame into the next row.
    const int insideEnd = Width(buffer) - 1;
    int column = 2;
    for (const auto& [text, attribute] : pieces) {
        const int room = insideEnd - column;
        if (room <= 0) break;
        WriteAt(buffer, text.left(room), column, row, attribute);
        column += int(text.size());
    }
}

void TTerminal::DrawModeRow(TConsoleBuffer buffer)
{
    constexpr int row = 3;
    FConsole.FillCharacter(buffer, ' ', StatusWidth, {2, row});
    WriteAt(buffer, "CR=", 2, row, TermAttr::Label);
    WriteAt(buffer, bCRLF ? "CR+LF  " : "CR  ", 5, row, TermAttr::Value);
    WriteAt(buffer, "Echo=", 12, row, TermAttr::Label);
    WriteAt(buffer, bLocal ? "Local  " : "None  ", 17, row, TermAttr::Value);
    WriteAt(buffer, "Mode=", 24, row, TermAttr::Label);
    WriteAt(buffer, bHex ? "Hex  " : "Text  ", 29, row, TermAttr::Value);
}

bool TTerminal::DoAltKey(std::uint8_t ch)
{
    switch (ch) {
    case '1':
    case '2':
    case '3':
    case '4':
        FAddress = TPortAddress::Com(ch - '0');
        FComPort = FAddress->Name();
        FRestart = true;
        DrawPortRow(FOutput);
        return true;
    case 'c':
    case 'C':
        bCRLF = !bCRLF;
        DrawModeRow(FOutput);
        return false;
    case 'l':
    case 'L':
        bLocal = !bLocal;
        DrawModeRow(FOutput);
        return false;
    case 'x':
    case 'X':
        bHex = !bHex;
        DrawModeRow(FOutput);
        return false;
    case 'h':
    case 'H':
        if (FHelpBuffer < 0) return false;
        if (FHelpShown) {
            FConsole.SetActiveBuffer(FOutput);
            FHelpShown = false;
        } else {
            FConsole.SetActiveBuffer(FHelpBuffer);
            DrawStatus(FHelpBuffer);
            FHelpShown = true;
        }
        return false;
    default:
        return false;
    }
}

}  // namespace orvantis
