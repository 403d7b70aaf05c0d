#pragma once

#include <functional>
#include <utility>
#include <vector>

class TComponent;
class TMenuItem;

// Whatever shows a menu hears of every change of its items through these, without
// taking the menu's own events from its user. A viewer is the key it is removed by.
class TMenuViewers {
public:
    // source: the item that changed (nullptr: the whole menu); rebuild: the item tree
    // itself changed.
    using Handler = std::function<void(TMenuItem* source, bool rebuild)>;

    explicit TMenuViewers(TComponent& menu)
        : m_menu(menu)
    {}

    // The menu whose items these viewers hear of.
    TComponent& Menu() const { return m_menu; }

    void Add(const void* viewer, Handler handler);
    void Remove(const void* viewer);
    // A viewer may leave, or another one come, while they are told.
    void Tell(TMenuItem* source, bool rebuild) const;

private:
    TComponent& m_menu;
    std::vector<std::pair<const void*, Handler>> m_viewers;
};
