#pragma once

#include <memory>
#include <vector>

class QWidget;
class T_AM2000_PooledWindow;

// The native windows the open menus are shown in, kept hidden between openings so that
// opening a menu makes no new window: per nesting depth of the chain, windows for
// drop-downs and for their shadows. A window is lent only while it holds nothing, so
// the pool never lends the window of a menu that is open; it grows only while a closed
// menu has not been freed yet.
class T_AM2000_WindowPool {
public:
    enum class Role { DropDown, Shadow };

    T_AM2000_WindowPool();
    ~T_AM2000_WindowPool();

    // Lends a free window of role and depth to borrower, which becomes its child. A
    // shadow's window is translucent where the window system composes (composed).
    void Lend(QWidget& borrower, Role role, int depth, bool composed = false);
    // Frees every window the pool keeps (at exit: windows must go before the
    // application does); borrowers still alive leave them first.
    void Clear();
    // The windows kept, lent or free.
    int Count() const { return int(m_windows.size()); }

private:
    struct Kept {
        Role role;
        int depth;
        std::unique_ptr<T_AM2000_PooledWindow> window;
    };
    T_AM2000_PooledWindow& Take(Role role, int depth, bool translucent);

    std::vector<Kept> m_windows;
};
