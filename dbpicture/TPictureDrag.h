#pragma once

#include <QByteArray>
#include <QString>
#include <Qt>
#include <memory>

class QMimeData;
class QWidget;

// A picture dragged out of the gallery into another program: it carries the stored
// bytes under their own type with the picture's pixels (TPictureMimeData), and a
// "text/uri-list" naming a file that holds the bytes under the picture's own file name
// in the program's private temporary folder (TPrivateTempFolder), so that file
// managers, image and vector editors and browsers each find a form they take.
class TPictureDrag {
public:
    // The picture under the pointer while dragging is shrunk to this side, in pixels.
    static constexpr int dragPictureSide = 48;

    // The drag's data; nullptr for bytes that are no readable picture. Raises
    // EFCreateError when the file cannot be written.
    static std::unique_ptr<QMimeData> MimeData(const QByteArray& bytes, const QString& fileName);
    // Drags the picture from source, offering a copy, and returns once it is dropped or
    // given up: the action the target took (Qt::IgnoreAction for none).
    static Qt::DropAction Start(QWidget* source, const QByteArray& bytes, const QString& fileName);
};
