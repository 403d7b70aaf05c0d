#pragma once

#include <QImage>
#include <QString>
#include <vector>

// How a picture is stored in the resources: frame and decoration pictures are JPEG,
// speed-button glyphs are Windows bitmaps.
enum class ArtworkFormat { Jpeg, Bitmap };

struct ArtworkPicture {
    QString name; // resource name, also the file's base name
    ArtworkFormat format;
    QImage image;
};

// Draws every picture of the program's resources: the two skin sets, the frame and
// dialog buttons, the main window's decorations, the sub-category glyphs and the bar
// pages' category glyphs, in that order.
std::vector<ArtworkPicture> drawAllArtwork();

// The suffix that names the pictures of the alternative skin set ("IMGLEFTUP1").
inline const QString AlternativeSkinSuffix = QStringLiteral("1");
