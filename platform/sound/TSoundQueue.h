#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// Runs requests one after another on a thread of its own, so that a sound library that
// looks up files or waits for its server never holds up the caller. The thread starts
// with the first request. While requests are waiting beyond the capacity, new ones are
// dropped: a sound that would come that late is better not heard.
class TSoundQueue {
public:
    using Request = std::function<void()>;
    static constexpr std::size_t DefaultCapacity = 8;

    explicit TSoundQueue(std::size_t capacity = DefaultCapacity);
    // Lets the running request finish, drops those still waiting and ends the thread.
    ~TSoundQueue();
    TSoundQueue(const TSoundQueue&) = delete;
    TSoundQueue& operator=(const TSoundQueue&) = delete;

    // Returns at once; false when the request was dropped.
    bool Post(Request request);

private:
    void Run();

    const std::size_t m_capacity;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Request> m_waiting;
    bool m_stopping = false;
    std::thread m_thread;
};
