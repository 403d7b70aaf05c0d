#pragma once

// System commands of a window (the window menu, the caption, the frame). The size
// command carries the edge in its low four bits.
constexpr unsigned SC_SIZE = 0xF000;
constexpr unsigned WMSZ_LEFT = 1;
constexpr unsigned WMSZ_RIGHT = 2;
constexpr unsigned WMSZ_TOP = 3;
constexpr unsigned WMSZ_TOPLEFT = 4;
constexpr unsigned WMSZ_TOPRIGHT = 5;
constexpr unsigned WMSZ_BOTTOM = 6;
constexpr unsigned WMSZ_BOTTOMLEFT = 7;
constexpr unsigned WMSZ_BOTTOMRIGHT = 8;
// The edge code of a size command; the command itself without it.
constexpr unsigned SizeEdgeOf(unsigned command)
{
    return command & 0xF;
}
constexpr unsigned CommandOf(unsigned command)
{
    return command & 0xFFF0;
}
constexpr unsigned SC_MOVE = 0xF010;
constexpr unsigned SC_MINIMIZE = 0xF020;
constexpr unsigned SC_MAXIMIZE = 0xF030;
constexpr unsigned SC_CLOSE = 0xF060;
constexpr unsigned SC_RESTORE = 0xF120;
constexpr unsigned HTCAPTION = 2;
// Moving by the caption: the move command with the caption hit code.
constexpr unsigned SC_DRAGMOVE = SC_MOVE + HTCAPTION;

// One system command as a window's handler sees it.
struct TWMSysCommand {
    unsigned CmdType = 0;
    int XPos = 0;
    int YPos = 0;
};
