#pragma once

#include "TColors.h"
#include "T_AM2000_DropDownLayout.h"

#include <QImage>
#include <QString>
#include <list>
#include <memory>
#include <vector>

class TMenuItem2000;
class T_AM2000_MenuOptions;

// The measured layouts and fully painted images of a menu's drop-down windows, kept from
// one opening to the next with everything they were made from besides the menu's own
// settings: an opening that finds all of it unchanged shows the kept layout and image
// instead of measuring and painting again. Whoever holds the pictures drops them all when
// the menu's own settings change. Only the pictures opened last are kept.
class T_AM2000_DropDownPictures {
public:
    static constexpr std::size_t Capacity = 16;

    // What one entry is measured and painted from.
    struct EntryLook {
        const TMenuItem2000* item = nullptr;
        QString caption;
        QString shortCutText;
        qint64 bitmap = 0; // the cache key of the glyph bitmap's pixels
        TColor bitmapTransparentColor = clNone;
        int imageIndex = -1;
        int defaultIndex = -1;
        int numGlyphs = 1;
        int state = 0; // the draw state bits with nothing selected

        bool operator==(const EntryLook&) const = default;
    };

    // What a window's layout and image are made from: its effective options, its entries,
    // its frame, the underline mode and the font resolution of the screen.
    struct Source {
        std::shared_ptr<const T_AM2000_MenuOptions> options;
        std::vector<EntryLook> entries;
        T_AM2000_DropDownLayout::Frame frame;
        bool underlines = false;
        qreal logicalDpi = 0;

        // Equal options by value, everything else equal.
        bool operator==(const Source& other) const;
    };

    struct Picture {
        Source source;
        std::shared_ptr<const T_AM2000_DropDownLayout> layout;
        QImage image;
    };

    // Whether a window with these entries and options may be kept: nothing of it is
    // painted or measured by a handler or an embedded control, whose looks can change
    // without the menu seeing it.
    static bool Keepable(const std::vector<TMenuItem2000*>& entries,
                         const T_AM2000_MenuOptions& options);

    // The picture kept for item's window (its submenu or its context menu) when it was
    // made from source; nullptr otherwise.
    std::shared_ptr<const Picture> Find(const TMenuItem2000& item, bool contextMenu,
                                        const Source& source);
    // Keeps picture for item's window in place of the one kept before.
    void Keep(const TMenuItem2000& item, bool contextMenu, std::shared_ptr<const Picture> picture);
    void Clear() { m_kept.clear(); }
    int Count() const { return int(m_kept.size()); }

private:
    struct Kept {
        const TMenuItem2000* item;
        bool contextMenu;
        std::shared_ptr<const Picture> picture;
    };
    std::list<Kept>::iterator Slot(const TMenuItem2000& item, bool contextMenu);

    std::list<Kept> m_kept; // the picture used last first
};
