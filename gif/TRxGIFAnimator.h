#pragma once

#include "TColors.h"
#include "TRxImageControl.h"

#include <atomic>
#include <memory>

class TBitmap;
class TGIFImage;
class TRxTimer;

// A windowless control that shows a GIF image and, while Animate is on, steps through
// its frames at the frames' own delays, composing each frame over the ones before it
// by the GIF disposal rules. A TRxTimer paces the frames: its thread sleeps for the
// frame delay and hands each tick to the interface thread, so the animation moves on
// only while that thread handles events. With AsyncDrawing on, ticks run on the timer
// thread, which composes the frames there; OnFrameChanged and the stop at the end of
// a pass are still handed to the interface thread.
//
// Loading a picture into Image() resets the frame cache, moves to the image's current
// frame and sizes the control to the logical screen (AutoSize). In asynchronous mode
// change the image through SetImage only, which holds the control's lock.
class TRxGIFAnimator : public TRxImageControl {
    T_CLASS_INFO
public:
    // Frame delays are kept within these bounds (milliseconds).
    static constexpr unsigned MinFrameDelay = 50;
    static constexpr unsigned MaxFrameDelay = 10000;

    explicit TRxGIFAnimator(TComponent* owner);
    ~TRxGIFAnimator() override;

    bool AsyncDrawing() const { return m_asyncDrawing; }
    void SetAsyncDrawing(bool value);
    bool Animate() const { return m_animate; }
    // Switching off waits for a tick under way on the timer thread (AsyncDrawing), so
    // it is not done while holding the control's lock.
    void SetAnimate(bool value);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    bool Center() const { return m_center; }
    void SetCenter(bool value);
    int FrameIndex() const { return m_frameIndex; }
    // Ignored when value is FrameIndex, negative or not below the frame count;
    // otherwise moves there, re-arms the timer, raises OnFrameChanged and repaints.
    void SetFrameIndex(int value);
    // The owned image; its change notification reaches the control.
    TGIFImage* Image() const { return m_image.get(); }
    // Copies value into the owned image, under the control's lock.
    void SetImage(const TGIFImage* value);
    bool Loop() const { return m_loop; }
    void SetLoop(bool value) { m_loop = value; }
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);

    TRxTimer* Timer() const { return m_timer.get(); }
    // The delay after the frame FrameIndex, in milliseconds: 0 outside the frames and
    // for images of fewer than 2 frames (which never advance); otherwise the frame's
    // delay kept within MinFrameDelay..MaxFrameDelay.
    unsigned FrameDelay() const;

    // Frame index (limited to the last frame) composed over the frames before it by
    // their disposal, on a bitmap of the logical screen's size, and its transparent
    // colour (clNone when it has none). Frames shown in order are drawn over the
    // previous composition; any other frame is built again from the latest frame that
    // covers the whole screen. The bitmap belongs to the control and stays valid until
    // the next composition or image change; nullptr when the image has no frames. The
    // caller holds the control's canvas lock when another thread may compose too.
    // Raises the image's decoding errors.
    TBitmap* ComposeFrame(int index, TColor& transparentColor);

    void Loaded() override;

    TNotifyEvent OnStart;
    TNotifyEvent OnStop;
    TNotifyEvent OnChange;
    TNotifyEvent OnFrameChanged;

protected:
    void DoPaintImage(TCanvas& canvas) override;
    void PrepareOffThreadPaint() override;
    QList<QRgb> GetPalette() const override;
    void ApplyAutoSize() override;

private:
    void TimerTick(TObject* sender);
    void AdvanceFrame();
    void Stop();
    void ImageChanged();
    void ChangeFlag(std::atomic<bool>& flag, bool value);
    QRect TargetRect(const TBitmap& frame) const;
    void ResetCache();
    bool CacheFollows(int n) const;
    void DisposePrevious(int previous, TBitmap& bitmap) const;
    void StartComposition(int n, TBitmap& bitmap, TColor& transparentColor) const;
    int StartFrame(int n) const;

    std::atomic<bool> m_animate{false};
    std::unique_ptr<TGIFImage> m_image;
    std::unique_ptr<TRxTimer> m_timer;
    std::atomic<int> m_frameIndex{0};
    std::atomic<bool> m_stretch{false};
    std::atomic<bool> m_loop{true};
    std::atomic<bool> m_center{false};
    std::atomic<bool> m_transparent{true};
    bool m_autoSize = true;
    // The last composition: its bitmap, frame index (-1 when empty) and transparent colour.
    std::unique_ptr<TBitmap> m_cachedFrame;
    int m_cachedIndex = -1;
    TColor m_cachedKeyColor = clNone;
    std::atomic<bool> m_asyncDrawing{false};
};
