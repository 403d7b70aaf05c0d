// Two costs of keeping pictures as they are, each against its peer in the same run:
// - painting one 6 x 6 page of the icon grid holding 36 SVG drawings of Tango icons
//   against the same page holding the same icons as 32 x 32 PNG pictures, after the
//   first paint (target: at most 2);
// - adding 1,000 PNG files by dropping their folder onto the icon grid (from the drop to
//   the grid and count label showing them) against `zentuvio-catalogue import` of the
//   same folder (target: at most 1.2).
#include "TADOQuery.h"
#include "TCatalogue.h"
#include "TDBCtrlGrid.h"
#include "TGalleryBenchApplication.h"
#include "TGalleryWindow.h"
#include "TLabel.h"
#include "TMianForm.h"
#include "TStopwatch.h"

#include <QDir>
#include <QDirIterator>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdio>
#include <vector>

namespace {

const QString theme = QStringLiteral("/usr/share/icons/Tango");
constexpr int pagePictures = 36;
constexpr int paintRounds = 50;
constexpr int droppedFiles = 1000;
constexpr int importRounds = 5;

// Icons that the theme has both as 32 x 32 PNG and as SVG, by path below the size folder.
QStringList IconsOfBothKinds()
{
    QStringList both;
    QDirIterator it(theme + QStringLiteral("/32x32"), {QStringLiteral("*.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString png = it.next();
        if (QFileInfo(png).isSymLink()) // another name of an icon met already
            continue;
        QString relative = QDir(theme + QStringLiteral("/32x32")).relativeFilePath(png);
        relative.chop(4);
        if (QFileInfo::exists(theme + QStringLiteral("/scalable/") + relative +
                              QStringLiteral(".svg")))
            both << relative;
    }
    both.sort();
    return both.mid(0, pagePictures);
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// A catalogue holding the icons as drawings (category 0) and as PNG pictures (10).
void BuildPageCatalogue(const QString& path, const QStringList& icons)
{
    TCatalogue::Create(path);
    TCatalogue catalogue(path);
    catalogue.InTransaction([&] {
        for (const QString& icon : icons) {
            catalogue.Add(
                {0, icon, QString(),
                 Contents(theme + QStringLiteral("/scalable/") + icon + QStringLiteral(".svg"))});
            catalogue.Add(
                {10, icon, QString(),
                 Contents(theme + QStringLiteral("/32x32/") + icon + QStringLiteral(".png"))});
        }
    });
}

// The icon grid showing category parent, painted once; then the best of many repaints.
double PagePaintSeconds(const TGalleryWindow& form, int parent)
{
    form->ADOQuery1->Close();
    form->ADOQuery1->SetSQLLine(1, QStringLiteral("where parent=%1").arg(parent));
    form->ADOQuery1->Open();
    TDBCtrlGrid& grid = *form->DBCtrlGrid1;
    form->SpeedButton27Click(nullptr); // the icon grid in front, the query as it is
    QImage page(grid.size(), QImage::Format_RGB32);
    grid.render(&page); // the first paint
    return TStopwatch::Best(paintRounds, [&] { grid.render(&page); });
}

void ComparePagePaints(const QString& folder)
{
    const QStringList icons = IconsOfBothKinds();
    const QString path = QDir(folder).filePath(QStringLiteral("page.mdb"));
    BuildPageCatalogue(path, icons);
    const TGalleryWindow form(path);
    const double svg = PagePaintSeconds(form, 0);
    const double png = PagePaintSeconds(form, 10);
    std::printf("page of %d icons: SVG %.2f ms, PNG %.2f ms, ratio %.2f (target <= 2)\n",
                int(icons.size()), svg * 1e3, png * 1e3, svg / png);
}

// droppedFiles PNG files in a folder of their own: the theme's 32 x 32 icons, cycled.
QString WritePngFolder(const QString& folder)
{
    QStringList sources;
    QDirIterator it(theme + QStringLiteral("/32x32"), {QStringLiteral("*.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        sources << it.next();
    sources.sort();
    const QString pngs = QDir(folder).filePath(QStringLiteral("pngs"));
    QDir().mkpath(pngs);
    for (int i = 0; i < droppedFiles; ++i)
        QFile::copy(
            sources[i % sources.size()],
            QDir(pngs).filePath(QStringLiteral("icon-%1.png").arg(i, 4, 10, QLatin1Char('0'))));
    return pngs;
}

// Drops the folder onto the icon grid of a fresh catalogue, as a file manager does, and
// waits for the count to show the pictures.
double DropSeconds(const QString& catalogue, const QString& pngs)
{
    TCatalogue::Create(catalogue);
    const TGalleryWindow form(catalogue);
    form->SpeedButton16Click(nullptr);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(pngs)});
    TDBCtrlGrid* grid = form->DBCtrlGrid1;
    const QPoint at = grid->rect().center();
    const QString shown = QStringLiteral("综合类共:%1个").arg(droppedFiles);
    const double seconds = TStopwatch::Seconds([&] {
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid, &drop);
        while (form->Label10->Caption() != shown)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        form->grab(); // the grid painted with them
    });
    return seconds;
}

double ToolSeconds(const QString& catalogue, const QString& pngs)
{
    TCatalogue::Create(catalogue);
    return TStopwatch::Seconds([&] {
        QProcess tool;
        tool.setStandardOutputFile(QProcess::nullDevice());
        tool.start(QStringLiteral(CATALOGUE_TOOL),
                   {QStringLiteral("import"), catalogue, QStringLiteral("--parent"),
                    QStringLiteral("0"), pngs});
        tool.waitForFinished(-1);
    });
}

void CompareImports(const QString& folder)
{
    const QString pngs = WritePngFolder(folder);
    double drop = 1e9, tool = 1e9;
    for (int round = 0; round < importRounds; ++round) {
        const QString prefix = QDir(folder).filePath(QStringLiteral("import%1").arg(round));
        tool = std::min(tool, ToolSeconds(prefix + QStringLiteral("-tool.mdb"), pngs));
        drop = std::min(drop, DropSeconds(prefix + QStringLiteral("-drop.mdb"), pngs));
    }
    std::printf("%d PNG files: drop %.0f ms, tool import %.0f ms, ratio %.2f (target <= 1.2)\n",
                droppedFiles, drop * 1e3, tool * 1e3, drop / tool);
}

} // namespace

int main(int argc, char** argv)
{
    const QTemporaryDir userData; // no user catalogue of the person running it
    qputenv("XDG_DATA_HOME", userData.path().toLocal8Bit());
    const TGalleryBenchApplication application(argc, argv);
    QTemporaryDir folder;
    ComparePagePaints(folder.path());
    CompareImports(folder.path());
    return 0;
}
