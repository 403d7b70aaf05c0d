#include "T_AM2000_BarItems.h"

#include "TBitmap.h"
#include "TCanvas.h"
#include "TMenuItem2000.h"
#include "T_AM2000_GlyphChoice.h"
#include "T_AM2000_ItemTexts.h"
#include "T_AM2000_MenuItemCache.h"

#include <algorithm>

T_AM2000_BarItems::T_AM2000_BarItems(const TMenuItem2000* parent, const TFont& font,
                                     const TImageList* images, int availableWidth)
{
    if (!parent)
        return;
    TBitmap measure(1, 1);
    TCanvas& canvas = *measure.Canvas();
    canvas.SetFont(&font);
    int x = 0, rowTop = 0, rowBottom = 0;
    for (int i = 0; i < parent->Count(); ++i) {
        auto* item = dynamic_cast<TMenuItem2000*>(parent->Items(i));
        if (!item || !item->Visible())
            continue;
        const QSize size = ItemSize(*item, canvas, images);
        if (x > 0 && x + size.width() > availableWidth) {
            x = 0;
            rowTop = rowBottom + RowGap;
        }
        m_entries.push_back({item, QRect(QPoint(x, rowTop), size)});
        x += size.width();
        rowBottom = std::max(rowBottom, rowTop + size.height());
    }
}

QSize T_AM2000_BarItems::ItemSize(const TMenuItem2000& item, TCanvas& canvas,
                                  const TImageList* images)
{
    const QString caption = T_AM2000_ItemTexts::WithoutAccelerators(item.Caption());
    int width = canvas.TextWidth(caption) + HorizontalPadding;
    const T_AM2000_GlyphChoice glyph(item, images, T_AM2000_MenuItemCache::Instance());
    if (glyph.Kind() != T_AM2000_GlyphChoice::None)
        width += glyph.Size().width() + GlyphGap;
    return QSize(width, canvas.TextHeight(caption) + VerticalPadding);
}

int T_AM2000_BarItems::IndexOf(const TMenuItem2000* item) const
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [item](const Entry& entry) { return entry.item == item; });
    return found == m_entries.end() ? -1 : int(found - m_entries.begin());
}

int T_AM2000_BarItems::IndexAt(QPoint point) const
{
    const auto found =
        std::find_if(m_entries.begin(), m_entries.end(),
                     [point](const Entry& entry) { return entry.rect.contains(point); });
    return found == m_entries.end() ? -1 : int(found - m_entries.begin());
}

int T_AM2000_BarItems::Bottom() const
{
    int bottom = 0;
    for (const Entry& entry : m_entries)
        bottom = std::max(bottom, entry.rect.y() + entry.rect.height());
    return bottom;
}

int T_AM2000_BarItems::Right() const
{
    int right = 0;
    for (const Entry& entry : m_entries)
        right = std::max(right, entry.rect.x() + entry.rect.width());
    return right;
}
