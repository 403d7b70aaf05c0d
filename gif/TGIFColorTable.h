#pragma once

#include "TColors.h"

#include <array>

// A GIF colour table: EntryCount (0, or 2..256) entries of red, green, blue bytes.
struct TGIFColorTable {
    static constexpr int MaxEntries = 256;

    int EntryCount = 0;
    std::array<quint8, 3 * MaxEntries> Entries{};

    // The colour of entry index as 0x00BBGGRR; index must be below EntryCount.
    TColor Color(int index) const
    {
        const quint8* rgb = Entries.data() + 3 * index;
        return TColor(rgb[0] | rgb[1] << 8 | rgb[2] << 16);
    }
};
