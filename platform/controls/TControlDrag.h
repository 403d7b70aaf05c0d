#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class TControl;
class TWinControl;

// A control dragged with the mouse. The drag starts at once or once the pointer has
// moved the platform's drag distance from where it began, with the left button held;
// from then on the control under the pointer is told of every move (DragOver). A
// control that docks (dkDock) goes, on the release, into the dock site under the pointer
// that accepts it, or floats there, once the release has been delivered. Escape or a
// release before the drag started leaves everything as it was. The drag only watches:
// every event still reaches its receiver. One drag runs at a time.
class TControlDrag : public QObject {
public:
    static void Begin(TControl& control, bool immediate);
    static bool Active() { return s_current != nullptr; }
    // The dock site that would take the control released at a screen position (the
    // innermost dock site there decides), or nullptr.
    static TWinControl* SiteAt(TControl& control, QPoint screenPosition);
    // The control being dragged, or nullptr.
    static TControl* Source() { return s_current ? s_current->m_control.data() : nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TControlDrag(TControl& control, QPoint start, bool started);
    ~TControlDrag() override;
    void Over(QPoint screenPosition);
    void Drop(QPoint screenPosition);
    void Finish();

    static TControlDrag* s_current;
    QPointer<TControl> m_control;
    QPoint m_start;
    bool m_started;
};
