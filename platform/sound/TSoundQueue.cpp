#include "TSoundQueue.h"

TSoundQueue::TSoundQueue(std::size_t capacity)
    : m_capacity(capacity)
{}

TSoundQueue::~TSoundQueue()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_waiting.clear();
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

bool TSoundQueue::Post(Request request)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_stopping || m_waiting.size() >= m_capacity)
            return false;
        m_waiting.push_back(std::move(request));
        if (!m_thread.joinable())
            m_thread = std::thread([this] { Run(); });
    }
    m_wake.notify_one();
    return true;
}

void TSoundQueue::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_waiting.empty(); });
        if (m_stopping)
            return;
        Request request = std::move(m_waiting.front());
        m_waiting.pop_front();
        lock.unlock();
        request();
        lock.lock();
    }
}
