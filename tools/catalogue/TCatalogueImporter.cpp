#include "TCatalogueImporter.h"

#include "Exception.h"
#include "TBitmap.h"
#include "TCatalogue.h"
#include "TImageFormat.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"
#include "TPictureLimits.h"
#include "TPngImage.h"
#include "TSvgImage.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// The side, in pixels, at which a drawing is drawn once to see that it can be drawn.
constexpr int svgTrialSide = 64;

// Decodes the whole picture, so that damage anywhere in it is found now and not when
// the gallery draws it.
void CheckJpeg(const QByteArray& contents)
{
    TMemoryStream stream(contents);
    TJPEGImage image;
    try {
        image.LoadFromStream(stream);
        image.DIBNeeded();
    } catch (const Exception& error) {
        throw Exception(QStringLiteral("damaged JPEG data (%1)").arg(error.Message()));
    }
}

void CheckWindowsBitmap(const QByteArray& contents)
{
    TMemoryStream stream(contents);
    TBitmap bitmap;
    try {
        bitmap.LoadFromStream(stream);
    } catch (const Exception& error) {
        throw Exception(QStringLiteral("damaged Windows bitmap (%1)").arg(error.Message()));
    }
    if (bitmap.Empty())
        throw Exception(QStringLiteral("Windows bitmap without pixels"));
}

void CheckPng(const QByteArray& contents)
{
    try {
        TPngImage::Decode(contents);
    } catch (const Exception& error) {
        throw Exception(QStringLiteral("damaged PNG picture (%1)").arg(error.Message()));
    }
}

// Within the limits that the gallery draws it under, and drawn once.
void CheckSvg(const QByteArray& contents)
{
    TMemoryStream stream(contents);
    TSvgImage drawing;
    try {
        drawing.LoadFromStream(stream);
    } catch (const Exception& error) {
        throw Exception(
            QStringLiteral("SVG drawing that cannot be shown (%1)").arg(error.Message()));
    }
    if (drawing.RenderWithin(svgTrialSide).isNull())
        throw Exception(QStringLiteral("SVG drawing that takes too long to draw"));
}

// Other raster pictures that Qt reads (GIF, ICO, XPM, ...), limited as PNG pictures are.
QImage ReadRaster(const QByteArray& contents)
{
    QBuffer buffer;
    buffer.setData(contents);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format.startsWith("svg"))
        throw Exception(
            QStringLiteral("compressed SVG drawings are not stored; unpack them first"));
    if (format.isEmpty())
        throw Exception(QStringLiteral("not a picture format that can be read"));
    const QString name = QString::fromLatin1(format).toUpper();
    if (!TPictureLimits::Allows(reader.size()))
        throw Exception(QStringLiteral("%1 picture too large or without a size").arg(name));
    QImage image = reader.read();
    if (image.isNull())
        throw Exception(QStringLiteral("damaged %1 picture (%2)").arg(name, reader.errorString()));
    return image;
}

QByteArray ReadContents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(file.errorString());
    QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Exception(file.errorString());
    if (contents.isEmpty())
        throw Exception(QStringLiteral("the file is empty"));
    return contents;
}

} // namespace

TCatalogueImporter::TCatalogueImporter(TCatalogue& catalogue)
    : m_catalogue(catalogue)
{}

QByteArray TCatalogueImporter::StoredForm(const QByteArray& contents)
{
    switch (TImageFormat::Detect(contents)) {
    case TImageKind::ikJpeg:
        CheckJpeg(contents);
        return contents;
    case TImageKind::ikBitmap:
        CheckWindowsBitmap(contents);
        return contents;
    case TImageKind::ikPng:
        CheckPng(contents);
        return contents;
    case TImageKind::ikSvg:
        CheckSvg(contents);
        return contents;
    default:
        return TPngImage::Encode(ReadRaster(contents));
    }
}

int TCatalogueImporter::Import(qint64 parent, const QStringList& paths)
{
    m_failures.clear();
    const QStringList files = ExpandFolders(paths);
    int added = 0;
    m_catalogue.InTransaction([&] {
        for (int index = 0; index < files.size(); ++index) {
            if (ImportFile(parent, files[index]))
                ++added;
            if (m_progress)
                m_progress(index + 1, int(files.size()));
        }
    });
    return added;
}

QStringList TCatalogueImporter::ExpandFolders(const QStringList& paths)
{
    QStringList files;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isDir()) {
            files.append(path);
            continue;
        }
        QStringList inFolder;
        QDirIterator it(path, QDir::Files,
                        QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (it.hasNext())
            inFolder.append(it.next());
        inFolder.sort();
        files.append(inFolder);
    }
    return files;
}

// Adds one file's picture; a file that cannot be stored is listed and false returned.
// Database errors of the insert pass on and end the import.
bool TCatalogueImporter::ImportFile(qint64 parent, const QString& path)
{
    QByteArray stored;
    try {
        stored = StoredForm(ReadContents(path));
    } catch (const Exception& error) {
        m_failures.push_back({path, error.Message()});
        return false;
    }
    const QFileInfo info(path);
    m_catalogue.Add({parent, info.completeBaseName(), info.fileName(), stored});
    return true;
}
