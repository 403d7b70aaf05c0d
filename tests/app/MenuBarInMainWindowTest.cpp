#include "MainWindowFixture.h"

#include "TCustomPopupMenu2000Form.h"
#include "TMainMenu2000.h"
#include "TMenuBar2000.h"
#include "TMenuItem2000.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "T_AM2000_DropDownLayout.h"
#include "T_AM2000_MenuTracker.h"

#include <QDeadlineTimer>
#include <QMouseEvent>

namespace {

// How long a real-time wait may take before a test gives up, in milliseconds.
constexpr int patience = 3000;

class MenuBarInMainWindow : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        bar = dynamic_cast<TMenuBar2000*>(form->FindComponent(QStringLiteral("MenuBar20001")));
        ASSERT_NE(bar, nullptr);
    }
    void TearDown() override
    {
        tracker.CloseAllMenus(true);
        MainWindowFixture::TearDown();
    }
    template <class T> T* Named(const char* name) const
    {
        return dynamic_cast<T*>(form->FindComponent(QLatin1String(name)));
    }
    static void Send(QWidget* widget, QEvent::Type type, QPoint local)
    {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(Qt::LeftButton) : Qt::NoButton;
        QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
    // Presses the top item on the bar, as a user does to open its drop-down.
    void PressOnBar(const TMenuItem2000* top)
    {
        const int index = bar->BarItems().IndexOf(top);
        ASSERT_GE(index, 0);
        Send(bar, QEvent::MouseButtonPress, bar->BarItems().Entries()[index].rect.center());
    }
    // Chooses an entry of the open drop-down with the mouse and waits for its command.
    void ChooseInDropDown(const TMenuItem2000* entry)
    {
        TCustomPopupMenu2000Form* window = tracker.TopWindow();
        ASSERT_NE(window, nullptr);
        // The drop-down grows to its full size first.
        ASSERT_TRUE(WaitFor([window] { return window->size() == window->Layout().WindowSize(); }));
        const auto& entries = window->Entries();
        const auto found = std::find(entries.begin(), entries.end(), entry);
        ASSERT_NE(found, entries.end());
        const QPoint point = window->EntryRect(int(found - entries.begin())).center();
        Send(window, QEvent::MouseMove, point);
        Send(window, QEvent::MouseButtonRelease, point);
        WaitFor([this] { return tracker.TopWindow() == nullptr; });
    }
    template <class Condition> static bool WaitFor(Condition done)
    {
        const QDeadlineTimer deadline(patience);
        while (!done() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return done();
    }
    static void RunEventsFor(int milliseconds)
    {
        const QDeadlineTimer deadline(milliseconds);
        while (!deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    T_AM2000_MenuTracker& tracker = T_AM2000_MenuTracker::Instance();
    TMenuBar2000* bar = nullptr;
};

} // namespace

// The stored width is narrower than the three captions in the menu font: the last item,
// "【帮 助】", shows whole, its closing bracket drawn in the menu's text colour.
TEST_F(MenuBarInMainWindow, TheLastItemIsNotCutOff)
{
    const QRect last = bar->BarItems().Entries().back().rect;
    ASSERT_GT(last.x() + last.width(), 226);
    EXPECT_TRUE(bar->rect().contains(last));
    const QImage shown = bar->grab().toImage();
    // The caption is centred: its last character cell ends half the padding before the
    // item's right edge, and a Chinese character of the menu font is 12 pixels wide.
    const int textEnd = last.x() + last.width() - T_AM2000_BarItems::HorizontalPadding / 2;
    const QRect bracket(textEnd - 12, last.y(), 12, last.height());
    int ink = 0;
    for (int y = bracket.top(); y <= bracket.bottom(); ++y)
        for (int x = bracket.left(); x <= bracket.right(); ++x)
            ink += shown.rect().contains(x, y) && qGray(shown.pixel(x, y)) < 128;
    EXPECT_GT(ink, 3);
}

TEST_F(MenuBarInMainWindow, TheBarSitsInTheMenuStripShowingTheMainMenu)
{
    EXPECT_EQ(bar->Parent(), Named<TPanel>("Panel7"));
    // As stored, but as wide as the items need.
    EXPECT_EQ(bar->BoundsRect(), QRect(4, 0, std::max(226, bar->BarItems().Right()), 19));
    EXPECT_EQ(bar->Align(), TAlign::alNone);
    EXPECT_EQ(bar->Flat(), T_AM2000_FlatStyle::fsWinXP);
    EXPECT_EQ(bar->Menu(), Named<TMainMenu2000>("MainMenu20001"));
    ASSERT_EQ(bar->BarItems().Count(), 3);
    EXPECT_EQ(bar->BarItems().Entries()[0].item, Named<TMenuItem2000>("N1"));
    EXPECT_EQ(bar->BarItems().Entries()[2].item, Named<TMenuItem2000>("MenuItem2"));
    EXPECT_TRUE(bar->isVisible());
}

TEST_F(MenuBarInMainWindow, EveryCommandItemRunsTheHandlerOfItsPageButton)
{
    const std::pair<const char*, const char*> pairs[] = {
        {"MenuItem114", "SpeedButton1"}, {"MenuItem115", "SpeedButton2"},
        {"MenuItem116", "SpeedButton4"}, {"N6", "SpeedButton3"},
        {"MenuItem3", "SpeedButton5"},   {"MenuItem5", "SpeedButton7"},
        {"MenuItem110", "SpeedButton10"}};
    for (const auto& [item, button] : pairs) {
        const QString handler = Named<TMenuItem2000>(item)->OnClick.HandlerName();
        EXPECT_FALSE(handler.isEmpty()) << item;
        EXPECT_EQ(handler, Named<TSpeedButton>(button)->OnClick.HandlerName()) << item;
    }
}

TEST_F(MenuBarInMainWindow, TheMultimediaItemAndItsPageButtonBringTheSameStripToFront)
{
    auto* item = Named<TMenuItem2000>("MenuItem115");
    auto* button = Named<TSpeedButton>("SpeedButton2");
    ASSERT_EQ(item->Caption(), QStringLiteral("多媒体类"));
    ASSERT_EQ(button->Caption(), QStringLiteral(" 多媒体   "));
    QWidget* before = TopStrip();
    button->OnClick(button);
    QWidget* byButton = TopStrip();
    ASSERT_NE(byButton, before);
    Named<TSpeedButton>("SpeedButton1")->OnClick(nullptr);
    ASSERT_EQ(TopStrip(), before);

    PressOnBar(Named<TMenuItem2000>("N1"));
    ChooseInDropDown(item);
    EXPECT_EQ(TopStrip(), byButton);
    EXPECT_EQ(bar->BarState(), T_AM2000_BarState::bsIdle);
}

TEST_F(MenuBarInMainWindow, EachCategoryItemBringsTheStripOfItsPageButton)
{
    const std::pair<const char*, const char*> pairs[] = {
        {"MenuItem116", "SpeedButton4"}, {"N6", "SpeedButton3"}, {"MenuItem114", "SpeedButton1"}};
    for (const auto& [itemName, buttonName] : pairs) {
        auto* button = Named<TSpeedButton>(buttonName);
        button->OnClick(button);
        QWidget* byButton = TopStrip();
        Named<TSpeedButton>("SpeedButton2")->OnClick(nullptr);
        PressOnBar(Named<TMenuItem2000>("N1"));
        ChooseInDropDown(Named<TMenuItem2000>(itemName));
        EXPECT_EQ(TopStrip(), byButton) << itemName;
    }
}

TEST_F(MenuBarInMainWindow, ClosingTheWindowWhileADropDownOpensLeavesNothingBehind)
{
    PressOnBar(Named<TMenuItem2000>("N2"));
    ASSERT_NE(tracker.TopWindow(), nullptr);
    QCoreApplication::processEvents();
    Application->SetMainForm(nullptr);
    MianForm = nullptr;
    form.reset();
    EXPECT_EQ(tracker.TopWindow(), nullptr);
    RunEventsFor(300);
    EXPECT_EQ(tracker.TopWindow(), nullptr);
}

TEST_F(MenuBarInMainWindow, ClosingTheWindowWithTheBarsHoverDelayPendingLeavesNothingBehind)
{
    const QPoint over = bar->BarItems().Entries()[1].rect.center();
    Send(bar, QEvent::MouseMove, over);
    ASSERT_EQ(bar->BarState(), T_AM2000_BarState::bsHot);
    Application->SetMainForm(nullptr);
    MianForm = nullptr;
    form.reset();
    RunEventsFor(700);
    EXPECT_EQ(tracker.TopWindow(), nullptr);
}
