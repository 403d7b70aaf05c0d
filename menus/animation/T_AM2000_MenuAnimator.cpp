#include "T_AM2000_MenuAnimator.h"

#include "TEventSound.h"
#include "TTickCount.h"
#include "TWindowPlace.h"
#include "T_AM2000_AnimationFrame.h"
#include "T_AM2000_Desktop.h"
#include "T_AM2000_DropShadow.h"
#include "T_AM2000_OpacityTable.h"
#include "T_AM2000_StepEvent.h"

#include <QCoreApplication>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>

T_AM2000_MenuAnimator::T_AM2000_MenuAnimator(QWidget* window, T_AM2000_Desktop& desktop,
                                             ISoundPlayer& sound)
    : QObject(window)
    , m_window(window)
    , m_desktop(desktop)
    , m_sound(sound)
{
    m_window->setAttribute(Qt::WA_ShowWithoutActivating);
    m_window->installEventFilter(this);
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, [this] {
        if (StepsWanted())
            RunStep();
    });
}

T_AM2000_MenuAnimator::T_AM2000_MenuAnimator(QWidget* window)
    : T_AM2000_MenuAnimator(window, T_AM2000_Desktop::Instance(), TEventSound::Instance())
{}

T_AM2000_MenuAnimator::~T_AM2000_MenuAnimator()
{
    RunAfterFirstFrame();
}

// The animator carries no meta-object of its own, so findChild would take any child for
// one.
T_AM2000_MenuAnimator* T_AM2000_MenuAnimator::Of(const QObject& window)
{
    for (QObject* child : window.children()) {
        if (auto* animator = dynamic_cast<T_AM2000_MenuAnimator*>(child))
            return animator;
    }
    return nullptr;
}

void T_AM2000_MenuAnimator::Start(const QImage& menu, const Opening& opening,
                                  T_AM2000_DropShadow* shadow)
{
    m_shadow = shadow;
    m_shadowPending = shadow != nullptr;
    m_openedWith = opening.kind;
    m_firstFramePainted = false;
    Begin(menu, opening, T_AM2000_AnimationSteps(opening.bounds.size(), opening.kind));
    TWindowPlace::Set(*m_window, CurrentBounds());
    for (QWidget* above : opening.chain)
        above->window()->raise();
    m_window->show();
    m_window->window()->raise();
    PostStep(StepInterval);
    // Waking the sound's thread would hold the first frame up.
    AfterFirstFrame([this] { m_sound.PlayEvent(QLatin1String(PopupSound)); });
}

// Taking the screen that the shadow's strips sweep and showing the shadow's window would
// hold the first frame up: the shadow comes right after it. Its strips never reach the
// window, so the screen they darken is still the screen from before the menu. The shadow
// lies behind the chain's windows. (Under Wayland a shadow's kept window shown before the
// drop-down had its first frame left the drop-down a blank box.)
void T_AM2000_MenuAnimator::ShowShadow()
{
    if (!std::exchange(m_shadowPending, false) || !m_shadow || m_closing || !m_window->isVisible())
        return;
    TakeShadowSweep();
    if (!m_opening.chain.empty())
        m_shadow->SetFront(*m_opening.chain.front());
    m_shadow->ShowBehind();
}

// The strips of a growing window's shadow sweep its whole rectangle; those of a window
// shown at once stay where they are, and the shadow takes the screen under them itself.
void T_AM2000_MenuAnimator::TakeShadowSweep()
{
    if (m_shadow && !m_opening.layered && m_opening.kind != T_AM2000_Animation::anNone)
        m_desktop.Capture(m_opening.bounds.adjusted(0, 0, T_AM2000_DropShadow::Offset,
                                                    T_AM2000_DropShadow::Offset));
}

void T_AM2000_MenuAnimator::AfterFirstFrame(std::function<void()> work)
{
    m_afterFirstFrame.push_back(std::move(work));
    if (m_firstFramePainted || !m_window->isVisible())
        RunAfterFirstFrame();
}

// The frame reaches the screen once its paint event is done.
void T_AM2000_MenuAnimator::FirstFramePainted()
{
    m_firstFramePainted = true;
    QTimer::singleShot(0, this, [this] {
        ShowShadow();
        RunAfterFirstFrame();
    });
}

void T_AM2000_MenuAnimator::RunAfterFirstFrame()
{
    for (const std::function<void()>& work : std::exchange(m_afterFirstFrame, {}))
        work();
}

void T_AM2000_MenuAnimator::Expand(const QImage& menu, const QRect& bounds, int fromHeight)
{
    Opening opening = m_opening;
    opening.kind = T_AM2000_Animation::anVertSlide;
    opening.bounds = bounds;
    opening.toLeft = false;
    opening.upward = false;
    Begin(menu, opening, T_AM2000_AnimationSteps::Expanding(bounds.size(), fromHeight));
    TakeShadowSweep();
    const QRect current = CurrentBounds();
    TWindowPlace::Set(*m_window, current);
    if (m_shadow)
        m_shadow->Follow(current);
    m_window->update();
    PostStep(StepInterval);
}

// A new opening replaces whatever was still to come of the last one.
void T_AM2000_MenuAnimator::Begin(const QImage& menu, const Opening& opening,
                                  const T_AM2000_AnimationSteps& steps)
{
    m_wake.stop();
    QCoreApplication::removePostedEvents(this, T_AM2000_StepEvent::TypeId());
    m_menu = T_AM2000_AnimationFrame::Prepared(menu, opening.kind);
    m_opening = opening;
    m_steps = steps;
    m_fade = opening.kind == T_AM2000_Animation::anFade;
    m_size = m_fade ? opening.bounds.size() : m_steps.StartSize();
    m_animating = true;
    m_closing = false;
    SetUpOpacity();
    SetUpFade();
}

void T_AM2000_MenuAnimator::UpdateImage(const QImage& menu)
{
    m_menu = T_AM2000_AnimationFrame::Prepared(menu, m_opening.kind);
    m_window->update();
}

void T_AM2000_MenuAnimator::SetClosing()
{
    m_closing = true;
    m_wake.stop();
}

QRect T_AM2000_MenuAnimator::CurrentBounds() const
{
    const QRect& bounds = m_opening.bounds;
    const int width = std::max(m_size.width(), 1);
    const int height = std::max(m_size.height(), 1);
    return QRect(m_opening.toLeft ? bounds.x() + bounds.width() - width : bounds.x(),
                 m_opening.upward ? bounds.y() + bounds.height() - height : bounds.y(), width,
                 height);
}

QImage T_AM2000_MenuAnimator::Frame() const
{
    if (m_animating && m_fade && !m_layered)
        return m_shown.ToImage();
    const QRect bounds = CurrentBounds();
    const QImage image = m_animating
                             ? T_AM2000_AnimationFrame::Copy(m_menu, bounds.size(), m_opening.kind,
                                                             m_opening.toLeft, m_opening.upward)
                             : m_menu;
    return m_table ? Blended(image, bounds) : image;
}

bool T_AM2000_MenuAnimator::event(QEvent* event)
{
    if (event->type() != T_AM2000_StepEvent::TypeId())
        return QObject::event(event);
    OnStep(static_cast<const T_AM2000_StepEvent&>(*event));
    return true;
}

bool T_AM2000_MenuAnimator::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Hide)
        RunAfterFirstFrame();
    if (watched == m_window && event->type() == QEvent::Paint && !m_firstFramePainted)
        FirstFramePainted();
    if (watched != m_window || event->type() != QEvent::Paint || m_menu.isNull() ||
        !(m_animating || m_table))
        return QObject::eventFilter(watched, event);
    QPainter(m_window).drawImage(0, 0, Frame());
    return true;
}

// Layered windows take the opacity as window alpha, and only when they need it; otherwise
// a translucent menu is blended with the snapshot of the screen under it, taken with the
// shadow's reach before anything of the menu is on the screen.
void T_AM2000_MenuAnimator::SetUpOpacity()
{
    const bool translucent = m_opening.opacity < 100;
    m_table = nullptr;
    m_background = {};
    if (m_opening.layered) {
        m_layered = translucent || m_fade;
        m_window->window()->setWindowOpacity(m_layered ? Alpha(m_opening.opacity) / 255.0 : 1.0);
        return;
    }
    m_layered = false;
    if (translucent || m_fade)
        m_desktop.Capture(m_opening.bounds.adjusted(0, 0, T_AM2000_DropShadow::Offset,
                                                    T_AM2000_DropShadow::Offset));
    if (translucent || m_fade)
        m_background = T_AM2000_Bits::FromImage(m_desktop.Content(m_opening.bounds));
    if (translucent)
        m_table = &T_AM2000_OpacityTable::For(m_opening.opacity);
}

void T_AM2000_MenuAnimator::SetUpFade()
{
    m_fadeStep = m_fade ? 1 : 0;
    m_shown = {};
    m_deltas = {};
    if (!m_fade)
        return;
    if (m_layered) {
        SetAlpha(0);
        return;
    }
    m_deltas = T_AM2000_Bits::FadeDeltas(T_AM2000_Bits::FromImage(m_menu), m_background);
    m_shown = m_background;
}

// An early step waits for its time on a timer, unless the time is implausibly far.
void T_AM2000_MenuAnimator::OnStep(const T_AM2000_StepEvent& step)
{
    if (!StepsWanted())
        return;
    const qint64 wait = step.Due() - TTickCount::Now();
    if (wait > 0 && wait < LongestWait) {
        m_wake.start(int(wait));
        return;
    }
    RunStep();
}

// A window that closes, or was hidden by whoever closes it, takes no more steps.
bool T_AM2000_MenuAnimator::StepsWanted() const
{
    return m_animating && !m_closing && m_window->isVisible();
}

void T_AM2000_MenuAnimator::RunStep()
{
    m_stepStart = TTickCount::Now();
    if (m_fade)
        Fade();
    else
        Grow();
}

void T_AM2000_MenuAnimator::Fade()
{
    const int steps = T_AM2000_Bits::FadeSteps;
    if (steps * m_opening.opacity <= 100 * m_fadeStep) {
        Finish();
        return;
    }
    if (m_layered) {
        SetAlpha(int(std::nearbyint(m_fadeStep * 255.0 / steps)));
    } else {
        m_shown.AddClamped(m_deltas);
        m_window->update();
    }
    ++m_fadeStep;
    PostStep(StepInterval - (TTickCount::Now() - m_stepStart));
}

void T_AM2000_MenuAnimator::Grow()
{
    const T_AM2000_AnimationSteps::Step step = m_steps.Advance(m_size);
    if (step.finished) {
        Finish();
        return;
    }
    m_size = step.size;
    const QRect bounds = CurrentBounds();
    TWindowPlace::Set(*m_window, bounds);
    if (m_shadow)
        m_shadow->Follow(bounds);
    m_window->update();
    PostStep(StepInterval - (TTickCount::Now() - m_stepStart));
}

void T_AM2000_MenuAnimator::Finish()
{
    m_animating = false;
    if (m_openedWith)
        m_opening.kind = *m_openedWith;
    m_size = m_opening.bounds.size();
    TWindowPlace::Set(*m_window, m_opening.bounds);
    if (m_shadow)
        m_shadow->Follow(m_opening.bounds);
    if (m_opening.layered) {
        if (m_shadow)
            m_shadow->window()->setWindowOpacity(1.0);
        m_layered = m_opening.opacity < 100;
        m_window->window()->setWindowOpacity(m_layered ? Alpha(m_opening.opacity) / 255.0 : 1.0);
    }
    m_shown = {};
    m_deltas = {};
    m_window->update();
    if (m_finished)
        m_finished();
}

void T_AM2000_MenuAnimator::PostStep(qint64 interval)
{
    QCoreApplication::postEvent(
        this, new T_AM2000_StepEvent(TTickCount::Now(), std::max<qint64>(interval, 0)));
}

void T_AM2000_MenuAnimator::SetAlpha(int alpha)
{
    m_window->window()->setWindowOpacity(alpha / 255.0);
    if (m_shadow)
        m_shadow->window()->setWindowOpacity(alpha / 255.0);
}

QImage T_AM2000_MenuAnimator::Blended(const QImage& image, const QRect& screenRect) const
{
    const T_AM2000_Bits under =
        m_background.Part(screenRect.translated(-m_opening.bounds.topLeft()));
    return m_table->Blend(T_AM2000_Bits::FromImage(image), under).ToImage();
}

int T_AM2000_MenuAnimator::Alpha(int opacity)
{
    return int(std::nearbyint(opacity * 255.0 / 100));
}
