#pragma once

#include "ISoundPlayer.h"
#include "T_AM2000_AnimationSteps.h"
#include "T_AM2000_Bits.h"
#include "T_AM2000_Types.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

class QWidget;
class T_AM2000_Desktop;
class T_AM2000_DropShadow;
class T_AM2000_OpacityTable;
class T_AM2000_StepEvent;

// Opens a window that shows a full-size menu image: grows it step by step (or fades it
// in), makes it translucent, and keeps its drop shadow with it. Steps are posted events
// due every StepInterval ms on the tick count, so slow painting shortens the waits
// instead of slowing the opening down; between steps the event loop runs, so a click
// can close the menu halfway. While it animates, and for good while the menu is
// translucent in software, the animator paints the window. A window lent a kept native
// window (which it fills) is placed, raised and made translucent through that window.
class T_AM2000_MenuAnimator : public QObject {
public:
    static constexpr qint64 StepInterval = 10; // ms
    // A step due further ahead than this runs at once.
    static constexpr qint64 LongestWait = 1000; // ms
    static constexpr const char* PopupSound = "menu-popup";

    struct Opening {
        T_AM2000_Animation kind = T_AM2000_Animation::anNone; // a resolved kind
        QRect bounds;         // where the window ends, in screen pixels
        bool toLeft = false;  // grows leftward from the right edge of bounds
        bool upward = false;  // grows upward from the bottom edge of bounds
        int opacity = 100;    // percent
        bool layered = false; // the window system composes translucent windows
        // The chain's windows already open, top window first: the shadow goes behind them
        // so that it never darkens a parent menu with the screen from under it.
        std::vector<QWidget*> chain{};
    };

    // The animator belongs to window.
    T_AM2000_MenuAnimator(QWidget* window, T_AM2000_Desktop& desktop, ISoundPlayer& sound);
    explicit T_AM2000_MenuAnimator(QWidget* window);
    ~T_AM2000_MenuAnimator() override;

    // The animator that belongs to window; nullptr for none.
    static T_AM2000_MenuAnimator* Of(const QObject& window);

    // Shows window without activating it at the start of its opening and posts the first
    // step; its shadow, when given, shows and the popup sound plays after the first frame.
    void Start(const QImage& menu, const Opening& opening, T_AM2000_DropShadow* shadow = nullptr);
    // Runs work once the window's first frame since Start has been painted, when control
    // is back in the event loop, so that it does not hold that frame up; at once where the
    // window hides first or the animator goes.
    void AfterFirstFrame(std::function<void()> work);
    // The open window shows its hidden items: it keeps its place and grows from
    // fromHeight to bounds in vertical slides.
    void Expand(const QImage& menu, const QRect& bounds, int fromHeight);
    // The menu image after the window painted it anew.
    void UpdateImage(const QImage& menu);
    // The window closes: steps still to come are ignored.
    void SetClosing();
    // Called once the window has its final bounds.
    void SetFinished(std::function<void()> finished) { m_finished = std::move(finished); }

    bool Animating() const { return m_animating; }
    // The kind the window opened with, kept through an expansion; none before Start.
    std::optional<T_AM2000_Animation> OpenedWith() const { return m_openedWith; }
    // The window has a window-level opacity below full.
    bool Layered() const { return m_layered; }
    // The window's bounds now.
    QRect CurrentBounds() const;
    // What the window shows now.
    QImage Frame() const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Begin(const QImage& menu, const Opening& opening, const T_AM2000_AnimationSteps& steps);
    void SetUpOpacity();
    void SetUpFade();
    void OnStep(const T_AM2000_StepEvent& step);
    bool StepsWanted() const;
    void RunStep();
    void Fade();
    void Grow();
    void Finish();
    void PostStep(qint64 interval);
    void ShowShadow();
    void TakeShadowSweep();
    void FirstFramePainted();
    void RunAfterFirstFrame();
    void SetAlpha(int alpha);
    QImage Blended(const QImage& image, const QRect& screenRect) const;
    static int Alpha(int opacity);

    QWidget* m_window;
    T_AM2000_Desktop& m_desktop;
    ISoundPlayer& m_sound;
    QPointer<T_AM2000_DropShadow> m_shadow;
    std::function<void()> m_finished;
    QTimer m_wake;
    std::vector<std::function<void()>> m_afterFirstFrame;
    bool m_firstFramePainted = false;
    bool m_shadowPending = false;

    QImage m_menu;
    Opening m_opening;
    std::optional<T_AM2000_Animation> m_openedWith;
    T_AM2000_AnimationSteps m_steps{QSize(), T_AM2000_Animation::anNone};
    QSize m_size;
    bool m_animating = false;
    bool m_closing = false;
    bool m_fade = false;
    bool m_layered = false;
    int m_fadeStep = 0;
    qint64 m_stepStart = 0;
    // Software blending: the screen under bounds, the table of the opacity, and for a
    // fade the bytes shown and what each step adds.
    T_AM2000_Bits m_background;
    const T_AM2000_OpacityTable* m_table = nullptr;
    T_AM2000_Bits m_shown;
    T_AM2000_Bits m_deltas;
};
