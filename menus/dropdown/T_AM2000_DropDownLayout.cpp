#include "T_AM2000_DropDownLayout.h"

#include "TBitmap.h"
#include "TCanvas.h"
#include "TImageList.h"
#include "TMenuItem2000.h"
#include "T_AM2000_ItemTexts.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuControl.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_Separator.h"
#include "T_AM2000_Skin.h"
#include "T_AM2000_Title.h"

namespace {

using M = T_AM2000_Margins;

constexpr int GlyphBoxExtra = 4; // an item at least this much higher than its glyph
constexpr int StockGlyphItemHeight = 20;

} // namespace

T_AM2000_DropDownLayout::T_AM2000_DropDownLayout(const T_AM2000_MenuOptions& options,
                                                 const TFont& font, const TImageList* images)
    : m_options(options)
    , m_font(font)
    , m_images(images)
    , m_measure(std::make_unique<TBitmap>(1, 1))
{}

T_AM2000_DropDownLayout::~T_AM2000_DropDownLayout() = default;

int T_AM2000_DropDownLayout::Margin(int index) const
{
    return m_options.Margins()->ValueAt(index);
}

bool T_AM2000_DropDownLayout::TitleAtSide() const
{
    const T_AM2000_Title& title = *m_options.Title();
    return title.Visible() && (title.Align() == T_AM2000_TitleAlign::atLeft ||
                               title.Align() == T_AM2000_TitleAlign::atRight);
}

TCanvas& T_AM2000_DropDownLayout::MeasureCanvas(const TMenuItem2000& item) const
{
    TCanvas& canvas = *m_measure->Canvas();
    TFontStyles style = m_font.Style();
    if (item.Default())
        style.Include(TFontStyle::fsBold);
    // Setting the same font again would only throw away the canvas's prepared font.
    if (!(canvas.Font()->Name() == m_font.Name() && canvas.Font()->Height() == m_font.Height() &&
          canvas.Font()->Style() == style)) {
        canvas.SetFont(&m_font);
        canvas.Font()->SetStyle(style);
    }
    return canvas;
}

int T_AM2000_DropDownLayout::EntryHeight(const TMenuItem2000& item, bool hiddenShown) const
{
    if (T_AM2000_Separator::IsSeparator(item.Caption()))
        return T_AM2000_Separator(item.Caption()).Height(Margin(M::Separator));
    int height = item.Control() != T_AM2000_MenuControlType::ctlNone
                     ? item.ControlOptions()->Height(TextItemHeight(1))
                     : TextItemHeight(int(T_AM2000_ItemTexts(item).Lines().size()));
    if (hiddenShown && !m_options.Flags().Contains(T_AM2000_Flag::mfHiddenAsRegular))
        height += HiddenItemExtra;
    if (!item.Bitmap()->Empty())
        height = std::max(height, item.Bitmap()->Height() + GlyphBoxExtra);
    if (item.DefaultIndex() >= 0)
        height = std::max(height, StockGlyphItemHeight);
    if (item.ImageIndex() >= 0 && m_images)
        height = std::max(height, m_images->Height() + GlyphBoxExtra);
    return height;
}

int T_AM2000_DropDownLayout::TextItemHeight(int lines) const
{
    return 2 * Margin(M::Frame) + (m_lineHeight - 3) * lines + 3;
}

int T_AM2000_DropDownLayout::LeftTextWidth(const TMenuItem2000& item) const
{
    if (T_AM2000_Separator::IsSeparator(item.Caption()))
        return 0;
    TCanvas& canvas = MeasureCanvas(item);
    int widest = 0;
    const T_AM2000_ItemTexts texts(item);
    for (const QString& line : texts.Lines())
        widest = std::max(widest, canvas.TextWidth(T_AM2000_ItemTexts::WithoutAccelerators(line)));
    return std::min(widest, MaxLeftTextWidth);
}

int T_AM2000_DropDownLayout::RightTextWidthOf(const TMenuItem2000& item) const
{
    if (T_AM2000_Separator::IsSeparator(item.Caption()))
        return 0;
    const QString right = T_AM2000_ItemTexts(item).RightText();
    return right.isEmpty() ? 0 : MeasureCanvas(item).TextWidth(right);
}

void T_AM2000_DropDownLayout::MeasureEntries(const std::vector<TMenuItem2000*>& entries,
                                             const Frame& frame)
{
    m_textWidth = m_rightTextWidth = 0;
    m_entryHeights.clear();
    int widest = 0, ownerWidest = 0;
    for (TMenuItem2000* item : entries) {
        const int left = LeftTextWidth(*item), right = RightTextWidthOf(*item);
        m_textWidth = std::max(m_textWidth, left);
        m_rightTextWidth = std::max(m_rightTextWidth, right);
        // The measure event sees the width without the Left and Right margins.
        int width = left + right + (right > 0 ? RightTextGap : 0);
        int height = EntryHeight(*item, item->Hidden() && frame.expanded);
        if (item->OnMeasureItem) {
            item->OnMeasureItem(item, &MeasureCanvas(*item), width, height);
            ownerWidest = std::max(ownerWidest, width);
        } else {
            widest = std::max(widest, width);
        }
        m_entryHeights.push_back(height);
    }
    if (m_options.Flags().Contains(T_AM2000_Flag::mfStandardAlign))
        widest = m_textWidth + m_rightTextWidth + (m_rightTextWidth > 0 ? RightColumnGap : 0);
    m_contentWidth = std::max(widest, ownerWidest) + Margin(M::Left) + Margin(M::Right);
}

void T_AM2000_DropDownLayout::Measure(const std::vector<TMenuItem2000*>& entries,
                                      const Frame& frame)
{
    m_measure->Canvas()->SetFont(&m_font);
    const int itemMargin = Margin(M::Item);
    m_lineHeight = itemMargin != 0
                       ? itemMargin
                       : m_measure->Canvas()->TextHeight(QStringLiteral("Hj")) + LineHeightExtra;
    m_bevel = std::max(Margin(M::Bevel), frame.minimumBevel);
    m_outerFrame = frame.outer3D;
    MeasureEntries(entries, frame);
    PlaceEntries(entries, frame);
}

void T_AM2000_DropDownLayout::PlaceEntries(const std::vector<TMenuItem2000*>& entries,
                                           const Frame& frame)
{
    const int outer = frame.outer3D ? OuterFrameWidth : 0;
    const int border = Margin(M::Border), itemFrame = Margin(M::Frame);
    const T_AM2000_Title& title = *m_options.Title();
    const int titleWidth = TitleAtSide() ? title.Width() : 0;
    const bool titleLeft = title.Align() == T_AM2000_TitleAlign::atLeft;
    int width = m_contentWidth + 2 * (border + m_bevel + itemFrame) + titleWidth + 2 * outer;
    const T_AM2000_Skin& skin = *m_options.Skin();
    const TBitmap& background = *skin.ValueAt(T_AM2000_Skin::Background);
    const bool expandToSkin = skin.BackgroundLayout() == T_AM2000_BackgroundLayout::blExpandMenu;
    if (expandToSkin)
        width = std::max(width, background.Width());

    m_contentLeft = outer + m_bevel + border + itemFrame + (titleLeft ? titleWidth : 0);
    const int contentRight =
        width - (outer + m_bevel + border + itemFrame + (titleLeft ? 0 : titleWidth));
    int top = outer + m_bevel + border;
    m_dragStrip = QRect();
    if (m_options.Draggable()) {
        m_dragStrip = Rect(m_contentLeft, top, contentRight, top + DragStripHeight - 2);
        top += DragStripHeight;
    }
    m_entryRects.clear();
    for (const int height : m_entryHeights) {
        m_entryRects.push_back(Rect(m_contentLeft, top, contentRight, top + height));
        top += height + Margin(M::Space);
    }
    int bottom = entries.empty() ? top : m_entryRects.back().y() + m_entryRects.back().height();
    m_expandButton = QRect();
    if (frame.hiddenPresent) {
        m_expandButton = Rect(m_contentLeft, bottom, contentRight, bottom + ExpandButtonHeight);
        bottom += ExpandButtonHeight;
    }
    int height = bottom + border + m_bevel + outer;
    if (expandToSkin)
        height = std::max(height, background.Height());
    m_windowSize = QSize(width, height);
    m_inner = QRect(outer + m_bevel, outer + m_bevel, width - 2 * (outer + m_bevel),
                    height - 2 * (outer + m_bevel));
    m_title = QRect();
    if (titleWidth > 0)
        m_title = QRect(titleLeft ? m_inner.x() : m_inner.x() + m_inner.width() - titleWidth,
                        m_inner.y(), titleWidth, m_inner.height());
}
