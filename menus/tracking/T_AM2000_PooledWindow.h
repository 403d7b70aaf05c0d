#pragma once

#include <QPointer>
#include <QWidget>

// A borderless top-level window, never activated, that the menus keep hidden between
// openings and lend to one drop-down window or drop shadow at a time. The borrower
// becomes its only child and fills it; the window shows and hides with it, and is free
// again once the borrower is gone. Lending resets what an earlier borrower may have
// changed: size, place, opacity and stacking.
class T_AM2000_PooledWindow : public QWidget {
public:
    // translucent: the window has an alpha channel (a shadow where the window system
    // composes); inputTransparent: the pointer goes through it (a shadow).
    T_AM2000_PooledWindow(bool translucent, bool inputTransparent);
    // A borrower still alive leaves first: its owner frees it.
    ~T_AM2000_PooledWindow() override;

    void Lend(QWidget& borrower);
    bool Free() const { return m_borrower == nullptr; }
    bool Translucent() const { return m_translucent; }
    QWidget* Borrower() const { return m_borrower; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool m_translucent;
    QPointer<QWidget> m_borrower;
};
