#pragma once

#include <QObject>
#include <QPointer>
#include <QWidgetList>
#include <vector>

class QWidget;

// The program's top-level windows in the order they stack on the screen. Qt keeps no
// such order, so the stack notes when each window is shown: a window shown later lies
// over those shown before it. A window told to stay behind another (a drop shadow
// behind its menu) lies right under it while that one is shown.
class TWindowStack : public QObject {
public:
    // Watches the application's windows from now on.
    TWindowStack();
    ~TWindowStack() override;

    // The visible top-level windows, bottom first; those shown before the stack was made
    // come first.
    QWidgetList Visible() const;
    // window lies right under front from now on.
    static void PlaceBehind(QWidget& window, const QWidget& front);
    // window stacks by its own showing again.
    static void ClearPlace(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static const QWidget* FrontOf(const QWidget& window);

    std::vector<QPointer<QWidget>> m_shown; // by their last showing, the oldest first
};
