#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

// Moves or sizes a top-level window with the mouse until the button is released.
// The window system does it where it can (an interactive move or resize of the
// window manager); where it refuses (no window manager, the offscreen platform) this
// tracker follows the pointer itself. Either way the call returns at once.
class TWindowTracker : public QObject {
public:
    static void StartMove(QWidget* window);
    static void StartResize(QWidget* window, Qt::Edges edges);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TWindowTracker(QWidget* window, Qt::Edges edges);
    static void Track(QWidget* window, Qt::Edges edges);
    QRect TrackedGeometry(QPoint pointer) const;

    QWidget* m_window;
    Qt::Edges m_edges; // none: moving
    QPoint m_start;    // pointer at the start, screen pixels
    QRect m_startGeometry;
};
