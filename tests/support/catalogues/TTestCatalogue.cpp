#include "TTestCatalogue.h"

#include <QByteArray>

void TTestCatalogue::AddPictures(int count, qint64 parent, int blobBytes)
{
    AddMany(count, [parent, blobBytes](int i) {
        return TPictureRow{parent, QByteArray(blobBytes, char('a' + i % 26))};
    });
}
