#include "Exception.h"
#include "PostgresTest.h"
#include "TPgConnection.h"
#include "TPgTestCatalogue.h"
#include "TPgTestConnection.h"

#include <QElapsedTimer>

namespace {

// A search of a catalogue on a server that is abandoned while the server works: the
// server is told to stop, and the search's connection serves the next one.
class PostgresNameSearch : public PostgresTest {};

} // namespace

TEST_F(PostgresNameSearch, AnInterruptedStatementIsCancelledOnTheServerAndTheConnectionServesOn)
{
    const TPgTestCatalogue catalogue(TPictureTable::Keyed);
    TPgConnection connection(catalogue.Location());
    QElapsedTimer clock;
    clock.start();
    connection.SetInterrupt([&clock] { return clock.elapsed() > 200; });
    EXPECT_THROW(
        connection.Run(QStringLiteral("SELECT pg_sleep(60)"), QStringLiteral("Cannot wait")),
        EAbort);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(catalogue.Connection().Single(
                  QStringLiteral("SELECT count(*) FROM pg_stat_activity WHERE state = 'active' "
                                 "AND query LIKE 'SELECT pg_sleep%'")),
              QStringLiteral("0"));

    connection.SetInterrupt({});
    EXPECT_EQ(
        connection.Run(QStringLiteral("SELECT 41 + 1"), QStringLiteral("Cannot add")).Int64(0, 0),
        42);
}
