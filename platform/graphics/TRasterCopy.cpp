#include "TRasterCopy.h"

#include "Exception.h"
#include "TColors.h"

#include <QImage>

TRasterCopy::TRasterCopy(TCopyMode mode, QBrush brush)
    : m_mode(mode)
    , m_brush(std::move(brush))
{}

void TRasterCopy::Draw(QPainter& painter, const QRect& dest, const QImage& image,
                       const QRect& sourceRect) const
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (image.hasAlphaChannel()) { // pixels left out by their alpha: blended, not combined
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawImage(dest, image, sourceRect);
        return;
    }
    if (Fill(painter, dest))
        return;
    QImage source = sourceRect == image.rect() ? image : image.copy(sourceRect);
    if (source.format() != QImage::Format_RGB32)
        source = source.convertToFormat(QImage::Format_RGB32);
    painter.setCompositionMode(PrepareSource(source, dest));
    painter.drawImage(dest, source, source.rect());
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

bool TRasterCopy::Fill(QPainter& painter, const QRect& dest) const
{
    switch (m_mode) {
    case cmBlackness:
        painter.fillRect(dest, TColors::ToQColor(clBlack));
        return true;
    case cmWhiteness:
        painter.fillRect(dest, TColors::ToQColor(clWhite));
        return true;
    case cmPatCopy:
        FillWithBrush(painter, dest, QPainter::CompositionMode_Source);
        return true;
    case cmPatInvert:
        FillWithBrush(painter, dest, QPainter::RasterOp_SourceXorDestination);
        return true;
    case cmDstInvert:
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(dest, Qt::white);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        return true;
    default:
        return false;
    }
}

void TRasterCopy::FillWithBrush(QPainter& painter, const QRect& rect,
                                QPainter::CompositionMode mode) const
{
    painter.setCompositionMode(mode);
    painter.setBrush(m_brush);
    painter.setPen(Qt::NoPen);
    painter.drawRect(rect);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// The brush lands where source lands at dest, so its pattern lines up with the
// destination's as in a fill.
QPainter::CompositionMode TRasterCopy::PrepareSource(QImage& source, const QRect& dest) const
{
    const bool mergeCopy = m_mode == cmMergeCopy; // S & P
    const bool patPaint = m_mode == cmPatPaint;   // (~S | P) | D
    if (mergeCopy || patPaint) {
        if (patPaint)
            source.invertPixels();
        QPainter patterned(&source);
        patterned.setBrushOrigin(-dest.topLeft());
        patterned.setCompositionMode(mergeCopy ? QPainter::RasterOp_SourceAndDestination
                                               : QPainter::RasterOp_SourceOrDestination);
        patterned.setBrush(m_brush);
        patterned.setPen(Qt::NoPen);
        patterned.drawRect(source.rect());
        return mergeCopy ? QPainter::CompositionMode_Source
                         : QPainter::RasterOp_SourceOrDestination;
    }
    switch (m_mode) {
    case cmSrcCopy:
        return QPainter::CompositionMode_Source;
    case cmSrcAnd:
        return QPainter::RasterOp_SourceAndDestination;
    case cmSrcPaint:
        return QPainter::RasterOp_SourceOrDestination;
    case cmSrcInvert:
        return QPainter::RasterOp_SourceXorDestination;
    case cmSrcErase:
        return QPainter::RasterOp_SourceAndNotDestination;
    case cmNotSrcCopy:
        return QPainter::RasterOp_NotSource;
    case cmNotSrcErase:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case cmMergePaint:
        return QPainter::RasterOp_NotSourceOrDestination;
    default:
        throw EInvalidGraphicOperation(
            QStringLiteral("Unsupported copy mode $%1").arg(quint32(m_mode), 8, 16, QChar('0')));
    }
}
