#include "T_AM2000_Colors.h"
#include "T_AM2000_MenuOptions.h"

#include <gtest/gtest.h>

TEST(MenuSoftColors, WithAllDefaultsTheMenuColourMovesAFifteenthTowardsTheDisabledText)
{
    T_AM2000_MenuOptions menu;
    menu.SetFlags({T_AM2000_Flag::mfSoftColors});
    const auto dropDown = menu.ForDropDown(menu, nullptr);
    // Menu is 0xF0F0F0 (240 per channel), DisabledText the button shadow 0xA0A0A0 (160):
    // 240 + round((160 - 240) / 15) = 240 - 5 = 235 per channel.
    EXPECT_EQ(dropDown->Colors()->ValueAt(T_AM2000_Colors::Menu), TColors::FromRGB(235, 235, 235));
    // Frame takes the highlight colour before the highlight itself is softened.
    EXPECT_EQ(dropDown->Colors()->ValueAt(T_AM2000_Colors::Frame), clHighlight);
    EXPECT_TRUE(dropDown->Colors()->IsSoft());
    EXPECT_FALSE(menu.Colors()->IsSoft()) << "the menu's own colours stay as stored";
    EXPECT_TRUE(menu.Colors()->IsDefault());
}

TEST(MenuSoftColors, TheConversionRunsOncePerGroup)
{
    T_AM2000_Colors colors;
    colors.MakeSoft();
    const TColor once = colors.ValueAt(T_AM2000_Colors::Menu);
    colors.MakeSoft();
    EXPECT_EQ(colors.ValueAt(T_AM2000_Colors::Menu), once);

    T_AM2000_Colors copy;
    copy.Assign(&colors);
    copy.MakeSoft();
    EXPECT_EQ(copy.ValueAt(T_AM2000_Colors::Menu), once) << "a copy keeps the converted mark";
}

TEST(MenuSoftColors, NoColourSlotsStayNone)
{
    T_AM2000_Colors colors;
    colors.MakeSoft();
    EXPECT_EQ(colors.ValueAt(T_AM2000_Colors::Gutter), clNone);
    EXPECT_EQ(colors.ValueAt(T_AM2000_Colors::Sunken), clNone);
    // Slot 22 takes the softened highlight: 0xFF9933 is R 51, G 153, B 255, moved by
    // 1/1.4 towards the softened menu colour 235: 51 + round(184 / 1.4) = 182,
    // 153 + round(82 / 1.4) = 212, 255 + round(-20 / 1.4) = 241.
    EXPECT_EQ(colors.ValueAt(T_AM2000_Colors::Highlight), TColors::FromRGB(182, 212, 241));
    EXPECT_EQ(colors.ValueAt(22), colors.ValueAt(T_AM2000_Colors::Highlight));
}

TEST(MenuSoftColors, BlendingWithNoColourGivesTheFirstColour)
{
    EXPECT_EQ(T_AM2000_Colors::BlendColor(clNone, clWhite, 2), clNone);
    EXPECT_EQ(T_AM2000_Colors::BlendColor(clRed, clNone, 2), clRed);
    EXPECT_EQ(T_AM2000_Colors::BlendColor(clBlack, clWhite, 2), TColors::FromRGB(128, 128, 128));
}

TEST(MenuSoftColors, WithoutTheFlagTheColoursAreLeftAlone)
{
    T_AM2000_MenuOptions menu;
    const auto dropDown = menu.ForDropDown(menu, nullptr);
    EXPECT_TRUE(dropDown->Colors()->IsDefault());
    EXPECT_FALSE(dropDown->Colors()->IsSoft());
}
