#pragma once

#include <QRect>
#include <QSize>
#include <memory>
#include <vector>

class TBitmap;
class TCanvas;
class TFont;
class TImageList;
class TMenuItem2000;
class T_AM2000_MenuOptions;

// The geometry of a drop-down window: the height and width of every entry, their
// rectangles stacked from the top, and the window's size with its frame, bevel, title
// strip, drag strip and expand button.
class T_AM2000_DropDownLayout {
public:
    static constexpr int MaxLeftTextWidth = 300;  // pixels; wider left texts are cut
    static constexpr int OuterFrameWidth = 2;     // the 3D outer frame
    static constexpr int DragStripHeight = 7 + 2; // the strip and its gap
    static constexpr int ExpandButtonHeight = 13 + 6;
    static constexpr int RightTextGap = 10;   // between left and right text
    static constexpr int RightColumnGap = 4;  // the same with aligned right texts
    static constexpr int HiddenItemExtra = 2; // a hidden item shown in a sunken band
    static constexpr int LineHeightExtra = 7; // over the text height of "Hj"

    // What decides the geometry besides the entries.
    struct Frame {
        bool outer3D = false; // the 3D outer frame
        int minimumBevel = 0; // the system's flat look asks for at least this bevel
        bool expanded = false;
        bool hiddenPresent = false; // hidden items are left out: an expand button

        bool operator==(const Frame&) const = default;
    };

    T_AM2000_DropDownLayout(const T_AM2000_MenuOptions& options, const TFont& font,
                            const TImageList* images);
    ~T_AM2000_DropDownLayout();

    // Measures the entries and places them.
    void Measure(const std::vector<TMenuItem2000*>& entries, const Frame& frame);

    QSize WindowSize() const { return m_windowSize; }
    int EntryCount() const { return int(m_entryRects.size()); }
    // The entry's rectangle: the full width between the margins (frame, bevel, border,
    // title strip), its own height.
    QRect EntryRect(int index) const { return m_entryRects.at(std::size_t(index)); }
    QRect ExpandButtonRect() const { return m_expandButton; }
    QRect DragStripRect() const { return m_dragStrip; }
    // The title strip inside the bevel (empty without a visible title at the side).
    QRect TitleRect() const { return m_title; }
    // Inside the outer frame and the bevel: where the border bands lie.
    QRect InnerRect() const { return m_inner; }

    int LineHeight() const { return m_lineHeight; }
    int TextWidth() const { return m_textWidth; }
    int RightTextWidth() const { return m_rightTextWidth; }
    int ContentWidth() const { return m_contentWidth; }
    int Bevel() const { return m_bevel; }
    bool OuterFrame() const { return m_outerFrame; }

    // Measures of one entry, with the window's font and margins, before the item's
    // measure event.
    int EntryHeight(const TMenuItem2000& item, bool hiddenShown) const;
    int LeftTextWidth(const TMenuItem2000& item) const;
    int RightTextWidthOf(const TMenuItem2000& item) const;

private:
    int Margin(int index) const;
    bool TitleAtSide() const;
    // An item of that many text lines.
    int TextItemHeight(int lines) const;
    // Heights and widths of the entries, the measure events having the last word.
    void MeasureEntries(const std::vector<TMenuItem2000*>& entries, const Frame& frame);
    void PlaceEntries(const std::vector<TMenuItem2000*>& entries, const Frame& frame);
    TCanvas& MeasureCanvas(const TMenuItem2000& item) const;

    const T_AM2000_MenuOptions& m_options;
    const TFont& m_font;
    const TImageList* m_images;
    std::unique_ptr<TBitmap> m_measure; // its canvas measures texts

    std::vector<int> m_entryHeights;
    std::vector<QRect> m_entryRects;
    QSize m_windowSize;
    QRect m_expandButton, m_dragStrip, m_title, m_inner;
    int m_lineHeight = 0;
    int m_textWidth = 0;
    int m_rightTextWidth = 0;
    int m_contentWidth = 0;
    int m_contentLeft = 0;
    int m_bevel = 0;
    bool m_outerFrame = false;
};
