#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <vector>

// The bytes of a 24-bit picture, three per pixel (red, green, blue) without row
// padding, for the software blending of translucent and fading menus. A value may also
// be a signed step (the per-byte fade deltas).
class T_AM2000_Bits {
public:
    T_AM2000_Bits() = default;
    T_AM2000_Bits(QSize size, std::vector<std::int16_t> values);

    static T_AM2000_Bits FromImage(const QImage& image);
    // round((menu - background) / 16) for every byte; both of the same size.
    static T_AM2000_Bits FadeDeltas(const T_AM2000_Bits& menu, const T_AM2000_Bits& background);
    static constexpr int FadeSteps = 16;

    QSize Size() const { return m_size; }
    const std::vector<std::int16_t>& Values() const { return m_values; }
    // The bytes of the part at rect (within the picture).
    T_AM2000_Bits Part(const QRect& rect) const;
    // Adds deltas (of the same size) to every byte, keeping each within 0..255.
    void AddClamped(const T_AM2000_Bits& deltas);
    // The bytes as a picture; each value is taken within 0..255.
    QImage ToImage() const;

private:
    QSize m_size;
    std::vector<std::int16_t> m_values;
};
