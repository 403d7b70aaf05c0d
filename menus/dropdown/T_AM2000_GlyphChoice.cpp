#include "T_AM2000_GlyphChoice.h"

#include "TImageList.h"
#include "TMenuItem2000.h"
#include "T_AM2000_DrawState.h"
#include "T_AM2000_GlyphEffects.h"
#include "T_AM2000_MenuItemCache.h"

namespace {

bool IsStockNumber(int number, const T_AM2000_MenuItemCache& cache)
{
    return number >= 0 && number < cache.GlyphCount();
}

} // namespace

T_AM2000_GlyphChoice::T_AM2000_GlyphChoice(const TMenuItem2000& item, const TImageList* images,
                                           const T_AM2000_MenuItemCache& cache)
    : m_item(item)
    , m_images(images)
    , m_cache(cache)
{
    const bool hasBitmap = !item.Bitmap()->Empty();
    if (!hasBitmap && images && images->HasImage(item.ImageIndex()))
        m_source = ImageList;
    else if (IsStockNumber(item.DefaultIndex(), cache))
        m_source = StockNumber;
    else if (hasBitmap)
        m_source = ItemBitmap;
    else if (cache.HasGlyph(item.Caption()))
        m_source = StockCaption;
}

bool T_AM2000_GlyphChoice::HasOwnDisabledGlyph() const
{
    return m_source == ItemBitmap && m_item.NumGlyphs() > 1;
}

int T_AM2000_GlyphChoice::GlyphIndex(int count, int state)
{
    if (state & dsDisabled)
        return count > 1 ? 1 : 0;
    if ((state & (dsChecked | dsPressed)) && count > 2)
        return 2;
    if ((state & dsSelected) && count > 3)
        return 3;
    return 0;
}

QImage T_AM2000_GlyphChoice::Glyph(int state) const
{
    switch (m_source) {
    case ImageList:
        return m_images->Image(m_item.ImageIndex()).convertToFormat(QImage::Format_ARGB32);
    case StockNumber:
        return m_cache.Glyph(m_item.DefaultIndex());
    case ItemBitmap:
        return BitmapGlyph(GlyphIndex(m_item.NumGlyphs(), state));
    case StockCaption:
        return m_cache.Glyph(m_cache.GlyphNumber(m_item.Caption()));
    case None:
        break;
    }
    return QImage();
}

QSize T_AM2000_GlyphChoice::Size() const
{
    switch (m_source) {
    case ImageList:
        return QSize(m_images->Width(), m_images->Height());
    case ItemBitmap:
        return QSize(m_item.Bitmap()->Width() / m_item.NumGlyphs(), m_item.Bitmap()->Height());
    default:
        return DefaultSize;
    }
}

QImage T_AM2000_GlyphChoice::BitmapGlyph(int index) const
{
    const TBitmap& bitmap = *m_item.Bitmap();
    const QSize size = Size();
    const QImage glyph = bitmap.Image().copy(QRect(QPoint(index * size.width(), 0), size));
    return T_AM2000_GlyphEffects::KeyedOut(glyph,
                                           TColors::ToQColor(bitmap.TransparentColor()).rgb());
}
