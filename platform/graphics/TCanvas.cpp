#include "TCanvas.h"

#include "Exception.h"
#include "TClassInfo.h"
#include "TEdgePainter.h"
#include "TGraphic.h"
#include "TTextLineCache.h"
#include "TTextWidthCache.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintEngine>
#include <algorithm>

namespace {

// Dash patterns of the system's cosmetic pens, in pixels (on, off, ...).
const QList<qreal> dashPattern = {18, 6};
const QList<qreal> dotPattern = {3, 3};
const QList<qreal> dashDotPattern = {9, 6, 3, 6};
const QList<qreal> dashDotDotPattern = {9, 3, 3, 3, 3, 3};

QPainter::CompositionMode PenComposition(TPenMode mode)
{
    switch (mode) {
    case TPenMode::pmNot:
        return QPainter::RasterOp_NotDestination;
    case TPenMode::pmNotCopy:
        return QPainter::RasterOp_NotSource;
    case TPenMode::pmMergePenNot:
        return QPainter::RasterOp_SourceOrNotDestination;
    case TPenMode::pmMaskPenNot:
        return QPainter::RasterOp_SourceAndNotDestination;
    case TPenMode::pmMergeNotPen:
        return QPainter::RasterOp_NotSourceOrDestination;
    case TPenMode::pmMaskNotPen:
        return QPainter::RasterOp_NotSourceAndDestination;
    case TPenMode::pmMerge:
        return QPainter::RasterOp_SourceOrDestination;
    case TPenMode::pmNotMerge:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case TPenMode::pmMask:
        return QPainter::RasterOp_SourceAndDestination;
    case TPenMode::pmNotMask:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case TPenMode::pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case TPenMode::pmNotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    default: // pmBlack, pmWhite and pmCopy set a colour; pmNop draws nothing
        return QPainter::CompositionMode_SourceOver;
    }
}

// The colour that the pen mode draws with in place of the pen's colour.
QColor PenModeColor(TPenMode mode, TColor penColor)
{
    if (mode == TPenMode::pmBlack)
        return Qt::black;
    if (mode == TPenMode::pmWhite)
        return Qt::white;
    return TColors::ToQColor(penColor);
}

Qt::BrushStyle HatchStyle(TBrushStyle style)
{
    switch (style) {
    case TBrushStyle::bsHorizontal:
        return Qt::HorPattern;
    case TBrushStyle::bsVertical:
        return Qt::VerPattern;
    case TBrushStyle::bsFDiagonal: // down to the right
        return Qt::FDiagPattern;
    case TBrushStyle::bsBDiagonal: // up to the right
        return Qt::BDiagPattern;
    case TBrushStyle::bsCross:
        return Qt::CrossPattern;
    case TBrushStyle::bsDiagCross:
        return Qt::DiagCrossPattern;
    case TBrushStyle::bsClear:
        return Qt::NoBrush;
    default:
        return Qt::SolidPattern;
    }
}

int TextFlags(TTextFormats format)
{
    int flags = 0;
    if (format.Contains(TTextFormat::tfCenter))
        flags |= Qt::AlignHCenter;
    else if (format.Contains(TTextFormat::tfRight))
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    // The system aligns vertically only single lines.
    const bool single = format.Contains(TTextFormat::tfSingleLine);
    if (single && format.Contains(TTextFormat::tfVerticalCenter))
        flags |= Qt::AlignVCenter;
    else if (single && format.Contains(TTextFormat::tfBottom))
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignTop;
    if (single)
        flags |= Qt::TextSingleLine;
    else if (format.Contains(TTextFormat::tfWordBreak))
        flags |= Qt::TextWordWrap;
    if (format.Contains(TTextFormat::tfExpandTabs))
        flags |= Qt::TextExpandTabs;
    if (format.Contains(TTextFormat::tfNoClip) || format.Contains(TTextFormat::tfCalcRect))
        flags |= Qt::TextDontClip;
    if (!format.Contains(TTextFormat::tfNoPrefix))
        flags |= format.Contains(TTextFormat::tfHidePrefix) ? Qt::TextHideMnemonic
                                                            : Qt::TextShowMnemonic;
    return flags;
}

// The four strips of a ring of width pixels just inside outer, not overlapping.
std::array<QRect, 4> Ring(const QRect& outer, int width)
{
    const int w = std::min(width, outer.width());
    const int h = std::min(width, outer.height());
    const int inner = std::max(0, outer.height() - 2 * h);
    return {QRect(outer.x(), outer.y(), outer.width(), h),
            QRect(outer.x(), outer.y() + outer.height() - h, outer.width(), h),
            QRect(outer.x(), outer.y() + h, w, inner),
            QRect(outer.x() + outer.width() - w, outer.y() + h, w, inner)};
}

} // namespace

const TClassInfo& TCanvas::StaticClassInfo()
{
    static const TClassInfo info("TCanvas", &TPersistent::StaticClassInfo());
    return info;
}

// --- Painting sessions ----------------------------------------------------------------

TCanvas::PaintScope::PaintScope(TCanvas& canvas, QPaintDevice* device)
    : m_canvas(canvas)
{
    m_canvas.BeginPaint(device);
}

TCanvas::PaintScope::PaintScope(TCanvas& canvas, QPainter* painter)
    : m_canvas(canvas)
{
    m_canvas.BeginPaint(painter);
}

TCanvas::PaintScope::~PaintScope()
{
    m_canvas.EndPaint();
}

TCanvas::TCanvas()
    : m_pen(std::make_unique<TPen>())
    , m_brush(std::make_unique<TBrush>())
    , m_font(std::make_unique<TFont>())
{
    m_font->OnChange = [this] { m_qfontValid = false; };
}

TCanvas::~TCanvas()
{
    EndPaint();
}

void TCanvas::BeginPaint(QPaintDevice* device)
{
    if (m_painter)
        throw EInvalidOperation(QStringLiteral("Canvas is already painting"));
    auto painter = std::make_unique<QPainter>();
    if (!device || !painter->begin(device))
        throw EInvalidOperation(QStringLiteral("Canvas does not allow drawing"));
    painter->setRenderHint(QPainter::Antialiasing, false);
    m_ownPainter = std::move(painter);
    m_painter = m_ownPainter.get();
    m_adopted = false;
    m_baseClip = QRegion();
    m_hasBaseClip = false;
}

void TCanvas::BeginPaint(QPainter* painter)
{
    if (m_painter)
        throw EInvalidOperation(QStringLiteral("Canvas is already painting"));
    if (!painter || !painter->isActive())
        throw EInvalidOperation(QStringLiteral("Canvas does not allow drawing"));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter = painter;
    m_adopted = true;
    m_hasBaseClip = painter->hasClipping();
    m_baseClip = m_hasBaseClip ? painter->clipRegion() : QRegion();
}

void TCanvas::EndPaint()
{
    if (!m_painter)
        return;
    for (; m_savedStates > 0; --m_savedStates)
        m_painter->restore();
    if (m_adopted)
        m_painter->restore();
    else
        m_ownPainter->end();
    m_ownPainter.reset();
    m_painter = nullptr;
    m_adopted = false;
}

QPainter* TCanvas::Handle()
{
    QPainter& painter = RequireHandle();
    ApplyPen(painter);
    ApplyBrush(painter);
    ApplyFont(painter);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    return &painter;
}

void TCanvas::SaveState()
{
    RequireHandle().save();
    ++m_savedStates;
}

void TCanvas::RestoreState()
{
    if (!m_painter || m_savedStates == 0)
        return;
    m_painter->restore();
    --m_savedStates;
}

QPainter& TCanvas::RequireHandle()
{
    if (!m_painter)
        CreateHandle();
    if (!m_painter)
        throw EInvalidOperation(QStringLiteral("Canvas does not allow drawing"));
    return *m_painter;
}

void TCanvas::CreateHandle() {}

void TCanvas::Changing()
{
    if (OnChanging)
        OnChanging();
}

void TCanvas::Changed()
{
    if (OnChange)
        OnChange();
}

// --- Tools ----------------------------------------------------------------------------

void TCanvas::ApplyPen(QPainter& painter)
{
    const TPenStyle style = m_pen->Style();
    if (style == TPenStyle::psClear || m_pen->Mode() == TPenMode::pmNop) {
        painter.setPen(Qt::NoPen);
        return;
    }
    QPen pen(PenModeColor(m_pen->Mode(), m_pen->Color()));
    pen.setWidth(std::max(1, m_pen->Width()));
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    // The system draws dashes only with one-pixel pens; wider ones are solid.
    if (pen.width() == 1) {
        if (style == TPenStyle::psDash)
            pen.setDashPattern(dashPattern);
        else if (style == TPenStyle::psDot)
            pen.setDashPattern(dotPattern);
        else if (style == TPenStyle::psDashDot)
            pen.setDashPattern(dashDotPattern);
        else if (style == TPenStyle::psDashDotDot)
            pen.setDashPattern(dashDotDotPattern);
    }
    painter.setPen(pen);
    painter.setCompositionMode(PenComposition(m_pen->Mode()));
}

void TCanvas::ApplyBrush(QPainter& painter)
{
    painter.setBrush(QtBrush());
}

QBrush TCanvas::QtBrush() const
{
    if (!m_brush->Pattern().isNull())
        return QBrush(m_brush->Pattern());
    const Qt::BrushStyle style = HatchStyle(m_brush->Style());
    if (style == Qt::NoBrush)
        return QBrush(Qt::NoBrush);
    return QBrush(TColors::ToQColor(m_brush->Color()), style);
}

const QFont& TCanvas::QtFont() const
{
    if (!m_qfontValid) {
        m_qfont = m_font->ToQFont();
        m_qfontValid = true;
    }
    return m_qfont;
}

void TCanvas::ApplyFont(QPainter& painter)
{
    painter.setFont(QtFont());
}

void TCanvas::FillWithBrush(QPainter& painter, const QRect& rect)
{
    if (rect.isEmpty())
        return;
    ApplyBrush(painter);
    painter.setPen(Qt::NoPen);
    painter.drawRect(rect);
}

void TCanvas::FillWithColor(QPainter& painter, const QRect& rect, TColor color)
{
    if (!rect.isEmpty())
        painter.fillRect(rect, TColors::ToQColor(color));
}

// --- Lines and figures -----------------------------------------------------------------

void TCanvas::MoveTo(int x, int y)
{
    m_penPos = QPoint(x, y);
}

void TCanvas::LineTo(int x, int y)
{
    QPainter& painter = RequireHandle();
    Changing();
    ApplyPen(painter);
    painter.drawLine(m_penPos, QPoint(x, y));
    m_penPos = QPoint(x, y);
    Changed();
}

void TCanvas::Polyline(const QPolygon& points)
{
    QPainter& painter = RequireHandle();
    Changing();
    ApplyPen(painter);
    painter.drawPolyline(points);
    Changed();
}

void TCanvas::Polygon(const QPolygon& points)
{
    QPainter& painter = RequireHandle();
    Changing();
    ApplyPen(painter);
    ApplyBrush(painter);
    painter.drawPolygon(points);
    Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    Rectangle(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                    QSize(std::abs(x2 - x1), std::abs(y2 - y1))));
}

void TCanvas::Rectangle(const QRect& rect)
{
    QPainter& painter = RequireHandle();
    if (rect.isEmpty())
        return;
    Changing();
    ApplyPen(painter);
    const QPen pen = painter.pen();
    if (pen.style() == Qt::NoPen) {
        FillWithBrush(painter, rect.adjusted(0, 0, -1, -1));
    } else if (pen.style() != Qt::SolidLine) {
        // Dashed outlines follow the pen's pattern along the edge pixels.
        ApplyBrush(painter);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    } else {
        const int width = pen.width();
        FillWithBrush(painter, rect.adjusted(width, width, -width, -width));
        for (const QRect& strip : Ring(rect, width))
            painter.fillRect(strip, pen.color());
    }
    Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight)
{
    QPainter& painter = RequireHandle();
    Changing();
    ApplyPen(painter);
    ApplyBrush(painter);
    const QRect rect = Rect(x1, y1, x2, y2).normalized().adjusted(0, 0, -1, -1);
    painter.drawRoundedRect(rect, cornerWidth / 2.0, cornerHeight / 2.0);
    Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    Ellipse(Rect(x1, y1, x2, y2).normalized());
}

void TCanvas::Ellipse(const QRect& rect)
{
    QPainter& painter = RequireHandle();
    if (rect.isEmpty())
        return;
    Changing();
    ApplyPen(painter);
    ApplyBrush(painter);
    painter.drawEllipse(rect.adjusted(0, 0, -1, -1));
    Changed();
}

void TCanvas::FillRect(const QRect& rect)
{
    QPainter& painter = RequireHandle();
    Changing();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    FillWithBrush(painter, rect.normalized());
    Changed();
}

void TCanvas::FrameRect(const QRect& rect)
{
    QPainter& painter = RequireHandle();
    if (rect.isEmpty())
        return;
    Changing();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    ApplyBrush(painter);
    const QBrush brush = painter.brush();
    for (const QRect& strip : Ring(rect, 1))
        painter.fillRect(strip, brush);
    Changed();
}

void TCanvas::DrawFocusRect(const QRect& rect)
{
    QPainter& painter = RequireHandle();
    if (rect.isEmpty())
        return;
    Changing();
    // Every other pixel, by the parity of its device position, is inverted (xor white).
    static const QImage checker = [] {
        QImage image(2, 2, QImage::Format_RGB32);
        image.setPixel(0, 0, 0xFFFFFFFF);
        image.setPixel(1, 1, 0xFFFFFFFF);
        image.setPixel(1, 0, 0xFF000000);
        image.setPixel(0, 1, 0xFF000000);
        return image;
    }();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const QBrush brush(checker);
    for (const QRect& strip : Ring(rect, 1))
        painter.fillRect(strip, brush);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Changed();
}

void TCanvas::Frame3D(QRect& rect, TColor topColor, TColor bottomColor, int width)
{
    QPainter& painter = RequireHandle();
    Changing();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    TEdgePainter::Frame3D(painter, rect, topColor, bottomColor, width);
    Changed();
}

void TCanvas::DrawEdge(QRect& rect, unsigned edge, unsigned flags)
{
    QPainter& painter = RequireHandle();
    Changing();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    TEdgePainter::DrawEdge(painter, rect, edge, flags);
    Changed();
}

// --- Text -----------------------------------------------------------------------------

void TCanvas::DrawTextCell(QPainter& painter, int x, int y, const QString& text, const QRect* clip)
{
    ApplyFont(painter);
    const QFontMetrics metrics(QtFont());
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (clip) {
        painter.save();
        painter.setClipRect(*clip, Qt::IntersectClip);
    }
    if (m_brush->Style() == TBrushStyle::bsSolid) {
        const QRect cell =
            clip ? *clip : QRect(x, y, metrics.horizontalAdvance(text), metrics.height());
        FillWithColor(painter, cell, m_brush->Color());
    }
    painter.setPen(TColors::ToQColor(m_font->Color()));
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
    if (clip)
        painter.restore();
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    QPainter& painter = RequireHandle();
    Changing();
    DrawTextCell(painter, x, y, text, nullptr);
    m_penPos = QPoint(x + TextWidth(text), y);
    Changed();
}

void TCanvas::TextRect(const QRect& rect, int x, int y, const QString& text)
{
    QPainter& painter = RequireHandle();
    Changing();
    DrawTextCell(painter, x, y, text, &rect);
    Changed();
}

void TCanvas::TextRect(QRect& rect, QString& text, TTextFormats format)
{
    const QFontMetrics metrics(QtFont());
    const int flags = TextFlags(format);
    QString shown = text;
    if (format.Contains(TTextFormat::tfEndEllipsis) || format.Contains(TTextFormat::tfWordEllipsis))
        shown = metrics.elidedText(text, Qt::ElideRight, rect.width(), flags);
    if (format.Contains(TTextFormat::tfModifyString))
        text = shown;
    if (format.Contains(TTextFormat::tfCalcRect)) {
        const QRect needed = metrics.boundingRect(rect, flags, shown);
        rect.setSize(QSize(format.Contains(TTextFormat::tfWordBreak) &&
                                   !format.Contains(TTextFormat::tfSingleLine)
                               ? std::max(rect.width(), needed.width())
                               : needed.width(),
                           needed.height()));
        return;
    }
    QPainter& painter = RequireHandle();
    Changing();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    ApplyFont(painter);
    painter.setPen(TColors::ToQColor(m_font->Color()));
    if (TTextLineCache::Handles(shown, flags, painter))
        TTextLineCache::ForThisThread().Draw(painter, rect, flags, shown);
    else
        painter.drawText(rect, flags, shown);
    Changed();
}

int TCanvas::TextWidth(const QString& text) const
{
    return TextExtent(text).width();
}

int TCanvas::TextHeight(const QString&) const
{
    // A line's height is the font's, whatever the text; measuring its width would be wasted.
    return QFontMetrics(QtFont()).height();
}

QSize TCanvas::TextExtent(const QString& text) const
{
    const QFont& font = QtFont();
    return QSize(TTextWidthCache::ForThisThread().Width(text, font), QFontMetrics(font).height());
}

// --- Pictures -------------------------------------------------------------------------

void TCanvas::Draw(int x, int y, TGraphic* graphic)
{
    if (!graphic || graphic->Empty())
        return;
    RequireHandle();
    Changing();
    graphic->Draw(*this, QRect(x, y, graphic->Width(), graphic->Height()));
    Changed();
}

void TCanvas::StretchDraw(const QRect& rect, TGraphic* graphic)
{
    if (!graphic || graphic->Empty())
        return;
    RequireHandle();
    Changing();
    graphic->Draw(*this, rect);
    Changed();
}

void TCanvas::CopyRect(const QRect& dest, TCanvas& source, const QRect& sourceRect)
{
    QTransform toImage;
    const QImage* image = source.SourceImage(toImage);
    if (!image)
        throw EInvalidOperation(QStringLiteral("Canvas pixels cannot be read"));
    // A copy first: the source may be this canvas, and the areas may overlap.
    const QRect mapped = toImage.mapRect(sourceRect.normalized());
    const QImage pixels = image->copy(mapped);
    DrawImage(dest, pixels, pixels.rect());
}

void TCanvas::DrawImage(const QRect& dest, const QImage& image, const QRect& sourceRect)
{
    QPainter& painter = RequireHandle();
    if (dest.isEmpty() || sourceRect.isEmpty() || image.isNull())
        return;
    Changing();
    TRasterCopy(m_copyMode, QtBrush()).Draw(painter, dest, image, sourceRect);
    Changed();
}

// --- Pixels ---------------------------------------------------------------------------

const QImage* TCanvas::SourceImage(QTransform& toImage)
{
    QPainter& painter = RequireHandle();
    QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    toImage = painter.deviceTransform();
    return static_cast<const QImage*>(device);
}

TColor TCanvas::Pixels(int x, int y)
{
    QTransform toImage;
    const QImage* image = SourceImage(toImage);
    if (!image)
        return TColor(-1);
    const QPoint point = toImage.map(QPoint(x, y));
    if (!image->valid(point))
        return TColor(-1);
    return TColors::FromQColor(QColor(image->pixel(point)));
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    QPainter& painter = RequireHandle();
    Changing();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    FillWithColor(painter, QRect(x, y, 1, 1), color);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Changed();
}

// --- Clipping -------------------------------------------------------------------------

QRect TCanvas::ClipRect()
{
    QPainter& painter = RequireHandle();
    const QPaintDevice* device = painter.device();
    const QRect surface = painter.combinedTransform().inverted().mapRect(
        QRect(0, 0, device->width(), device->height()));
    if (!painter.hasClipping())
        return surface;
    return painter.clipBoundingRect().toAlignedRect() & surface;
}

void TCanvas::IntersectClipRect(const QRect& rect)
{
    QPainter& painter = RequireHandle();
    if (painter.hasClipping())
        painter.setClipRect(rect, Qt::IntersectClip);
    else
        painter.setClipRect(rect, Qt::ReplaceClip);
}

void TCanvas::ExcludeClipRect(const QRect& rect)
{
    const QRect reach = ClipRect();
    QPainter& painter = RequireHandle();
    const QRegion current = painter.hasClipping() ? painter.clipRegion() & reach : QRegion(reach);
    painter.setClipRegion(current.subtracted(rect));
}

void TCanvas::SelectClipRegion(const QRegion& region)
{
    QPainter& painter = RequireHandle();
    painter.setClipRegion(m_hasBaseClip ? region & m_baseClip : region);
}

void TCanvas::ResetClipRegion()
{
    QPainter& painter = RequireHandle();
    if (m_hasBaseClip)
        painter.setClipRegion(m_baseClip);
    else
        painter.setClipping(false);
}

// --- Locking --------------------------------------------------------------------------

void TCanvas::Lock()
{
    m_lock.lock();
    ++m_lockCount;
}

void TCanvas::Unlock()
{
    --m_lockCount;
    m_lock.unlock();
}

bool TCanvas::TryLock()
{
    if (!m_lock.try_lock())
        return false;
    ++m_lockCount;
    return true;
}

int TCanvas::LockCount() const
{
    return m_lockCount;
}
