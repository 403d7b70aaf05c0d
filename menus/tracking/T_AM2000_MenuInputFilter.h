#pragma once

#include <QEvent>
#include <QObject>

class T_AM2000_MenuBarList;
class T_AM2000_MenuChain;
class T_AM2000_MenuChooser;
class T_AM2000_MenuKeyboard;
class T_AM2000_MenuNavigator;
class T_AM2000_MenuPointer;

// Watches the whole application's input while a menu chain is open and hands it on,
// since the drop-downs never have the focus: mouse input to the pointer handling, the
// keys and the wheel to the chain's last window. The application, or a window with a
// menu bar, losing the activation closes every menu.
class T_AM2000_MenuInputFilter : public QObject {
public:
    struct Parts {
        T_AM2000_MenuChain& chain;
        T_AM2000_MenuNavigator& navigator;
        T_AM2000_MenuChooser& chooser;
        T_AM2000_MenuPointer& pointer;
        T_AM2000_MenuKeyboard& keyboard;
        T_AM2000_MenuBarList& bars;
    };

    explicit T_AM2000_MenuInputFilter(const Parts& parts);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool IsUserInput(QEvent::Type type);
    bool Deactivates(const QObject* watched, const QEvent& event) const;

    Parts m_parts;
};
