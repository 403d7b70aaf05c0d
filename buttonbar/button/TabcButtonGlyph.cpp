#include "TabcButtonGlyph.h"

#include "TBitmap.h"
#include "TCanvas.h"
#include "TImageList.h"
#include "TPicture.h"
#include "TabcGlyphCache.h"

#include <utility>

namespace {

constexpr int maxGlyphs = 5;
constexpr QRgb silver = 0xFFC0C0C0;
constexpr QRgb white = 0xFFFFFFFF;
constexpr TColor disabledText = TColor(0x808080);

QRgb Opaque(TColor color)
{
    return TColors::ToQColor(color).rgb() | 0xFF000000;
}

bool SameColour(QRgb a, QRgb b)
{
    return (a & 0xFFFFFF) == (b & 0xFFFFFF);
}

// Applies f to every pixel of a copy of image.
template <class F> QImage MapPixels(const QImage& image, F f)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            row[x] = f(row[x]);
    }
    return result;
}

QImage OnFace(const QImage& cell, QRgb transparent, QRgb face)
{
    return MapPixels(cell, [=](QRgb p) { return SameColour(p, transparent) ? face : p; });
}

QImage Masked(const QImage& cell, QRgb transparent)
{
    return MapPixels(cell, [=](QRgb p) { return SameColour(p, transparent) ? 0u : p; });
}

QImage Grey(const QImage& image)
{
    return MapPixels(image, [](QRgb p) { return qRgb(qRed(p), qRed(p), qRed(p)); });
}

// The image at a quarter of its strength over the face colour.
QImage Faded(const QImage& image, QRgb face)
{
    const auto mix = [](int over, int under) { return (over + 3 * under) / 4; };
    return MapPixels(image, [=](QRgb p) {
        return qRgb(mix(qRed(p), qRed(face)), mix(qGreen(p), qGreen(face)),
                    mix(qBlue(p), qBlue(face)));
    });
}

QImage Darkened(const QImage& image, QRgb face)
{
    return MapPixels(image, [=](QRgb p) { return (p & face) | 0xFF000000; });
}

// The embossed look of a disabled picture: every pixel that is not transparent, white
// or silver, in the highlight colour one pixel right and down, then in the shadow
// colour in its place, on the face colour.
QImage Embossed(const QImage& cell, QRgb transparent, QRgb face)
{
    const QImage source = cell.convertToFormat(QImage::Format_ARGB32);
    const auto drawn = [&](int x, int y) {
        const QRgb p = source.pixel(x, y);
        return !SameColour(p, transparent) && !SameColour(p, white) && !SameColour(p, silver);
    };
    QImage result(source.size(), QImage::Format_ARGB32);
    result.fill(face);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (drawn(x, y) && x + 1 < source.width() && y + 1 < source.height())
                result.setPixel(x + 1, y + 1, Opaque(clBtnHighlight));
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (drawn(x, y))
                result.setPixel(x, y, Opaque(clBtnShadow));
    return result;
}

int StateCell(TabcButtonState state)
{
    return int(state);
}

} // namespace

TabcButtonGlyph::TabcButtonGlyph()
    : m_picture(std::make_unique<TPicture>())
{
    m_picture->OnChange = [this](TObject*) {
        m_source.reset();
        Invalidate();
        if (OnChange)
            OnChange();
    };
}

TabcButtonGlyph::~TabcButtonGlyph()
{
    Invalidate();
}

void TabcButtonGlyph::SetNumGlyphs(int value)
{
    value = std::clamp(value, 1, maxGlyphs);
    if (value == m_numGlyphs)
        return;
    m_numGlyphs = value;
    Invalidate();
}

void TabcButtonGlyph::SetTransparentColor(TColor color)
{
    if (color == m_transparentColor)
        return;
    m_transparentColor = color;
    Invalidate();
}

void TabcButtonGlyph::SetFaceColor(TColor color)
{
    if (color == m_faceColor)
        return;
    m_faceColor = color;
    Invalidate();
}

void TabcButtonGlyph::SetHighlight(TabcGlyphHighlight highlight)
{
    if (highlight == m_highlight)
        return;
    m_highlight = highlight;
    Invalidate();
}

void TabcButtonGlyph::SetImages(TImageList* images, int index)
{
    if (images == m_images && index == m_imageIndex)
        return;
    m_images = images;
    m_imageIndex = index;
    Invalidate();
}

void TabcButtonGlyph::Invalidate()
{
    for (int& slot : m_stateSlots)
        if (slot >= 0)
            TabcGlyphCache::Instance().Free(m_slotSize, std::exchange(slot, -1));
}

QSize TabcButtonGlyph::CellSize() const
{
    if (m_images && m_images->HasImage(m_imageIndex))
        return QSize(m_images->Width(), m_images->Height());
    if (m_picture->Width() == 0 || m_picture->Height() == 0)
        return QSize(0, 0);
    return QSize(m_picture->Width() / m_numGlyphs, m_picture->Height());
}

// The picture's pixels; icons and pictures with alpha are first drawn over the
// transparent colour.
QImage TabcButtonGlyph::Source() const
{
    if (m_images && m_images->HasImage(m_imageIndex)) {
        QImage image(m_images->Width(), m_images->Height(), QImage::Format_ARGB32);
        image.fill(Transparent());
        QPainter(&image).drawImage(0, 0, m_images->Image(m_imageIndex));
        return image;
    }
    if (!m_source) {
        TBitmap bitmap(m_picture->Width(), m_picture->Height(), TPixelFormat::pf32bit);
        bitmap.Canvas()->Brush()->SetColor(TColor(Transparent() & 0xFFFFFF));
        bitmap.Canvas()->FillRect(QRect(0, 0, bitmap.Width(), bitmap.Height()));
        bitmap.Canvas()->Draw(0, 0, m_picture->Graphic());
        m_source = bitmap.Image().convertToFormat(QImage::Format_ARGB32);
    }
    return *m_source;
}

QRgb TabcButtonGlyph::Transparent() const
{
    if (m_transparentColor != clDefault)
        return Opaque(m_transparentColor);
    if (auto* bitmap = dynamic_cast<TBitmap*>(m_picture->Graphic()); bitmap && !bitmap->Empty())
        return Opaque(TColor(bitmap->TransparentColor() & 0xFFFFFF));
    return Opaque(clFuchsia);
}

// The cell of a state; a state whose cell the picture does not hold uses the first.
QImage TabcButtonGlyph::Cell(int index) const
{
    const QSize size = CellSize();
    const QImage source = Source();
    if (m_images && m_images->HasImage(m_imageIndex))
        return source;
    const int cell = index < m_numGlyphs ? index : 0;
    return source.copy(cell * size.width(), 0, size.width(), size.height());
}

QImage TabcButtonGlyph::StateImage(TabcButtonState state)
{
    TabcGlyphCache& cache = TabcGlyphCache::Instance();
    int& slot = m_stateSlots[size_t(StateCell(state))];
    if (slot < 0) {
        const QImage image = BuildStateImage(state);
        m_slotSize = CellSize();
        slot = cache.Store(m_slotSize, image);
        return image;
    }
    return cache.Image(m_slotSize, slot);
}

QImage TabcButtonGlyph::BuildStateImage(TabcButtonState state)
{
    const QRgb transparent = Transparent();
    const QRgb face = Opaque(m_faceColor);
    switch (state) {
    case TabcButtonState::bsUp:
        switch (m_highlight) {
        case TabcGlyphHighlight::aghNormal:
            return OnFace(Cell(0), transparent, face);
        case TabcGlyphHighlight::aghGray:
            return Grey(OnFace(Cell(0), transparent, face));
        case TabcGlyphHighlight::aghFade:
            return Faded(StateImage(TabcButtonState::bsHot), face);
        case TabcGlyphHighlight::aghDarken:
            return Darkened(StateImage(TabcButtonState::bsHot), face);
        }
        break;
    case TabcButtonState::bsDisabled:
        return Embossed(Cell(StateCell(state)), transparent, face);
    case TabcButtonState::bsExclusive:
        return Masked(Cell(StateCell(state)), transparent);
    case TabcButtonState::bsDown:
        if (m_numGlyphs < 3)
            return StateImage(TabcButtonState::bsHot);
        return OnFace(Cell(StateCell(state)), transparent, face);
    case TabcButtonState::bsHot:
        return OnFace(Cell(StateCell(state)), transparent, face);
    }
    return {};
}

TabcButtonGlyph::Placement TabcButtonGlyph::Place(const QRect& content, QSize pictureSize,
                                                  QSize captionSize, const Face& face)
{
    using L = TabcButtonLayout;
    L layout = face.layout;
    if (face.rightToLeft && layout == L::ablGlyphLeft)
        layout = L::ablGlyphRight;
    else if (face.rightToLeft && layout == L::ablGlyphRight)
        layout = L::ablGlyphLeft;
    const int w = content.width(), h = content.height();
    const int gw = pictureSize.width(), gh = pictureSize.height();
    const int tw = captionSize.width(), th = captionSize.height();
    Placement placement;
    placement.caption = QRect(0, 0, tw, th);
    if (layout == L::ablGlyphCenter || layout == L::ablGlyphTiled) {
        placement.caption.moveTo((w - tw + 1) / 2, (h - th + 1) / 2);
        if (layout == L::ablGlyphCenter)
            placement.picture = QPoint((w - gw + 1) / 2, (h - gh + 1) / 2);
        placement.caption.translate(content.topLeft());
        placement.picture += content.topLeft();
        return placement;
    }
    const bool horizontal = layout == L::ablGlyphLeft || layout == L::ablGlyphRight;
    const int length = horizontal ? w : h;
    const int g = horizontal ? gw : gh;
    const int t = horizontal ? tw : th;
    int margin = face.margin < -1 ? -1 : face.margin;
    int spacing = (tw == 0 || gw == 0) ? 0 : face.spacing;
    if (margin == -1 && spacing == -1) {
        margin = spacing = (length - (g + t)) / 3;
    } else if (margin == -1) {
        margin = (length - (g + spacing + t) + 1) / 2;
    } else if (spacing == -1) {
        spacing = (length - margin - g - t) / 2;
    }
    int picture = margin;
    int caption = margin + g + spacing;
    if (layout == L::ablGlyphRight || layout == L::ablGlyphBottom) {
        picture = length - margin - g;
        caption = picture - spacing - t;
    }
    if (horizontal) {
        placement.picture = QPoint(picture, (h - gh + 1) / 2);
        placement.caption.moveTo(caption, (h - th + 1) / 2);
    } else {
        placement.picture = QPoint((w - gw + 1) / 2, picture);
        placement.caption.moveTo((w - tw + 1) / 2, caption);
    }
    placement.caption.translate(content.topLeft());
    placement.picture += content.topLeft();
    return placement;
}

void TabcButtonGlyph::Draw(TCanvas& canvas, const QRect& content, const Face& face)
{
    const QSize picture = CellSize();
    const QSize caption = CaptionSize(canvas, face.caption);
    const Placement placement = Place(content, picture, caption, face);
    if (!picture.isEmpty())
        DrawPicture(canvas, content, placement.picture, face);
    if (!face.caption.isEmpty())
        DrawCaption(canvas, placement.caption, face);
}

void TabcButtonGlyph::DrawPicture(TCanvas& canvas, const QRect& content, QPoint at,
                                  const Face& face)
{
    const QImage image = StateImage(face.state);
    if (image.isNull())
        return;
    if (face.layout != TabcButtonLayout::ablGlyphTiled) {
        canvas.DrawImage(QRect(at, image.size()), image, image.rect());
        return;
    }
    for (int y = content.y(); y < content.y() + content.height(); y += image.height()) {
        for (int x = content.x(); x < content.x() + content.width(); x += image.width()) {
            const QRect cell = QRect(QPoint(x, y), image.size()).intersected(content);
            canvas.DrawImage(cell, image, QRect(QPoint(0, 0), cell.size()));
        }
    }
}

QSize TabcButtonGlyph::CaptionSize(TCanvas& canvas, const QString& caption)
{
    if (caption.isEmpty())
        return QSize(0, 0);
    const QFont font = canvas.Font()->ToQFont();
    if (m_captionMeasure && m_captionMeasure->caption == caption && m_captionMeasure->font == font)
        return m_captionMeasure->size;
    QRect rect(0, 0, 0, 0);
    QString text = caption;
    canvas.TextRect(rect, text, {TTextFormat::tfCalcRect, TTextFormat::tfSingleLine});
    m_captionMeasure = CaptionMeasure{caption, font, rect.size()};
    return rect.size();
}

void TabcButtonGlyph::DrawCaption(TCanvas& canvas, const QRect& rect, const Face& face) const
{
    const TTextFormats centred = {TTextFormat::tfSingleLine, TTextFormat::tfCenter,
                                  TTextFormat::tfVerticalCenter, TTextFormat::tfNoClip};
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    TFont* font = canvas.Font();
    const TColor fontColor = font->Color();
    const auto drawAt = [&](QPoint offset, TColor color) {
        font->SetColor(color);
        QRect at = rect.translated(offset);
        QString text = face.caption;
        TTextFormats format = centred;
        if (face.rightToLeft)
            format.Include(TTextFormat::tfRtlReading);
        canvas.TextRect(at, text, format);
    };
    if (face.state == TabcButtonState::bsDisabled) {
        if (face.disabledShadow) {
            drawAt(QPoint(1, 1), clWhite);
            drawAt(QPoint(0, 0), disabledText);
        } else {
            drawAt(QPoint(0, 0), clBtnShadow);
        }
    } else if (face.textStyle == TabcTextStyle::tsNormal) {
        drawAt(QPoint(0, 0), fontColor);
    } else {
        const bool raised = face.textStyle == TabcTextStyle::tsRaised;
        drawAt(QPoint(1, 1), raised ? clBtnShadow : clBtnHighlight);
        drawAt(QPoint(-1, -1), raised ? clBtnHighlight : clBtnShadow);
        drawAt(QPoint(0, 0), fontColor);
    }
    font->SetColor(fontColor);
}
