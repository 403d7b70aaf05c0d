#include "MenuBarTestSupport.h"
#include "MenuFirstFrame.h"
#include "TCustomPopupMenu2000Form.h"
#include "TScreen.h"
#include "TWindowStack.h"
#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_DropShadow.h"
#include "T_AM2000_MenuOpener.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_PooledWindow.h"
#include "T_AM2000_StepEvent.h"
#include "T_AM2000_SystemSettings.h"
#include "T_AM2000_WindowPool.h"

#include <QApplication>
#include <QPointer>
#include <optional>

namespace {

using Form = TCustomPopupMenu2000Form;
using Timer = T_AM2000_MenuTimer;

// The bar's menu with a submenu under "File", so that chains reach depth 1, and the
// windows kept for them looked at from outside.
class MenuWindowPool : public MenuBarTest {
protected:
    void SetUp() override
    {
        MenuBarTest::SetUp();
        recent = AddItem(QStringLiteral("Recent"), file);
        AddItem(QStringLiteral("One"), recent);
    }
    void TearDown() override
    {
        MenuBarTest::TearDown();
        if (previousSettings)
            T_AM2000_SystemSettings::SetSource(*previousSettings);
    }
    void UseSettings(bool layered)
    {
        const auto previous = T_AM2000_SystemSettings::SetSource([layered] {
            T_AM2000_SystemSettings settings;
            settings.menuAnimation = true;
            settings.layeredWindows = layered;
            return settings;
        });
        if (!previousSettings)
            previousSettings = previous;
    }
    // Opens "File" from the bar, and with submenu its "Recent" submenu; returns the
    // deepest window.
    Form* OpenFile(bool submenu)
    {
        Click(0);
        Form* window = tracker.TopWindow();
        if (!window || !submenu)
            return window;
        tracker.Pointer().MouseMove(*window, window->EntryRect(2).center());
        Advance(Timer::SubmenuDelay);
        return window->ChildWindow();
    }
    void CloseAndFree()
    {
        tracker.CloseAllMenus(true);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static std::vector<T_AM2000_PooledWindow*> KeptWindows()
    {
        std::vector<T_AM2000_PooledWindow*> kept;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* pooled = dynamic_cast<T_AM2000_PooledWindow*>(window))
                kept.push_back(pooled);
        }
        return kept;
    }
    // No window of the menus is on the screen, and none takes the pointer where the
    // chain was.
    void ExpectNothingLeftAt(const QRect& where) const
    {
        for (T_AM2000_PooledWindow* kept : KeptWindows())
            EXPECT_FALSE(kept->isVisible());
        for (QWidget* window : Screen->Windows().Visible())
            EXPECT_EQ(dynamic_cast<T_AM2000_PooledWindow*>(window), nullptr);
        const QWidget* under = QApplication::widgetAt(where.center());
        EXPECT_TRUE(!under || !dynamic_cast<const T_AM2000_PooledWindow*>(under->window()));
        EXPECT_EQ(tracker.TopWindow(), nullptr);
    }

    TMenuItem2000* recent = nullptr;
    std::optional<T_AM2000_SystemSettings::Source> previousSettings;
};

} // namespace

TEST_F(MenuWindowPool, TheNextOpeningIsShownInTheWindowsKeptAtDepthsZeroAndOne)
{
    Form* child = OpenFile(true);
    ASSERT_NE(child, nullptr);
    const QWidget* top = tracker.TopWindow()->window();
    const QWidget* below = child->window();
    EXPECT_NE(top, tracker.TopWindow());
    EXPECT_NE(below, top);
    const int kept = tracker.Opener().Pool().Count();
    CloseAndFree();
    for (int round = 0; round < 3; ++round) {
        child = OpenFile(true);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(tracker.TopWindow()->window(), top);
        EXPECT_EQ(child->window(), below);
        EXPECT_TRUE(child->isVisible());
        CloseAndFree();
    }
    EXPECT_EQ(tracker.Opener().Pool().Count(), kept);
}

// Moving from one submenu to the next frees the closed one only once control is back in
// the event loop: the next one is lent another window meanwhile, and the two take turns.
TEST_F(MenuWindowPool, AClosedWindowNotYetFreedKeepsItsWindowFromTheNextOpening)
{
    AddItem(QStringLiteral("Two"), AddItem(QStringLiteral("More"), file));
    Form* child = OpenFile(true);
    ASSERT_NE(child, nullptr);
    Form* window = tracker.TopWindow();
    const QWidget* first = child->window();
    const auto hover = [&](int index) {
        tracker.Pointer().MouseMove(*window, window->EntryRect(index).center());
        Advance(Timer::SubmenuDelay);
        return window->ChildWindow();
    };
    child = hover(3);
    ASSERT_NE(child, nullptr);
    const QWidget* second = child->window();
    EXPECT_NE(second, first);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    child = hover(2);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->window(), first);
    EXPECT_TRUE(child->isVisible());
    EXPECT_FALSE(second->isVisible());
}

TEST_F(MenuWindowPool, EveryWayOfClosingTheChainLeavesNoWindowOnTheScreen)
{
    menu.Options()->SetFlags({T_AM2000_Flag::mfDropShadow});
    const auto opened = [this] {
        Form* child = OpenFile(true);
        EXPECT_NE(child, nullptr);
        return child ? child->ScreenRect() : QRect();
    };

    QRect where = opened();
    const QPoint away(390, 50);
    QMouseEvent outside(QEvent::MouseButtonPress, QPointF(away), QPointF(host.mapToGlobal(away)),
                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&host, &outside);
    ExpectNothingLeftAt(where);

    where = opened();
    QEvent deactivate(QEvent::ApplicationDeactivate);
    QCoreApplication::sendEvent(qApp, &deactivate);
    ExpectNothingLeftAt(where);

    where = opened();
    Key(Qt::Key_Escape);
    Key(Qt::Key_Escape);
    ExpectNothingLeftAt(where);

    // A command whose handler frees the whole menu.
    where = opened();
    auto* one = static_cast<TMenuItem2000*>(recent->Items(0));
    one->OnClick = [this](TObject*) { bar.reset(); };
    tracker.Chooser().ExecuteEntry(*tracker.DeepestWindow(), *one);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ExpectNothingLeftAt(where);
}

TEST_F(MenuWindowPool, MenusOfDifferentSizesShowEachAtItsOwnSizeFromTheFirstFrame)
{
    for (int i = 0; i < 12; ++i)
        AddItem(QStringLiteral("A longer entry of the help menu %1").arg(i), help);
    std::vector<QSize> firstFrames;
    struct FirstFrame : QObject {
        std::vector<QSize>* sizes;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            auto* form = dynamic_cast<Form*>(watched);
            if (event->type() == QEvent::Paint && form && sizes->empty())
                sizes->push_back(form->window()->size());
            return false;
        }
    } watch;
    watch.sizes = &firstFrames;
    qApp->installEventFilter(&watch);
    for (int index : {2, 0, 2, 1}) {
        firstFrames.clear();
        Click(index);
        Form* window = tracker.TopWindow();
        ASSERT_NE(window, nullptr);
        for (int i = 0; i < 50 && firstFrames.empty(); ++i)
            QCoreApplication::processEvents();
        ASSERT_EQ(firstFrames.size(), 1u) << index;
        EXPECT_EQ(firstFrames.front(), window->Layout().WindowSize()) << index;
        EXPECT_EQ(window->ScreenRect().size(), window->Layout().WindowSize()) << index;
        CloseAndFree();
    }
    qApp->removeEventFilter(&watch);
}

TEST_F(MenuWindowPool, AKeptWindowCarriesNothingOverFromItsLastMenu)
{
    UseSettings(true);
    menu.Options()->SetOpacity(50);
    menu.Options()->SetFlags({T_AM2000_Flag::mfDropShadow});
    Form* window = OpenFile(false);
    ASSERT_NE(window, nullptr);
    QWidget* kept = window->window();
    EXPECT_LT(kept->windowOpacity(), 1.0);
    const QSize fileSize = window->Layout().WindowSize();
    CloseAndFree();

    // Opaque, without a shadow, on a desktop that composes nothing, and smaller.
    UseSettings(false);
    menu.Options()->SetOpacity(100);
    menu.Options()->SetFlags({});
    Click(1);
    window = tracker.TopWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->window(), kept);
    EXPECT_EQ(kept->windowOpacity(), 1.0);
    EXPECT_NE(window->Layout().WindowSize(), fileSize);
    EXPECT_EQ(kept->size(), window->Layout().WindowSize());
    EXPECT_FALSE(kept->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(Screen->Windows().Visible().back(), kept);
    for (T_AM2000_PooledWindow* other : KeptWindows())
        EXPECT_TRUE(other == kept || !other->isVisible());
}

// A shadow's kept window has an alpha channel exactly where the desktop composes, and
// never takes the pointer; its picture is made for the shadow it holds.
TEST_F(MenuWindowPool, AShadowsKeptWindowFollowsTheDesktopsComposition)
{
    menu.Options()->SetFlags({T_AM2000_Flag::mfDropShadow});
    for (bool layered : {true, false, true}) {
        UseSettings(layered);
        Form* window = OpenFile(false);
        ASSERT_NE(window, nullptr);
        PaintFirstFrame(*window);
        T_AM2000_DropShadow* shadow = nullptr;
        for (QWidget* widget : QApplication::allWidgets()) {
            if (auto* found = dynamic_cast<T_AM2000_DropShadow*>(widget);
                found && found->isVisible())
                shadow = found;
        }
        ASSERT_NE(shadow, nullptr);
        QWidget* kept = shadow->window();
        EXPECT_NE(kept, shadow);
        EXPECT_EQ(kept->testAttribute(Qt::WA_TranslucentBackground), layered);
        EXPECT_TRUE(kept->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_EQ(shadow->RightStrip().height(), window->ScreenRect().height());
        CloseAndFree();
    }
}

TEST_F(MenuWindowPool, TheKeptWindowsGoAtExitWhetherHiddenOrShowingAGrowingMenu)
{
    UseSettings(false);
    menu.Options()->SetFlags({T_AM2000_Flag::mfDropShadow});
    ASSERT_NE(OpenFile(true), nullptr);
    CloseAndFree();
    ASSERT_GT(tracker.Opener().Pool().Count(), 0);
    menu.Options()->SetAnimation(T_AM2000_Animation::anVertStretch);
    Click(0);
    QPointer<Form> growing = tracker.TopWindow();
    ASSERT_TRUE(growing);
    // The main window closes: the program quits with the drop-down still growing.
    ASSERT_TRUE(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit",
                                          Qt::DirectConnection));
    EXPECT_EQ(tracker.Opener().Pool().Count(), 0);
    EXPECT_TRUE(KeptWindows().empty());
    now += 100;
    QCoreApplication::sendPostedEvents(nullptr, T_AM2000_StepEvent::TypeId());
    bar.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_EQ(tracker.TopWindow(), nullptr);
}
