#include "TSvgImage.h"

#include "Exception.h"
#include "TCanvas.h"
#include "TClassInfo.h"
#include "TStream.h"
#include "TSvgDocument.h"

#include <QPainter>
#include <cmath>

const TClassInfo& TSvgImage::StaticClassInfo()
{
    static const TClassInfo info("TSvgImage", &TGraphic::StaticClassInfo());
    return info;
}

TSvgImage::TSvgImage() = default;
TSvgImage::~TSvgImage() = default;

int TSvgImage::Width() const
{
    return m_document ? m_document->Size().width() : 0;
}

int TSvgImage::Height() const
{
    return m_document ? m_document->Size().height() : 0;
}

void TSvgImage::SetWidth(int)
{
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of an SVG image"));
}

void TSvgImage::SetHeight(int height)
{
    SetWidth(height);
}

void TSvgImage::Clear()
{
    m_document.reset();
    Changed();
}

QByteArray TSvgImage::Data() const
{
    return m_document ? m_document->Data() : QByteArray();
}

QImage TSvgImage::Render(QSize pixels) const
{
    return m_document ? m_document->Render(pixels) : QImage();
}

QImage TSvgImage::RenderWithin(int maxSide) const
{
    if (!m_document)
        return QImage();
    const QSize size = m_document->Size();
    return Render(size.width() <= maxSide && size.height() <= maxSide
                      ? size
                      : size.scaled(maxSide, maxSide, Qt::KeepAspectRatio).expandedTo({1, 1}));
}

void TSvgImage::Draw(TCanvas& canvas, const QRect& rect)
{
    if (!m_document || rect.isEmpty())
        return;
    // The painter's whole transformation, the device's pixel ratio included, tells how
    // many device pixels the rectangle covers.
    const QSizeF covered = canvas.Handle()->deviceTransform().mapRect(QRectF(rect)).size();
    const QImage image =
        Render(QSize(int(std::lround(covered.width())), int(std::lround(covered.height()))));
    canvas.DrawImage(rect, image, image.rect());
}

void TSvgImage::LoadFromStream(TStream& stream)
{
    const QByteArray data = stream.ReadRest();
    m_document.reset();
    try {
        m_document = TSvgDocument::Open(data);
    } catch (const EInvalidGraphic&) {
        Changed();
        throw;
    }
    Changed();
}

void TSvgImage::SaveToStream(TStream& stream) const
{
    const QByteArray data = Data();
    stream.WriteBuffer(data.constData(), data.size());
}

void TSvgImage::Assign(const TPersistent* source)
{
    if (!source) {
        Clear();
        return;
    }
    if (const auto* svg = dynamic_cast<const TSvgImage*>(source)) {
        if (svg == this)
            return;
        m_document = svg->m_document;
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

std::unique_ptr<TGraphic> TSvgImage::Clone() const
{
    auto copy = std::make_unique<TSvgImage>();
    copy->Assign(this);
    return copy;
}
