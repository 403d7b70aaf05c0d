#include "TBoundedTask.h"

#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

namespace {

// A gate that work waits at until the test opens it.
struct Gate {
    std::mutex lock;
    std::condition_variable opened;
    bool open = false;

    void Wait()
    {
        std::unique_lock wait(lock);
        opened.wait(wait, [this] { return open; });
    }
    void Open()
    {
        const std::lock_guard guard(lock);
        open = true;
        opened.notify_all();
    }
};

} // namespace

TEST(BoundedTask, ReturnsWhatFinishedWorkGives)
{
    EXPECT_EQ(TBoundedTask::Run<int>([] { return 42; }, 10'000), 42);
    EXPECT_EQ(TBoundedTask::Run<int>([]() -> int { throw 1; }, 10'000), std::nullopt);
}

TEST(BoundedTask, GivesUpOnWorkThatOverrunsAndLetsItFinishAlone)
{
    auto gate = std::make_shared<Gate>();
    auto finished = std::make_shared<Gate>();
    const std::optional<int> result = TBoundedTask::Run<int>(
        [gate, finished] {
            gate->Wait();
            finished->Open();
            return 7;
        },
        20);
    EXPECT_EQ(result, std::nullopt);
    gate->Open();
    finished->Wait(); // the abandoned work still runs to its end
}
