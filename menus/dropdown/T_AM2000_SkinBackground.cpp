#include "T_AM2000_SkinBackground.h"

#include "TCanvas.h"

#include <QPainter>
#include <array>

namespace {

using BL = T_AM2000_BackgroundLayout;

// The three spans of one axis: start corner, middle, end corner (of the picture or of
// the destination).
std::array<std::pair<int, int>, 3> Spans(int length, int corner)
{
    const int end = std::max(corner, length - corner);
    return {{{0, corner}, {corner, end}, {end, length}}};
}

// blSkin: corners unscaled; edges and middle from the picture's, stretched where the
// window's part is larger than the picture's, else copied unscaled.
void PaintSkinLayout(QPainter& painter, const QImage& picture, QSize corner, QSize size)
{
    const auto sourceX = Spans(picture.width(), corner.width());
    const auto sourceY = Spans(picture.height(), corner.height());
    const auto destX = Spans(size.width(), corner.width());
    const auto destY = Spans(size.height(), corner.height());
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRect source = Rect(sourceX[column].first, sourceY[row].first,
                                      sourceX[column].second, sourceY[row].second);
            QRect dest = Rect(destX[column].first, destY[row].first, destX[column].second,
                              destY[row].second);
            if (source.isEmpty() || dest.isEmpty())
                continue;
            if (dest.width() <= source.width())
                dest.setWidth(source.width());
            if (dest.height() <= source.height())
                dest.setHeight(source.height());
            painter.drawImage(dest, picture, source);
        }
    }
}

} // namespace

QPoint T_AM2000_SkinBackground::PlacedAt(T_AM2000_BackgroundLayout layout, QSize picture,
                                         QSize size)
{
    const int right = size.width() - picture.width(), bottom = size.height() - picture.height();
    switch (layout) {
    case BL::blAtTopCenter:
        return {right / 2, 0};
    case BL::blAtTopRight:
        return {right, 0};
    case BL::blAtLeftCenter:
        return {0, bottom / 2};
    case BL::blAtCenter:
        return {right / 2, bottom / 2};
    case BL::blAtRightCenter:
        return {right, bottom / 2};
    case BL::blAtBottomLeft:
        return {0, bottom};
    case BL::blAtBottomCenter:
        return {right / 2, bottom};
    case BL::blAtBottomRight:
        return {right, bottom};
    default:
        return {0, 0};
    }
}

QImage T_AM2000_SkinBackground::Render(const QImage& picture, T_AM2000_BackgroundLayout layout,
                                       QSize corner, QSize size, QColor fill)
{
    QImage result(size, QImage::Format_RGB32);
    result.fill(fill);
    if (picture.isNull() || size.isEmpty())
        return result;
    QPainter painter(&result);
    switch (layout) {
    case BL::blTile:
        for (int y = 0; y < size.height(); y += picture.height())
            for (int x = 0; x < size.width(); x += picture.width())
                painter.drawImage(x, y, picture);
        break;
    case BL::blStretch:
        painter.drawImage(result.rect(), picture);
        break;
    case BL::blSkin:
        PaintSkinLayout(painter, picture, corner, size);
        break;
    default:
        painter.drawImage(PlacedAt(layout, picture.size(), size), picture);
        break;
    }
    return result;
}

void T_AM2000_SkinBackground::DrawNinePart(TCanvas& canvas, const QRect& dest,
                                           const QImage& picture, QSize corner, bool withTopCorners,
                                           bool withBottomCorners)
{
    if (picture.isNull() || dest.isEmpty())
        return;
    const auto sourceX = Spans(picture.width(), corner.width());
    const auto sourceY = Spans(picture.height(), corner.height());
    const auto destX = Spans(dest.width(), corner.width());
    const auto destY = Spans(dest.height(), corner.height());
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const bool isCorner = column != 1 && row != 1;
            if (isCorner && ((row == 0 && !withTopCorners) || (row == 2 && !withBottomCorners)))
                continue;
            const QRect source = Rect(sourceX[column].first, sourceY[row].first,
                                      sourceX[column].second, sourceY[row].second);
            const QRect target =
                Rect(destX[column].first, destY[row].first, destX[column].second, destY[row].second)
                    .translated(dest.topLeft());
            if (!source.isEmpty() && !target.isEmpty())
                canvas.DrawImage(target, picture, source);
        }
    }
}
