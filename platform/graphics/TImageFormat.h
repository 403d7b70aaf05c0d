#pragma once

#include "TLayoutCodec.h"

#include <QByteArray>
#include <QString>

// The kinds of picture data the gallery keeps: JPEG, Windows bitmap, PNG, GIF and SVG.
enum class TImageKind { ikUnknown, ikJpeg, ikBitmap, ikPng, ikGif, ikSvg };
T_ENUM_NAMES(TImageKind, "ikUnknown", "ikJpeg", "ikBitmap", "ikPng", "ikGif", "ikSvg");

// Tells a picture's kind by its content, never by a file name, and names what belongs
// to each kind: its file extension, MIME type and the short name shown to users.
class TImageFormat {
public:
    // How far into the data an SVG's root element is looked for, in bytes.
    static constexpr int SvgHeadBytes = 64 * 1024;

    // The kind whose signature the data starts with; an SVG is XML whose first element
    // is svg (after an XML declaration, comments and a document type). Compressed SVG
    // (gzip) is not recognised.
    static TImageKind Detect(const QByteArray& data);
    static bool IsSvg(const QByteArray& data);

    // "jpg", "bmp", "png", "gif", "svg"; empty for ikUnknown.
    static QString Extension(TImageKind kind);
    // "image/jpeg", "image/bmp", "image/png", "image/gif", "image/svg+xml".
    static QString MimeType(TImageKind kind);
    // "JPEG", "BMP", "PNG", "GIF", "SVG".
    static QString Name(TImageKind kind);
    // Whether fileName ends with an extension of kind (".jpg" or ".jpeg" for JPEG, ...),
    // in any letter case.
    static bool HasExtension(const QString& fileName, TImageKind kind);
};
