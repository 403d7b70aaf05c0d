#include "TCatalogue.h"
#include "TCatalogueTool.h"
#include "TStopwatch.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <sqlite3.h>

// "zentuvio-catalogue list DB --parent 0" on a catalogue of 100,000 pictures, built with
// the catalogue library, against a plain sqlite3 count of the same rows.
namespace {

constexpr int categoryPictures = 100000;
constexpr int otherPictures = 1000;
// Larger than a page's room for one row, so that most of each picture lies on overflow
// pages, as for the gallery's templates.
constexpr int pictureBytes = 6000;

class TBenchCatalogue {
public:
    TBenchCatalogue()
        : m_path(m_dir.filePath(QStringLiteral("Mirelvane.mdb")))
    {
        TCatalogue::Create(m_path);
        TCatalogue catalogue(m_path);
        const QByteArray picture(pictureBytes, '\xd8');
        catalogue.InTransaction([&] {
            for (int i = 0; i < categoryPictures + otherPictures; ++i) {
                // The other category's pictures are spread among the category's.
                const bool other = i % 101 == 100 && i / 101 < otherPictures;
                const QString name = QStringLiteral("picture-%1").arg(i);
                catalogue.Add({other ? 10 : 0, name, name + QStringLiteral(".jpg"), picture});
            }
        });
    }
    const QString& Path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

const TBenchCatalogue& Catalogue()
{
    static const TBenchCatalogue catalogue;
    return catalogue;
}

// The tool's list command, its lines written to memory; returns the number of lines.
int ListWithTool()
{
    QByteArray listing;
    QBuffer buffer(&listing);
    buffer.open(QIODevice::WriteOnly);
    QTextStream out(&buffer);
    QString errors;
    QTextStream err(&errors);
    if (TCatalogueTool(out, err).Run({"list", Catalogue().Path(), "--parent", "0"}) != 0)
        return -1;
    return int(listing.count('\n'));
}

// Steps sql on a plain sqlite3 connection; returns the sum of the first column's values
// when count is set, else the number of rows.
int StepPlain(const char* sql, bool count)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(Catalogue().Path().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    int rows = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        rows += count ? sqlite3_column_int(stmt, 0) : 1;
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

// The peer: the same rows counted by SQLite alone.
int CountPlain()
{
    return StepPlain("SELECT count(*) FROM picture WHERE parent = 0", true);
}

// A second peer that shows where the time goes: the columns that list prints, stepped by
// SQLite alone without formatting them.
int SelectPlain()
{
    return StepPlain("SELECT ID, parent, name, file, length(Mirelvane) FROM picture "
                     "WHERE parent = 0 ORDER BY ID",
                     false);
}

template <int (*List)()> void RunList(benchmark::State& state)
{
    Catalogue();
    List(); // the first run pays for a cold page cache
    for (auto _ : state) {
        if (List() != categoryPictures)
            state.SkipWithError("wrong number of pictures");
    }
    state.counters["pictures"] = categoryPictures;
}

void BM_ListCategoryWithTool(benchmark::State& state)
{
    RunList<ListWithTool>(state);
}
BENCHMARK(BM_ListCategoryWithTool)->Unit(benchmark::kMillisecond);

void BM_CountCategoryPlainSQLite(benchmark::State& state)
{
    RunList<CountPlain>(state);
}
BENCHMARK(BM_CountCategoryPlainSQLite)->Unit(benchmark::kMillisecond);

void BM_SelectCategoryPlainSQLite(benchmark::State& state)
{
    RunList<SelectPlain>(state);
}
BENCHMARK(BM_SelectCategoryPlainSQLite)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const double built = TStopwatch::Seconds(Catalogue);
    std::printf("Building a catalogue of %d pictures of %d bytes: %.1f s\n",
                categoryPictures + otherPictures, pictureBytes, built);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    constexpr int rounds = 10;
    const double list = TStopwatch::Best(rounds, ListWithTool);
    const double count = TStopwatch::Best(rounds, CountPlain);
    const double select = TStopwatch::Best(rounds, SelectPlain);
    std::printf("list --parent 0 of %d pictures: %.1f ms; plain SQLite count: %.1f ms; plain "
                "SELECT of the listed columns: %.1f ms\n",
                categoryPictures, list * 1e3, count * 1e3, select * 1e3);
    std::printf("list / plain count: %.2f\n", list / count);
    std::printf("list / plain SELECT of the listed columns: %.2f\n", list / select);
    return 0;
}
