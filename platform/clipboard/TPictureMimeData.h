#pragma once

#include <QByteArray>
#include <QImage>
#include <memory>

class QMimeData;
class TGraphic;

// The forms in which a picture leaves the program, through the clipboard or a drag: its
// pixels as Qt's image (which the platform offers in the forms other programs ask for),
// "image/png" with its transparency, and, where the picture keeps its own file, those
// bytes under their own type ("image/svg+xml" for a drawing, "image/jpeg" for stored
// JPEG bytes).
class TPictureMimeData {
public:
    // The longer side, in pixels, of a drawing handed over as pixels.
    static constexpr int MaxDrawingSide = 1024;

    // For a graphic: its pixels, and a PNG's or SVG drawing's own bytes. Empty data for
    // an empty graphic.
    static std::unique_ptr<QMimeData> FromGraphic(const TGraphic& graphic);
    // For a picture's stored bytes (any kind TImageFormat tells): the bytes under their
    // own type and the picture's pixels; nullptr for bytes that are no readable picture.
    static std::unique_ptr<QMimeData> FromBytes(const QByteArray& bytes);

    // The pixels of a graphic (a drawing rendered within MaxDrawingSide); null for none.
    static QImage PixelsOf(const TGraphic& graphic);
};
