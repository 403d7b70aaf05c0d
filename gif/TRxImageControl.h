#pragma once

#include "TGraphicControl.h"

#include <QList>
#include <QRgb>
#include <atomic>
#include <mutex>

class TGraphic;

// The base of controls that show a picture on their parent's surface and may be
// driven by a timer thread (the GIF animator). It paints double-buffered, through one
// off-screen bitmap per paint; it can copy its parent's image, with the windowless
// siblings below it, for see-through drawing; it has a re-entrant lock that keeps a
// timer thread and the interface thread apart; and it keeps the palette state of the
// graphic it shows.
//
// Locks, where several are held at once, are taken in this order: the control's lock
// (EnterLock), the control's canvas lock, the canvas lock of a bitmap being drawn.
class TRxImageControl : public TGraphicControl {
    T_CLASS_INFO
public:
    explicit TRxImageControl(TComponent* owner);
    ~TRxImageControl() override;

    void EnterLock();
    void LeaveLock();

    // Paints the control now. On the interface thread Qt repaints it at once. From
    // another thread a control cannot touch its window: it prepares the picture there
    // (PrepareOffThreadPaint) and has the interface thread show it.
    void PaintNow();

    // True while widget is being painted as a copy into a see-through control's image.
    static bool PaintingCopy(const QWidget* widget);

protected:
    // Holds the control's lock for a scope.
    class ControlLock {
    public:
        explicit ControlLock(TRxImageControl& control);
        ~ControlLock();
        ControlLock(const ControlLock&) = delete;
        ControlLock& operator=(const ControlLock&) = delete;

    private:
        TRxImageControl& m_control;
    };
    // Holds a canvas's lock for a scope.
    class CanvasLock {
    public:
        explicit CanvasLock(TCanvas& canvas);
        ~CanvasLock();
        CanvasLock(const CanvasLock&) = delete;
        CanvasLock& operator=(const CanvasLock&) = delete;

    private:
        TCanvas& m_canvas;
    };

    // Buffered painting: under the canvas lock, the control paints into an off-screen
    // bitmap of its client size, which is then copied to the control.
    void Paint() final;
    // Draws the picture onto canvas (the off-screen bitmap), over the control's colour.
    virtual void DoPaintImage(TCanvas& canvas) = 0;
    // Work that PaintNow does on the calling thread when that is not the interface
    // thread, before the interface thread shows the result.
    virtual void PrepareOffThreadPaint() {}

    // Draws onto canvas, as the control's background, what lies below it: its parent's
    // surface and the visible windowless siblings below it that overlap it. Each is
    // marked as painting a copy meanwhile.
    void CopyParentImage(TCanvas& canvas);

    // The picture changed: applies auto-size, clears the graphic's palette mark where
    // the palette was taken note of, and invalidates the control unless it is painting.
    void PictureChanged();
    // The graphic whose palette the control manages (not owned), or nullptr.
    TGraphic* Graphic() const { return m_graphic; }
    void SetGraphic(TGraphic* graphic) { m_graphic = graphic; }
    // The palette of the shown picture; none by default.
    virtual QList<QRgb> GetPalette() const { return {}; }
    // Sizes the control to its picture where it says so; nothing by default.
    virtual void ApplyAutoSize() {}

    // Set first thing by a derived destructor: changes of the picture no longer reach
    // the control.
    void MarkDestroying() { m_destroying = true; }
    // Whether the control is shown on the screen, mirrored from show and hide events
    // so that a timer thread can ask without touching the widget.
    bool Showing() const { return m_showing; }

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void PaintControl(TCanvas& canvas);
    void PaintBuffered();

    std::recursive_mutex m_lock;
    TGraphic* m_graphic = nullptr;
    std::atomic<bool> m_inPaint{false};
    std::atomic<bool> m_bufferingNow{false};
    std::atomic<bool> m_showing{false};
    std::atomic<bool> m_destroying{false};
};
