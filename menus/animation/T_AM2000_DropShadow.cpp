#include "T_AM2000_DropShadow.h"

#include "TScreen.h"
#include "TWindowPlace.h"
#include "TWindowStack.h"
#include "T_AM2000_Desktop.h"
#include "T_AM2000_ShadowStrips.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

T_AM2000_DropShadow::T_AM2000_DropShadow(QWidget* target, T_AM2000_Desktop& desktop, bool composed)
    : QWidget(target, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                          Qt::WindowStaysOnTopHint)
    , m_target(target)
    , m_front(target)
    , m_desktop(desktop)
    , m_composed(composed)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground, composed);
    // Uncomposed, the snapshot covers every pixel, so the background fill is wasted.
    setAttribute(Qt::WA_OpaquePaintEvent, !composed);
    setFocusPolicy(Qt::NoFocus);
    target->installEventFilter(this);
    if (target->window() != target)
        target->window()->installEventFilter(this);
    // Lent a kept window, the shadow is no longer its target's child.
    connect(target, &QObject::destroyed, this, [this] { delete this; });
}

bool T_AM2000_DropShadow::Wanted(T_AM2000_Flags flags, bool systemShadow,
                                 const T_AM2000_SystemSettings& settings)
{
    return flags.Contains(T_AM2000_Flag::mfDropShadow) || (systemShadow && settings.menuDropShadow);
}

// A window shown last lies on top: the windows that stack above the shadow's are raised
// again in their order.
void T_AM2000_DropShadow::ShowBehind()
{
    if (m_target)
        Follow(TWindowPlace::Of(*m_target));
    if (size() != m_stripsSize)
        MakeStrips();
    if (m_front)
        TWindowStack::PlaceBehind(*window(), *m_front->window());
    show();
    const QWidgetList stack = Screen->Windows().Visible();
    for (qsizetype above = stack.indexOf(window()) + 1; above < stack.size(); ++above)
        stack[above]->raise();
}

bool T_AM2000_DropShadow::eventFilter(QObject* watched, QEvent* event)
{
    if (m_target && (watched == m_target || watched == m_target->window())) {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            Follow(TWindowPlace::Of(*m_target));
        else if (event->type() == QEvent::Hide && watched == m_target)
            hide();
    }
    return QWidget::eventFilter(watched, event);
}

// A shadow not shown yet makes its strips as it shows.
void T_AM2000_DropShadow::Follow(const QRect& targetBounds)
{
    TWindowPlace::Set(*this, targetBounds.translated(Offset, Offset));
    if (isVisible() && size() != m_stripsSize)
        MakeStrips();
    update();
}

void T_AM2000_DropShadow::MakeStrips()
{
    m_stripsSize = size();
    const int width = std::max(m_stripsSize.width() - T_AM2000_ShadowStrips::Width, 0);
    if (m_composed) {
        m_right = T_AM2000_ShadowStrips::RightMask(m_stripsSize.height());
        m_bottom = T_AM2000_ShadowStrips::BottomMask(width);
        return;
    }
    m_right = T_AM2000_ShadowStrips::RightStrip(m_desktop.Content(RightStripRect()));
    m_bottom = T_AM2000_ShadowStrips::BottomStrip(m_desktop.Content(BottomStripRect()));
}

// The strips in screen pixels: along the right edge and the bottom edge of the shadow.
QRect T_AM2000_DropShadow::RightStripRect() const
{
    const QRect bounds = TWindowPlace::Of(*this);
    return QRect(bounds.x() + bounds.width() - T_AM2000_ShadowStrips::Width, bounds.y(),
                 T_AM2000_ShadowStrips::Width, bounds.height());
}

QRect T_AM2000_DropShadow::BottomStripRect() const
{
    const QRect bounds = TWindowPlace::Of(*this);
    return QRect(bounds.x(), bounds.y() + bounds.height() - T_AM2000_ShadowStrips::Width,
                 std::max(bounds.width() - T_AM2000_ShadowStrips::Width, 0),
                 T_AM2000_ShadowStrips::Width);
}

// The part behind the target shows the snapshot, so that a translucent target shows the
// screen and not its own shadow. Behind an opaque target shown at once, whose opening took
// the screen under the strips only, it stays black: the screen there is covered already.
void T_AM2000_DropShadow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect bounds = TWindowPlace::Of(*this);
    const QPoint origin = bounds.topLeft();
    if (!m_composed && m_desktop.Holds(bounds))
        m_desktop.Paint(painter, QPoint(0, 0), bounds);
    else if (!m_composed)
        painter.fillRect(rect(), Qt::black);
    painter.drawImage(RightStripRect().topLeft() - origin, m_right);
    painter.drawImage(BottomStripRect().topLeft() - origin, m_bottom);
}
