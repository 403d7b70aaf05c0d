#include "T_AM2000_AnimationFrame.h"

#include "T_AM2000_AnimationKind.h"

#include <algorithm>
#include <cmath>
#include <vector>

QImage T_AM2000_AnimationFrame::Copy(const QImage& menu, QSize size, T_AM2000_Animation kind,
                                     bool toLeft, bool upward)
{
    if (T_AM2000_AnimationKind::Stretches(kind))
        return Stretch(menu, size);
    if (T_AM2000_AnimationKind::Rolls(kind))
        return menu.copy(0, 0, size.width(), size.height());
    const int left = toLeft ? 0 : menu.width() - size.width();
    const int top = upward ? 0 : menu.height() - size.height();
    return menu.copy(left, top, size.width(), size.height());
}

QImage T_AM2000_AnimationFrame::Prepared(const QImage& menu, T_AM2000_Animation kind)
{
    return T_AM2000_AnimationKind::Stretches(kind) ? menu.convertToFormat(QImage::Format_RGB32)
                                                   : menu;
}

QImage T_AM2000_AnimationFrame::Stretch(const QImage& menu, QSize size)
{
    const QImage source = menu.convertToFormat(QImage::Format_RGB32);
    QImage frame(size, QImage::Format_RGB32);
    // At full width every column is its own source: whole rows are copied.
    const bool fullWidth = size.width() == source.width();
    std::vector<int> columns(fullWidth ? 0 : size.width());
    for (int k = 0; k < int(columns.size()); ++k)
        columns[k] = SourceIndex(k, source.width(), size.width());
    for (int j = 0; j < size.height(); ++j) {
        const auto* from = reinterpret_cast<const QRgb*>(
            source.constScanLine(SourceIndex(j, source.height(), size.height())));
        auto* to = reinterpret_cast<QRgb*>(frame.scanLine(j));
        if (fullWidth)
            std::copy_n(from, size.width(), to);
        else
            for (int k = 0; k < size.width(); ++k)
                to[k] = from[columns[k]];
    }
    return frame;
}

// Ties round to even, as everywhere in the menus.
int T_AM2000_AnimationFrame::SourceIndex(int output, int sourceLength, int outputLength)
{
    const int index = int(std::nearbyint(double(output) * sourceLength / outputLength));
    return std::clamp(index, 0, sourceLength - 1);
}
