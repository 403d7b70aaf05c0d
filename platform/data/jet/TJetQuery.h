#pragma once

#include "TSQLiteQuery.h"

class TJetPictureFill;

// A query on the copy of an Access catalogue whose pictures are still coming: the picture
// of a record is awaited before it is read (see TJetPictureFill), and those of the records
// after it are asked for with it.
class TJetQuery : public TSQLiteQuery {
public:
    TJetQuery(TSQLiteDatabase& database, const QString& sql, const TQuerySettings& settings,
              TJetPictureFill& fill);

protected:
    qint64 ReadLazyBlob(int row, int column, TStream* out) override;

private:
    TJetPictureFill& m_fill;
};
