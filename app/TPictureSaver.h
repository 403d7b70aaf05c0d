#pragma once

#include "TImageFormat.h"

#include <QByteArray>
#include <QString>

// Saves a picture as the file it is stored as: its bytes unchanged, under the name the
// user chose with the extension of its format (".png", ".svg", ".jpg", ".bmp") added
// unless the name already ends so (any letter case; ".jpeg" counts for JPEG). The file
// is written to a temporary file beside the target and renamed over it only when
// complete, so a failed save leaves an existing file untouched.
class TPictureSaver {
public:
    // The file name the picture goes to for a chosen name; bytes of no known format add
    // no extension.
    static QString TargetName(const QString& chosenName, TImageKind kind);
    // The save dialog's filter offering the format: "PNG Image File (*.png)|*.png".
    static QString Filter(TImageKind kind);
    // Writes the bytes and returns the file written; empty bytes write nothing and
    // return an empty name. A failure raises EWriteError naming the file and the cause.
    static QString Save(const QByteArray& bytes, const QString& chosenName);
};
