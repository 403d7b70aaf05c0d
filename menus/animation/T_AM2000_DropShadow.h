#pragma once

#include "T_AM2000_SystemSettings.h"
#include "T_AM2000_Types.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class T_AM2000_Desktop;

// The soft shadow of a drop-down window (or of a raised menu-bar item): a borderless
// window that is never activated, kept behind its target and moved Offset pixels right
// and down of it. Its strips darken the screen as the desktop snapshot shows it and are
// made again only when the shadow's size changes. Where the window system composes
// windows the strips are translucent black over whatever lies below instead. The shadow
// (or a kept window lent to it, which it fills) follows the window its target lies in,
// and goes when its target does.
class T_AM2000_DropShadow : public QWidget {
public:
    static constexpr int Offset = 4;

    // The shadow belongs to target and is freed with it.
    T_AM2000_DropShadow(QWidget* target, T_AM2000_Desktop& desktop, bool composed);

    // Whether a drop-down gets a shadow: always with mfDropShadow, else when the menu
    // follows the desktop's setting (SystemShadow) and that is on.
    static bool Wanted(T_AM2000_Flags flags, bool systemShadow,
                       const T_AM2000_SystemSettings& settings);

    // The window the shadow follows; nullptr once it is gone.
    QWidget* Target() const { return m_target; }
    // The shadow stays right under front (by default its target) in the stacking order.
    void SetFront(const QWidget& front) { m_front = &front; }
    // Shows the shadow at the target's bounds, without activating it.
    void ShowBehind();
    // Takes the bounds of a target at targetBounds (screen pixels), moved by Offset.
    void Follow(const QRect& targetBounds);

    const QImage& RightStrip() const { return m_right; }
    const QImage& BottomStrip() const { return m_bottom; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void MakeStrips();
    QRect RightStripRect() const;
    QRect BottomStripRect() const;

    QPointer<QWidget> m_target;
    QPointer<const QWidget> m_front;
    T_AM2000_Desktop& m_desktop;
    bool m_composed;
    QImage m_right;
    QImage m_bottom;
    QSize m_stripsSize;
};
