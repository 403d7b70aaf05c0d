#include "TWindowPlace.h"

#include <QWidget>

// From the window's own bounds: a hidden native window kept for later may still report
// its last place to mapToGlobal.
QRect TWindowPlace::Of(const QWidget& widget)
{
    const QWidget& window = *widget.window();
    return QRect(window.geometry().topLeft() + widget.mapTo(&window, QPoint(0, 0)), widget.size());
}

void TWindowPlace::Set(QWidget& widget, const QRect& rect)
{
    if (widget.isWindow()) {
        widget.setGeometry(rect);
        return;
    }
    widget.window()->setGeometry(rect);
    widget.setGeometry(QRect(QPoint(0, 0), rect.size()));
}
