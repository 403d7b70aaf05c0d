#pragma once

#include "TCustomPopupMenu2000.h"

#include <QPoint>
#include <memory>

class TMenuItem2000;

// The animated popup menu: shown as a context menu or at a point, it opens its animated
// items as the top window of a new menu chain.
class TPopupMenu2000 : public TCustomPopupMenu2000 {
    T_CLASS_INFO
public:
    explicit TPopupMenu2000(TComponent* owner);
    ~TPopupMenu2000() override;

    // Opens the menu's animated items at a screen position as the top window of a new
    // chain, animated as Options say; the platform's items are left out. Returns at once.
    void Popup(QPoint screenPosition) override;

private:
    // Lists this menu as its context menu: the top window of Popup is made for it. It
    // outlives the window.
    std::unique_ptr<TMenuItem2000> m_holder;
};
