#pragma once

#include <QImage>
#include <QWidget>

// What a control shows, as 32-bit RGB pixels a test can compare with colours.
inline QImage Grab(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
