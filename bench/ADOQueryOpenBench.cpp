#include "TADOQuery.h"
#include "TComponent.h"

#include "TOpenRun.h"
#include "TPlainKeySelect.h"
#include "TStopwatch.h"
#include "TTestQuery.h"
#include "TTestStore.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>

// Opening a category of 100,000 pictures through TADOQuery, as the catalogue does, against
// a plain sqlite3 SELECT of the same rows' keys, and against a plain SELECT * that reads
// every picture; time, memory held afterwards and peak resident memory.
namespace {

constexpr int categoryPictures = 100000;
constexpr int otherPictures = 1000;
// A picture's JPEG of some kilobytes; larger than a page's room for one row (4061 bytes),
// so that, as in the picture database, most of each picture lies on overflow pages.
constexpr int pictureBytes = 6000;

// The picture database, made once per run in a temporary folder.
const TTestCatalogue& Database()
{
    static const std::unique_ptr<TTestCatalogue> database = [] {
        std::unique_ptr<TTestCatalogue> made = TTestStore::SQLite().NewCatalogue();
        const QByteArray picture(pictureBytes, '\xd8');
        // The other category's pictures are spread among the category's.
        made->AddMany(categoryPictures + otherPictures, [&picture](int i) {
            const bool other = i % 101 == 100 && i / 101 < otherPictures;
            return TPictureRow{other ? 10 : 0, picture};
        });
        return made;
    }();
    return *database;
}

// The main window's connection and category query, kept across runs as in the program.
struct TCatalogue {
    TComponent form{nullptr};
    TTestQuery data{&form, Database().ConnectionString()};
    TADOQuery* query = data.query;
    TCatalogue()
    {
        query->SetCursorType(TCursorType::ctStatic);
        query->SetCacheSize(1000);
    }
};

TCatalogue& Catalogue()
{
    static TCatalogue catalogue;
    return catalogue;
}

// The category query of the catalogue: close, replace the filter line, open, count.
int OpenWithQuery()
{
    TADOQuery* query = Catalogue().query;
    query->Close();
    query->SetSQLLine(1, QStringLiteral("where parent=0"));
    query->Open();
    return query->RecordCount();
}
void CloseQuery()
{
    Catalogue().query->Close();
}

// The peer: the same rows' keys (and category) by a plain SELECT, kept in a vector.
TPlainKeySelect& Plain()
{
    static TPlainKeySelect plain(Database().Location());
    return plain;
}

void ReleaseKeys()
{
    Plain().Release();
}

int SelectKeys()
{
    return Plain().Select("Select ID, parent From picture\nwhere parent=0\n");
}

int SelectEverything()
{
    return Plain().Select("Select * From picture\nwhere parent=0\n", true);
}

template <int (*Open)(), void (*Release)()> void RunOpen(benchmark::State& state)
{
    Database();
    const TOpenRun::Memory memory = TOpenRun::Measure(state, categoryPictures, Open, Release);
    state.counters["records"] = categoryPictures;
    state.counters["heap_held_MiB"] = memory.heapHeldMiB;
    state.counters["peak_rss_growth_MiB"] = memory.peakGrowthMiB;
}

void BM_OpenCategoryTADOQuery(benchmark::State& state)
{
    RunOpen<OpenWithQuery, CloseQuery>(state);
}
BENCHMARK(BM_OpenCategoryTADOQuery)->Unit(benchmark::kMillisecond);

void BM_OpenCategoryPlainSelectKeys(benchmark::State& state)
{
    RunOpen<SelectKeys, ReleaseKeys>(state);
}
BENCHMARK(BM_OpenCategoryPlainSelectKeys)->Unit(benchmark::kMillisecond);

void BM_OpenCategoryPlainSelectAllBlobs(benchmark::State& state)
{
    RunOpen<SelectEverything, ReleaseKeys>(state);
}
BENCHMARK(BM_OpenCategoryPlainSelectAllBlobs)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    constexpr int rounds = 10;
    const double query = TStopwatch::Best(rounds, OpenWithQuery);
    const double keys = TStopwatch::Best(rounds, SelectKeys);
    const double everything = TStopwatch::Best(rounds, SelectEverything);
    std::printf("Opening a category of %d pictures of %d bytes: TADOQuery %.1f ms, plain SELECT "
                "of the keys %.1f ms, plain SELECT * %.1f ms\n",
                categoryPictures, pictureBytes, query * 1e3, keys * 1e3, everything * 1e3);
    std::printf("TADOQuery / plain SELECT of the keys: %.2f (target well under a second in all)\n",
                query / keys);
    std::printf("TADOQuery / plain SELECT *: %.2f\n", query / everything);
    return 0;
}
