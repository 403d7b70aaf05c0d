#pragma once

#include "T_AM2000_Bits.h"

#include <array>
#include <cstdint>

// Software translucency: every byte of a translucent menu is shown as
// background + round(opacity * (menu - background) / 100), looked up in a 256 x 256
// table made once per opacity.
class T_AM2000_OpacityTable {
public:
    // opacity in percent, 1..100.
    explicit T_AM2000_OpacityTable(int opacity);
    // The table of that opacity, made on first use and kept for the program's life.
    static const T_AM2000_OpacityTable& For(int opacity);

    int Opacity() const { return m_opacity; }
    std::uint8_t Value(std::uint8_t menu, std::uint8_t background) const
    {
        return m_values[std::size_t(menu) << 8 | background];
    }
    // menu blended over background, both of the same size.
    T_AM2000_Bits Blend(const T_AM2000_Bits& menu, const T_AM2000_Bits& background) const;

private:
    int m_opacity;
    std::array<std::uint8_t, 256 * 256> m_values;
};
