#include "TPictureSaver.h"

#include "Exception.h"
#include "TJPEGImage.h"
#include "TMemoryStream.h"
#include "TPicture.h"

#include <QSaveFile>

QString TPictureSaver::TargetName(const QString& chosenName)
{
    if (chosenName.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
        return chosenName;
    return chosenName + QLatin1String(".jpg");
}

bool TPictureSaver::Save(const TPicture& picture, const QString& chosenName)
{
    const TGraphic* graphic = picture.Graphic();
    if (!graphic || graphic->Empty())
        return false;
    TJPEGImage jpeg;
    jpeg.Assign(graphic);
    jpeg.SetCompressionQuality(Quality);
    TMemoryStream encoded;
    jpeg.SaveToStream(encoded);

    const QString target = TargetName(chosenName);
    QSaveFile file(target);
    const auto fail = [&target](const QString& cause) {
        return EWriteError(QStringLiteral("Cannot save the picture to %1: %2").arg(target, cause));
    };
    if (!file.open(QIODevice::WriteOnly))
        throw fail(file.errorString());
    if (file.write(encoded.Bytes()) != encoded.Size())
        throw fail(file.errorString());
    if (!file.commit())
        throw fail(file.errorString());
    return true;
}
