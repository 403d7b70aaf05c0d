// "综合类" on catalogues of one category, against a plain sqlite3 count of the same rows in
// the same run: from the click to the painted grid and count label, with the peak memory
// growth; then dragging the scroll bar to the middle and to the end and painting that
// page, against painting the first page. Catalogues of 1,000,000 pictures, one made like
// the catalogue tool's (ID key, index on parent) and one with only parent and Mirelvane
// (no key column, no index), the latter also once the catalogue tool's index command has
// run, beside the 100,000-picture catalogue made by the catalogue library. The million-picture
// catalogues hold small bitmaps, so that they are quick to make; the 100,000 pictures are JPEG
// thumbnails.
#include "TCatalogue.h"
#include "TCategoryClick.h"
#include "TGalleryBenchApplication.h"
#include "TSQLiteTestCatalogue.h"

#include <QTemporaryDir>

namespace {

constexpr int million = 1000000;
constexpr int hundredThousand = 100000;

TCategoryClick::TFigures Measure(const QString& path, int pictures)
{
    return TCategoryClick::Measure(path, TCategoryClick::FileCountSeconds(path, pictures));
}

} // namespace

int main(int argc, char** argv)
{
    const TGalleryBenchApplication application(argc, argv);
    QTemporaryDir folder;
    const QByteArray bitmap = TCategoryClick::Picture(false);

    const QString tool = folder.filePath(QStringLiteral("tool.mdb"));
    TCategoryClick::BuildFile(tool, million, bitmap);
    TCategoryClick::Print(
        "1,000,000 pictures, made like the catalogue tool's (ID key, index on parent)",
        Measure(tool, million));
    QFile::remove(tool);

    {
        // As another program may have made it: parent and Mirelvane only.
        TSQLiteTestCatalogue plain(TPictureTable::Unkeyed);
        plain.AddMany(million, [&bitmap](int) { return TPictureRow{0, bitmap}; });
        TCategoryClick::Print(
            "1,000,000 pictures, only parent and Mirelvane (no key column, no index)",
            Measure(plain.Location(), million));
        TCatalogue(plain.Location()).AddParentIndex();
        TCategoryClick::Print("the same after zentuvio-catalogue index (no key column)",
                              Measure(plain.Location(), million));
    }

    const QString small = folder.filePath(QStringLiteral("small.mdb"));
    TCategoryClick::BuildFile(small, hundredThousand, TCategoryClick::Picture(true));
    TCategoryClick::Print("100,000 pictures, made like the catalogue tool's (JPEG thumbnails)",
                          Measure(small, hundredThousand));
    return 0;
}
