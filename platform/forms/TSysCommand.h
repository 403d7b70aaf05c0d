#pragma once

// System commands of a window (the window menu, the caption, the frame). The size
// command carries the edge in its low four bits: 1 left, 2 right, 3 top, 4 top-left,
// 5 top-right, 6 bottom, 7 bottom-left, 8 bottom-right.
constexpr unsigned SC_SIZE = 0xF000;
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
