#include "T_AM2000_Screenshot.h"

#include <QPainter>

T_AM2000_Screenshot::T_AM2000_Screenshot(const QRect& rect, QImage image)
    : m_rect(rect)
    , m_image(std::move(image))
{}

QImage T_AM2000_Screenshot::Part(const QRect& rect) const
{
    return m_image.copy(rect.translated(-m_rect.topLeft()));
}

void T_AM2000_Screenshot::PaintOver(const T_AM2000_Screenshot& other)
{
    QPainter painter(&m_image);
    painter.drawImage(other.m_rect.topLeft() - m_rect.topLeft(), other.m_image);
}
