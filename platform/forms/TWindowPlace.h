#pragma once

#include <QRect>

class QWidget;

// Where a widget that fills the top-level window it lies in (or is one) shows on the
// screen. Placing such a widget places its window and the widget with it: a window may
// be lent to a widget that is then its only child.
class TWindowPlace {
public:
    // The widget's rectangle in screen pixels.
    static QRect Of(const QWidget& widget);
    // Moves and sizes the widget's top-level window to rect (screen pixels), and the
    // widget to fill it.
    static void Set(QWidget& widget, const QRect& rect);
};
