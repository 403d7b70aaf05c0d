#pragma once

#include "TApplication.h"
#include "TComponent.h"
#include "T_AM2000_Bits.h"
#include "T_AM2000_SystemSettings.h"
#include "T_AM2000_Types.h"

#include <QImage>
#include <QRect>
#include <QTimer>
#include <QWidget>

class T_AM2000_Desktop;
class T_AM2000_StepEvent;

// The picture of a chosen entry that stays over its place once the menus closed and
// fades out in Steps steps, one every StepInterval ms on the tick count, then frees
// itself. It owns everything it shows, so the menus may go meanwhile. Where the window
// system composes windows the window's alpha falls; otherwise the picture is blended
// towards the desktop snapshot under it. It belongs to its owner, the application unless
// told otherwise, so that a fade still running when the program ends (by any way) goes
// with the application's windows.
class T_AM2000_SelectionFade : public QWidget, public TComponent {
public:
    static constexpr int Steps = T_AM2000_Bits::FadeSteps;
    static constexpr qint64 StepInterval = 10; // ms

    struct Picture {
        QImage image;
        QRect bounds;         // on the screen
        int opacity = 100;    // percent, the menu's
        bool layered = false; // the window system composes translucent windows
    };

    T_AM2000_SelectionFade(const Picture& picture, T_AM2000_Desktop& desktop,
                           TComponent* owner = Application);

    // Whether a chosen entry fades out: in a window that opened by fading (kind), or in
    // a menu that follows the desktop's selection fade (systemSelectionFade) when that
    // is on.
    static bool Wanted(T_AM2000_Animation kind, bool systemSelectionFade,
                       const T_AM2000_SystemSettings& settings);

    // Shows the picture without activating it and posts the first step.
    void Start();
    // Steps taken so far.
    int Step() const { return m_step; }
    // The window's alpha (0..255) at this step where the window system composes: the
    // menu's, falling to 0 at the last step.
    int Alpha() const;
    // What the window shows now.
    QImage Frame() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OnStep(const T_AM2000_StepEvent& step);
    void RunStep();
    void PostStep(qint64 interval);

    Picture m_picture;
    T_AM2000_Bits m_shown;
    T_AM2000_Bits m_deltas;
    QTimer m_wake;
    int m_step = 0;
    qint64 m_stepStart = 0;
    bool m_done = false;
};
