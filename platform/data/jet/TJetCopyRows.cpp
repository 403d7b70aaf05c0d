#include "TJetCopyRows.h"

#include "Exception.h"
#include "TJetRow.h"
#include "TSQLiteDatabase.h"

#include <QStringList>
#include <algorithm>
#include <limits>

namespace {

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

} // namespace

TJetCopyRows::TJetCopyRows(TSQLiteDatabase& copy)
    : m_copy(copy)
    , m_fullInsert(copy, InsertSql(rowsPerStatement), copyAction)
{
    m_pending.reserve(rowsPerStatement);
}

qint64 TJetCopyRows::Add(const TJetRow& row, const QVariant& picture)
{
    const qint64 rowId = RowIdOf(row);
    // A picture's bytes may be lent (TAccessOleObject::PictureOf): held, they are copied.
    const QByteArray bytes = picture.toByteArray();
    m_pending.push_back(
        {rowId, row.parent, row.name, row.file,
         picture.isValid() ? QVariant(QByteArray(bytes.constData(), bytes.size())) : QVariant()});
    m_pictureBytes += bytes.size();
    if (m_pending.size() == std::size_t(rowsPerStatement))
        Write(m_fullInsert);
    else if (m_pictureBytes > heldPictureBytes)
        Flush();
    return rowId;
}

void TJetCopyRows::Flush()
{
    if (m_pending.empty())
        return;
    TSQLiteStatement insert(m_copy, InsertSql(int(m_pending.size())), copyAction);
    Write(insert);
}

qint64 TJetCopyRows::RowIdOf(const TJetRow& row)
{
    qint64 rowId = row.id;
    const bool first = m_risingRowIds.empty() && m_rowIds.empty();
    if (!first && rowId <= m_highestRowId && Taken(rowId)) {
        if (m_highestRowId == std::numeric_limits<qint64>::max())
            throw EDatabaseError(
                QStringLiteral("%1: the ID %2 is repeated and no higher one is left.")
                    .arg(copyAction)
                    .arg(rowId));
        rowId = m_highestRowId + 1;
    }
    m_highestRowId = first ? rowId : std::max(m_highestRowId, rowId);
    if (m_rowIds.empty() && (first || rowId > m_risingRowIds.back())) {
        m_risingRowIds.push_back(rowId);
        return rowId;
    }
    // Out of order: the hash set takes over.
    m_rowIds.insert(m_risingRowIds.begin(), m_risingRowIds.end());
    m_risingRowIds.clear();
    m_rowIds.insert(rowId);
    return rowId;
}

bool TJetCopyRows::Taken(qint64 rowId) const
{
    return m_rowIds.empty()
               ? std::binary_search(m_risingRowIds.begin(), m_risingRowIds.end(), rowId)
               : m_rowIds.contains(rowId);
}

void TJetCopyRows::Write(TSQLiteStatement& insert)
{
    insert.Reset();
    int parameter = 1;
    const auto bindText = [&](const std::optional<std::string>& text) {
        if (text)
            insert.BindText(parameter++, QByteArrayView(text->data(), qsizetype(text->size())));
        else
            insert.Bind(parameter++, QVariant());
    };
    for (const TPending& row : m_pending) {
        insert.Bind(parameter++, row.rowId);
        insert.Bind(parameter++, row.parent ? QVariant(*row.parent) : QVariant());
        bindText(row.name);
        bindText(row.file);
        insert.Bind(parameter++, row.picture);
    }
    m_pending.clear();
    m_pictureBytes = 0;
    insert.Step();
}
