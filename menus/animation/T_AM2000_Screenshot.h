#pragma once

#include <QImage>
#include <QRect>

// A rectangle of the screen and a copy of what it showed.
class T_AM2000_Screenshot {
public:
    T_AM2000_Screenshot(const QRect& rect, QImage image);

    const QRect& Rect() const { return m_rect; }
    const QImage& Image() const { return m_image; }
    bool Contains(const QRect& rect) const { return m_rect.contains(rect); }
    // The content of rect, which lies within this screenshot.
    QImage Part(const QRect& rect) const;
    // Paints other over this one where they overlap, each at its screen place.
    void PaintOver(const T_AM2000_Screenshot& other);

private:
    QRect m_rect;
    QImage m_image;
};
