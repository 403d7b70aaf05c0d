#include "MenuAnimationTestSupport.h"
#include "MenuTrackingTestSupport.h"
#include "TCustomPopupMenu2000Form.h"
#include "T_AM2000_Desktop.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_SelectionFade.h"
#include "T_AM2000_StepEvent.h"
#include "T_AM2000_SystemSettings.h"

#include <QPointer>
#include <cmath>

using namespace MenuAnimationPictures;
using Fade = T_AM2000_SelectionFade;

namespace {

// A picture of (200, 100, 41) over a screen of (40, 70, 235): each step adds
// round((screen - picture) / 16) = (-10, -2, 12) per pixel.
class SelectionFade : public ::testing::Test {
protected:
    SelectionFade()
        : desktop([](const QRect& rect) { return Filled(rect.size(), qRgb(40, 70, 235)); })
        , previousClock(TTickCount::SetSource([this] { return now; }))
    {}
    ~SelectionFade() override
    {
        delete fade.data();
        TTickCount::SetSource(previousClock);
    }
    void Start(int opacity, bool layered)
    {
        Fade::Picture picture{Filled(QSize(30, 12), qRgb(200, 100, 41)), QRect(50, 60, 30, 12),
                              opacity, layered};
        fade = new Fade(picture, desktop);
        fade->Start();
    }
    void Tick(qint64 ms = Fade::StepInterval)
    {
        now += ms;
        QCoreApplication::sendPostedEvents(fade, T_AM2000_StepEvent::TypeId());
    }

    qint64 now = 1000;
    T_AM2000_Desktop desktop;
    QPointer<Fade> fade;

private:
    TTickCount::Source previousClock;
};

} // namespace

TEST_F(SelectionFade, StepsThePictureTowardsTheScreenThenFreesItself)
{
    Start(100, false);
    EXPECT_TRUE(fade->isVisible());
    EXPECT_EQ(fade->geometry(), QRect(50, 60, 30, 12));
    EXPECT_EQ(fade->Frame().pixel(0, 0), qRgb(200, 100, 41));
    Tick();
    EXPECT_EQ(fade->Step(), 1);
    EXPECT_EQ(fade->Frame().pixel(29, 11), qRgb(190, 98, 53));
    for (int i = 2; i <= 15; ++i)
        Tick();
    EXPECT_EQ(fade->Frame().pixel(7, 5), qRgb(50, 70, 221));
    EXPECT_TRUE(fade->isVisible());
    Tick();
    ASSERT_TRUE(fade);
    EXPECT_FALSE(fade->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(fade);
}

// A fade still running when the program ends goes with the application's windows: the
// application owns it unless it is given another owner, and freeing that owner frees it.
TEST_F(SelectionFade, ItsOwnerFreesItWhileItStillRuns)
{
    Start(100, false);
    EXPECT_EQ(fade->Owner(), Application);
    delete fade.data();

    auto owner = std::make_unique<TComponent>(nullptr);
    const Fade::Picture picture{Filled(QSize(30, 12), qRgb(200, 100, 41)), QRect(50, 60, 30, 12),
                                100, false};
    fade = new Fade(picture, desktop, owner.get());
    fade->Start();
    Tick();
    ASSERT_TRUE(fade);
    EXPECT_EQ(fade->Step(), 1);
    owner.reset();
    EXPECT_FALSE(fade);
}

TEST_F(SelectionFade, AStepDeliveredBeforeItsTimeTakesNothing)
{
    Start(100, false);
    Tick(4);
    EXPECT_EQ(fade->Step(), 0);
    EXPECT_EQ(fade->Frame().pixel(0, 0), qRgb(200, 100, 41));
}

TEST_F(SelectionFade, ATranslucentMenusPictureStartsBlendedWithTheScreen)
{
    // 50 %: screen + round((picture - screen) / 2) = (120, 85, 138); the steps are
    // round((screen - that) / 16) = (-5, -1, 6).
    Start(50, false);
    EXPECT_EQ(fade->Frame().pixel(3, 3), qRgb(120, 85, 138));
    Tick();
    EXPECT_EQ(fade->Frame().pixel(3, 3), qRgb(115, 84, 144));
}

TEST_F(SelectionFade, ComposedWindowsLowerTheirAlphaFromTheMenusOpacity)
{
    // 60 % is alpha 153; after k steps round(153 * (16 - k) / 16).
    Start(60, true);
    EXPECT_EQ(fade->Alpha(), 153);
    EXPECT_NEAR(fade->windowOpacity(), 153 / 255.0, 1.5 / 255);
    EXPECT_EQ(fade->Frame().pixel(0, 0), qRgb(200, 100, 41));
    for (int i = 0; i < 4; ++i)
        Tick();
    EXPECT_EQ(fade->Alpha(), 115);
    EXPECT_NEAR(fade->windowOpacity(), 115 / 255.0, 1.5 / 255);
    for (int i = 4; i < 15; ++i)
        Tick();
    EXPECT_EQ(fade->Alpha(), 10);
}

namespace {

using Form = TCustomPopupMenu2000Form;

// Choosing "Save" in a menu that fades, on a screen of one colour.
class ChoosingWithFade : public MenuTracking {
protected:
    void SetUp() override
    {
        MenuTracking::SetUp();
        previousSettings = T_AM2000_SystemSettings::SetSource([this] { return settings; });
        previousGrabber = T_AM2000_Desktop::Instance().SetGrabber(
            [](const QRect& rect) { return Filled(rect.size(), qRgb(0, 0, 0)); });
        Add(QStringLiteral("Open"));
        save = Add(QStringLiteral("Save"));
        save->OnClick = [this](TObject*) { ++clicks; };
        popup.Options()->SetAnimation(T_AM2000_Animation::anNone);
    }
    void TearDown() override
    {
        delete tracker.Chooser().SelectionFade();
        MenuTracking::TearDown();
        T_AM2000_Desktop::Instance().SetGrabber(previousGrabber);
        T_AM2000_SystemSettings::SetSource(previousSettings);
    }
    void ChooseSave(Form& window)
    {
        Click(window, 1);
        Advance(T_AM2000_MenuTimer::PressPause);
    }

    T_AM2000_SystemSettings settings;
    TMenuItem2000* save = nullptr;
    int clicks = 0;

private:
    T_AM2000_SystemSettings::Source previousSettings;
    T_AM2000_Desktop::Grabber previousGrabber;
};

} // namespace

TEST_F(ChoosingWithFade, AFadingMenuLeavesTheChosenEntrysPictureOverItsPlace)
{
    popup.Options()->SetAnimation(T_AM2000_Animation::anFade);
    popup.Options()->Margins()->SetValueAt(T_AM2000_Margins::Frame, 2);
    Form* window = Open();
    ChooseSave(*window);
    // The menus closed and the command ran; the picture is still there.
    EXPECT_EQ(tracker.CurrentMenu(), nullptr);
    EXPECT_EQ(clicks, 1);
    Fade* fade = tracker.Chooser().SelectionFade();
    ASSERT_NE(fade, nullptr);
    EXPECT_TRUE(fade->isVisible());
    const QRect place = window->EntryRect(1).adjusted(-2, -2, 2, 2);
    EXPECT_EQ(fade->geometry(), place.translated(window->ScreenRect().topLeft()));
    const QImage picture = fade->Frame();
    const QImage canvas = window->CanvasImage();
    for (const QPoint point : {QPoint(0, 0), QPoint(5, 4), place.bottomRight() - place.topLeft()})
        EXPECT_EQ(picture.pixel(point), canvas.pixel(place.topLeft() + point)) << point.x();
}

TEST_F(ChoosingWithFade, TheDesktopsSelectionFadeCountsForMenusThatFollowIt)
{
    settings.selectionFade = false;
    ChooseSave(*Open());
    EXPECT_EQ(tracker.Chooser().SelectionFade(), nullptr);
    settings.selectionFade = true;
    mainMenu.SetSystemSelectionFade(false);
    ChooseSave(*Open());
    EXPECT_EQ(tracker.Chooser().SelectionFade(), nullptr);
    mainMenu.SetSystemSelectionFade(true);
    ChooseSave(*Open());
    EXPECT_NE(tracker.Chooser().SelectionFade(), nullptr);
    EXPECT_EQ(clicks, 3);
}

TEST_F(ChoosingWithFade, AMenuThatStaysOpenFadesNothing)
{
    settings.selectionFade = true;
    mainMenu.OnCloseQuery = [](TObject*, bool& canClose) { canClose = false; };
    Form* window = Open();
    ChooseSave(*window);
    EXPECT_EQ(tracker.Chooser().SelectionFade(), nullptr);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ChoosingWithFade, TheFadeOutlivesItsMenuComponent)
{
    settings.selectionFade = true;
    {
        TCustomPopupMenu2000 other(nullptr);
        Form* window = tracker.Popup(other, top, QPoint(30, 30));
        ChooseSave(*window);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QPointer<Fade> fade = tracker.Chooser().SelectionFade();
    ASSERT_TRUE(fade);
    for (int i = 0; i < Fade::Steps && fade; ++i) {
        now += Fade::StepInterval;
        QCoreApplication::sendPostedEvents(fade, T_AM2000_StepEvent::TypeId());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(fade);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ChoosingWithFade, ClosingAllMenusFreesTheDesktopSnapshot)
{
    T_AM2000_Desktop& desktop = T_AM2000_Desktop::Instance();
    Open();
    desktop.Content(QRect(10, 10, 50, 50));
    ASSERT_FALSE(desktop.Screenshots().empty());
    tracker.CloseAllMenus(true);
    EXPECT_TRUE(desktop.Screenshots().empty());
    // A menu bar switching straight to the next drop-down keeps it once.
    Open();
    desktop.Content(QRect(10, 10, 50, 50));
    desktop.SetKeep(true);
    tracker.CloseAllMenus(true);
    EXPECT_FALSE(desktop.Screenshots().empty());
    tracker.Popup(popup, top, QPoint(100, 100));
    tracker.CloseAllMenus(true);
    EXPECT_TRUE(desktop.Screenshots().empty());
    // Freeing the menu closes its chain too.
    {
        TCustomPopupMenu2000 other(nullptr);
        tracker.Popup(other, top, QPoint(10, 10));
        desktop.Content(QRect(10, 10, 50, 50));
    }
    EXPECT_TRUE(desktop.Screenshots().empty());
}

TEST_F(ChoosingWithFade, ASubmenusChosenEntryFadesIntoTheScreenAsItWasBeforeTheSubmenu)
{
    settings.selectionFade = true;
    TMenuItem2000* more = Add(QStringLiteral("More"));
    TMenuItem2000* deeper = Add(QStringLiteral("Deeper"), more);
    deeper->OnClick = [this](TObject*) { ++clicks; };
    T_AM2000_Desktop& desktop = T_AM2000_Desktop::Instance();
    const QRgb before = qRgb(0, 200, 100);
    desktop.SetGrabber([before](const QRect& rect) { return Filled(rect.size(), before); });
    Form* window = Open();
    Hover(*window, 2);
    Advance(T_AM2000_MenuTimer::SubmenuDelay);
    Form* child = window->ChildWindow();
    ASSERT_NE(child, nullptr);
    // The screen now shows the menus.
    desktop.SetGrabber([](const QRect& rect) { return Filled(rect.size(), qRgb(255, 255, 255)); });
    Click(*child, 0);
    Advance(T_AM2000_MenuTimer::PressPause);
    ASSERT_EQ(clicks, 1);
    Fade* fade = tracker.Chooser().SelectionFade();
    ASSERT_NE(fade, nullptr);
    const QPoint point(4, 3);
    const QRgb first = fade->Frame().pixel(point);
    now += Fade::StepInterval;
    QCoreApplication::sendPostedEvents(fade, T_AM2000_StepEvent::TypeId());
    const auto step = [](int from, int to) {
        return from + int(std::nearbyint((to - from) / 16.0));
    };
    EXPECT_EQ(fade->Frame().pixel(point),
              qRgb(step(qRed(first), qRed(before)), step(qGreen(first), qGreen(before)),
                   step(qBlue(first), qBlue(before))));
    EXPECT_NE(fade->Frame().pixel(point), first);
}

TEST_F(ChoosingWithFade, QuittingTheProgramFreesAFadeStillRunning)
{
    settings.selectionFade = true;
    ChooseSave(*Open());
    QPointer<Fade> fade = tracker.Chooser().SelectionFade();
    ASSERT_TRUE(fade);
    ASSERT_TRUE(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit",
                                          Qt::DirectConnection));
    EXPECT_FALSE(fade);
    EXPECT_EQ(tracker.Chooser().SelectionFade(), nullptr);
}
