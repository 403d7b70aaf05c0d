#include "Exception.h"
#include "InterfaceThread.h"
#include "TNameSearch.h"
#include "TNameSearchThread.h"
#include "Waits.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <thread>

// The search thread: the interface thread asks for texts and never waits; a search still
// running when the next text is asked for is abandoned, and only the last text's outcome
// comes back, on the interface thread.

namespace {

// Finds one key, the text's length. A text starting with "slow" runs until abandoned;
// "fail" fails; texts shorter than three characters are read row by row.
class TScriptedSearch : public TNameSearch {
public:
    bool HasNames() const override { return true; }
    bool Scans(const QString& text) override { return text.size() < 3; }
    std::vector<qint64> Find(const QString& text, const TAbandoned& abandoned) override
    {
        Note(started, text);
        if (text.startsWith(QLatin1String("slow"))) {
            while (!abandoned())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            Note(abandonedTexts, text);
            throw EAbort(text);
        }
        if (text == QLatin1String("fail"))
            throw EDatabaseError(QStringLiteral("the catalogue is broken"));
        return {text.size()};
    }

    QStringList Started() const { return Copy(started); }
    QStringList Abandoned() const { return Copy(abandonedTexts); }

private:
    void Note(QStringList& list, const QString& text)
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        list << text;
    }
    QStringList Copy(const QStringList& list) const
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        return list;
    }

    mutable std::mutex m_lock;
    QStringList started;
    QStringList abandonedTexts;
};

class SearchThread : public ::testing::Test {
protected:
    SearchThread()
    {
        auto owned = std::make_unique<TScriptedSearch>();
        search = owned.get();
        thread = std::make_unique<TNameSearchThread>(std::move(owned));
        thread->OnScanning = [this](const QString& text) {
            events << QStringLiteral("scan ") + text;
        };
        thread->OnFound = [this](const TNameSearchThread::TFound& found) {
            EXPECT_TRUE(OnInterfaceThread());
            events << found.text + QLatin1Char(' ') +
                          (found.error.isEmpty()
                               ? QString::number(found.keys.size() == 1 ? found.keys.front() : -1)
                               : found.error);
        };
    }

    bool HandedOver() const
    {
        return WaitFor([this] { return !thread->Busy(); });
    }

    TScriptedSearch* search = nullptr;
    std::unique_ptr<TNameSearchThread> thread;
    QStringList events;
};

} // namespace

TEST_F(SearchThread, TheSearchRunningWhenTheNextTextComesIsAbandonedAndOnlyTheLastIsHandedOver)
{
    thread->Find(QStringLiteral("slow copy"));
    ASSERT_TRUE(SpinFor([this] { return !search->Started().isEmpty(); }));
    EXPECT_TRUE(thread->Busy());
    thread->Find(QStringLiteral("cop"));
    thread->Find(QStringLiteral("copy"));
    ASSERT_TRUE(HandedOver());
    EXPECT_EQ(search->Abandoned(), QStringList{"slow copy"});
    EXPECT_EQ(search->Started().last(), QStringLiteral("copy"));
    EXPECT_EQ(events, QStringList{"copy 4"});
}

TEST_F(SearchThread, AReadOfEveryRowIsToldBeforeItsResultAndErrorsAreHandedOver)
{
    thread->Find(QStringLiteral("ab"));
    ASSERT_TRUE(HandedOver());
    thread->Find(QStringLiteral("fail"));
    ASSERT_TRUE(HandedOver());
    EXPECT_EQ(events, (QStringList{"scan ab", "ab 2", "fail the catalogue is broken"}));
}

TEST_F(SearchThread, EndingWhileASearchRunsAbandonsItAndHandsNothingOver)
{
    thread->Find(QStringLiteral("slow"));
    ASSERT_TRUE(SpinFor([this] { return !search->Started().isEmpty(); }));
    thread.reset();
    QCoreApplication::processEvents();
    EXPECT_TRUE(events.isEmpty());
}
