#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class TControl;
class TWinControl;

// A control on its way to a dock site under the mouse. The drag starts at once or once
// the pointer has moved the platform's drag distance from where it began, with the
// left button held; releasing the button docks the control into the dock site under
// the pointer that accepts it, or floats it there, once the release has been delivered.
// Escape or a release before the drag started leaves everything as it was. The drag
// only watches: every event still reaches its receiver. One drag runs at a time.
class TDockDrag : public QObject {
public:
    static void Begin(TControl& control, bool immediate);
    static bool Active() { return s_current != nullptr; }
    // The dock site that would take the control at a screen position, or nullptr.
    static TWinControl* SiteAt(const TControl& control, QPoint screenPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TDockDrag(TControl& control, QPoint start, bool started);
    ~TDockDrag() override;
    void Drop(QPoint screenPosition);
    void Finish();

    static TDockDrag* s_current;
    QPointer<TControl> m_control;
    QPoint m_start;
    bool m_started;
};
