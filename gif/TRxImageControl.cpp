#include "TRxImageControl.h"

#include "InterfaceThread.h"
#include "TBitmap.h"
#include "TClassInfo.h"
#include "TForm.h"
#include "TGraphic.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int defaultSize = 105; // pixels

// Widgets being painted as a copy. Marks are set and read on the interface thread,
// but a timer thread asks too.
std::mutex copyMarksLock;
std::vector<const QWidget*> copyMarks;

class CopyMark {
public:
    explicit CopyMark(const QWidget* widget)
        : m_widget(widget)
    {
        std::lock_guard lock(copyMarksLock);
        copyMarks.push_back(widget);
    }
    ~CopyMark()
    {
        std::lock_guard lock(copyMarksLock);
        copyMarks.erase(std::find(copyMarks.begin(), copyMarks.end(), m_widget));
    }
    CopyMark(const CopyMark&) = delete;
    CopyMark& operator=(const CopyMark&) = delete;

private:
    const QWidget* m_widget;
};

// Sets a flag for a scope and puts its old value back afterwards.
class FlagScope {
public:
    explicit FlagScope(std::atomic<bool>& flag)
        : m_flag(flag)
        , m_old(flag.exchange(true))
    {}
    ~FlagScope() { m_flag = m_old; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    std::atomic<bool>& m_flag;
    bool m_old;
};

} // namespace

const TClassInfo& TRxImageControl::StaticClassInfo()
{
    static const TClassInfo info("TRxImageControl", &TGraphicControl::StaticClassInfo());
    return info;
}

// The control paints every pixel of its rectangle itself (the parent's image is copied
// in where it is see-through), so Qt need not paint the parent below it first.
TRxImageControl::TRxImageControl(TComponent* owner)
    : TGraphicControl(owner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetBounds(Left(), Top(), defaultSize, defaultSize);
    SetParentColor(true);
}

TRxImageControl::~TRxImageControl() = default;

void TRxImageControl::EnterLock()
{
    m_lock.lock();
}

void TRxImageControl::LeaveLock()
{
    m_lock.unlock();
}

TRxImageControl::ControlLock::ControlLock(TRxImageControl& control)
    : m_control(control)
{
    m_control.EnterLock();
}

TRxImageControl::ControlLock::~ControlLock()
{
    m_control.LeaveLock();
}

TRxImageControl::CanvasLock::CanvasLock(TCanvas& canvas)
    : m_canvas(canvas)
{
    m_canvas.Lock();
}

TRxImageControl::CanvasLock::~CanvasLock()
{
    m_canvas.Unlock();
}

bool TRxImageControl::PaintingCopy(const QWidget* widget)
{
    std::lock_guard lock(copyMarksLock);
    return std::find(copyMarks.begin(), copyMarks.end(), widget) != copyMarks.end();
}

void TRxImageControl::PaintNow()
{
    if (OnInterfaceThread()) {
        repaint();
        return;
    }
    PrepareOffThreadPaint();
    QMetaObject::invokeMethod(
        this, [this] { update(); }, Qt::QueuedConnection);
}

// A paint that arrives while this control's buffered paint runs goes straight onto
// the canvas it is given.
void TRxImageControl::Paint()
{
    if (m_bufferingNow) {
        PaintControl(*Canvas());
        return;
    }
    PaintBuffered();
}

void TRxImageControl::PaintBuffered()
{
    if (ClientRect().isEmpty())
        return;
    const CanvasLock lock(*Canvas());
    TBitmap buffer(Width(), Height(), TPixelFormat::pfDevice);
    buffer.Canvas()->SetFont(Font());
    {
        const FlagScope buffering(m_bufferingNow);
        PaintControl(*buffer.Canvas());
    }
    Canvas()->SetCopyMode(cmSrcCopy);
    Canvas()->Draw(0, 0, &buffer);
}

void TRxImageControl::PaintControl(TCanvas& canvas)
{
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    const FlagScope painting(m_inPaint);
    DoPaintImage(canvas);
}

// Qt renders the parent, and each sibling, with the part under this control placed at
// the canvas's origin: the offset is that part's corner relative to this control. The
// parent is marked for the whole copy, each sibling while it is rendered.
void TRxImageControl::CopyParentImage(TCanvas& canvas)
{
    TWinControl* parent = Parent();
    if (!parent)
        return;
    const auto renderPart = [&](QWidget* widget, QPoint position, QWidget::RenderFlags flags) {
        const QRect part = geometry().intersected(QRect(position, widget->size()));
        if (part.isEmpty())
            return;
        canvas.SaveState();
        widget->render(canvas.Handle(), part.topLeft() - pos(), QRegion(part.translated(-position)),
                       flags);
        canvas.RestoreState();
    };
    const CopyMark parentMark(parent);
    renderPart(parent, QPoint(0, 0), QWidget::DrawWindowBackground);
    for (TControl* sibling : parent->Controls()) {
        if (sibling == this)
            break;
        if (dynamic_cast<TWinControl*>(sibling) || !sibling->isVisible())
            continue;
        const CopyMark mark(sibling);
        renderPart(sibling, sibling->pos(), QWidget::RenderFlags());
    }
}

// The palette steps keep the system's bookkeeping: realising a palette has no effect
// on a true-colour display, so what remains is clearing the graphic's palette mark
// once the form has taken note, and leaving it set while the form is inactive. The
// update the system makes at once during a paint is the paint under way here.
void TRxImageControl::PictureChanged()
{
    if (m_destroying)
        return;
    ApplyAutoSize();
    if (m_graphic && m_graphic->PaletteModified() && Visible() && !IsLoading()) {
        if (GetPalette().isEmpty()) {
            m_graphic->SetPaletteModified(false);
        } else {
            const TForm* form = ParentForm();
            if (form && form->isActiveWindow() && form->windowHandle())
                m_graphic->SetPaletteModified(false);
        }
    }
    if (!m_inPaint)
        update();
}

void TRxImageControl::showEvent(QShowEvent* event)
{
    m_showing = true;
    TGraphicControl::showEvent(event);
}

void TRxImageControl::hideEvent(QHideEvent* event)
{
    m_showing = false;
    TGraphicControl::hideEvent(event);
}
