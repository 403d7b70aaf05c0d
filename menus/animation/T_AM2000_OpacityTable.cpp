#include "T_AM2000_OpacityTable.h"

#include <algorithm>
#include <cmath>
#include <memory>

T_AM2000_OpacityTable::T_AM2000_OpacityTable(int opacity)
    : m_opacity(std::clamp(opacity, 0, 100))
{
    for (int menu = 0; menu < 256; ++menu)
        for (int background = 0; background < 256; ++background)
            m_values[std::size_t(menu) << 8 | background] =
                std::uint8_t(background + std::nearbyint(m_opacity * (menu - background) / 100.0));
}

const T_AM2000_OpacityTable& T_AM2000_OpacityTable::For(int opacity)
{
    static std::array<std::unique_ptr<T_AM2000_OpacityTable>, 101> tables;
    auto& table = tables[std::clamp(opacity, 0, 100)];
    if (!table)
        table = std::make_unique<T_AM2000_OpacityTable>(opacity);
    return *table;
}

T_AM2000_Bits T_AM2000_OpacityTable::Blend(const T_AM2000_Bits& menu,
                                           const T_AM2000_Bits& background) const
{
    const auto& over = menu.Values();
    const auto& under = background.Values();
    std::vector<std::int16_t> values(over.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = Value(std::uint8_t(over[i]), std::uint8_t(under[i]));
    return T_AM2000_Bits(menu.Size(), std::move(values));
}
