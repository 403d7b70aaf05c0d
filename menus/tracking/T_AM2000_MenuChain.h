#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class TCustomPopupMenu2000;
class TCustomPopupMenu2000Form;
class TMenuItem2000;
class T_AM2000_MenuWatch;

// The windows of the open menu chain: the top window, which its menu owns, and the
// submenu and context windows opened below it, which the chain frees. The chain keeps
// the windows in step with the items they list, and lets everything go when the top
// window goes.
class T_AM2000_MenuChain : public QObject {
public:
    struct Handlers {
        // An edit box in window (in any window for nullptr) ends: its window hides, or
        // its entry may be gone.
        std::function<void(const TCustomPopupMenu2000Form* window)> endEditing;
        // The top window's item or the chain's menu went: everything closes.
        std::function<void()> lost;
    };

    T_AM2000_MenuChain();
    ~T_AM2000_MenuChain() override;
    void SetHandlers(Handlers handlers) { m_handlers = std::move(handlers); }

    // Makes window, made for item by its menu, the top of a new chain; the chain must be
    // empty.
    void Adopt(TCustomPopupMenu2000Form& top, TMenuItem2000& item);
    // Opens child below parent, in place of parent's open child.
    void AddChild(TCustomPopupMenu2000Form& parent, TCustomPopupMenu2000Form& child);
    // Hides and frees window's open child and those below it.
    void CloseChildOf(TCustomPopupMenu2000Form& window);
    // Hides the whole chain and lets it go; the top window's menu frees it once control
    // is back in the event loop.
    void Release();

    TCustomPopupMenu2000Form* TopWindow() const { return m_topAlive ? m_top : nullptr; }
    TCustomPopupMenu2000* CurrentMenu() const;
    // The last window of the chain: the one that takes the keys.
    TCustomPopupMenu2000Form* DeepestWindow() const;
    // The visible chain window under a screen point, the deepest first; nullptr for none.
    TCustomPopupMenu2000Form* WindowAt(QPoint screenPoint) const;
    // object is an open window of the chain.
    bool InChain(const QObject* object) const;
    // widget lies inside a window of the chain (an entry's edit box).
    bool HoldsWidget(const QObject* widget) const;

private:
    void Track(TCustomPopupMenu2000Form& window);
    void HideWindow(TCustomPopupMenu2000Form& window);
    void TopWindowGone();
    void ItemsChanged(bool rebuild);
    void EntryFreed();
    void TakeInNewTree(TCustomPopupMenu2000Form& top);

    Handlers m_handlers;
    // Kept apart from its guard so that a window being freed is never cast.
    TCustomPopupMenu2000Form* m_top = nullptr;
    QPointer<QObject> m_topAlive;
    QMetaObject::Connection m_topGone;
    std::vector<QPointer<TCustomPopupMenu2000Form>> m_children;
    std::unique_ptr<T_AM2000_MenuWatch> m_watch;
};
