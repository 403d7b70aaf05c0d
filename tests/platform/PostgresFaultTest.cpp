#include "Exception.h"
#include "PostgresTest.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TEveryPulse.h"
#include "TField.h"
#include "TPgTestCatalogue.h"
#include "TPgTestConnection.h"
#include "TTestQuery.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The text of the EDatabaseError that opening raises (empty when it opens).
QString OpeningError(TADOQuery& query)
{
    try {
        query.Open();
    } catch (const EDatabaseError& error) {
        return error.Message();
    }
    return {};
}

// A loopback port for the length of a scope: listening, the kernel takes connections,
// and nobody ever speaks on them; closed, connections are refused.
class TLoopbackPort {
public:
    explicit TLoopbackPort(bool listening)
        : m_socket(socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (bind(m_socket, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
            (listening && listen(m_socket, 8) != 0))
            ADD_FAILURE() << "no loopback port";
        m_port = ntohs(address.sin_port);
    }
    ~TLoopbackPort() { close(m_socket); }
    TLoopbackPort(const TLoopbackPort&) = delete;
    TLoopbackPort& operator=(const TLoopbackPort&) = delete;

    int Port() const { return m_port; }

private:
    int m_socket;
    int m_port = 0;
};

// The main window's data set-up over a catalogue on a server, opened by category.
class PostgresFaults : public PostgresTest {
protected:
    void Use(const QString& uri)
    {
        data.connection->SetConnectionString(TTestQuery::FileConnectionString(uri));
    }

    TComponent owner{nullptr};
    TTestQuery data{&owner, QString()};
};

} // namespace

// Nothing answers on the port: the kernel takes the connection, the server never speaks.
TEST_F(PostgresFaults, AServerThatDoesNotAnswerFailsWithinTheConnectTimeoutWhileIndicatorsBeat)
{
    const TLoopbackPort silent(true);
    Use(QStringLiteral("postgresql://ann@127.0.0.1:%1/art?connect_timeout=2").arg(silent.Port()));
    int beats = 0;
    QString error;
    {
        const TEveryPulse pulse([&] { ++beats; });
        error = OpeningError(*data.query);
    }
    EXPECT_TRUE(error.contains(QStringLiteral("did not answer within 2 seconds")))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("127.0.0.1"))) << error.toStdString();
    EXPECT_GT(beats, 0) << "the wait box would have frozen";
    EXPECT_FALSE(data.query->Active());
    EXPECT_FALSE(data.connection->Connected());
}

TEST_F(PostgresFaults, ARefusedConnectionIsNamedAtOnce)
{
    const TLoopbackPort closed(false);
    Use(QStringLiteral("postgresql://ann@127.0.0.1:%1/art").arg(closed.Port()));
    const QString error = OpeningError(*data.query);
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot connect to the catalogue server")))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("refused"))) << error.toStdString();
    EXPECT_FALSE(error.contains(QStringLiteral("?."))) << "libpq's question ends the message";
}

TEST_F(PostgresFaults, ADatabaseWithoutTheTableSaysWhatIsMissingAndHowToMakeIt)
{
    const TPgTestCatalogue empty(TPictureTable::None);
    Use(empty.Location());
    const QString error = OpeningError(*data.query);
    EXPECT_TRUE(error.contains(QStringLiteral("\"picture\" does not exist")))
        << error.toStdString();
    EXPECT_TRUE(
        error.contains(QStringLiteral("zentuvio-catalogue create %1").arg(empty.Location())))
        << error.toStdString();
}

// Another program cuts the gallery's connection while the server scans the category (it
// waits for a lock meanwhile): the opening fails as a whole, and the next one works.
TEST_F(PostgresFaults, AConnectionCutDuringTheScanFailsTheOpeningAndTheNextOneWorks)
{
    TPgTestCatalogue catalogue(TPictureTable::Indexed);
    catalogue.AddPictures(30, 0, 16);
    Use(catalogue.Location());
    data.query->SetSQLLine(1, QStringLiteral("where parent=0"));
    data.connection->Open();

    TPgTestConnection other(catalogue.Location());
    other.Run(QStringLiteral("BEGIN; LOCK TABLE picture IN ACCESS EXCLUSIVE MODE"));
    bool cut = false;
    QString error;
    {
        // Once the gallery's query waits for the lock, that is, in the middle of opening.
        const TEveryPulse pulse([&] {
            if (cut)
                return;
            cut = other.EndGalleryWaitingForALock();
            if (cut)
                other.Run(QStringLiteral("ROLLBACK"));
        });
        error = OpeningError(*data.query);
    }
    ASSERT_TRUE(cut) << "the opening never waited";
    EXPECT_TRUE(error.contains(QStringLiteral("connection to the server was lost")))
        << error.toStdString();
    EXPECT_FALSE(data.query->Active()) << "a part of the category would pass for all of it";
    EXPECT_THROW((void)data.query->RecordCount(), EDatabaseError);

    data.query->Open();
    EXPECT_EQ(data.query->RecordCount(), 30);
    EXPECT_EQ(data.query->FieldByName(QStringLiteral("Mirelvane"))->Value().toByteArray(),
              QByteArray(16, 'a'));
}

// A server of the test's own, stopped and started again between two openings of the
// category, as when the team's server restarts while the gallery stays open.
TEST_F(PostgresFaults, AServerRestartedBetweenTwoOpeningsIsConnectedToAgain)
{
    TPrivatePostgres server;
    TPgTestCatalogue catalogue(server, TPgTestCatalogue::SchemaOf(TPictureTable::Keyed));
    catalogue.AddPictures(3, 0, 4);
    Use(catalogue.Location());
    data.query->SetSQLLine(1, QStringLiteral("where parent=0"));
    data.query->Open();
    EXPECT_EQ(data.query->RecordCount(), 3);
    data.query->Close();

    server.Stop();
    const QString whileDown = OpeningError(*data.query);
    EXPECT_TRUE(whileDown.contains(QStringLiteral("Cannot connect to the catalogue server")))
        << whileDown.toStdString();
    EXPECT_FALSE(data.query->Active());

    server.Start();
    data.query->Open();
    EXPECT_EQ(data.query->RecordCount(), 3);
    data.query->Close();

    // Restarted while the query was closed but the connection open.
    server.Stop();
    server.Start();
    data.query->Open();
    EXPECT_EQ(data.query->RecordCount(), 3);
    EXPECT_EQ(data.query->FieldByName(QStringLiteral("Mirelvane"))->Value().toByteArray(),
              QByteArray(4, 'a'));
}
