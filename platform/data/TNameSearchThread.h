#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class TNameSearch;

// Runs a name search (TNameSearch) on a thread of its own, so that the interface thread
// never waits for it while the user types. Find(text) asks for a text and abandons the
// search that still runs for an earlier one; only the last text asked for is searched
// to its end. What comes of it is handed to the interface thread, for the last text
// asked for only: OnScanning when its search has begun to read every row (the caller may
// show that it waits), then OnFound with the keys found, or with the error that stopped
// the search.
class TNameSearchThread {
public:
    struct TFound {
        QString text;
        std::vector<qint64> keys;
        QString error; // empty unless the search failed
    };

    // Made on the interface thread; search is used on the new thread from then on.
    explicit TNameSearchThread(std::unique_ptr<TNameSearch> search);
    // Abandons the running search and waits for the thread to end; nothing is handed
    // over afterwards.
    ~TNameSearchThread();
    TNameSearchThread(const TNameSearchThread&) = delete;
    TNameSearchThread& operator=(const TNameSearchThread&) = delete;

    void Find(const QString& text);
    // True from Find until what came of its text has been handed over.
    bool Busy() const { return m_handedOver != m_asked.load(); }

    std::function<void(const QString& text)> OnScanning;
    std::function<void(const TFound& found)> OnFound;

private:
    void Run();
    // Hands work over to the interface thread, dropped unless generation is the last
    // one asked for when it runs there.
    void HandOver(quint64 generation, std::function<void()> work);

    std::unique_ptr<TNameSearch> m_search;
    // Lives on the interface thread: what is handed over is queued to it, and dropped
    // with it.
    QObject m_receiver;
    std::mutex m_lock;
    std::condition_variable m_wake;
    QString m_text; // the last text asked for (under m_lock)
    std::atomic<bool> m_stopping = false;
    std::atomic<quint64> m_asked = 0; // how many texts were asked for
    quint64 m_handedOver = 0;         // the last of them whose outcome was handed over
    std::thread m_thread;
};
