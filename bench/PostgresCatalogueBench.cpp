// "综合类" on catalogues of one category on a private PostgreSQL server, made by the
// catalogue library: from the click to the painted grid and count label, against a plain
// SELECT count(*) FROM picture WHERE parent = 0 on the same server in the same run (target:
// a ratio of at most 2), with the peak memory growth of the click (target: at most 32 MiB);
// then dragging the scroll bar to the middle and the end. 1,000,000 small bitmaps and
// 100,000 JPEG thumbnails; for scale, the same click on the 1,000,000 pictures in a
// catalogue file.
#include "AppClasses.h"
#include "DataClasses.h"
#include "DbPictureClasses.h"
#include "GifClasses.h"
#include "SkinClasses.h"
#include "TApplication.h"
#include "TCatalogue.h"
#include "TCategoryClick.h"
#include "TPgTestConnection.h"
#include "TPrivatePostgres.h"
#include "TStopwatch.h"

#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int million = 1000000;
constexpr int hundredThousand = 100000;

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
    TPrivatePostgres server;
    if (!server.Unavailable().isEmpty()) {
        std::printf("no PostgreSQL server: %s\n", qPrintable(server.Unavailable()));
        return 1;
    }
    const QByteArray bitmap = TCategoryClick::Picture(false);

    const TCategoryClick::TFigures large =
        MeasureOnServer(BuildServerCatalogue(server, million, bitmap), million);
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
    return 0;
}
