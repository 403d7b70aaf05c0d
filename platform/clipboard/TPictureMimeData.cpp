#include "TPictureMimeData.h"

#include "TBitmap.h"
#include "TImageFormat.h"
#include "TMemoryStream.h"
#include "TPicture.h"
#include "TPngImage.h"
#include "TSvgImage.h"

#include <QMimeData>

namespace {

const QString pngType = QStringLiteral("image/png");
const QString svgType = QStringLiteral("image/svg+xml");

} // namespace

QImage TPictureMimeData::PixelsOf(const TGraphic& graphic)
{
    if (graphic.Empty())
        return QImage();
    if (const auto* png = dynamic_cast<const TPngImage*>(&graphic))
        return png->Image();
    if (const auto* svg = dynamic_cast<const TSvgImage*>(&graphic))
        return svg->RenderWithin(MaxDrawingSide);
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(&graphic))
        return bitmap->Image();
    TBitmap converted;
    converted.Assign(&graphic);
    return converted.Image();
}

std::unique_ptr<QMimeData> TPictureMimeData::FromGraphic(const TGraphic& graphic)
{
    auto data = std::make_unique<QMimeData>();
    const QImage pixels = PixelsOf(graphic);
    if (!pixels.isNull()) {
        data->setImageData(pixels);
        const auto* png = dynamic_cast<const TPngImage*>(&graphic);
        data->setData(pngType, png ? png->Data() : TPngImage::Encode(pixels));
    }
    if (const auto* svg = dynamic_cast<const TSvgImage*>(&graphic); svg && !svg->Empty())
        data->setData(svgType, svg->Data());
    return data;
}

std::unique_ptr<QMimeData> TPictureMimeData::FromBytes(const QByteArray& bytes)
{
    const TImageKind kind = TImageFormat::Detect(bytes);
    if (kind == TImageKind::ikUnknown)
        return nullptr;
    TPicture picture;
    TMemoryStream stream(bytes);
    try {
        picture.LoadFromStream(stream);
    } catch (const std::exception&) {
        return nullptr;
    }
    if (!picture.Graphic())
        return nullptr;
    std::unique_ptr<QMimeData> data = FromGraphic(*picture.Graphic());
    data->setData(TImageFormat::MimeType(kind), bytes);
    return data;
}
