#include "TabcGlyphCache.h"

#include "TImageList.h"

TabcGlyphCache& TabcGlyphCache::Instance()
{
    static TabcGlyphCache cache;
    return cache;
}

int TabcGlyphCache::Store(QSize cellSize, const QImage& image)
{
    Strip& strip = m_strips[KeyOf(cellSize)];
    if (!strip.list) {
        strip.list = std::make_unique<TImageList>(nullptr);
        strip.list->SetSize(cellSize.width(), cellSize.height());
    }
    ++strip.used;
    if (strip.freeSlots.empty())
        return strip.list->Add(image);
    const int slot = strip.freeSlots.back();
    strip.freeSlots.pop_back();
    strip.list->Replace(slot, image);
    return slot;
}

QImage TabcGlyphCache::Image(QSize cellSize, int slot) const
{
    const auto found = m_strips.find(KeyOf(cellSize));
    return found == m_strips.end() ? QImage() : found->second.list->Image(slot);
}

void TabcGlyphCache::Free(QSize cellSize, int slot)
{
    const auto found = m_strips.find(KeyOf(cellSize));
    if (found == m_strips.end())
        return;
    Strip& strip = found->second;
    if (--strip.used == 0) {
        m_strips.erase(found);
        return;
    }
    // The freed slot keeps its pixels until it is reused; drop them now.
    strip.list->Replace(slot, QImage());
    strip.freeSlots.push_back(slot);
}

const TImageList* TabcGlyphCache::List(QSize cellSize) const
{
    const auto found = m_strips.find(KeyOf(cellSize));
    return found == m_strips.end() ? nullptr : found->second.list.get();
}

int TabcGlyphCache::UsedSlots(QSize cellSize) const
{
    const auto found = m_strips.find(KeyOf(cellSize));
    return found == m_strips.end() ? 0 : found->second.used;
}
