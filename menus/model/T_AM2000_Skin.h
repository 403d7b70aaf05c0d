#pragma once

#include "TBitmap.h"
#include "TEvent.h"
#include "T_AM2000_OptionGroup.h"

#include <QRect>
#include <array>
#include <memory>

class TCanvas;
class TMenuItem2000;

// Paints a drop-down window's background: sender, canvas, the window's rectangle.
using T_AM2000_PaintBackgroundEvent = TEvent<TObject*, TCanvas*, const QRect&>;
// Paints the background of one item: sender, canvas, the item's rectangle, the item and
// its draw state bits.
using T_AM2000_PaintItemBackgroundEvent =
    TEvent<TObject*, TCanvas*, const QRect&, TMenuItem2000*, int>;

// The skin bitmaps of a drop-down window: eight bitmaps addressed by index 0..7, the
// fixed corner sizes used when a background is stretched, and the background layout.
class T_AM2000_Skin : public T_AM2000_OptionGroup {
    T_CLASS_INFO
public:
    enum Index : int {
        Unhide,
        Triangle,
        CheckMark,
        Radio,
        Background,
        ItemBackgroundHighlight,
        ItemBackgroundPressed,
        ItemBackgroundSunken,
    };
    static constexpr int Count = 8;

    explicit T_AM2000_Skin(T_AM2000_Options* options = nullptr);
    ~T_AM2000_Skin() override;

    // The bitmap of that index, owned by the skin; EListError outside 0..7. Setting a
    // bitmap copies it; setting the same picture again does nothing.
    TBitmap* ValueAt(int index) const;
    void SetValueAt(int index, const TBitmap* bitmap);
    template <int I> TBitmap* Slot() const { return ValueAt(I); }

    // Fixed corner sizes in pixels of the window background and of item backgrounds.
    int CornerWidth() const { return m_cornerWidth; }
    void SetCornerWidth(int width) { SetCorner(m_cornerWidth, width); }
    int CornerHeight() const { return m_cornerHeight; }
    void SetCornerHeight(int height) { SetCorner(m_cornerHeight, height); }
    int ItemCornerWidth() const { return m_itemCornerWidth; }
    void SetItemCornerWidth(int width) { SetCorner(m_itemCornerWidth, width); }
    int ItemCornerHeight() const { return m_itemCornerHeight; }
    void SetItemCornerHeight(int height) { SetCorner(m_itemCornerHeight, height); }
    T_AM2000_BackgroundLayout BackgroundLayout() const { return m_backgroundLayout; }
    void SetBackgroundLayout(T_AM2000_BackgroundLayout layout);

    // No bitmap set and all four corner sizes 0.
    bool IsEmpty() const;
    // Empty, default layout and no painting handler.
    bool IsDefault() const override;
    bool operator==(const T_AM2000_Skin& other) const;
    // Copies bitmaps, corners, layout and handlers of another skin, without notification.
    void Assign(const TPersistent* source) override;

    T_AM2000_PaintBackgroundEvent OnPaintBackground;
    T_AM2000_PaintItemBackgroundEvent OnPaintItemBackground;

private:
    void SetCorner(int& corner, int value);

    std::array<std::unique_ptr<TBitmap>, Count> m_bitmaps;
    int m_cornerWidth = 0;
    int m_cornerHeight = 0;
    int m_itemCornerWidth = 0;
    int m_itemCornerHeight = 0;
    T_AM2000_BackgroundLayout m_backgroundLayout = T_AM2000_BackgroundLayout::blDefault;
};
