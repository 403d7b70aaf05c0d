#include "Exception.h"
#include "PostgresTest.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TBlobField.h"
#include "TPgTestCatalogue.h"
#include "TPgTestConnection.h"
#include "TTestQuery.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

const QString password = QStringLiteral("Pa55-word-of-the-team");

// Sets an environment variable for the length of a scope.
class TEnvironmentScope {
public:
    TEnvironmentScope(const char* name, const QByteArray& value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_previous(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~TEnvironmentScope()
    {
        if (m_had)
            qputenv(m_name, m_previous);
        else
            qunsetenv(m_name);
    }
    TEnvironmentScope(const TEnvironmentScope&) = delete;
    TEnvironmentScope& operator=(const TEnvironmentScope&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_previous;
};

// A catalogue on the run's server, reached by the roles of a team: the server's own role,
// one that logs in with a password over TCP, one that may only read.
class PostgresSecurity : public PostgresTest {
protected:
    void SetUp() override
    {
        PostgresTest::SetUp();
        if (IsSkipped())
            return;
        catalogue = std::make_unique<TPgTestCatalogue>(TPictureTable::Keyed);
        catalogue->AddPictures(3, 0, 8);
        // Roles belong to the whole server, which other test programs share.
        TPrivatePostgres::Shared().Admin(
            QStringLiteral(
                "DO $$ BEGIN CREATE ROLE zentuvio_password LOGIN PASSWORD '%1'; "
                "CREATE ROLE zentuvio_reader LOGIN; EXCEPTION WHEN duplicate_object THEN NULL; "
                "END $$")
                .arg(password));
        catalogue->Connection().Run(
            QStringLiteral("GRANT SELECT ON picture TO zentuvio_reader; "
                           "GRANT SELECT, UPDATE ON picture TO zentuvio_password"));
    }

    // Opens the query at uri and returns the error, if any.
    QString OpenAt(const QString& uri)
    {
        data.connection->Close();
        data.connection->SetConnectionString(TTestQuery::FileConnectionString(uri));
        try {
            data.query->Open();
        } catch (const EDatabaseError& error) {
            return error.Message();
        }
        return {};
    }

    QString Tcp(const QString& parameters, const QString& user = {}) const
    {
        return TPrivatePostgres::Shared().TcpUri(catalogue->Database(), parameters, user);
    }

    std::unique_ptr<TPgTestCatalogue> catalogue;
    TComponent owner{nullptr};
    TTestQuery data{&owner, QString()};
};

} // namespace

TEST_F(PostgresSecurity, TlsParametersPassThroughToTheServer)
{
    data.query->SetSQL(
        {QStringLiteral("Select ssl From pg_stat_ssl Where pid = pg_backend_pid()")});
    const QString certificate = TPrivatePostgres::Shared().CertificateFile();
    EXPECT_EQ(OpenAt(Tcp(QStringLiteral("sslmode=verify-full&sslrootcert=") + certificate)),
              QString());
    EXPECT_TRUE(data.query->Fields()[0]->Value().toBool()) << "the connection is not encrypted";

    EXPECT_EQ(OpenAt(Tcp(QStringLiteral("sslmode=disable"))), QString());
    EXPECT_FALSE(data.query->Fields()[0]->Value().toBool());

    const QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("none.crt"));
    const QString error = OpenAt(Tcp(QStringLiteral("sslmode=verify-full&sslrootcert=") + missing));
    EXPECT_TRUE(error.contains(missing)) << error.toStdString();
}

// The password comes from libpq's own places, PGPASSWORD and a password file (here named
// by PGPASSFILE, as ~/.pgpass would be found), and never appears in a message.
TEST_F(PostgresSecurity, APasswordComesFromLibpqsPlacesAndIsNeverShown)
{
    const QString uri = Tcp(QString(), QStringLiteral("zentuvio_password"));
    {
        const TEnvironmentScope none("PGPASSFILE", "/nonexistent");
        const QString error = OpenAt(uri);
        EXPECT_TRUE(error.contains(QStringLiteral("password"))) << error.toStdString();
    }
    {
        const TEnvironmentScope wrong("PGPASSWORD", "not-" + password.toUtf8());
        const QString error = OpenAt(uri);
        EXPECT_TRUE(error.contains(QStringLiteral("password authentication failed")))
            << error.toStdString();
        EXPECT_FALSE(error.contains(QStringLiteral("not-") + password));
    }
    {
        const TEnvironmentScope right("PGPASSWORD", password.toUtf8());
        EXPECT_EQ(OpenAt(uri), QString());
        EXPECT_EQ(data.query->RecordCount(), 3);
    }
    const QTemporaryDir folder;
    const QString passFile = folder.filePath(QStringLiteral("pgpass"));
    QFile file(passFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("127.0.0.1:*:*:zentuvio_password:%1\n").arg(password).toUtf8());
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    file.close();
    const TEnvironmentScope fromFile("PGPASSFILE", passFile.toUtf8());
    EXPECT_EQ(OpenAt(uri), QString());
    EXPECT_EQ(data.query->RecordCount(), 3);

    // Whatever fails later names the server without the password of a URI that held one.
    const QString withPassword = Tcp(QString(), QStringLiteral("zentuvio_password:") + password);
    data.connection->Close();
    data.connection->SetConnectionString(TTestQuery::FileConnectionString(withPassword));
    data.query->SetSQL({QStringLiteral("Select * From nothing_here")});
    try {
        data.query->Open();
        ADD_FAILURE() << "a missing table was found";
    } catch (const EDatabaseError& error) {
        EXPECT_FALSE(error.Message().contains(password)) << error.Message().toStdString();
        EXPECT_TRUE(error.Message().contains(QStringLiteral("zentuvio_password@127.0.0.1")));
    }
}

// Browsing needs nothing but SELECT: the gallery writes nothing unless asked to.
TEST_F(PostgresSecurity, ARoleThatMayOnlyReadBrowsesAndIsToldWhyItCannotWrite)
{
    data.query->SetSQLLine(1, QStringLiteral("where parent=0"));
    EXPECT_EQ(OpenAt(Tcp(QString(), QStringLiteral("zentuvio_reader"))), QString());
    EXPECT_EQ(data.query->RecordCount(), 3);
    data.query->Last();
    auto* picture = dynamic_cast<TBlobField*>(data.query->FieldByName(QStringLiteral("Mirelvane")));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->AsBytes(), QByteArray(8, 'c'));

    data.query->Edit();
    picture->SetAsBytes(QByteArray("changed"));
    try {
        data.query->Post();
        ADD_FAILURE() << "a role without UPDATE wrote";
    } catch (const EDatabaseError& error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("permission denied")))
            << error.Message().toStdString();
    }
    data.query->Cancel();
    EXPECT_EQ(catalogue->StoredPicture(3), QVariant(QByteArray(8, 'c')));

    // Opened for reading only, nothing can be changed whatever the role may do.
    data.connection->Close();
    data.connection->SetConnectionString(TTestQuery::FileConnectionString(catalogue->Location()) +
                                         QStringLiteral(";Mode=Read"));
    data.OpenCategory(0);
    EXPECT_FALSE(data.query->CanModify());
}
