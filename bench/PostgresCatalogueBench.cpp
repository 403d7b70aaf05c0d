// "综合类" on catalogues of one category on a private PostgreSQL server, made by the
// catalogue library: from the click to the painted grid and count label, against a plain
// SELECT count(*) FROM picture WHERE parent = 0 on the same server in the same run (target:
// a ratio of at most 2), with the peak memory growth of the click (target: at most 32 MiB);
// then dragging the scroll bar to the middle and the end. 1,000,000 small bitmaps and
// 100,000 JPEG thumbnails; for scale, the same click on the 1,000,000 pictures in a
// catalogue file. Then a four-letter text typed into the find box on both, to the painted
// first page of its matches, against the bare search through each store's own library:
// the server's pg_trgm query through libpq, the file's FTS5 trigram query through sqlite3.
#include "TCatalogue.h"
#include "TCategoryClick.h"
#include "TFindTyping.h"
#include "TGalleryBenchApplication.h"
#include "TGalleryWindow.h"
#include "TPgNameIndex.h"
#include "TPgNameSearch.h"
#include "TPgTestConnection.h"
#include "TPrivatePostgres.h"
#include "TStopwatch.h"

#include <QTemporaryDir>
#include <cstdio>
#include <sqlite3.h>

namespace {

constexpr int million = 1000000;
constexpr int hundredThousand = 100000;
// Found in the names icon-7777, icon-17777, ..., icon-777700 to icon-777799, ...
const QString sought = QStringLiteral("7777");

// The tool's table, filled on the server in one statement, then vacuumed as a server in
// use for a while is.
QString BuildServerCatalogue(TPrivatePostgres& server, int pictures, const QByteArray& picture)
{
    const QString uri = server.SocketUri(server.CreateDatabase());
    TCatalogue::Create(uri);
    TPgTestConnection connection(uri);
    connection.Run(QStringLiteral("INSERT INTO picture(parent, Mirelvane, name, file) "
                                  "SELECT 0, $1, 'icon-' || i, 'icon-' || i || '.bmp' "
                                  "FROM generate_series(1, $2) i"),
                   {picture, pictures});
    connection.Run(QStringLiteral("VACUUM ANALYZE picture"));
    return uri;
}

// The peer on a server: a plain count over a connection that is open already.
double ServerCountSeconds(const QString& uri, int pictures)
{
    TPgTestConnection connection(uri);
    return TStopwatch::Best(5, [&] {
        const QString count =
            connection.Single(QStringLiteral("SELECT count(*) FROM picture WHERE parent = 0"));
        if (count.toInt() != pictures)
            std::fprintf(stderr, "the plain count found %s rows\n", qPrintable(count));
    });
}

TCategoryClick::TFigures MeasureOnServer(const QString& uri, int pictures)
{
    return TCategoryClick::Measure(uri, ServerCountSeconds(uri, pictures));
}

// The peers of a search: the statement the server's search runs, through libpq; the
// file's index of names asked through sqlite3.
double ServerSearchSeconds(const QString& uri)
{
    TPgTestConnection connection(uri);
    const QString sql =
        QStringLiteral("SELECT id FROM picture WHERE parent IS NOT NULL AND %1 ILIKE $1 ORDER BY "
                       "parent, id")
            .arg(TPgNameIndex::Names({QStringLiteral("name"), QStringLiteral("file")}));
    return TStopwatch::Best(5, [&] { connection.Run(sql, {TPgNameSearch::Pattern(sought)}); });
}

double FileSearchSeconds(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT rowid FROM picture_names WHERE picture_names MATCH ?", -1,
                       &statement, nullptr);
    const QByteArray phrase = '"' + sought.toUtf8() + '"';
    const double seconds = TStopwatch::Best(5, [&] {
        sqlite3_reset(statement);
        sqlite3_bind_text(statement, 1, phrase.constData(), int(phrase.size()), SQLITE_STATIC);
        while (sqlite3_step(statement) == SQLITE_ROW) {
        }
    });
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return seconds;
}

TFindTyping::TFigures PrintSearch(const char* catalogue, const QString& location, double peer,
                                  const char* peerName)
{
    const TGalleryWindow form(location);
    const TFindTyping::TFigures typed = TFindTyping::Measure(*form, sought);
    std::printf("typing \"%s\" %s: %d matches, to the painted first page %.1f ms, %s %.1f ms, "
                "ratio %.2f\n",
                qPrintable(sought), catalogue, typed.matches, typed.seconds * 1e3, peerName,
                peer * 1e3, typed.seconds / peer);
    std::fflush(stdout);
    return typed;
}

} // namespace

int main(int argc, char** argv)
{
    const TGalleryBenchApplication application(argc, argv);
    TPrivatePostgres server;
    if (!server.Unavailable().isEmpty()) {
        std::printf("no PostgreSQL server: %s\n", qPrintable(server.Unavailable()));
        return 1;
    }
    const QByteArray bitmap = TCategoryClick::Picture(false);

    const QString largeUri = BuildServerCatalogue(server, million, bitmap);
    const TCategoryClick::TFigures large = MeasureOnServer(largeUri, million);
    TCategoryClick::Print(
        "1,000,000 pictures on the server (targets: ratio <= 2, growth <= 32 MiB)", large);
    TCategoryClick::Print("100,000 pictures on the server, JPEG thumbnails",
                          MeasureOnServer(BuildServerCatalogue(server, hundredThousand,
                                                               TCategoryClick::Picture(true)),
                                          hundredThousand));

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("large.mdb"));
    TCategoryClick::BuildFile(file, million, bitmap);
    const TCategoryClick::TFigures inFile =
        TCategoryClick::Measure(file, TCategoryClick::FileCountSeconds(file, million));
    TCategoryClick::Print("for scale: the same 1,000,000 pictures in a catalogue file", inFile);
    std::printf("the click on the server against the click on the file: ratio %.2f\n",
                large.click / inFile.click);

    const TFindTyping::TFigures onServer = PrintSearch(
        "on the server", largeUri, ServerSearchSeconds(largeUri), "the bare pg_trgm query");
    const TFindTyping::TFigures inTheFile =
        PrintSearch("in the file", file, FileSearchSeconds(file), "the bare FTS5 query");
    std::printf("the search on the server against the search in the file: ratio %.2f\n",
                onServer.seconds / inTheFile.seconds);
    return 0;
}
