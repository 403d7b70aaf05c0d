#include "TWindowStack.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace {

// The window a window stays behind, as a dynamic property of the window.
constexpr const char* FrontProperty = "TWindowStack.front";

} // namespace

TWindowStack::TWindowStack()
{
    QCoreApplication::instance()->installEventFilter(this);
}

TWindowStack::~TWindowStack() = default;

void TWindowStack::PlaceBehind(QWidget& window, const QWidget& front)
{
    window.setProperty(FrontProperty, QVariant::fromValue(QPointer<const QWidget>(&front)));
}

void TWindowStack::ClearPlace(QWidget& window)
{
    window.setProperty(FrontProperty, QVariant());
}

const QWidget* TWindowStack::FrontOf(const QWidget& window)
{
    return window.property(FrontProperty).value<QPointer<const QWidget>>();
}

bool TWindowStack::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType() ||
        !static_cast<QWidget*>(watched)->isWindow())
        return false;
    auto* window = static_cast<QWidget*>(watched);
    std::erase_if(m_shown,
                  [window](const QPointer<QWidget>& shown) { return !shown || shown == window; });
    m_shown.emplace_back(window);
    return false;
}

QWidgetList TWindowStack::Visible() const
{
    QWidgetList stack;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const bool noted = std::find(m_shown.begin(), m_shown.end(), window) != m_shown.end();
        if (window->isVisible() && !noted)
            stack << window;
    }
    for (const QPointer<QWidget>& window : m_shown) {
        if (window && window->isVisible())
            stack << window;
    }
    for (QWidget* window : QWidgetList(stack)) {
        const QWidget* front = FrontOf(*window);
        if (!front || !stack.contains(front))
            continue;
        stack.removeOne(window);
        stack.insert(stack.indexOf(front), window);
    }
    return stack;
}
