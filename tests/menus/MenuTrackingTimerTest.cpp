#include "TTickCount.h"
#include "T_AM2000_MenuTimer.h"

#include <QObject>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Callback = T_AM2000_TimerCallback;

class SharedTimer : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = TTickCount::SetSource([this] { return now; });
    }
    void TearDown() override
    {
        timer.Stop();
        TTickCount::SetSource(previous);
    }

    T_AM2000_MenuTimer& timer = T_AM2000_MenuTimer::Instance();
    QObject owner;
    qint64 now = 100;
    TTickCount::Source previous;
};

} // namespace

TEST_F(SharedTimer, FiresOnceWhenPolledAtItsDueTime)
{
    int fired = 0;
    timer.Start(250, Callback::tcSubmenu, &owner, [&fired] { ++fired; });
    now += 249;
    EXPECT_FALSE(timer.Poll());
    EXPECT_EQ(fired, 0);
    now += 1;
    EXPECT_TRUE(timer.Poll());
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(timer.Running());
    now += 250;
    EXPECT_FALSE(timer.Poll());
    EXPECT_EQ(fired, 1);
}

TEST_F(SharedTimer, IsPendingOnlyForItsOwnIntervalAndCallback)
{
    timer.Start(25, Callback::tcSubmenu, &owner, [] {});
    EXPECT_TRUE(timer.TimerPending(25, Callback::tcSubmenu));
    EXPECT_FALSE(timer.TimerPending(250, Callback::tcSubmenu));
    EXPECT_FALSE(timer.TimerPending(25, Callback::tcExpand));
    timer.Stop();
    EXPECT_FALSE(timer.TimerPending(25, Callback::tcSubmenu));
}

TEST_F(SharedTimer, StartingAgainReplacesTheCallbackAndItsDueTime)
{
    int first = 0, second = 0;
    timer.Start(100, Callback::tcPress, &owner, [&first] { ++first; });
    now += 90;
    timer.Start(2000, Callback::tcExpand, &owner, [&second] { ++second; });
    now += 10;
    EXPECT_FALSE(timer.Poll());
    now += 1990;
    EXPECT_TRUE(timer.Poll());
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
}

TEST_F(SharedTimer, ACallbackOfAnObjectThatIsGoneIsDropped)
{
    int fired = 0;
    auto object = std::make_unique<QObject>();
    timer.Start(10, Callback::tcScroll, object.get(), [&fired] { ++fired; });
    object.reset();
    now += 10;
    timer.Poll();
    EXPECT_EQ(fired, 0);
    EXPECT_FALSE(timer.Running());
}

TEST_F(SharedTimer, ACallbackMayStartTheTimerAgain)
{
    int fired = 0;
    std::function<void()> repeat = [&] {
        if (++fired < 3)
            timer.Start(10, Callback::tcScroll, &owner, repeat);
    };
    timer.Start(100, Callback::tcScroll, &owner, repeat);
    now += 100;
    timer.Poll();
    EXPECT_TRUE(timer.TimerPending(10, Callback::tcScroll));
    now += 10;
    timer.Poll();
    now += 10;
    timer.Poll();
    EXPECT_EQ(fired, 3);
    EXPECT_FALSE(timer.Running());
}
