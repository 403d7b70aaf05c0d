#include "TSoundQueue.h"
#include "Waits.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

// A request that holds the queue's thread until the test lets it go.
class Gate {
public:
    TSoundQueue::Request Holder()
    {
        return [this] {
            m_entered.set_value();
            m_opened.wait();
        };
    }
    void WaitUntilHeld() { m_entered.get_future().wait(); }
    void Open() { m_open.set_value(); }

private:
    std::promise<void> m_entered;
    std::promise<void> m_open;
    std::shared_future<void> m_opened = m_open.get_future().share();
};

} // namespace

TEST(SoundQueue, RequestsRunInOrderOnAThreadOfTheirOwn)
{
    std::mutex mutex;
    std::vector<int> ran;
    std::promise<std::thread::id> last;
    {
        TSoundQueue queue;
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(queue.Post([&, i] {
                const std::lock_guard lock(mutex);
                ran.push_back(i);
            }));
        }
        EXPECT_TRUE(queue.Post([&] { last.set_value(std::this_thread::get_id()); }));
        auto id = last.get_future();
        ASSERT_EQ(id.wait_for(10s), std::future_status::ready);
        EXPECT_NE(id.get(), std::this_thread::get_id());
    }
    EXPECT_EQ(ran, (std::vector<int>{0, 1, 2}));
}

TEST(SoundQueue, PostReturnsWhileARequestIsStillRunning)
{
    Gate gate;
    std::atomic<int> after = 0;
    TSoundQueue queue;
    queue.Post(gate.Holder());
    gate.WaitUntilHeld();
    EXPECT_TRUE(queue.Post([&] { ++after; }));
    EXPECT_EQ(after, 0);
    gate.Open();
}

TEST(SoundQueue, RequestsBeyondTheCapacityAreDroppedWhileOthersWait)
{
    Gate gate;
    std::atomic<int> ran = 0;
    std::promise<void> done;
    {
        TSoundQueue queue(2);
        queue.Post(gate.Holder());
        gate.WaitUntilHeld();
        EXPECT_TRUE(queue.Post([&] { ++ran; }));
        EXPECT_TRUE(queue.Post([&] { ++ran; }));
        EXPECT_FALSE(queue.Post([&] { ++ran; }));
        gate.Open();
        // Once the two waiting requests ran, there is room again.
        ASSERT_TRUE(SpinFor([&ran] { return ran == 2; }));
        EXPECT_TRUE(queue.Post([&] { done.set_value(); }));
        ASSERT_EQ(done.get_future().wait_for(10s), std::future_status::ready);
    }
    EXPECT_EQ(ran, 2);
}

TEST(SoundQueue, EndingWaitsForTheRunningRequest)
{
    Gate gate;
    std::atomic<bool> finished = false;
    auto queue = std::make_unique<TSoundQueue>();
    queue->Post([&] {
        gate.Holder()();
        finished = true;
    });
    gate.WaitUntilHeld();
    std::promise<pid_t> enderThread;
    std::thread ender([&] {
        enderThread.set_value(gettid());
        queue.reset();
    });
    // The gate opens only once the queue's end waits for the request.
    EXPECT_TRUE(WaitUntilAsleep(enderThread.get_future().get()));
    gate.Open();
    ender.join();
    EXPECT_TRUE(finished);
}
