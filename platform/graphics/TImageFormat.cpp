#include "TImageFormat.h"

#include <QXmlStreamReader>

TImageKind TImageFormat::Detect(const QByteArray& data)
{
    if (data.startsWith("\xFF\xD8\xFF"))
        return TImageKind::ikJpeg;
    if (data.startsWith("BM"))
        return TImageKind::ikBitmap;
    if (data.startsWith("\x89PNG\r\n\x1A\n"))
        return TImageKind::ikPng;
    if (data.startsWith("GIF8"))
        return TImageKind::ikGif;
    if (IsSvg(data))
        return TImageKind::ikSvg;
    return TImageKind::ikUnknown;
}

// Reads XML tokens up to the first element. Entities (some drawing programs name their
// namespaces by them) expand only a little here, so a hostile head stays cheap.
bool TImageFormat::IsSvg(const QByteArray& data)
{
    constexpr int entityLimit = 512; // characters per entity
    const QByteArray head = data.left(SvgHeadBytes);
    if (!head.contains("svg"))
        return false;
    QXmlStreamReader reader(head);
    reader.setEntityExpansionLimit(entityLimit);
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            return reader.name() == QLatin1String("svg");
        case QXmlStreamReader::Invalid:
            return false;
        default:
            break;
        }
    }
    return false;
}

QString TImageFormat::Extension(TImageKind kind)
{
    switch (kind) {
    case TImageKind::ikJpeg:
        return QStringLiteral("jpg");
    case TImageKind::ikBitmap:
        return QStringLiteral("bmp");
    case TImageKind::ikPng:
        return QStringLiteral("png");
    case TImageKind::ikGif:
        return QStringLiteral("gif");
    case TImageKind::ikSvg:
        return QStringLiteral("svg");
    case TImageKind::ikUnknown:
        break;
    }
    return QString();
}

QString TImageFormat::MimeType(TImageKind kind)
{
    switch (kind) {
    case TImageKind::ikJpeg:
        return QStringLiteral("image/jpeg");
    case TImageKind::ikBitmap:
        return QStringLiteral("image/bmp");
    case TImageKind::ikSvg:
        return QStringLiteral("image/svg+xml");
    case TImageKind::ikPng:
    case TImageKind::ikGif:
        return QStringLiteral("image/") + Extension(kind);
    case TImageKind::ikUnknown:
        break;
    }
    return QString();
}

QString TImageFormat::Name(TImageKind kind)
{
    switch (kind) {
    case TImageKind::ikJpeg:
        return QStringLiteral("JPEG");
    case TImageKind::ikBitmap:
        return QStringLiteral("BMP");
    default:
        return Extension(kind).toUpper();
    }
}

bool TImageFormat::HasExtension(const QString& fileName, TImageKind kind)
{
    const QString extension = Extension(kind);
    if (extension.isEmpty())
        return false;
    if (fileName.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive))
        return true;
    return kind == TImageKind::ikJpeg &&
           fileName.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive);
}
