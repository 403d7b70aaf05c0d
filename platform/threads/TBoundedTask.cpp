#include "TBoundedTask.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// What the waiting caller and the working thread share.
struct TaskState {
    std::mutex lock;
    std::condition_variable finished;
    bool done = false;
    bool succeeded = false;
};

// Threads whose work overran: joined when the program ends, so that none of them is
// still running while the libraries it uses are taken down.
class Stragglers {
public:
    ~Stragglers()
    {
        for (Straggler& straggler : m_threads)
            straggler.thread.join();
    }

    void Adopt(std::thread thread, std::shared_ptr<TaskState> state)
    {
        const std::lock_guard guard(m_lock);
        std::erase_if(m_threads, [](Straggler& straggler) {
            const std::lock_guard done(straggler.state->lock);
            if (!straggler.state->done)
                return false;
            straggler.thread.join();
            return true;
        });
        m_threads.push_back({std::move(thread), std::move(state)});
    }

private:
    struct Straggler {
        std::thread thread;
        std::shared_ptr<TaskState> state;
    };
    std::mutex m_lock;
    std::vector<Straggler> m_threads;
};

Stragglers& TheStragglers()
{
    static Stragglers stragglers;
    return stragglers;
}

} // namespace

bool TBoundedTask::RunVoid(std::function<void()> work, int budgetMs)
{
    Stragglers& stragglers = TheStragglers(); // made before any thread may need it
    auto state = std::make_shared<TaskState>();
    std::thread thread([state, work = std::move(work)] {
        bool succeeded = true;
        try {
            work();
        } catch (...) {
            succeeded = false;
        }
        const std::lock_guard guard(state->lock);
        state->done = true;
        state->succeeded = succeeded;
        state->finished.notify_all();
    });
    std::unique_lock wait(state->lock);
    if (state->finished.wait_for(wait, std::chrono::milliseconds(budgetMs),
                                 [&] { return state->done; })) {
        const bool succeeded = state->succeeded;
        wait.unlock();
        thread.join();
        return succeeded;
    }
    wait.unlock();
    stragglers.Adopt(std::move(thread), std::move(state));
    return false;
}
