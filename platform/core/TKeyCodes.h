#pragma once

// The system's virtual-key codes, as TWinControl::VirtualKey reports a key, and the
// control characters that key-press handlers receive.

constexpr unsigned short vkBack = 8;
constexpr unsigned short vkTab = 9;
constexpr unsigned short vkReturn = 13;
constexpr unsigned short vkShift = 16;
constexpr unsigned short vkControl = 17;
constexpr unsigned short vkMenu = 18; // Alt
constexpr unsigned short vkEscape = 27;
constexpr unsigned short vkSpace = 32;
constexpr unsigned short vkPrior = 33; // Page Up
constexpr unsigned short vkNext = 34;  // Page Down
constexpr unsigned short vkEnd = 35;
constexpr unsigned short vkHome = 36;
constexpr unsigned short vkLeft = 37;
constexpr unsigned short vkUp = 38;
constexpr unsigned short vkRight = 39;
constexpr unsigned short vkDown = 40;
constexpr unsigned short vkInsert = 45;
constexpr unsigned short vkDelete = 46;
constexpr unsigned short vkF1 = 112; // F1 … F24 follow in order
constexpr unsigned short vkF10 = 121;

constexpr char16_t charCopy = 3;   // Ctrl+C
constexpr char16_t charBack = 8;   // Backspace
constexpr char16_t charTab = 9;    // Tab
constexpr char16_t charEnter = 13; // Return
constexpr char16_t charPaste = 22; // Ctrl+V
constexpr char16_t charCut = 24;   // Ctrl+X
constexpr char16_t charEscape = 27;
