#include "Exception.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TDataStore.h"
#include "TSQLiteDatabase.h"
#include "TSQLiteTestCatalogue.h"
#include "TTestQuery.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// Opens a query over connectionString and returns the error text it raised.
QString OpenError(const QString& connectionString)
{
    TComponent form(nullptr);
    TADOQuery* query = TTestQuery(&form, connectionString).query;
    query->SetName(QStringLiteral("ADOQuery1"));
    try {
        query->Open();
    } catch (const EDatabaseError& error) {
        EXPECT_FALSE(query->Active());
        return error.Message();
    }
    return QString();
}

} // namespace

TEST(ADOConnection, OpensOnTheFirstQueryAndStaysOpen)
{
    TSQLiteTestCatalogue catalogue;
    catalogue.Add({0, QByteArray("x")});
    TComponent form(nullptr);
    const auto [connection, query, source] = TTestQuery(&form, catalogue.ConnectionString());
    EXPECT_FALSE(connection->Connected());
    query->Open();
    EXPECT_TRUE(connection->Connected());
    query->Close();
    EXPECT_TRUE(connection->Connected());
    EXPECT_EQ(connection->Store().Location(), catalogue.Location());
}

TEST(ADOConnection, ClosingTheConnectionClosesItsQueries)
{
    TSQLiteTestCatalogue catalogue;
    TComponent form(nullptr);
    const auto [connection, query, source] = TTestQuery(&form, catalogue.ConnectionString());
    query->Open();
    EXPECT_EQ(connection->DataSetCount(), 1);
    connection->Close();
    EXPECT_FALSE(connection->Connected());
    EXPECT_FALSE(query->Active());
}

TEST(ADOConnection, TheConnectionStringCannotChangeWhileConnected)
{
    TSQLiteTestCatalogue catalogue;
    TADOConnection connection(nullptr);
    connection.SetConnectionString(catalogue.ConnectionString());
    connection.Open();
    EXPECT_THROW(connection.SetConnectionString(QStringLiteral("Provider=x")), EDatabaseError);
    connection.Close();
    connection.SetConnectionString(QStringLiteral("Provider=x"));
    EXPECT_EQ(connection.ConnectionString(), QStringLiteral("Provider=x"));
}

TEST(ADOConnection, QuotedDataSourceWithSeparatorsAndWindowsSeparators)
{
    TSQLiteTestCatalogue catalogue;
    // The file name itself holds a ";": only a quoted value can name it.
    const QString path = catalogue.Folder() + QStringLiteral("/Data/a;b.mdb");
    ASSERT_TRUE(QFile::copy(catalogue.Location(), path));
    QString windowsPath = path;
    windowsPath.replace(QLatin1Char('/'), QLatin1Char('\\'));
    EXPECT_EQ(
        OpenError(
            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"%1\"").arg(windowsPath)),
        QString());
}

TEST(ADOConnection, MissingDataSourceIsAnError)
{
    EXPECT_TRUE(
        OpenError(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=False"))
            .contains(QStringLiteral("names no database file (Data Source)")));
    EXPECT_TRUE(OpenError(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source= "))
                    .contains(QStringLiteral("names no database file")));
}

TEST(ADOConnection, UnknownOrMissingProviderIsAnError)
{
    TSQLiteTestCatalogue catalogue;
    const QString unknown =
        OpenError(QStringLiteral("Provider=SQLOLEDB;Data Source=%1").arg(catalogue.Location()));
    EXPECT_TRUE(unknown.contains(QStringLiteral("Provider cannot be found")));
    EXPECT_TRUE(unknown.contains(QStringLiteral("'SQLOLEDB'")));
    EXPECT_TRUE(OpenError(QStringLiteral("Data Source=%1").arg(catalogue.Location()))
                    .contains(QStringLiteral("names no provider")));
    // The provider name is matched without regard to case.
    EXPECT_EQ(OpenError(QStringLiteral("provider=microsoft.jet.oledb.4.0;Data Source=%1")
                            .arg(catalogue.Location())),
              QString());
}

TEST(ADOConnection, MissingFileNamesTheFileAndIsNotCreated)
{
    TSQLiteTestCatalogue catalogue;
    const QString path = catalogue.Folder() + QStringLiteral("/Data/Missing.mdb");
    const QString error =
        OpenError(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1").arg(path));
    EXPECT_EQ(error, QStringLiteral("Could not find file '%1'.").arg(path));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ADOConnection, AFileThatIsNotADatabaseNamesTheFileAndTheCause)
{
    TSQLiteTestCatalogue catalogue;
    const QString path = catalogue.Folder() + QStringLiteral("/Data/Jet.mdb");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x00\x01\x00\x00Standard Jet DB", 19).append(QByteArray(4096, '\x5a')));
    file.close();
    const QString error =
        OpenError(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1").arg(path));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("neither an SQLite database nor an Access")))
        << error.toStdString();
}

TEST(ADOConnection, AFolderIsNotADatabase)
{
    TSQLiteTestCatalogue catalogue;
    const QString error = OpenError(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1").arg(catalogue.Folder()));
    EXPECT_TRUE(error.contains(QStringLiteral("it is a folder"))) << error.toStdString();
}

TEST(ADOConnection, AMissingTableNamesTheFileAndTheTable)
{
    TSQLiteTestCatalogue catalogue("CREATE TABLE other(x)");
    const QString error = OpenError(catalogue.ConnectionString());
    EXPECT_EQ(error,
              QStringLiteral("Cannot run the query on database '%1': no such table: picture.")
                  .arg(catalogue.Location()));
}

TEST(ADOConnection, ReadModeOpensReadOnly)
{
    TSQLiteTestCatalogue catalogue;
    catalogue.Add({0, QByteArray("x")});
    TComponent form(nullptr);
    const auto [connection, query, source] =
        TTestQuery(&form, catalogue.ConnectionString() + QStringLiteral(";Mode=Read"));
    query->Open();
    EXPECT_TRUE(connection->Store().IsReadOnly());
    EXPECT_FALSE(query->CanModify());

    connection->Close();
    connection->SetConnectionString(catalogue.ConnectionString());
    connection->SetMode(TConnectMode::cmShareDenyNone);
    query->Open();
    EXPECT_FALSE(connection->Store().IsReadOnly());
    EXPECT_TRUE(query->CanModify());
}
