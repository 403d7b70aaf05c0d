#include "ISoundPlayer.h"
#include "MenuAnimationTestSupport.h"
#include "MenuFirstFrame.h"
#include "TTickCount.h"
#include "T_AM2000_Desktop.h"
#include "T_AM2000_DropShadow.h"
#include "T_AM2000_MenuAnimator.h"
#include "T_AM2000_StepEvent.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>

using enum T_AM2000_Animation;
using namespace MenuAnimationPictures;

namespace {

class RecordingSound : public ISoundPlayer {
public:
    void PlayFile(const QString&) override {}
    void PlayEvent(const QString& eventName) override { events << eventName; }
    QStringList events;
};

// A stand-in drop-down window: paints its menu image when nobody else does.
class MenuWindow : public QWidget {
public:
    MenuWindow()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
    {}
    QImage menu;
    std::function<void()> resized;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, menu); }
    void resizeEvent(QResizeEvent*) override
    {
        if (resized)
            resized();
    }
};

} // namespace

class MenuAnimator : public ::testing::Test {
protected:
    MenuAnimator()
        : desktop([this](const QRect& rect) { return Filled(rect.size(), screen); })
        , previousClock(TTickCount::SetSource([this] { return now; }))
        , window(new MenuWindow)
        , animator(new T_AM2000_MenuAnimator(window, desktop, sound))
    {
        animator->SetFinished([this] { ++finished; });
    }
    ~MenuAnimator() override
    {
        delete window;
        TTickCount::SetSource(previousClock);
    }

    void Start(const QImage& menu, T_AM2000_MenuAnimator::Opening opening,
               T_AM2000_DropShadow* shadow = nullptr)
    {
        window->menu = menu;
        animator->Start(menu, opening, shadow);
    }
    // Lets ms pass and delivers the step then due.
    void Tick(qint64 ms = T_AM2000_MenuAnimator::StepInterval)
    {
        now += ms;
        QCoreApplication::sendPostedEvents(animator, T_AM2000_StepEvent::TypeId());
    }
    // The window's bounds at the start and after every step up to the end.
    std::vector<QRect> BoundsToTheEnd()
    {
        std::vector<QRect> bounds{window->geometry()};
        for (int guard = 0; guard < 100 && animator->Animating(); ++guard) {
            Tick();
            bounds.push_back(window->geometry());
        }
        return bounds;
    }
    QRgb Shown(int x, int y) { return window->grab().toImage().pixel(x, y); }
    void PaintAFrame() { PaintFirstFrame(*window); }

    QRgb screen = qRgb(0, 0, 0);
    T_AM2000_Desktop desktop;
    RecordingSound sound;
    qint64 now = 1000;
    TTickCount::Source previousClock;
    MenuWindow* window;
    T_AM2000_MenuAnimator* animator;
    int finished = 0;
};

TEST_F(MenuAnimator, VerticalStretchGrowsByFiveFromFourAndScalesTheImage)
{
    Start(Coordinates(QSize(160, 90)), {anVertStretch, QRect(50, 40, 160, 90)});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->geometry(), QRect(50, 40, 160, 4));
    Tick();
    ASSERT_EQ(window->geometry(), QRect(50, 40, 160, 9));
    // Nine rows of ninety: row j shows source row round(j * 90 / 9) = 10 j.
    const QImage shown = window->grab().toImage();
    for (int j = 0; j < 9; ++j)
        EXPECT_EQ(qGreen(shown.pixel(3, j)), 10 * j) << j;
    const auto bounds = BoundsToTheEnd();
    ASSERT_EQ(bounds.size(), 18u); // 9 up to 89 in 16 steps, then the full height
    for (std::size_t i = 0; i + 1 < bounds.size(); ++i)
        EXPECT_EQ(bounds[i], QRect(50, 40, 160, 9 + 5 * int(i)));
    EXPECT_EQ(bounds.back(), QRect(50, 40, 160, 90));
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(Shown(159, 89), qRgb(159, 89, 77));
}

TEST_F(MenuAnimator, UpwardSlideKeepsTheBottomEdgeAndShowsTheTopOfTheMenuLast)
{
    T_AM2000_MenuAnimator::Opening opening{anVertSlide, QRect(50, 300, 160, 90)};
    opening.upward = true;
    Start(Coordinates(QSize(160, 90)), opening);
    EXPECT_EQ(window->geometry(), QRect(50, 386, 160, 4));
    EXPECT_EQ(qGreen(Shown(0, 0)), 0);
    Tick();
    EXPECT_EQ(window->geometry(), QRect(50, 381, 160, 9));

    opening.upward = false;
    Start(Coordinates(QSize(160, 90)), opening);
    EXPECT_EQ(window->geometry(), QRect(50, 300, 160, 4));
    EXPECT_EQ(qGreen(Shown(0, 0)), 86);
}

TEST_F(MenuAnimator, LeftOpeningKeepsTheRightEdge)
{
    T_AM2000_MenuAnimator::Opening opening{anHorzSlide, QRect(300, 40, 200, 50)};
    opening.toLeft = true;
    Start(Coordinates(QSize(200, 50)), opening);
    EXPECT_EQ(window->geometry(), QRect(480, 40, 20, 50));
    Tick();
    EXPECT_EQ(window->geometry(), QRect(468, 40, 32, 50)); // steps of 200 / 16 = 12
    EXPECT_EQ(qRed(Shown(0, 0)), 0);
}

TEST_F(MenuAnimator, FullOpacityWithoutFadeNeverMakesTheWindowLayered)
{
    T_AM2000_MenuAnimator::Opening opening{anVertStretch, QRect(0, 0, 160, 90)};
    opening.layered = true;
    Start(Coordinates(QSize(160, 90)), opening);
    do {
        EXPECT_FALSE(animator->Layered());
        EXPECT_EQ(window->windowOpacity(), 1.0);
        Tick();
    } while (animator->Animating());
    EXPECT_FALSE(animator->Layered());

    opening.opacity = 80;
    Start(Coordinates(QSize(160, 90)), opening);
    EXPECT_TRUE(animator->Layered());
    EXPECT_NEAR(window->windowOpacity(), 204 / 255.0, 1e-3);
}

TEST_F(MenuAnimator, LayeredFadeRaisesWindowAndShadowInSixteenths)
{
    auto* shadow = new T_AM2000_DropShadow(window, desktop, true);
    T_AM2000_MenuAnimator::Opening opening{anFade, QRect(10, 10, 100, 60)};
    opening.layered = true;
    Start(Coordinates(QSize(100, 60)), opening, shadow);
    EXPECT_EQ(window->geometry(), QRect(10, 10, 100, 60));
    EXPECT_EQ(window->windowOpacity(), 0.0);
    for (int step = 1; step <= 15; ++step) {
        Tick();
        const double alpha = std::nearbyint(step * 255.0 / 16) / 255;
        EXPECT_NEAR(window->windowOpacity(), alpha, 1e-3) << step;
        EXPECT_NEAR(shadow->windowOpacity(), alpha, 1e-3) << step;
    }
    EXPECT_TRUE(animator->Animating());
    Tick();
    EXPECT_FALSE(animator->Animating());
    EXPECT_EQ(window->windowOpacity(), 1.0);
    EXPECT_EQ(shadow->windowOpacity(), 1.0);

    opening.opacity = 50;
    Start(Coordinates(QSize(100, 60)), opening, shadow);
    int steps = 0;
    for (Tick(); animator->Animating(); Tick())
        ++steps;
    EXPECT_EQ(steps, 7); // while 16 * 50 / 100 > step
    EXPECT_NEAR(window->windowOpacity(), 128 / 255.0, 1e-3);
}

TEST_F(MenuAnimator, SoftwareFadeAddsASixteenthOfTheDifferenceEachStep)
{
    screen = qRgb(0, 0, 0);
    Start(Filled(QSize(40, 20), qRgb(200, 100, 50)), {anFade, QRect(10, 10, 40, 20)});
    EXPECT_EQ(Shown(5, 5), qRgb(0, 0, 0));
    Tick();
    EXPECT_EQ(Shown(5, 5), qRgb(12, 6, 3)); // round(12.5) to even, 6.25, 3.125
    for (int step = 2; step <= 15; ++step)
        Tick();
    EXPECT_EQ(Shown(39, 19), qRgb(180, 90, 45));
    Tick();
    EXPECT_FALSE(animator->Animating());
    EXPECT_EQ(Shown(39, 19), qRgb(200, 100, 50));
}

TEST_F(MenuAnimator, SoftwareTranslucencyBlendsEveryFrameAndTheOpenMenu)
{
    screen = qRgb(100, 100, 100);
    T_AM2000_MenuAnimator::Opening opening{anVertStretch, QRect(10, 10, 40, 32)};
    opening.opacity = 50;
    Start(Filled(QSize(40, 32), qRgb(200, 101, 50)), opening);
    EXPECT_EQ(Shown(0, 0), qRgb(150, 100, 75));
    BoundsToTheEnd();
    EXPECT_EQ(Shown(39, 31), qRgb(150, 100, 75));
    animator->UpdateImage(Filled(QSize(40, 32), qRgb(0, 0, 0)));
    EXPECT_EQ(Shown(39, 31), qRgb(50, 50, 50));
}

TEST_F(MenuAnimator, ASlowStepShortensTheWaitForTheNext)
{
    Start(Coordinates(QSize(160, 90)), {anVertStretch, QRect(0, 0, 160, 90)});
    window->resized = [this] { now += 4; };
    Tick();
    ASSERT_EQ(window->height(), 9);
    Tick(6); // the step took 4 ms, so the next is due 6 ms later
    EXPECT_EQ(window->height(), 14);
    Tick(5);
    EXPECT_EQ(window->height(), 14) << "a step one millisecond early waits";
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->height() == 19; }, 1000));
}

TEST_F(MenuAnimator, AClosingOrHiddenWindowIgnoresTheStepsStillToCome)
{
    Start(Coordinates(QSize(160, 90)), {anVertStretch, QRect(0, 0, 160, 90)});
    Tick();
    animator->SetClosing();
    Tick();
    Tick();
    EXPECT_EQ(window->height(), 9);

    Start(Coordinates(QSize(160, 90)), {anVertStretch, QRect(0, 0, 160, 90)});
    window->hide();
    for (int step = 0; step < 20; ++step)
        Tick();
    EXPECT_EQ(window->height(), 4);
    EXPECT_EQ(finished, 0);
}

TEST_F(MenuAnimator, OpeningAgainStartsOverWithOneStepAtATime)
{
    Start(Coordinates(QSize(160, 90)), {anVertStretch, QRect(0, 0, 160, 90)});
    Tick();
    Start(Coordinates(QSize(160, 90)), {anVertStretch, QRect(0, 0, 160, 90)});
    EXPECT_EQ(window->height(), 4);
    Tick();
    EXPECT_EQ(window->height(), 9);
}

TEST_F(MenuAnimator, AWindowDestroyedHalfwayLeavesNoStepBehind)
{
    Start(Coordinates(QSize(160, 90)), {anVertStretch, QRect(0, 0, 160, 90)});
    Tick();
    delete window;
    window = nullptr;
    now += 10;
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(finished, 0);
}

// The sound's thread is woken once the first frame is on the screen, not before; a
// window that hides before its first frame still sounds.
TEST_F(MenuAnimator, EveryOpeningPlaysThePopupSoundAfterItsFirstFrame)
{
    Start(Coordinates(QSize(20, 20)), {anNone, QRect(0, 0, 20, 20)});
    EXPECT_TRUE(sound.events.isEmpty());
    window->grab();
    EXPECT_TRUE(sound.events.isEmpty()) << "not while the frame is being painted";
    QCoreApplication::sendPostedEvents(animator, QEvent::MetaCall);
    EXPECT_EQ(sound.events, QStringList{"menu-popup"});
    PaintAFrame();
    Tick();
    EXPECT_FALSE(animator->Animating());
    EXPECT_EQ(window->geometry(), QRect(0, 0, 20, 20));
    EXPECT_EQ(sound.events.size(), 1) << "later frames are no new opening";

    Start(Coordinates(QSize(20, 20)), {anNone, QRect(0, 0, 20, 20)});
    window->hide();
    EXPECT_EQ(sound.events.size(), 2);
    Start(Coordinates(QSize(20, 20)), {anNone, QRect(0, 0, 20, 20)});
    delete window;
    window = nullptr;
    EXPECT_EQ(sound.events.size(), 3) << "nor is it lost with the window";
}

// Work that must not hold up the first frame waits for it, in the order asked for.
TEST_F(MenuAnimator, WorkAfterTheFirstFrameRunsOnceThatFrameWasPainted)
{
    QStringList done;
    Start(Coordinates(QSize(20, 20)), {anVertSlide, QRect(0, 0, 20, 20)});
    animator->AfterFirstFrame([&] { done << "first"; });
    animator->AfterFirstFrame([&] { done << "second"; });
    QCoreApplication::sendPostedEvents(animator, QEvent::MetaCall);
    EXPECT_TRUE(done.isEmpty());
    PaintAFrame();
    EXPECT_EQ(done, (QStringList{"first", "second"}));
    animator->AfterFirstFrame([&] { done << "late"; });
    EXPECT_EQ(done.size(), 3) << "after the first frame, work runs at once";
    PaintAFrame();
    EXPECT_EQ(done.size(), 3);
}

// The screen is taken for the whole window with its shadow where the shadow's strips sweep
// it (a growing window, right after its first frame, which the strips never reach) or where
// the window is blended with it (before it shows); an opaque window shown at once leaves
// the screen under the strips to its shadow.
TEST_F(MenuAnimator, TheScreenIsTakenForTheWholeWindowOnlyWhereItIsNeeded)
{
    const QRect bounds(200, 100, 64, 48);
    const QRect withShadow = bounds.adjusted(0, 0, 4, 4);
    T_AM2000_DropShadow* shadow = nullptr;
    const auto open = [&](T_AM2000_MenuAnimator::Opening opening) {
        delete shadow;
        desktop.MenusClosed();
        shadow = new T_AM2000_DropShadow(window, desktop, false);
        Start(Coordinates(bounds.size()), opening, shadow);
    };
    open({anNone, bounds});
    PaintAFrame();
    EXPECT_FALSE(desktop.Holds(withShadow));
    EXPECT_TRUE(desktop.Holds(QRect(264, 104, 4, 48))); // the right strip
    EXPECT_TRUE(desktop.Holds(QRect(204, 148, 60, 4))); // the bottom strip
    open({anVertStretch, bounds});
    EXPECT_TRUE(desktop.Screenshots().empty());
    PaintAFrame();
    EXPECT_TRUE(desktop.Holds(withShadow));
    T_AM2000_MenuAnimator::Opening translucent{anNone, bounds};
    translucent.opacity = 50;
    open(translucent);
    EXPECT_TRUE(desktop.Holds(withShadow));
}

// The window's first frame comes first; its shadow right after it, or never for a window
// that closed before it had one.
TEST_F(MenuAnimator, TheShadowShowsOnceTheWindowsFirstFrameIsPainted)
{
    auto* shadow = new T_AM2000_DropShadow(window, desktop, false);
    Start(Coordinates(QSize(64, 48)), {anVertStretch, QRect(200, 100, 64, 48)}, shadow);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(shadow->isVisible());
    window->grab();
    EXPECT_FALSE(shadow->isVisible()) << "not while the frame is being painted";
    QCoreApplication::sendPostedEvents(animator, QEvent::MetaCall);
    EXPECT_TRUE(shadow->isVisible());
    EXPECT_EQ(shadow->geometry(), window->geometry().translated(4, 4));

    shadow = new T_AM2000_DropShadow(window, desktop, false);
    Start(Coordinates(QSize(64, 48)), {anVertStretch, QRect(200, 100, 64, 48)}, shadow);
    window->grab();
    animator->SetClosing();
    window->hide();
    QCoreApplication::sendPostedEvents(animator, QEvent::MetaCall);
    EXPECT_FALSE(shadow->isVisible());
}

TEST_F(MenuAnimator, TheShadowFollowsEveryStep)
{
    auto* shadow = new T_AM2000_DropShadow(window, desktop, false);
    T_AM2000_MenuAnimator::Opening opening{anDoubleRoll, QRect(200, 100, 64, 48)};
    opening.upward = true;
    Start(Coordinates(QSize(64, 48)), opening, shadow);
    PaintAFrame();
    EXPECT_TRUE(shadow->isVisible());
    do {
        EXPECT_EQ(shadow->geometry(), window->geometry().translated(4, 4));
        Tick();
    } while (animator->Animating());
    EXPECT_EQ(shadow->geometry(), QRect(204, 104, 64, 48));
}

TEST_F(MenuAnimator, ExpandingGrowsFromTheOldHeightBySixteenthsOfTheDifference)
{
    Start(Coordinates(QSize(100, 60)), {anNone, QRect(10, 10, 100, 60)});
    PaintAFrame();
    Tick();
    animator->Expand(Coordinates(QSize(100, 200)), QRect(10, 10, 100, 200), 60);
    PaintAFrame();
    const auto bounds = BoundsToTheEnd();
    ASSERT_EQ(bounds.size(), 19u); // 60 up to 196 by 140 / 16 = 8, then the full height
    for (std::size_t i = 0; i + 1 < bounds.size(); ++i)
        EXPECT_EQ(bounds[i], QRect(10, 10, 100, 60 + 8 * int(i)));
    EXPECT_EQ(bounds.back(), QRect(10, 10, 100, 200));
    EXPECT_EQ(sound.events.size(), 1) << "expanding is no new opening";

    animator->Expand(Coordinates(QSize(100, 210)), QRect(10, 10, 100, 210), 200);
    Tick();
    EXPECT_EQ(window->height(), 203) << "a small difference still steps by three";
}
