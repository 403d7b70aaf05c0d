#include "TJetCopyRows.h"

#include "Exception.h"
#include "TJetRow.h"
#include "TSQLiteDatabase.h"

#include <QStringList>
#include <limits>

namespace {

constexpr int columns = 5;
constexpr int rowsPerStatement = 64;
// Picture bytes held before they are written, so that a copy made with its pictures holds
// few of them at a time.
constexpr qint64 heldPictureBytes = 1024 * 1024;

const QString copyAction = QStringLiteral("Cannot copy the Access catalogue");

QString InsertSql(int rows)
{
    return QStringLiteral("INSERT INTO picture(ID, parent, name, file, Mirelvane) VALUES ") +
           QStringList(rows, QStringLiteral("(?, ?, ?, ?, ?)")).join(u", ");
}

// The columns given as text, which is held in UTF-8 as the reader gives it.
constexpr int nameColumn = 2;
constexpr int fileColumn = 3;

QVariant TextOrNull(const std::optional<std::string>& text)
{
    return text ? QVariant(QByteArray(text->data(), qsizetype(text->size()))) : QVariant();
}

} // namespace

TJetCopyRows::TJetCopyRows(TSQLiteDatabase& copy)
    : m_copy(copy)
    , m_fullInsert(copy, InsertSql(rowsPerStatement), copyAction)
{
    m_values.reserve(columns * rowsPerStatement);
}

qint64 TJetCopyRows::Add(const TJetRow& row, const QVariant& picture)
{
    const qint64 rowId = RowIdOf(row);
    m_values.emplace_back(rowId);
    m_values.push_back(row.parent ? QVariant(qint64(*row.parent)) : QVariant());
    m_values.push_back(TextOrNull(row.name));
    m_values.push_back(TextOrNull(row.file));
    // A picture's bytes may be lent (TAccessOleObject::PictureOf): held, they are copied.
    const QByteArray bytes = picture.toByteArray();
    m_values.push_back(picture.isValid() ? QVariant(QByteArray(bytes.constData(), bytes.size()))
                                         : QVariant());
    m_pictureBytes += bytes.size();
    if (m_values.size() == std::size_t(columns * rowsPerStatement))
        Write(m_fullInsert, rowsPerStatement);
    else if (m_pictureBytes > heldPictureBytes)
        Flush();
    return rowId;
}

void TJetCopyRows::Flush()
{
    const int rows = int(m_values.size() / columns);
    if (rows == 0)
        return;
    TSQLiteStatement insert(m_copy, InsertSql(rows), copyAction);
    Write(insert, rows);
}

qint64 TJetCopyRows::RowIdOf(const TJetRow& row)
{
    qint64 rowId = row.id;
    if (!m_rowIds.empty() && m_rowIds.contains(rowId)) {
        if (m_highestRowId == std::numeric_limits<qint64>::max())
            throw EDatabaseError(
                QStringLiteral("%1: the ID %2 is repeated and no higher one is left.")
                    .arg(copyAction)
                    .arg(rowId));
        rowId = m_highestRowId + 1;
    }
    m_highestRowId = m_rowIds.empty() ? rowId : std::max(m_highestRowId, rowId);
    m_rowIds.insert(rowId);
    return rowId;
}

void TJetCopyRows::Write(TSQLiteStatement& insert, int rows)
{
    insert.Reset();
    for (int i = 0; i < rows * columns; ++i) {
        const QVariant& value = m_values[std::size_t(i)];
        const bool text = i % columns == nameColumn || i % columns == fileColumn;
        if (text && value.isValid())
            insert.BindText(i + 1, value.toByteArray());
        else
            insert.Bind(i + 1, value);
    }
    m_values.clear();
    m_pictureBytes = 0;
    insert.Step();
}
