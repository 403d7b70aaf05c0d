#include "Exception.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TSQLiteDatabase.h"
#include "TestPictureDatabase.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// Opens a query over connectionString and returns the error text it raised.
QString OpenError(const QString& connectionString)
{
    TComponent form(nullptr);
    auto* connection = new TADOConnection(&form);
    connection->SetConnectionString(connectionString);
    auto* query = new TADOQuery(&form);
    query->SetName(QStringLiteral("ADOQuery1"));
    query->SetConnection(connection);
    query->SetSQL({QStringLiteral("Select * From picture"), QString(), QString()});
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
    TTestPictureDatabase database;
    database.AddPicture(0, QByteArray("x"));
    TComponent form(nullptr);
    auto* connection = new TADOConnection(&form);
    connection->SetConnectionString(database.ConnectionString());
    auto* query = new TADOQuery(&form);
    query->SetConnection(connection);
    query->SetSQL({QStringLiteral("Select * From picture")});
    EXPECT_FALSE(connection->Connected());
    query->Open();
    EXPECT_TRUE(connection->Connected());
    query->Close();
    EXPECT_TRUE(connection->Connected());
    EXPECT_EQ(connection->Database().Path(), database.Path());
}

TEST(ADOConnection, ClosingTheConnectionClosesItsQueries)
{
    TTestPictureDatabase database;
    TComponent form(nullptr);
    auto* connection = new TADOConnection(&form);
    connection->SetConnectionString(database.ConnectionString());
    auto* query = new TADOQuery(&form);
    query->SetConnection(connection);
    query->SetSQL({QStringLiteral("Select * From picture")});
    query->Open();
    EXPECT_EQ(connection->DataSetCount(), 1);
    connection->Close();
    EXPECT_FALSE(connection->Connected());
    EXPECT_FALSE(query->Active());
}

TEST(ADOConnection, TheConnectionStringCannotChangeWhileConnected)
{
    TTestPictureDatabase database;
    TADOConnection connection(nullptr);
    connection.SetConnectionString(database.ConnectionString());
    connection.Open();
    EXPECT_THROW(connection.SetConnectionString(QStringLiteral("Provider=x")), EDatabaseError);
    connection.Close();
    connection.SetConnectionString(QStringLiteral("Provider=x"));
    EXPECT_EQ(connection.ConnectionString(), QStringLiteral("Provider=x"));
}

TEST(ADOConnection, QuotedDataSourceWithSeparatorsAndWindowsSeparators)
{
    TTestPictureDatabase database;
    // The file name itself holds a ";": only a quoted value can name it.
    const QString path = database.Folder() + QStringLiteral("/Data/a;b.mdb");
    ASSERT_TRUE(QFile::copy(database.Path(), path));
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
    TTestPictureDatabase database;
    const QString unknown =
        OpenError(QStringLiteral("Provider=SQLOLEDB;Data Source=%1").arg(database.Path()));
    EXPECT_TRUE(unknown.contains(QStringLiteral("Provider cannot be found")));
    EXPECT_TRUE(unknown.contains(QStringLiteral("'SQLOLEDB'")));
    EXPECT_TRUE(OpenError(QStringLiteral("Data Source=%1").arg(database.Path()))
                    .contains(QStringLiteral("names no provider")));
    // The provider name is matched without regard to case.
    EXPECT_EQ(
        OpenError(
            QStringLiteral("provider=microsoft.jet.oledb.4.0;Data Source=%1").arg(database.Path())),
        QString());
}

TEST(ADOConnection, MissingFileNamesTheFileAndIsNotCreated)
{
    TTestPictureDatabase database;
    const QString path = database.Folder() + QStringLiteral("/Data/Missing.mdb");
    const QString error =
        OpenError(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1").arg(path));
    EXPECT_EQ(error, QStringLiteral("Could not find file '%1'.").arg(path));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ADOConnection, AFileThatIsNotADatabaseNamesTheFileAndTheCause)
{
    TTestPictureDatabase database;
    const QString path = database.Folder() + QStringLiteral("/Data/Jet.mdb");
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
    TTestPictureDatabase database;
    const QString error = OpenError(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1").arg(database.Folder()));
    EXPECT_TRUE(error.contains(QStringLiteral("it is a folder"))) << error.toStdString();
}

TEST(ADOConnection, AMissingTableNamesTheFileAndTheTable)
{
    TTestPictureDatabase database("CREATE TABLE other(x)");
    const QString error = OpenError(database.ConnectionString());
    EXPECT_EQ(error,
              QStringLiteral("Cannot run the query on database '%1': no such table: picture.")
                  .arg(database.Path()));
}

TEST(ADOConnection, ReadModeOpensReadOnly)
{
    TTestPictureDatabase database;
    database.AddPicture(0, QByteArray("x"));
    TComponent form(nullptr);
    auto* connection = new TADOConnection(&form);
    connection->SetConnectionString(database.ConnectionString() + QStringLiteral(";Mode=Read"));
    auto* query = new TADOQuery(&form);
    query->SetConnection(connection);
    query->SetSQL({QStringLiteral("Select * From picture")});
    query->Open();
    EXPECT_TRUE(connection->Database().IsReadOnly());
    EXPECT_FALSE(query->CanModify());

    connection->Close();
    connection->SetConnectionString(database.ConnectionString());
    connection->SetMode(TConnectMode::cmShareDenyNone);
    query->Open();
    EXPECT_FALSE(connection->Database().IsReadOnly());
    EXPECT_TRUE(query->CanModify());
}
