// "综合类" on a catalogue of 100,000 pictures made by the catalogue library: from the
// click to the painted grid and count label, and scrolling one grid page, against a
// plain sqlite3 count of the same rows in the same run. Also the peak memory growth.
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TBitmap.h"
#include "TCatalogue.h"
#include "TDBCtrlGrid.h"
#include "TGalleryBenchApplication.h"
#include "TGalleryWindow.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"
#include "TMianForm.h"
#include "TProcessMemory.h"
#include "TStopwatch.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <sqlite3.h>

namespace {

constexpr int categoryPictures = 100000;
constexpr int gridPage = 36; // 6 x 6 thumbnails

QByteArray Thumbnail()
{
    TBitmap bitmap(103, 66, TPixelFormat::pf24bit);
    bitmap.Canvas()->Brush()->SetColor(clTeal);
    bitmap.Canvas()->Ellipse(10, 5, 90, 60);
    TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    TMemoryStream stream;
    jpeg.SaveToStream(stream);
    return stream.Bytes();
}

void BuildCatalogue(const QString& path)
{
    TCatalogue::Create(path);
    TCatalogue catalogue(path);
    const QByteArray picture = Thumbnail();
    catalogue.InTransaction([&] {
        for (int i = 0; i < categoryPictures; ++i) {
            const QString name = QStringLiteral("icon-%1").arg(i);
            catalogue.Add({0, name, name + QStringLiteral(".jpg"), picture});
        }
    });
}

double PlainCountSeconds(const QString& path)
{
    QElapsedTimer timer;
    timer.start();
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "select count(*) from picture where parent=0", -1, &statement, nullptr);
    sqlite3_step(statement);
    const int count = sqlite3_column_int(statement, 0);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    if (count != categoryPictures)
        std::fprintf(stderr, "plain count found %d rows\n", count);
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    const TGalleryBenchApplication application(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Mirelvane.mdb"));
    BuildCatalogue(path);

    const TGalleryWindow form(path);
    const double peakBefore = TProcessMemory::StatusMiB("VmHWM:");

    const double click = TStopwatch::Seconds([&] {
        form->SpeedButton16Click(nullptr);
        form->grab(); // paints the grid and the count label
    });
    const double peakAfter = TProcessMemory::StatusMiB("VmHWM:");
    const double scroll = TStopwatch::Seconds([&] {
        form->ADOQuery1->MoveBy(gridPage);
        form->DBCtrlGrid1->grab();
    });
    double plain = 1e9;
    for (int i = 0; i < 5; ++i)
        plain = std::min(plain, PlainCountSeconds(path));

    std::printf("label: %s\n", qPrintable(form->Label10->Caption()));
    std::printf("click to painted grid: %.1f ms, plain count %.1f ms, ratio %.1f\n", click * 1e3,
                plain * 1e3, click / plain);
    std::printf("scrolling one page: %.1f ms, ratio to plain count %.1f\n", scroll * 1e3,
                scroll / plain);
    std::printf("peak memory growth for the click: %.1f MiB\n", peakAfter - peakBefore);
    return 0;
}
