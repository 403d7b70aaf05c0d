#include "Exception.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TField.h"
#include "TestPictureDatabase.h"

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace {

// A query of the main window over a database that another program (the test's own
// connection) uses at the same time.
class SharedDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        database.AddPicture(0, QByteArray("a"));
        database.AddPicture(0, QByteArray("b"));
        connection = new TADOConnection(&form);
        connection->SetConnectionString(database.ConnectionString());
        query = new TADOQuery(&form);
        query->SetConnection(connection);
        query->SetSQL(
            {QStringLiteral("Select * From picture"), QStringLiteral("where parent=0"), QString()});
    }

    TTestPictureDatabase database;
    TComponent form{nullptr};
    TADOConnection* connection = nullptr;
    TADOQuery* query = nullptr;
};

// Whether the thread is asleep (state S in its kernel status): a query waiting for
// another program's lock sleeps between its tries. Gives up after ten seconds.
bool WaitUntilAsleep(pid_t thread)
{
    const QString status = QStringLiteral("/proc/self/task/%1/stat").arg(thread);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        QFile file(status);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        // pid (name) state ...: the state follows the closing parenthesis of the name.
        const QByteArray line = file.readAll();
        const qsizetype nameEnd = line.lastIndexOf(')');
        if (nameEnd >= 0 && line.mid(nameEnd + 2, 1) == "S")
            return true;
        std::this_thread::yield();
    }
    return false;
}

} // namespace

TEST_F(SharedDatabase, ReadingWorksWhileAnotherProgramIsWriting)
{
    ASSERT_EQ(database.Exec("BEGIN IMMEDIATE"), SQLITE_OK);
    ASSERT_EQ(database.Exec("UPDATE picture SET parent = 0"), SQLITE_OK);
    query->Open();
    EXPECT_EQ(query->RecordCount(), 2);
    // No lock is held after opening: the other program can commit.
    EXPECT_EQ(database.Exec("COMMIT"), SQLITE_OK);
}

TEST_F(SharedDatabase, AnotherProgramCanWriteWhileTheQueryIsOpenAndBlobsAreRead)
{
    query->Open();
    EXPECT_EQ(query->FieldByName(QStringLiteral("Mirelvane"))->AsString(), QStringLiteral("a"));
    EXPECT_EQ(database.Exec("BEGIN EXCLUSIVE"), SQLITE_OK) << database.LastError().toStdString();
    EXPECT_EQ(database.Exec("UPDATE picture SET Mirelvane = x'7a' WHERE ID = 2"), SQLITE_OK);
    EXPECT_EQ(database.Exec("COMMIT"), SQLITE_OK);
    query->Next();
    EXPECT_EQ(query->FieldByName(QStringLiteral("Mirelvane"))->AsString(), QStringLiteral("z"));
}

TEST_F(SharedDatabase, AnExclusiveLockIsWaitedForUpToTheTimeoutThenNamed)
{
    connection->Open();
    query->SetBusyTimeoutMs(300);
    ASSERT_EQ(database.Exec("BEGIN EXCLUSIVE"), SQLITE_OK);
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
                .arg(database.Path()));
    }
    EXPECT_FALSE(query->Active());
    database.Exec("ROLLBACK");
    query->Open();
    EXPECT_EQ(query->RecordCount(), 2);
}

TEST_F(SharedDatabase, ALockReleasedWithinTheTimeoutIsNoError)
{
    connection->Open();
    query->SetBusyTimeoutMs(20000);
    ASSERT_EQ(database.Exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    // The other program commits only once the query is asleep waiting for the lock, so
    // the test always takes the waiting path, however the threads are scheduled.
    const pid_t opener = gettid();
    bool sawWaiting = false;
    std::thread other([&] {
        sawWaiting = WaitUntilAsleep(opener);
        database.Exec("COMMIT");
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
    ASSERT_EQ(database.Exec("BEGIN IMMEDIATE"), SQLITE_OK);
    try {
        query->Post();
        ADD_FAILURE();
    } catch (const EDatabaseError& error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("locked by another program")))
            << error.Message().toStdString();
    }
    EXPECT_EQ(query->State(), TDataSetState::dsEdit);
    database.Exec("COMMIT");
    query->Post();
    EXPECT_EQ(database.StoredBlob(1).toByteArray(), QByteArray("new"));
}
