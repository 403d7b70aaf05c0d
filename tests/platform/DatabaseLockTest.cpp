#include "Exception.h"
#include "PictureDataTest.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TField.h"
#include "Waits.h"

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace {

// A query of the main window over a database that another program (the test's own
// connection) uses at the same time.
class SharedDatabase : public PictureDataTest {
protected:
    void SetUp() override
    {
        catalogue.Add({0, QByteArray("a")});
        catalogue.Add({0, QByteArray("b")});
        query->SetSQLLine(1, QStringLiteral("where parent=0"));
    }
};

} // namespace

TEST_F(SharedDatabase, ReadingWorksWhileAnotherProgramIsWriting)
{
    ASSERT_TRUE(catalogue.Exec("BEGIN IMMEDIATE")) << catalogue.LastError().toStdString();
    ASSERT_TRUE(catalogue.Exec("UPDATE picture SET parent = 0"))
        << catalogue.LastError().toStdString();
    query->Open();
    EXPECT_EQ(query->RecordCount(), 2);
    // No lock is held after opening: the other program can commit.
    EXPECT_TRUE(catalogue.Exec("COMMIT")) << catalogue.LastError().toStdString();
}

TEST_F(SharedDatabase, AnotherProgramCanWriteWhileTheQueryIsOpenAndBlobsAreRead)
{
    query->Open();
    EXPECT_EQ(query->FieldByName(QStringLiteral("Mirelvane"))->AsString(), QStringLiteral("a"));
    EXPECT_TRUE(catalogue.Exec("BEGIN EXCLUSIVE")) << catalogue.LastError().toStdString();
    EXPECT_TRUE(catalogue.Exec("UPDATE picture SET Mirelvane = x'7a' WHERE ID = 2"))
        << catalogue.LastError().toStdString();
    EXPECT_TRUE(catalogue.Exec("COMMIT")) << catalogue.LastError().toStdString();
    query->Next();
    EXPECT_EQ(query->FieldByName(QStringLiteral("Mirelvane"))->AsString(), QStringLiteral("z"));
}

TEST_F(SharedDatabase, AnExclusiveLockIsWaitedForUpToTheTimeoutThenNamed)
{
    connection->Open();
    query->SetBusyTimeoutMs(300);
    ASSERT_TRUE(catalogue.Exec("BEGIN EXCLUSIVE")) << catalogue.LastError().toStdString();
    QElapsedTimer timer;
    timer.start();
    try {
        query->Open();
        ADD_FAILURE();
    } catch (const EDatabaseError& error) {
        EXPECT_GE(timer.elapsed(), 250);
        EXPECT_EQ(
            error.Message(),
            QStringLiteral("Cannot run the query on database '%1': the file is locked by "
                           "another program and stayed locked for 300 ms (database is locked).")
                .arg(catalogue.Location()));
    }
    EXPECT_FALSE(query->Active());
    catalogue.Exec("ROLLBACK");
    query->Open();
    EXPECT_EQ(query->RecordCount(), 2);
}

TEST_F(SharedDatabase, ALockReleasedWithinTheTimeoutIsNoError)
{
    connection->Open();
    query->SetBusyTimeoutMs(20000);
    ASSERT_TRUE(catalogue.Exec("BEGIN EXCLUSIVE")) << catalogue.LastError().toStdString();
    // The other program commits only once the query is asleep waiting for the lock, so
    // the test always takes the waiting path, however the threads are scheduled.
    const pid_t opener = gettid();
    bool sawWaiting = false;
    std::thread other([&] {
        sawWaiting = WaitUntilAsleep(opener);
        catalogue.Exec("COMMIT");
    });
    query->Open();
    other.join();
    EXPECT_TRUE(sawWaiting) << "the query never waited for the lock";
    EXPECT_EQ(query->RecordCount(), 2);
}

TEST_F(SharedDatabase, PostingWaitsForTheLockAndReportsItClearly)
{
    query->SetBusyTimeoutMs(200);
    query->Open();
    query->Edit();
    query->FieldByName(QStringLiteral("Mirelvane"))->SetValue(QByteArray("new"));
    ASSERT_TRUE(catalogue.Exec("BEGIN IMMEDIATE")) << catalogue.LastError().toStdString();
    try {
        query->Post();
        ADD_FAILURE();
    } catch (const EDatabaseError& error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("locked by another program")))
            << error.Message().toStdString();
    }
    EXPECT_EQ(query->State(), TDataSetState::dsEdit);
    catalogue.Exec("COMMIT");
    query->Post();
    EXPECT_EQ(catalogue.StoredPicture(1).toByteArray(), QByteArray("new"));
}
