// Opening an Access (Jet) catalogue in the gallery, against its SQLite copy in the same
// run: "综合类" from the click to the painted first page and count label, the first time
// (the gallery copies the Access file for browsing) and a second time (the copy is
// there), with the peak memory growth of the first opening. Takes the path of the 5,000-row Access
// catalogue:
//   jet_catalogue_bench catalogue-jet4-5000.mdb
// Its pictures are random bytes under a JPEG signature: every thumbnail fails to decode,
// the same way on both stores, and the failures are not shown.
#include "TADOConnection.h"
#include "TErrorReport.h"
#include "TGalleryBenchApplication.h"
#include "TGalleryWindow.h"
#include "TJetCatalogueCache.h"
#include "TJetImporter.h"
#include "TJetReader.h"
#include "TMianForm.h"
#include "TProcessMemory.h"
#include "TStopwatch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int rounds = 5;

// The gallery's window on the catalogue at path, "综合类" clicked and painted; returns the
// seconds from the click to the painted grid and label.
double OpenCategory(const QString& path, QString* label = nullptr)
{
    const TGalleryWindow form(path);
    const double seconds = TStopwatch::Seconds([&] {
        form->SpeedButton16Click(nullptr);
        form->grab();
    });
    if (label)
        *label = form->Label10->Caption();
    return seconds;
}

// The seconds that reading every row through the reader program takes, rows dropped.
double ReadingAlone(const QString& path)
{
    return TStopwatch::Seconds(
        [&] { TJetReader::Read(path, TJetReader::TContent::Values, [](const TJetRow&) {}); });
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: jet_catalogue_bench ACCESS.mdb (the 5,000-row catalogue)\n");
        return 2;
    }
    const TGalleryBenchApplication application(argc, argv);
    TErrorReport::SetReporter([](const QString&) {});
    TJetReader::SetProgram(QStringLiteral(ZENTUVIO_JET_READER));
    QTemporaryDir folder;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(folder.filePath(QStringLiteral("cache"))));
    const QString access = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString copy = folder.filePath(QStringLiteral("copy.db"));
    TJetImporter::Import(access, copy);

    QString accessLabel;
    QString copyLabel;
    OpenCategory(copy, &copyLabel); // both files in the page cache before timing
    const double sqliteFirst = TStopwatch::Best(rounds, [&] { OpenCategory(copy); });

    double accessFirst = 1e9;
    double growth = 0;
    for (int round = 0; round < rounds; ++round) {
        QFile::remove(TJetCatalogueCache::CopyPath(access));
        TProcessMemory::ReturnFreedMemory();
        TProcessMemory::ResetPeak();
        const double before = TProcessMemory::StatusMiB("VmRSS:");
        accessFirst = std::min(accessFirst, OpenCategory(access, &accessLabel));
        growth = std::max(growth, TProcessMemory::StatusMiB("VmHWM:") - before);
    }
    const double accessSecond = TStopwatch::Best(rounds, [&] { OpenCategory(access); });
    double reading = 1e9;
    for (int round = 0; round < rounds; ++round)
        reading = std::min(reading, ReadingAlone(access));

    std::printf("%s\n  label: %s (SQLite copy: %s)\n", qPrintable(access), qPrintable(accessLabel),
                qPrintable(copyLabel));
    std::printf("  SQLite copy, click to painted first page: %.1f ms\n", sqliteFirst * 1e3);
    std::printf("  Access file, first time (copying it): %.1f ms, ratio %.2f (target at most 3); "
                "of it, reading every row through the reader alone: %.1f ms\n",
                accessFirst * 1e3, accessFirst / sqliteFirst, reading * 1e3);
    std::printf("  Access file, second time: %.1f ms, ratio %.2f (target at most 1.1)\n",
                accessSecond * 1e3, accessSecond / sqliteFirst);
    std::printf("  peak memory growth of the first opening: %.1f MiB (target at most 32)\n",
                growth);
    return 0;
}
