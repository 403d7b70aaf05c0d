#pragma once

#include <QString>
#include <QStringList>

class TSQLiteDatabase;
struct TSQLiteTableInfo;

// The index that finds the pictures of an SQLite catalogue by any part of their names: an
// FTS5 table with the trigram tokenizer over the columns name and file of table picture
// (those of them that the table has), kept in step with picture by triggers, so that
// every program that writes the file keeps it: the catalogue tool, the gallery, another
// program. It keeps no copy of the names (a contentless table): removing a row hands the
// index the values that were indexed, which the triggers have at hand.
//
// Its keys put a picture's category before its row id, key = parent * 2^32 + rowid + 2^31,
// so that the index returns the matches in the order the gallery shows them, by category
// and then by row id, without reading table picture. Only a picture whose category code
// is a whole number belongs to a category (NULL or text never matches a category's
// filter); one whose code or row id does not fit in 32 bits cannot be keyed so, and the
// triggers note its row id in picture_names_unkeyed: while that table holds a row, a
// search must read the table instead (TSQLiteNameSearch).
class TSQLiteNameIndex {
public:
    // The columns the index covers: of "name" and "file", those the table has.
    static QStringList NameColumns(const TSQLiteTableInfo& table);

    // True when the index and every trigger that keeps it are in the database.
    static bool Exists(TSQLiteDatabase& database, const QString& action);
    // True when every picture in a category has a key in the index (see above).
    static bool KeysEveryPicture(TSQLiteDatabase& database, const QString& action);

    // Makes the index over the table's name columns (which must not be empty), fills it
    // from the rows there are and adds the triggers, replacing any part of an index that
    // was there (a part alone may be out of step). The caller runs it inside a transaction.
    static void Create(TSQLiteDatabase& database, const TSQLiteTableInfo& table,
                       const QString& action);
    // The statements that make and fill the index (on a database without one) over
    // columns, for a table whose row id SQL names rowId.
    static QString CreationSql(const QStringList& columns, const QString& rowId);

    // What a search matches: the text as one phrase, quoted for FTS5. The trigram tokenizer
    // needs at least three characters; a shorter text matches nothing there.
    static QString Phrase(const QString& text);
    static constexpr int shortestIndexedText = 3;
    // The row id of a key returned by the index.
    static qint64 RowIdOf(qint64 key);
    // SQL that is true for a row of picture (its columns named with prefix, "new." in a
    // trigger) that belongs to a category.
    static QString InCategory(const QString& prefix);
};
