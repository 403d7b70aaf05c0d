#include "TRxGIFAnimator.h"

#include "TBitmap.h"
#include "TClassInfo.h"
#include "TGIFFrame.h"
#include "TGIFImage.h"
#include "TRxTimer.h"

#include <algorithm>

namespace {

constexpr quint32 paletteRelative = 0x02000000;
// Disposal methods of the graphic control extension.
constexpr quint8 disposalRestoreBackground = 2;
constexpr quint8 disposalRestorePrevious = 3;

TColor PaletteRelative(TColor color)
{
    return TColor(TColors::ToRGB(color) | paletteRelative);
}

// Where a frame lies on the logical screen: its origin and its bitmap's size.
QRect FrameBounds(const TGIFFrame& frame)
{
    return QRect(frame.Origin(), QSize(frame.Width(), frame.Height()));
}

} // namespace

const TClassInfo& TRxGIFAnimator::StaticClassInfo()
{
    static const TClassInfo info(
        "TRxGIFAnimator", &TRxImageControl::StaticClassInfo(), [](TClassInfo& c) {
            using A = TRxGIFAnimator;
            c.Creatable<A>();
            c.Property("AsyncDrawing", &A::AsyncDrawing, &A::SetAsyncDrawing, false);
            c.Property("Animate", &A::Animate, &A::SetAnimate, false);
            c.Property("AutoSize", &A::AutoSize, &A::SetAutoSize, true);
            c.Property("Center", &A::Center, &A::SetCenter, false);
            c.Property("FrameIndex", &A::FrameIndex, &A::SetFrameIndex, 0);
            c.Resource("Image", &A::Image);
            c.Property("Loop", &A::Loop, &A::SetLoop, true);
            c.Property("Stretch", &A::Stretch, &A::SetStretch, false);
            c.Property("Transparent", &A::Transparent, &A::SetTransparent, true);
            c.Event("OnChange", &A::OnChange);
            c.Event("OnFrameChanged", &A::OnFrameChanged);
            c.Event("OnStart", &A::OnStart);
            c.Event("OnStop", &A::OnStop);
        });
    return info;
}

TRxGIFAnimator::TRxGIFAnimator(TComponent* owner)
    : TRxImageControl(owner)
    , m_image(std::make_unique<TGIFImage>())
    , m_timer(std::make_unique<TRxTimer>(nullptr))
{
    m_image->OnChange = [this](TObject*) { ImageChanged(); };
    SetGraphic(m_image.get());
}

// Disabling the timer first waits for a tick running on the timer thread, so nothing
// below is in use when it goes; a tick still queued for the interface thread finds
// the timer gone.
TRxGIFAnimator::~TRxGIFAnimator()
{
    MarkDestroying();
    m_timer->SetEnabled(false);
    OnStart.Clear();
    OnStop.Clear();
    OnChange.Clear();
    OnFrameChanged.Clear();
    SetAnimate(false);
    m_cachedFrame.reset();
    m_image->OnChange.Clear();
    SetGraphic(nullptr);
    m_image.reset();
}

void TRxGIFAnimator::SetAsyncDrawing(bool value)
{
    if (value == m_asyncDrawing)
        return;
    const ControlLock lock(*this);
    m_asyncDrawing = value;
    if (value)
        TBitmap::SetDrawLocking(true);
    m_timer->SetSyncEvent(!value);
}

void TRxGIFAnimator::SetAnimate(bool value)
{
    if (value == m_animate)
        return;
    if (value) {
        m_timer->SetOnTimer([this](TObject* sender) { TimerTick(sender); });
        m_timer->SetEnabled(true);
        m_animate = m_timer->Enabled();
        OnStart(this);
        return;
    }
    m_timer->SetEnabled(false);
    m_timer->SetOnTimer(TNotifyEvent());
    m_animate = false;
    OnStop(this);
    PictureChanged();
}

void TRxGIFAnimator::SetAutoSize(bool value)
{
    if (value == m_autoSize)
        return;
    m_autoSize = value;
    ApplyAutoSize();
}

void TRxGIFAnimator::SetCenter(bool value)
{
    ChangeFlag(m_center, value);
}

void TRxGIFAnimator::SetStretch(bool value)
{
    ChangeFlag(m_stretch, value);
}

void TRxGIFAnimator::SetTransparent(bool value)
{
    ChangeFlag(m_transparent, value);
}

// The one shape of the drawing options' setters.
void TRxGIFAnimator::ChangeFlag(std::atomic<bool>& flag, bool value)
{
    if (value == flag)
        return;
    {
        const ControlLock lock(*this);
        flag = value;
    }
    PictureChanged();
    if (m_animate)
        PaintNow();
}

void TRxGIFAnimator::SetFrameIndex(int value)
{
    if (value == m_frameIndex || value < 0 || value >= m_image->Count())
        return;
    {
        const ControlLock lock(*this);
        m_frameIndex = value;
        m_timer->SetInterval(FrameDelay());
    }
    OnFrameChanged(this);
    PictureChanged();
}

void TRxGIFAnimator::SetImage(const TGIFImage* value)
{
    const ControlLock lock(*this);
    m_image->Assign(value);
}

unsigned TRxGIFAnimator::FrameDelay() const
{
    const int index = m_frameIndex;
    const int count = m_image->Count();
    if (count < 2 || index < 0 || index >= count)
        return 0;
    return std::clamp<unsigned>(m_image->Frames(index)->DelayMs(), MinFrameDelay, MaxFrameDelay);
}

void TRxGIFAnimator::Loaded()
{
    TRxImageControl::Loaded();
    ApplyAutoSize();
}

// The image's change notification, which ends every load: the composition starts
// afresh at the image's current frame, with that frame's delay.
void TRxGIFAnimator::ImageChanged()
{
    {
        const ControlLock lock(*this);
        m_cachedIndex = -1;
        m_cachedFrame.reset();
        m_cachedKeyColor = clNone;
        m_frameIndex = m_image->CurrentFrame();
        if (m_frameIndex >= 0 && m_image->Count() > 0)
            m_timer->SetInterval(FrameDelay());
    }
    PictureChanged();
    OnChange(this);
}

// Aligned controls get their size from the align pass, which follows this.
void TRxGIFAnimator::ApplyAutoSize()
{
    if (!m_autoSize || IsLoading() || m_image->Empty())
        return;
    SetBounds(Left(), Top(), m_image->LogicalWidth(), m_image->LogicalHeight());
}

QList<QRgb> TRxGIFAnimator::GetPalette() const
{
    return m_image->Empty() ? QList<QRgb>() : m_image->Palette();
}

// --- Ticks ------------------------------------------------------------------------------

// The timer's tick: the next frame, or frame 0 after the last; with Loop off, one pass
// ends on frame 0. It may run on the timer thread (AsyncDrawing), which asks the
// mirrored visibility rather than the widget.
void TRxGIFAnimator::TimerTick(TObject*)
{
    if (PaintingCopy(this) || !Showing())
        return;
    const ControlLock lock(*this);
    if (m_image->Count() < 2)
        return;
    AdvanceFrame();
    if (m_loop || m_frameIndex != 0)
        return;
    if (m_asyncDrawing)
        m_timer->Synchronize([this] { Stop(); });
    else
        Stop();
}

// Moves to the next frame and paints it; the timer then waits for that frame's
// delay, also when painting failed.
void TRxGIFAnimator::AdvanceFrame()
{
    const int next = m_frameIndex + 1;
    m_frameIndex = next < m_image->Count() ? next : 0;
    const auto rearm = [this] {
        if (m_frameIndex >= 0 && m_frameIndex < m_image->Count())
            m_timer->SetInterval(FrameDelay());
    };
    try {
        const CanvasLock canvasLock(*Canvas());
        if (m_asyncDrawing && OnFrameChanged)
            m_timer->Synchronize([this] { OnFrameChanged(this); });
        else
            OnFrameChanged(this);
        PaintNow();
    } catch (...) {
        rearm();
        throw;
    }
    rearm();
}

void TRxGIFAnimator::Stop()
{
    SetAnimate(false); // there is no form designer to tell
}

// On the timer thread (AsyncDrawing) the tick composes the frame there, under the
// control's canvas lock that it holds; the interface thread then finds it composed.
void TRxGIFAnimator::PrepareOffThreadPaint()
{
    if (m_image->Empty() || m_image->LogicalWidth() < 1 || m_image->LogicalHeight() < 1)
        return;
    TColor transparentColor = clNone;
    ComposeFrame(m_frameIndex, transparentColor);
}

// --- Painting -------------------------------------------------------------------------

// There is no design time here, so no dashed frame marks an empty control.
void TRxGIFAnimator::DoPaintImage(TCanvas& canvas)
{
    if (m_image->Transparent() || m_image->Empty())
        CopyParentImage(canvas);
    if (m_image->Empty() || m_image->LogicalWidth() < 1 || m_image->LogicalHeight() < 1)
        return;
    TColor transparentColor = clNone;
    TBitmap* frame = ComposeFrame(m_frameIndex, transparentColor);
    if (!frame)
        return;
    const CanvasLock frameLock(*frame->Canvas());
    if (!m_transparent)
        transparentColor = clNone;
    frame->TransparentStretch(canvas, TargetRect(*frame), QRect(), transparentColor);
}

// Stretched over the client area, centred (cut off evenly when larger), or at the
// top-left corner in its own size.
QRect TRxGIFAnimator::TargetRect(const TBitmap& frame) const
{
    if (m_stretch)
        return ClientRect();
    const QSize size(frame.Width(), frame.Height());
    if (m_center)
        return QRect(QPoint((Width() - size.width()) / 2, (Height() - size.height()) / 2), size);
    return QRect(QPoint(0, 0), size);
}

// --- Composition --------------------------------------------------------------------------

TBitmap* TRxGIFAnimator::ComposeFrame(int index, TColor& transparentColor)
{
    const int n = std::min(index, m_image->Count() - 1);
    transparentColor = clNone;
    if (n < 0)
        return nullptr;
    // The frame already composed (a repaint, or composed by the timer thread) as it is.
    if (m_cachedFrame && n == m_cachedIndex) {
        transparentColor = m_cachedKeyColor;
        return m_cachedFrame.get();
    }
    const bool useCache = CacheFollows(n);
    std::unique_ptr<TBitmap> fresh;
    if (!useCache) {
        ResetCache();
        fresh = std::make_unique<TBitmap>(m_image->LogicalWidth(), m_image->LogicalHeight(),
                                          TPixelFormat::pfDevice);
    }
    TBitmap& bitmap = useCache ? *m_cachedFrame : *fresh;
    TColor key = useCache ? m_cachedKeyColor : clNone;
    try {
        // Palettes are not selected or realised: drawing is in true colour.
        const CanvasLock lock(*bitmap.Canvas());
        if (useCache)
            DisposePrevious(n - 1, bitmap);
        else
            StartComposition(n, bitmap, key);
        m_image->Frames(n)->Draw(*bitmap.Canvas(), FrameBounds(*m_image->Frames(n)), true);
        if (!useCache && key != clNone && m_transparent) {
            bitmap.SetTransparentColor(PaletteRelative(key));
            bitmap.SetTransparent(true);
        }
    } catch (...) {
        ResetCache(); // a composition cut short is no base for the next frame
        throw;
    }
    if (fresh)
        m_cachedFrame = std::move(fresh);
    m_cachedIndex = n;
    m_cachedKeyColor = key;
    transparentColor = key;
    return m_cachedFrame.get();
}

void TRxGIFAnimator::ResetCache()
{
    m_cachedFrame.reset();
    m_cachedIndex = -1;
    m_cachedKeyColor = clNone;
}

// Frame n can be drawn over the composition of frame n - 1, unless that frame asked
// for the picture before it to come back (which is not kept).
bool TRxGIFAnimator::CacheFollows(int n) const
{
    return m_cachedFrame && m_cachedIndex >= 0 && n == m_cachedIndex + 1 &&
           m_image->Frames(m_cachedIndex)->DisposalCode() != disposalRestorePrevious;
}

// A previous frame that restores the background gives its area back to the brush the
// composition started with.
void TRxGIFAnimator::DisposePrevious(int previous, TBitmap& bitmap) const
{
    const TGIFFrame& frame = *m_image->Frames(previous);
    if (frame.DisposalCode() == disposalRestoreBackground)
        bitmap.Canvas()->FillRect(FrameBounds(frame));
}

// A composition from scratch: the background, then the frames from the start frame
// up to n - 1 as their disposal leaves them. The background is the image's current
// frame's key colour (which becomes the transparent colour), or the backdrop colour
// of a transparent image, or the window colour.
void TRxGIFAnimator::StartComposition(int n, TBitmap& bitmap, TColor& transparentColor) const
{
    const int current = m_image->CurrentFrame();
    const TColor currentKey =
        current >= 0 && current < m_image->Count() ? m_image->Frames(current)->KeyColor() : clNone;
    TColor background = clWindow;
    if (currentKey != clNone) {
        transparentColor = currentKey;
        background = currentKey;
    } else if (m_image->BackdropColor() != clNone && m_image->Transparent()) {
        background = m_image->BackdropColor();
    }
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(PaletteRelative(background));
    canvas.FillRect(QRect(0, 0, bitmap.Width(), bitmap.Height()));
    const int start = StartFrame(n);
    for (int i = start; i < n; ++i) {
        const TGIFFrame& frame = *m_image->Frames(i);
        const quint8 disposal = frame.DisposalCode();
        if (disposal == 0 || disposal == 1)
            frame.Draw(canvas, FrameBounds(frame), true);
        else if (disposal == disposalRestoreBackground && i > start)
            canvas.FillRect(FrameBounds(frame));
    }
}

// The latest frame at or before n that covers the whole logical screen and leaves
// nothing of the frames before it visible: opaque, or (before n) restoring the
// background. Frame 0 when there is none.
int TRxGIFAnimator::StartFrame(int n) const
{
    for (int i = n; i >= 1; --i) {
        const TGIFFrame& frame = *m_image->Frames(i);
        const bool fullScreen =
            frame.Width() == m_image->LogicalWidth() && frame.Height() == m_image->LogicalHeight();
        const bool hidesBelow = frame.KeyColor() == clNone ||
                                (frame.DisposalCode() == disposalRestoreBackground && i < n);
        if (fullScreen && hidesBelow)
            return i;
    }
    return 0;
}
