#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>

// A picture database in a temporary folder, as the gallery reads it
// (Data/Mirelvane.mdb, table picture), filled in one transaction.
class TBenchDatabase {
public:
    struct Row {
        int parent;
        const QByteArray& picture;
    };
    // rowAt(i) gives the category and the picture of row i.
    TBenchDatabase(int rows, const std::function<Row(int)>& rowAt);
    const QString& Path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
};
