#pragma once

#include <QPoint>
#include <QString>
#include <Qt>
#include <vector>

class I_AM2000_MenuBar;
class QWidget;

// The menu bars of the program, in the order they were made: a press on one of them is
// its own and never closes the open menus, each returns to its idle state when all
// menus close, and they are offered the keys that the open drop-down leaves alone.
class T_AM2000_MenuBarList {
public:
    void Register(I_AM2000_MenuBar* bar);
    void Unregister(I_AM2000_MenuBar* bar);
    const std::vector<I_AM2000_MenuBar*>& Bars() const { return m_bars; }

    // A visible bar lies under the screen point.
    bool Over(QPoint screenPoint) const;
    // window holds one of the bars.
    bool HeldBy(const QWidget& window) const;
    void ResetAll();
    // Offers a key to the visible bars, the newest first; returns whether one took it.
    bool OfferKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);

private:
    std::vector<I_AM2000_MenuBar*> m_bars;
};
