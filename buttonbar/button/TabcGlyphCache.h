#pragma once

#include <QImage>
#include <QSize>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class TImageList;

// The state images of every button picture, kept in one image list per cell size, so
// that all buttons with pictures of one size share a list. A picture stores an image
// in a slot and frees the slot when the image is out of date; a list goes with its
// last used slot.
class TabcGlyphCache {
public:
    static TabcGlyphCache& Instance();

    // Stores image (of cellSize) and returns its slot in that size's list.
    int Store(QSize cellSize, const QImage& image);
    QImage Image(QSize cellSize, int slot) const;
    void Free(QSize cellSize, int slot);

    // The list of a cell size, or nullptr while no image of that size is stored.
    const TImageList* List(QSize cellSize) const;
    // Slots in use for a cell size.
    int UsedSlots(QSize cellSize) const;

private:
    struct Strip {
        std::unique_ptr<TImageList> list;
        std::vector<int> freeSlots;
        int used = 0;
    };
    using Key = std::pair<int, int>;
    static Key KeyOf(QSize size) { return {size.width(), size.height()}; }

    std::map<Key, Strip> m_strips;
};
