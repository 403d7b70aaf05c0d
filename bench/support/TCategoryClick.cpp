#include "TCategoryClick.h"

#include "TBitmap.h"
#include "TCatalogue.h"
#include "TDBCtrlGrid.h"
#include "TGalleryWindow.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"
#include "TMianForm.h"
#include "TProcessMemory.h"
#include "TStopwatch.h"

#include <QScrollBar>
#include <cstdio>
#include <functional>
#include <sqlite3.h>

namespace {
constexpr int rounds = 3;
// The click is timed as often as its peer, the plain count (best of five).
constexpr int clickRounds = 5;
} // namespace

QByteArray TCategoryClick::Picture(bool jpeg)
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

void TCategoryClick::BuildFile(const QString& path, int pictures, const QByteArray& picture)
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

double TCategoryClick::FileCountSeconds(const QString& path, int pictures)
{
    return TStopwatch::Best(5, [&] {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, "select count(*) from picture where parent=0", -1, &statement,
                           nullptr);
        sqlite3_step(statement);
        if (sqlite3_column_int(statement, 0) != pictures)
            std::fprintf(stderr, "plain count found other rows\n");
        sqlite3_finalize(statement);
        sqlite3_close(db);
    });
}

TCategoryClick::TFigures TCategoryClick::Measure(const QString& catalogue, double plainSeconds)
{
    TFigures figures;
    figures.plain = plainSeconds;
    const TGalleryWindow form(catalogue);
    const auto click = [&] {
        form->SpeedButton16Click(nullptr);
        form->grab(); // paints the grid and the count label
    };
    TProcessMemory::ReturnFreedMemory();
    TProcessMemory::ResetPeak();
    const double residentBefore = TProcessMemory::StatusMiB("VmRSS:");
    figures.firstClick = TStopwatch::Seconds(click);
    figures.peakGrowth = TProcessMemory::StatusMiB("VmHWM:") - residentBefore;
    figures.click = std::min(figures.firstClick, TStopwatch::Best(clickRounds - 1, click));
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

void TCategoryClick::Print(const char* catalogue, const TFigures& f)
{
    std::printf("%s\n  label: %s\n", catalogue, qPrintable(f.label));
    std::printf("  click to painted grid: %.1f ms, plain count %.1f ms, ratio %.2f\n",
                f.click * 1e3, f.plain * 1e3, f.click / f.plain);
    std::printf("  the first click, opening the connection: %.1f ms, ratio %.2f\n",
                f.firstClick * 1e3, f.firstClick / f.plain);
    std::printf("  peak memory growth for the first click: %.1f MiB\n", f.peakGrowth);
    std::printf("  painting the first page: %.2f ms\n", f.firstPage * 1e3);
    std::printf("  dragging to the middle and painting: %.2f ms, ratio to the first page %.2f\n",
                f.middlePage * 1e3, f.middlePage / f.firstPage);
    std::printf("  dragging to the end and painting: %.2f ms, ratio to the first page %.2f\n",
                f.lastPage * 1e3, f.lastPage / f.firstPage);
    std::fflush(stdout);
}
