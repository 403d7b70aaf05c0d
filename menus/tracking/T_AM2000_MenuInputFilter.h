#pragma once

#include <QEvent>
#include <QObject>

class QMouseEvent;
class QWidget;
class T_AM2000_MenuTracker;

// Watches the whole application's input while a menu chain is open: mouse input over
// the chain's windows goes to the tracker, a press anywhere else closes every menu, and
// the keys and the wheel go to the chain's last window, since the drop-downs never have
// the focus. The application, or a window with a menu bar, losing the activation closes
// every menu too.
class T_AM2000_MenuInputFilter : public QObject {
public:
    explicit T_AM2000_MenuInputFilter(T_AM2000_MenuTracker& tracker);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool IsUserInput(QEvent::Type type);
    bool OwnsMenuBar(const QWidget& window) const;
    bool ChainMouse(QObject* watched, QEvent* event);
    void ChainPress(const QMouseEvent& event);
    void OutsidePress(const QMouseEvent& event);
    bool InsideChainWindow(QObject* watched) const;

    T_AM2000_MenuTracker& m_tracker;
};
