#pragma once

#include <QString>

class TADOConnection;
class TADOQuery;
class TComponent;
class TDataSource;

// The main window's data set-up, owned by owner: a connection configured by a connection
// string (a test catalogue's, say), a query over table picture whose three-line text carries the
// category filter in its line 1, and a data source on the query. Nothing is opened yet.
class TTestQuery {
public:
    TTestQuery(TComponent* owner, const QString& connectionString);

    // The connection string the main window builds for a catalogue file.
    static QString FileConnectionString(const QString& path);

    // Closes the query, filters it to category parent ("where parent=N") and opens it.
    void OpenCategory(qint64 parent) const;

    TADOConnection* connection;
    TADOQuery* query;
    TDataSource* source;
};
