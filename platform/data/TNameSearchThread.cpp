#include "TNameSearchThread.h"

#include "Exception.h"
#include "TNameSearch.h"

#include <utility>

TNameSearchThread::TNameSearchThread(std::unique_ptr<TNameSearch> search)
    : m_search(std::move(search))
    , m_thread([this] { Run(); })
{}

TNameSearchThread::~TNameSearchThread()
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void TNameSearchThread::Find(const QString& text)
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_text = text;
        ++m_asked;
    }
    m_wake.notify_one();
}

void TNameSearchThread::Run()
{
    quint64 searched = 0;
    for (;;) {
        QString text;
        quint64 generation = 0;
        {
            std::unique_lock<std::mutex> lock(m_lock);
            m_wake.wait(lock, [&] { return m_stopping || m_asked != searched; });
            if (m_stopping)
                return;
            text = m_text;
            generation = searched = m_asked;
        }
        const auto abandoned = [&] { return m_asked != generation || m_stopping; };
        TFound found{text, {}, {}};
        try {
            if (m_search->Scans(text))
                HandOver(generation, [this, text] {
                    if (OnScanning)
                        OnScanning(text);
                });
            found.keys = m_search->Find(text, abandoned);
        } catch (const EAbort&) {
            continue;
        } catch (const std::exception& error) {
            found.error = QString::fromUtf8(error.what());
        }
        if (abandoned())
            continue;
        HandOver(generation, [this, generation, found = std::move(found)] {
            m_handedOver = generation;
            if (OnFound)
                OnFound(found);
        });
    }
}

void TNameSearchThread::HandOver(quint64 generation, std::function<void()> work)
{
    QMetaObject::invokeMethod(
        &m_receiver,
        [this, generation, work = std::move(work)] {
            if (generation == m_asked)
                work();
        },
        Qt::QueuedConnection);
}
