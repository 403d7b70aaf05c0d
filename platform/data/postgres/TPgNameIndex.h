#pragma once

#include <QString>
#include <QStringList>

class TPgConnection;
struct TPgTableInfo;

// The index that finds the pictures of a catalogue on a PostgreSQL server by any part of
// their names: picture_names, a GIN index with the trigram operator class of the extension
// pg_trgm over the table's name columns joined into one text (Names()), which serves
// Names() ILIKE '%text%' for a text of three characters or more. The server keeps it in
// step with the table, whoever writes it.
//
// pg_trgm is a trusted extension: a role that may create objects in the database may
// add it. Where the server lacks it or the role may not, there is no index, and pictures
// are found by reading every row.
class TPgNameIndex {
public:
    // The columns searched: of "name" and "file", those the table has, quoted.
    static QStringList NameColumns(const TPgTableInfo& table);
    // One text of a row's names in columns, as the index keeps them; a separator that no
    // text sought holds (TextFits) keeps a match from running over from one name into the
    // next.
    static QString Names(const QStringList& columns);
    static bool TextFits(const QString& text);
    // The statement that makes the index over the name columns of table (both as SQL
    // names them), with the trigram operator class named so.
    static QString CreationSql(const QString& table, const QStringList& columns,
                               const QString& operatorClass = QStringLiteral("gin_trgm_ops"));

    // True when the table has the index, built and valid.
    static bool Exists(TPgConnection& connection, const TPgTableInfo& table, const QString& action);
    // Adds the extension where the database lacks it, and the index; the caller runs it
    // inside a transaction, which a failure leaves as it was. Where the extension cannot be
    // added, raises EDatabaseError naming the catalogue and the server's cause, and saying
    // that pictures are still found by reading every row.
    static void Create(TPgConnection& connection, const TPgTableInfo& table);

    static constexpr int shortestIndexedText = 3;

private:
    static void AddExtension(TPgConnection& connection);
};
