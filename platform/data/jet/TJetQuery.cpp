#include "TJetQuery.h"

#include "TJetPictureFill.h"

#include <algorithm>

namespace {
// Records after the one read whose pictures are asked for with its own: more than a page of
// the gallery's grid.
constexpr int readAhead = 48;
} // namespace

TJetQuery::TJetQuery(TSQLiteDatabase& database, const QString& sql, const TQuerySettings& settings,
                     TJetPictureFill& fill)
    : TSQLiteQuery(database, sql, settings)
    , m_fill(fill)
{}

qint64 TJetQuery::ReadLazyBlob(int row, int column, TStream* out)
{
    // The copy's only blobs are the pictures, keyed by their row's id.
    const QVariant key = RowKey(row, column);
    if (key.isValid() && m_fill.Pending(key.toLongLong())) {
        // Its own first, then those of the records painted next, all awaited in one go: the
        // reader answers in the order asked, so once the last is in, all are.
        m_fill.Ask(key.toLongLong());
        qint64 last = key.toLongLong();
        if (WalksByKey()) {
            const int end = std::min(row + 1 + readAhead, RecordCount());
            for (int next = row + 1; next < end; ++next) {
                const qint64 nextKey = m_records.Keys().At(next);
                if (m_fill.Pending(nextKey)) {
                    m_fill.Ask(nextKey);
                    last = nextKey;
                }
            }
        }
        m_fill.Await(last);
        m_fill.Await(key.toLongLong());
    }
    return TSQLiteQuery::ReadLazyBlob(row, column, out);
}
