#pragma once

#include "TLayoutCodec.h"

// Pixel formats of a bitmap, in the system's order. pfDevice is the screen's format
// (32 bits here); pf4bit is held one byte per pixel in memory (index below 16) and is
// 4 bits per pixel only in files; pfCustom is any other layout.
enum class TPixelFormat {
    pfDevice,
    pf1bit,
    pf4bit,
    pf8bit,
    pf15bit,
    pf16bit,
    pf24bit,
    pf32bit,
    pfCustom
};
T_ENUM_NAMES(TPixelFormat, "pfDevice", "pf1bit", "pf4bit", "pf8bit", "pf15bit", "pf16bit",
             "pf24bit", "pf32bit", "pfCustom");
