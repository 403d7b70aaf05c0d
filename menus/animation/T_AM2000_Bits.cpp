#include "T_AM2000_Bits.h"

#include <algorithm>
#include <cmath>

T_AM2000_Bits::T_AM2000_Bits(QSize size, std::vector<std::int16_t> values)
    : m_size(size)
    , m_values(std::move(values))
{}

T_AM2000_Bits T_AM2000_Bits::FromImage(const QImage& image)
{
    const QImage bytes = image.convertToFormat(QImage::Format_RGB888);
    const int rowBytes = bytes.width() * 3;
    std::vector<std::int16_t> values;
    values.reserve(std::size_t(rowBytes) * bytes.height());
    for (int y = 0; y < bytes.height(); ++y) {
        const uchar* row = bytes.constScanLine(y);
        values.insert(values.end(), row, row + rowBytes);
    }
    return T_AM2000_Bits(bytes.size(), std::move(values));
}

T_AM2000_Bits T_AM2000_Bits::FadeDeltas(const T_AM2000_Bits& menu, const T_AM2000_Bits& background)
{
    std::vector<std::int16_t> deltas(menu.m_values.size());
    for (std::size_t i = 0; i < deltas.size(); ++i)
        deltas[i] = std::int16_t(
            std::nearbyint(double(menu.m_values[i] - background.m_values[i]) / FadeSteps));
    return T_AM2000_Bits(menu.m_size, std::move(deltas));
}

T_AM2000_Bits T_AM2000_Bits::Part(const QRect& rect) const
{
    std::vector<std::int16_t> values;
    values.reserve(std::size_t(rect.width()) * rect.height() * 3);
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto row = m_values.begin() + (std::ptrdiff_t(y) * m_size.width() + rect.left()) * 3;
        values.insert(values.end(), row, row + rect.width() * 3);
    }
    return T_AM2000_Bits(rect.size(), std::move(values));
}

void T_AM2000_Bits::AddClamped(const T_AM2000_Bits& deltas)
{
    for (std::size_t i = 0; i < m_values.size(); ++i)
        m_values[i] = std::int16_t(std::clamp(m_values[i] + deltas.m_values[i], 0, 255));
}

QImage T_AM2000_Bits::ToImage() const
{
    QImage image(m_size, QImage::Format_RGB888);
    const int rowBytes = m_size.width() * 3;
    for (int y = 0; y < m_size.height(); ++y) {
        uchar* row = image.scanLine(y);
        const auto* from = m_values.data() + std::ptrdiff_t(y) * rowBytes;
        for (int i = 0; i < rowBytes; ++i)
            row[i] = uchar(std::clamp<int>(from[i], 0, 255));
    }
    return image;
}
