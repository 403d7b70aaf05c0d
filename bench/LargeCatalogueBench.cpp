// "综合类" on catalogues of one category, against a plain sqlite3 count of the same rows in
// the same run: from the click to the painted grid and count label, with the peak memory
// growth; then dragging the scroll bar to the middle and to the end and painting that
// page, against painting the first page. Catalogues of 1,000,000 pictures, one made like
// the catalogue tool's (ID key, index on parent) and one with only parent and Mirelvane
// (no key column, no index), the latter also once the catalogue tool's index command has
// run, beside the 100,000-picture catalogue made by the catalogue library. The million-picture
// catalogues hold small bitmaps, so that they are quick to make; the 100,000 pictures are JPEG
// thumbnails.
#include "AppClasses.h"
#include "DataClasses.h"
#include "DbPictureClasses.h"
#include "GifClasses.h"
#include "SkinClasses.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TApplication.h"
#include "TBitmap.h"
#include "TCatalogue.h"
#include "TDBCtrlGrid.h"
#include "TGalleryWindow.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"
#include "TMianForm.h"
#include "TProcessMemory.h"
#include "TSQLiteTestCatalogue.h"
#include "TStopwatch.h"

#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <sqlite3.h>

namespace {

constexpr int million = 1000000;
constexpr int hundredThousand = 100000;
constexpr int rounds = 3;

QByteArray Thumbnail(bool jpeg)
{
    TBitmap bitmap(jpeg ? 103 : 4, jpeg ? 66 : 4, TPixelFormat::pf24bit);
    bitmap.Canvas()->Brush()->SetColor(clTeal);
    bitmap.Canvas()->FillRect(QRect(0, 0, bitmap.Width(), bitmap.Height()));
    bitmap.Canvas()->Ellipse(1, 1, bitmap.Width() - 1, bitmap.Height() - 1);
    TMemoryStream stream;
    if (!jpeg) {
        bitmap.SaveToStream(stream);
        return stream.Bytes();
    }
    TJPEGImage image;
    image.Assign(&bitmap);
    image.SaveToStream(stream);
    return stream.Bytes();
}

void BuildToolCatalogue(const QString& path, int pictures, const QByteArray& picture)
{
    TCatalogue::Create(path);
    TCatalogue catalogue(path);
    catalogue.InTransaction([&] {
        for (int i = 0; i < pictures; ++i) {
            const QString name = QStringLiteral("icon-%1").arg(i);
            catalogue.Add({0, name, name + QStringLiteral(".bmp"), picture});
        }
    });
}

int PlainCount(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "select count(*) from picture where parent=0", -1, &statement, nullptr);
    sqlite3_step(statement);
    const int count = sqlite3_column_int(statement, 0);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return count;
}

struct TFigures {
    double plain = 0;
    double click = 0;
    double peakGrowth = 0;
    double firstPage = 0;
    double middlePage = 0;
    double lastPage = 0;
    QString label;
};

TFigures Measure(const QString& path, int pictures)
{
    TFigures figures;
    figures.plain = TStopwatch::Best(5, [&] {
        if (PlainCount(path) != pictures)
            std::fprintf(stderr, "plain count found other rows\n");
    });
    const TGalleryWindow form(path);
    const auto click = [&] {
        form->SpeedButton16Click(nullptr);
        form->grab(); // paints the grid and the count label
    };
    TProcessMemory::ReturnFreedMemory();
    TProcessMemory::ResetPeak();
    const double residentBefore = TProcessMemory::StatusMiB("VmRSS:");
    figures.click = TStopwatch::Seconds(click);
    figures.peakGrowth = TProcessMemory::StatusMiB("VmHWM:") - residentBefore;
    figures.click = std::min(figures.click, TStopwatch::Best(rounds - 1, click));
    figures.label = form->Label10->Caption();

    TDBCtrlGrid* grid = form->DBCtrlGrid1;
    QScrollBar* bar = grid->findChild<QScrollBar*>();
    figures.firstPage = TStopwatch::Best(rounds, [&] { grid->grab(); });
    // Timed from the first page: the drag and the paint of the page it shows.
    const auto dragTo = [&](std::function<int()> row) {
        double best = 1e9;
        for (int round = 0; round < rounds; ++round) {
            bar->setValue(0);
            grid->grab();
            best = std::min(best, TStopwatch::Seconds([&] {
                                bar->setValue(row());
                                grid->grab();
                            }));
        }
        return best;
    };
    figures.middlePage = dragTo([&] { return bar->maximum() / 2; });
    figures.lastPage = dragTo([&] { return bar->maximum(); });
    return figures;
}

void Print(const char* catalogue, const TFigures& f)
{
    std::printf("%s\n  label: %s\n", catalogue, qPrintable(f.label));
    std::printf("  click to painted grid: %.1f ms, plain count %.1f ms, ratio %.2f\n",
                f.click * 1e3, f.plain * 1e3, f.click / f.plain);
    std::printf("  peak memory growth for the click: %.1f MiB\n", f.peakGrowth);
    std::printf("  painting the first page: %.2f ms\n", f.firstPage * 1e3);
    std::printf("  dragging to the middle and painting: %.2f ms, ratio to the first page %.2f\n",
                f.middlePage * 1e3, f.middlePage / f.firstPage);
    std::printf("  dragging to the end and painting: %.2f ms, ratio to the first page %.2f\n",
                f.lastPage * 1e3, f.lastPage / f.firstPage);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    RegisterDataClasses();
    RegisterGifClasses();
    RegisterDbPictureClasses();
    RegisterSkinClasses();
    RegisterAppClasses();
    QTemporaryDir folder;
    const QByteArray bitmap = Thumbnail(false);

    const QString tool = folder.filePath(QStringLiteral("tool.mdb"));
    BuildToolCatalogue(tool, million, bitmap);
    Print("1,000,000 pictures, made like the catalogue tool's (ID key, index on parent)",
          Measure(tool, million));
    QFile::remove(tool);

    {
        // As another program may have made it: parent and Mirelvane only.
        TSQLiteTestCatalogue plain(TPictureTable::Unkeyed);
        plain.AddMany(million, [&bitmap](int) { return TPictureRow{0, bitmap}; });
        Print("1,000,000 pictures, only parent and Mirelvane (no key column, no index)",
              Measure(plain.Location(), million));
        TCatalogue(plain.Location()).AddParentIndex();
        Print("the same after zentuvio-catalogue index (no key column)",
              Measure(plain.Location(), million));
    }

    const QString small = folder.filePath(QStringLiteral("small.mdb"));
    BuildToolCatalogue(small, hundredThousand, Thumbnail(true));
    Print("100,000 pictures, made like the catalogue tool's (JPEG thumbnails)",
          Measure(small, hundredThousand));
    return 0;
}
