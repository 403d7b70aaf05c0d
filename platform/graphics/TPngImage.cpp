#include "TPngImage.h"

#include "Exception.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TClassInfo.h"
#include "TPictureLimits.h"
#include "TStream.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

const TClassInfo& TPngImage::StaticClassInfo()
{
    static const TClassInfo info("TPngImage", &TGraphic::StaticClassInfo());
    return info;
}

TPngImage::TPngImage() = default;
TPngImage::~TPngImage() = default;

void TPngImage::SetWidth(int)
{
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of a PNG image"));
}

void TPngImage::SetHeight(int height)
{
    SetWidth(height);
}

void TPngImage::Clear()
{
    m_data.clear();
    m_image = QImage();
    Changed();
}

QImage TPngImage::Decode(const QByteArray& data)
{
    const EInvalidGraphic damaged(QStringLiteral("PNG image is not valid"));
    if (!data.startsWith("\x89PNG\r\n\x1A\n"))
        throw damaged;
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (!size.isValid())
        throw damaged;
    if (!TPictureLimits::Allows(size))
        throw EInvalidGraphic(QStringLiteral("PNG image is too large"));
    QImage image;
    if (!reader.read(&image) || image.size() != size)
        throw damaged;
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QByteArray TPngImage::Encode(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        throw EInvalidGraphic(
            QStringLiteral("Cannot encode the picture as PNG: %1").arg(writer.errorString()));
    return buffer.data();
}

void TPngImage::Draw(TCanvas& canvas, const QRect& rect)
{
    canvas.DrawImage(rect, m_image, m_image.rect());
}

void TPngImage::LoadFromStream(TStream& stream)
{
    QByteArray data = stream.ReadRest();
    m_data.clear();
    m_image = QImage();
    try {
        m_image = Decode(data);
    } catch (const EInvalidGraphic&) {
        Changed();
        throw;
    }
    m_data = std::move(data);
    Changed();
}

void TPngImage::SaveToStream(TStream& stream) const
{
    stream.WriteBuffer(m_data.constData(), m_data.size());
}

void TPngImage::Assign(const TPersistent* source)
{
    if (!source) {
        Clear();
        return;
    }
    if (const auto* png = dynamic_cast<const TPngImage*>(source)) {
        if (png == this)
            return;
        m_data = png->m_data;
        m_image = png->m_image;
        Changed();
        return;
    }
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        const QImage pixels = bitmap->Image();
        m_data = pixels.isNull() ? QByteArray() : Encode(pixels);
        m_image = pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

std::unique_ptr<TGraphic> TPngImage::Clone() const
{
    auto copy = std::make_unique<TPngImage>();
    copy->Assign(this);
    return copy;
}
