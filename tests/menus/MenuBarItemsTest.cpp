#include "TBitmap.h"
#include "TFont.h"
#include "TMenuItem2000.h"
#include "T_AM2000_BarItems.h"

#include <QFontMetrics>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

class MenuBarItems : public ::testing::Test {
protected:
    void SetUp() override
    {
        font.SetName(QStringLiteral("DejaVu Sans"));
        font.SetHeight(-12);
    }
    TMenuItem2000* Add(const QString& caption)
    {
        auto* item = new TMenuItem2000(nullptr);
        owned.emplace_back(item);
        item->SetCaption(caption);
        root.Add(item);
        return item;
    }
    // The width the bar gives a caption without a glyph: its text and 12 pixels.
    int Width(const QString& shown) const
    {
        return QFontMetrics(font.ToQFont()).horizontalAdvance(shown) + 12;
    }
    int Height() const { return QFontMetrics(font.ToQFont()).height() + 5; }

    TFont font;
    TMenuItem2000 root{nullptr};
    std::vector<std::unique_ptr<TMenuItem2000>> owned;
};

} // namespace

TEST_F(MenuBarItems, ItemsSizedToTheirCaptionsFlowLeftToRight)
{
    Add(QStringLiteral("&File"));
    Add(QStringLiteral("Edit"));
    const T_AM2000_BarItems items(&root, font, nullptr, 1000);
    ASSERT_EQ(items.Count(), 2);
    const int file = Width(QStringLiteral("File"));
    EXPECT_EQ(items.Entries()[0].rect, QRect(0, 0, file, Height()));
    EXPECT_EQ(items.Entries()[1].rect, QRect(file, 0, Width(QStringLiteral("Edit")), Height()));
}

TEST_F(MenuBarItems, AnItemThatWouldEndBeyondTheWidthStartsARowOnePixelBelow)
{
    Add(QStringLiteral("First"));
    Add(QStringLiteral("Second"));
    Add(QStringLiteral("Third"));
    const int first = Width(QStringLiteral("First")), second = Width(QStringLiteral("Second"));
    // The second item just fits; the third would end one pixel too far.
    const int available = first + second + Width(QStringLiteral("Third")) - 1;
    const T_AM2000_BarItems items(&root, font, nullptr, available);
    ASSERT_EQ(items.Count(), 3);
    EXPECT_EQ(items.Entries()[1].rect.topLeft(), QPoint(first, 0));
    EXPECT_EQ(items.Entries()[2].rect.topLeft(), QPoint(0, Height() + 1));
    EXPECT_EQ(items.Bottom(), 2 * Height() + 1);
}

TEST_F(MenuBarItems, AnItemWiderThanTheWholeWidthStillTakesARowOfItsOwn)
{
    Add(QStringLiteral("A long caption"));
    Add(QStringLiteral("B"));
    const T_AM2000_BarItems items(&root, font, nullptr, 10);
    ASSERT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Entries()[0].rect.topLeft(), QPoint(0, 0));
    EXPECT_EQ(items.Entries()[1].rect.topLeft(), QPoint(0, Height() + 1));
}

TEST_F(MenuBarItems, HiddenFromViewItemsTakeNoPlace)
{
    Add(QStringLiteral("One"));
    Add(QStringLiteral("Gone"))->SetVisible(false);
    TMenuItem2000* three = Add(QStringLiteral("Three"));
    const T_AM2000_BarItems items(&root, font, nullptr, 1000);
    ASSERT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Entries()[1].item, three);
    EXPECT_EQ(items.Entries()[1].rect.x(), Width(QStringLiteral("One")));
    EXPECT_EQ(items.IndexOf(three), 1);
}

TEST_F(MenuBarItems, AGlyphWidensItsItemByItsWidthAndTwo)
{
    TMenuItem2000* item = Add(QStringLiteral("Pic"));
    TBitmap glyph(16, 15);
    item->SetBitmap(&glyph);
    const T_AM2000_BarItems items(&root, font, nullptr, 1000);
    ASSERT_EQ(items.Count(), 1);
    EXPECT_EQ(items.Entries()[0].rect.width(), Width(QStringLiteral("Pic")) + 16 + 2);
}

TEST_F(MenuBarItems, APointFindsTheItemUnderIt)
{
    Add(QStringLiteral("One"));
    Add(QStringLiteral("Two"));
    const T_AM2000_BarItems items(&root, font, nullptr, 1000);
    const int one = Width(QStringLiteral("One"));
    EXPECT_EQ(items.IndexAt(QPoint(one - 1, 2)), 0);
    EXPECT_EQ(items.IndexAt(QPoint(one, 2)), 1);
    EXPECT_EQ(items.IndexAt(QPoint(one, Height())), -1);
    EXPECT_EQ(items.IndexAt(QPoint(one + Width(QStringLiteral("Two")), 2)), -1);
}
