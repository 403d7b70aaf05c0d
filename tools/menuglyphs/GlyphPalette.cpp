#include "GlyphPalette.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr int MaxColours = 255;
constexpr QRgb MenuColour = 0xFFF0F0F0;
constexpr int CoveredAlpha = 128;

int Channel(QRgb colour, int channel)
{
    return channel == 0 ? qRed(colour) : channel == 1 ? qGreen(colour) : qBlue(colour);
}

// The channel along which the colours spread most, and how far.
std::pair<int, int> WidestChannel(const std::vector<QRgb>& colours)
{
    std::pair<int, int> widest{0, -1};
    for (int channel = 0; channel < 3; ++channel) {
        const auto [low, high] =
            std::minmax_element(colours.begin(), colours.end(), [channel](QRgb a, QRgb b) {
                return Channel(a, channel) < Channel(b, channel);
            });
        const int range = Channel(*high, channel) - Channel(*low, channel);
        if (range > widest.second)
            widest = {channel, range};
    }
    return widest;
}

QRgb Average(const std::vector<QRgb>& colours)
{
    std::array<qint64, 3> sums{};
    for (QRgb colour : colours) {
        for (int channel = 0; channel < 3; ++channel)
            sums[channel] += Channel(colour, channel);
    }
    const qint64 count = qint64(colours.size());
    return qRgb(int((sums[0] + count / 2) / count), int((sums[1] + count / 2) / count),
                int((sums[2] + count / 2) / count));
}

// Median cut: splits the box of the widest spread at its median until there are
// enough boxes or no box spreads any more.
std::vector<QRgb> MedianCut(std::vector<QRgb> colours)
{
    std::vector<std::vector<QRgb>> boxes{std::move(colours)};
    while (int(boxes.size()) < MaxColours) {
        auto widest = boxes.end();
        int widestRange = 0;
        for (auto box = boxes.begin(); box != boxes.end(); ++box) {
            const int range = WidestChannel(*box).second;
            if (range > widestRange) {
                widestRange = range;
                widest = box;
            }
        }
        if (widest == boxes.end())
            break;
        const int channel = WidestChannel(*widest).first;
        std::sort(widest->begin(), widest->end(),
                  [channel](QRgb a, QRgb b) { return Channel(a, channel) < Channel(b, channel); });
        const auto middle = widest->begin() + std::ptrdiff_t(widest->size() / 2);
        std::vector<QRgb> upper(middle, widest->end());
        widest->erase(middle, widest->end());
        boxes.push_back(std::move(upper));
    }
    std::vector<QRgb> palette;
    for (const std::vector<QRgb>& box : boxes) {
        if (!box.empty())
            palette.push_back(Average(box));
    }
    return palette;
}

int Nearest(const QList<QRgb>& table, QRgb colour)
{
    int best = 1;
    int bestDistance = INT_MAX;
    for (int index = 1; index < table.size(); ++index) {
        int distance = 0;
        for (int channel = 0; channel < 3; ++channel) {
            const int difference = Channel(table[index], channel) - Channel(colour, channel);
            distance += difference * difference;
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = index;
        }
    }
    return best;
}

} // namespace

QImage GlyphPalette::Flatten(const QImage& picture)
{
    QImage flat = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < flat.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < flat.width(); ++x) {
            const int alpha = qAlpha(row[x]);
            if (alpha < CoveredAlpha) {
                row[x] = Transparent;
                continue;
            }
            const auto over = [alpha](int top, int bottom) {
                return (top * alpha + bottom * (255 - alpha) + 127) / 255;
            };
            row[x] =
                qRgb(over(qRed(row[x]), qRed(MenuColour)), over(qGreen(row[x]), qGreen(MenuColour)),
                     over(qBlue(row[x]), qBlue(MenuColour)));
        }
    }
    return flat.convertToFormat(QImage::Format_RGB32);
}

QImage GlyphPalette::ToIndexed(const QImage& flattened)
{
    std::vector<QRgb> colours;
    for (int y = 0; y < flattened.height(); ++y) {
        for (int x = 0; x < flattened.width(); ++x) {
            const QRgb colour = flattened.pixel(x, y);
            if (colour != Transparent)
                colours.push_back(colour);
        }
    }
    QList<QRgb> table{Transparent};
    if (!colours.empty()) {
        for (QRgb colour : MedianCut(std::move(colours)))
            table.push_back(colour);
    }
    QImage indexed(flattened.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < flattened.height(); ++y) {
        uchar* row = indexed.scanLine(y);
        for (int x = 0; x < flattened.width(); ++x) {
            const QRgb colour = flattened.pixel(x, y);
            row[x] = uchar(colour == Transparent ? 0 : Nearest(table, colour));
        }
    }
    return indexed;
}
