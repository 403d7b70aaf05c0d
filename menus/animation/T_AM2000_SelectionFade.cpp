#include "T_AM2000_SelectionFade.h"

#include "TTickCount.h"
#include "T_AM2000_Desktop.h"
#include "T_AM2000_MenuAnimator.h"
#include "T_AM2000_OpacityTable.h"
#include "T_AM2000_StepEvent.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

// The software path starts from the picture as the translucent menu showed it and steps
// by round((screen - shown) / Steps) per byte.
T_AM2000_SelectionFade::T_AM2000_SelectionFade(const Picture& picture, T_AM2000_Desktop& desktop,
                                               TComponent* owner)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                           Qt::WindowStaysOnTopHint)
    , TComponent(owner)
    , m_picture(picture)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(picture.bounds);
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, [this] { RunStep(); });
    if (picture.layered) {
        setWindowOpacity(Alpha() / 255.0);
        return;
    }
    const T_AM2000_Bits screen = T_AM2000_Bits::FromImage(desktop.Content(picture.bounds));
    m_shown = T_AM2000_Bits::FromImage(picture.image);
    if (picture.opacity < 100)
        m_shown = T_AM2000_OpacityTable::For(picture.opacity).Blend(m_shown, screen);
    m_deltas = T_AM2000_Bits::FadeDeltas(screen, m_shown);
}

bool T_AM2000_SelectionFade::Wanted(T_AM2000_Animation kind, bool systemSelectionFade,
                                    const T_AM2000_SystemSettings& settings)
{
    return kind == T_AM2000_Animation::anFade || (systemSelectionFade && settings.selectionFade);
}

void T_AM2000_SelectionFade::Start()
{
    show();
    raise();
    PostStep(StepInterval);
}

QImage T_AM2000_SelectionFade::Frame() const
{
    return m_picture.layered ? m_picture.image : m_shown.ToImage();
}

int T_AM2000_SelectionFade::Alpha() const
{
    const double full = std::nearbyint(m_picture.opacity * 255.0 / 100);
    return int(std::nearbyint(full * (Steps - m_step) / Steps));
}

bool T_AM2000_SelectionFade::event(QEvent* event)
{
    if (event->type() != T_AM2000_StepEvent::TypeId())
        return QWidget::event(event);
    OnStep(static_cast<const T_AM2000_StepEvent&>(*event));
    return true;
}

void T_AM2000_SelectionFade::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, Frame());
}

// An early step waits for its time on a timer, unless the time is implausibly far.
void T_AM2000_SelectionFade::OnStep(const T_AM2000_StepEvent& step)
{
    if (m_done)
        return;
    const qint64 wait = step.Due() - TTickCount::Now();
    if (wait > 0 && wait < T_AM2000_MenuAnimator::LongestWait) {
        m_wake.start(int(wait));
        return;
    }
    RunStep();
}

void T_AM2000_SelectionFade::RunStep()
{
    if (m_done)
        return;
    m_stepStart = TTickCount::Now();
    ++m_step;
    if (m_step >= Steps) {
        m_done = true;
        hide();
        deleteLater();
        return;
    }
    if (m_picture.layered)
        setWindowOpacity(Alpha() / 255.0);
    else
        m_shown.AddClamped(m_deltas);
    update();
    PostStep(StepInterval - (TTickCount::Now() - m_stepStart));
}

void T_AM2000_SelectionFade::PostStep(qint64 interval)
{
    QCoreApplication::postEvent(
        this, new T_AM2000_StepEvent(TTickCount::Now(), std::max<qint64>(interval, 0)));
}
