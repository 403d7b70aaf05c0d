#include "T_AM2000_MenuBarList.h"

#include "I_AM2000_MenuBar.h"

#include <QWidget>
#include <algorithm>

void T_AM2000_MenuBarList::Register(I_AM2000_MenuBar* bar)
{
    m_bars.push_back(bar);
}

void T_AM2000_MenuBarList::Unregister(I_AM2000_MenuBar* bar)
{
    std::erase(m_bars, bar);
}

bool T_AM2000_MenuBarList::Over(QPoint screenPoint) const
{
    return std::any_of(m_bars.begin(), m_bars.end(), [screenPoint](I_AM2000_MenuBar* bar) {
        const QWidget* widget = bar->BarWidget();
        return widget && widget->isVisible() &&
               widget->rect().contains(widget->mapFromGlobal(screenPoint));
    });
}

bool T_AM2000_MenuBarList::HeldBy(const QWidget& window) const
{
    return std::any_of(m_bars.begin(), m_bars.end(), [&window](I_AM2000_MenuBar* bar) {
        const QWidget* widget = bar->BarWidget();
        return widget && widget->window() == &window;
    });
}

// The walk goes over a copy, so that a bar made or freed meanwhile does not disturb it.
void T_AM2000_MenuBarList::ResetAll()
{
    for (I_AM2000_MenuBar* bar : std::vector(m_bars))
        bar->ResetBar();
}

// A bar may close the chain while it handles the key, so the list is copied first.
bool T_AM2000_MenuBarList::OfferKey(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    const std::vector<I_AM2000_MenuBar*> bars = m_bars;
    for (auto bar = bars.rbegin(); bar != bars.rend(); ++bar) {
        const QWidget* widget = (*bar)->BarWidget();
        if (widget && widget->isVisible() && (*bar)->BarKeyDown(key, modifiers, text))
            return true;
    }
    return false;
}
