#include "T_AM2000_WindowPool.h"

#include "T_AM2000_PooledWindow.h"

#include <algorithm>

T_AM2000_WindowPool::T_AM2000_WindowPool() = default;

T_AM2000_WindowPool::~T_AM2000_WindowPool() = default;

void T_AM2000_WindowPool::Lend(QWidget& borrower, Role role, int depth, bool composed)
{
    const bool translucent = role == Role::Shadow && composed;
    Take(role, depth, translucent).Lend(borrower);
}

// A free window of another translucency is made anew: the alpha channel belongs to the
// native window.
T_AM2000_PooledWindow& T_AM2000_WindowPool::Take(Role role, int depth, bool translucent)
{
    const auto make = [&] {
        return std::make_unique<T_AM2000_PooledWindow>(translucent, role == Role::Shadow);
    };
    const auto free = std::find_if(m_windows.begin(), m_windows.end(), [&](const Kept& kept) {
        return kept.role == role && kept.depth == depth && kept.window->Free();
    });
    if (free == m_windows.end()) {
        m_windows.push_back({role, depth, make()});
        return *m_windows.back().window;
    }
    if (free->window->Translucent() != translucent)
        free->window = make();
    return *free->window;
}

void T_AM2000_WindowPool::Clear()
{
    m_windows.clear();
}
