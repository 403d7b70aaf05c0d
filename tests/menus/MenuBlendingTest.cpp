#include "MenuAnimationTestSupport.h"
#include "T_AM2000_AnimationFrame.h"
#include "T_AM2000_Bits.h"
#include "T_AM2000_OpacityTable.h"

#include <gtest/gtest.h>

using enum T_AM2000_Animation;
using namespace MenuAnimationPictures;

namespace {

T_AM2000_Bits Bytes(int width, std::vector<std::int16_t> values)
{
    const QSize size(width, int(values.size()) / 3 / width);
    return T_AM2000_Bits(size, std::move(values));
}

} // namespace

TEST(MenuBlending, OpacityTableMovesTheBackgroundTowardsTheMenuRoundingTiesToEven)
{
    const T_AM2000_OpacityTable half(50);
    EXPECT_EQ(half.Value(200, 100), 150);
    EXPECT_EQ(half.Value(101, 100), 100); // 100 + round(0.5)
    EXPECT_EQ(half.Value(103, 100), 102); // 100 + round(1.5)
    EXPECT_EQ(half.Value(0, 255), 127);   // 255 + round(-127.5) = 255 - 128
    const T_AM2000_OpacityTable thirty(30);
    EXPECT_EQ(thirty.Value(255, 0), 76); // round(76.5)
    EXPECT_EQ(thirty.Value(0, 255), 179);
    EXPECT_EQ(T_AM2000_OpacityTable(1).Value(255, 0), 3);
    EXPECT_EQ(T_AM2000_OpacityTable(100).Value(17, 240), 17);
}

TEST(MenuBlending, EachByteOfAPixelBlendsOnItsOwn)
{
    const auto menu = T_AM2000_Bits::FromImage(Filled(QSize(2, 1), qRgb(255, 0, 10)));
    const auto under = T_AM2000_Bits::FromImage(Filled(QSize(2, 1), qRgb(0, 255, 20)));
    const QImage shown = T_AM2000_OpacityTable::For(40).Blend(menu, under).ToImage();
    // 0 + round(102), 255 + round(-102), 20 + round(-4)
    EXPECT_EQ(shown.pixel(1, 0), qRgb(102, 153, 16));
}

TEST(MenuBlending, FadeDeltasAreASixteenthOfTheDifferenceRounded)
{
    const auto menu = Bytes(2, {200, 108, 124, 0, 255, 100});
    const auto under = Bytes(2, {100, 100, 100, 255, 0, 100});
    const auto deltas = T_AM2000_Bits::FadeDeltas(menu, under);
    EXPECT_EQ(deltas.Values(), (std::vector<std::int16_t>{6, 0, 2, -16, 16, 0}));
}

TEST(MenuBlending, AddingDeltasKeepsEveryByteWithinRange)
{
    auto shown = Bytes(1, {250, 3, 128});
    const auto deltas = Bytes(1, {4, -2, 1});
    shown.AddClamped(deltas);
    shown.AddClamped(deltas);
    EXPECT_EQ(shown.Values(), (std::vector<std::int16_t>{255, 0, 130}));
    EXPECT_EQ(shown.ToImage().pixel(0, 0), qRgb(255, 0, 130));
}

TEST(MenuBlending, BytesOfAPartComeFromItsPlace)
{
    const auto bits = T_AM2000_Bits::FromImage(Coordinates(QSize(6, 5)));
    const QImage part = bits.Part(QRect(2, 3, 3, 2)).ToImage();
    EXPECT_EQ(part.size(), QSize(3, 2));
    EXPECT_EQ(part.pixel(0, 0), qRgb(2, 3, 77));
    EXPECT_EQ(part.pixel(2, 1), qRgb(4, 4, 77));
}

TEST(MenuAnimationFrame, StretchPicksTheNearestRowAndColumn)
{
    const QImage menu = Coordinates(QSize(5, 10));
    const QImage four =
        T_AM2000_AnimationFrame::Copy(menu, QSize(2, 4), anVertStretch, false, false);
    ASSERT_EQ(four.size(), QSize(2, 4));
    // Rows round(j * 10 / 4): 0, 2 (2.5 to even), 5, 8 (7.5 to even); columns round(k * 5 / 2).
    const int rows[] = {0, 2, 5, 8};
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(qGreen(four.pixel(0, j)), rows[j]) << j;
        EXPECT_EQ(qRed(four.pixel(0, j)), 0);
        EXPECT_EQ(qRed(four.pixel(1, j)), 2);
    }
    const QImage three = T_AM2000_AnimationFrame::Stretch(menu, QSize(5, 3));
    EXPECT_EQ(qGreen(three.pixel(0, 1)), 3); // round(3.33)
    EXPECT_EQ(qGreen(three.pixel(0, 2)), 7); // round(6.67)
    EXPECT_EQ(qRed(three.pixel(4, 2)), 4);
}

TEST(MenuAnimationFrame, SlidesShowThePartAwayFromTheOpeningEdge)
{
    const QImage menu = Coordinates(QSize(8, 6));
    const QSize size(3, 2);
    // Opening right and down: the right and bottom part shows first.
    EXPECT_EQ(T_AM2000_AnimationFrame::Copy(menu, size, anDoubleSlide, false, false).pixel(0, 0),
              qRgb(5, 4, 77));
    EXPECT_EQ(T_AM2000_AnimationFrame::Copy(menu, size, anDoubleSlide, true, false).pixel(0, 0),
              qRgb(0, 4, 77));
    EXPECT_EQ(T_AM2000_AnimationFrame::Copy(menu, size, anVertSlide, false, true).pixel(2, 1),
              qRgb(7, 1, 77));
    EXPECT_EQ(T_AM2000_AnimationFrame::Copy(menu, size, anNone, true, true).pixel(1, 1),
              qRgb(1, 1, 77));
}

TEST(MenuAnimationFrame, RollsUncoverTheImageInPlace)
{
    const QImage menu = Coordinates(QSize(8, 6));
    for (bool toLeft : {false, true}) {
        const QImage frame =
            T_AM2000_AnimationFrame::Copy(menu, QSize(4, 3), anDoubleRoll, toLeft, !toLeft);
        EXPECT_EQ(frame.pixel(0, 0), qRgb(0, 0, 77));
        EXPECT_EQ(frame.pixel(3, 2), qRgb(3, 2, 77));
    }
}
