#include "TTestQuery.h"

#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TDataSource.h"

TTestQuery::TTestQuery(TComponent* owner, const QString& connectionString)
    : connection(new TADOConnection(owner))
    , query(new TADOQuery(owner))
    , source(new TDataSource(owner))
{
    connection->SetConnectionString(connectionString);
    query->SetConnection(connection);
    query->SetSQL({QStringLiteral("Select * From picture"), QString(), QString()});
    source->SetDataSet(query);
}

QString TTestQuery::FileConnectionString(const QString& path)
{
    return QStringLiteral(
               "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=False")
        .arg(path);
}

void TTestQuery::OpenCategory(qint64 parent) const
{
    query->Close();
    query->SetSQLLine(1, QStringLiteral("where parent=%1").arg(parent));
    query->Open();
}
