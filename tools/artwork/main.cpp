// zentuvio-artwork: draws the program's pictures (skin sets, frame and dialog buttons,
// main window decorations, sub-category glyphs) into a folder, ready to be compiled in
// as raw-data resources. JPEG files are padded with zero bytes to a multiple of four
// bytes, the form in which the program stores its skin resources.

#include "Artwork.h"
#include "ContactSheet.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QTextStream>

#include <optional>

namespace {

constexpr int JpegQuality = 92;
constexpr int ResourceAlignment = 4; // bytes

std::optional<QByteArray> encode(const ArtworkPicture& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool jpeg = picture.format == ArtworkFormat::Jpeg;
    QImageWriter writer(&buffer, jpeg ? "jpeg" : "bmp");
    if (jpeg)
        writer.setQuality(JpegQuality);
    // Without alpha, so that bitmaps are written with 24 bits a pixel.
    if (!writer.write(picture.image.convertToFormat(QImage::Format_RGB888)))
        return std::nullopt;
    if (jpeg)
        bytes.append((ResourceAlignment - bytes.size() % ResourceAlignment) % ResourceAlignment,
                     '\0');
    return bytes;
}

QString fileName(const ArtworkPicture& picture)
{
    const bool jpeg = picture.format == ArtworkFormat::Jpeg;
    return picture.name + (jpeg ? QStringLiteral(".jpg") : QStringLiteral(".bmp"));
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// Writes every picture; reports the first failure and stops there.
bool writeArtwork(const std::vector<ArtworkPicture>& pictures, const QDir& folder)
{
    QTextStream errors(stderr);
    for (const ArtworkPicture& picture : pictures) {
        const QString path = folder.filePath(fileName(picture));
        const std::optional<QByteArray> bytes = encode(picture);
        if (!bytes) {
            errors << "zentuvio-artwork: cannot encode " << picture.name << '\n';
            return false;
        }
        if (!writeFile(path, *bytes)) {
            errors << "zentuvio-artwork: cannot write " << path << '\n';
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // Text on the contact sheet needs fonts, and so a platform; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws Zentuvio's pictures into a folder."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Output folder."));
    const QCommandLineOption previewOption(
        QStringLiteral("preview"), QStringLiteral("Also write a PNG contact sheet to <file>."),
        QStringLiteral("file"));
    parser.addOption(previewOption);
    parser.process(application);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);

    const QDir folder(parser.positionalArguments().constFirst());
    if (!folder.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "zentuvio-artwork: cannot create " << folder.path() << '\n';
        return 1;
    }
    const std::vector<ArtworkPicture> pictures = drawAllArtwork();
    if (!writeArtwork(pictures, folder))
        return 1;
    const QString previewPath = parser.value(previewOption);
    if (!previewPath.isEmpty() && !drawContactSheet(pictures).save(previewPath, "PNG")) {
        QTextStream(stderr) << "zentuvio-artwork: cannot write " << previewPath << '\n';
        return 1;
    }
    return 0;
}
