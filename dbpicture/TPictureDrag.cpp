#include "TPictureDrag.h"

#include "TPictureMimeData.h"
#include "TPrivateTempFolder.h"

#include <QDrag>
#include <QMimeData>
#include <QUrl>

std::unique_ptr<QMimeData> TPictureDrag::MimeData(const QByteArray& bytes, const QString& fileName)
{
    std::unique_ptr<QMimeData> data = TPictureMimeData::FromBytes(bytes);
    if (data)
        data->setUrls({QUrl::fromLocalFile(TPrivateTempFolder::Place(fileName, bytes))});
    return data;
}

Qt::DropAction TPictureDrag::Start(QWidget* source, const QByteArray& bytes,
                                   const QString& fileName)
{
    std::unique_ptr<QMimeData> data = MimeData(bytes, fileName);
    if (!data)
        return Qt::IgnoreAction;
    auto* drag = new QDrag(source);
    drag->setMimeData(data.release());
    const QImage pixels = qvariant_cast<QImage>(drag->mimeData()->imageData());
    if (!pixels.isNull())
        drag->setPixmap(QPixmap::fromImage(pixels.scaled(
            dragPictureSide, dragPictureSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    return drag->exec(Qt::CopyAction, Qt::CopyAction);
}
