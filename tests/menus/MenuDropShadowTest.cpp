#include "MenuAnimationTestSupport.h"
#include "T_AM2000_Desktop.h"
#include "T_AM2000_DropShadow.h"
#include "T_AM2000_ShadowStrips.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

using namespace MenuAnimationPictures;

namespace {

int Gray(const QImage& image, int x, int y)
{
    return qRed(image.pixel(x, y));
}

// Round(value * ninths / 9) and ninths * (value div 9), worked out for 100.
constexpr int rounded100[10] = {0, 11, 22, 33, 44, 56, 67, 78, 89, 100};
constexpr int divided100[10] = {0, 11, 22, 33, 44, 55, 66, 77, 88, 99};

} // namespace

TEST(MenuShadowStrips, DarkeningRoundsNinthsOfEachByte)
{
    EXPECT_EQ(T_AM2000_ShadowStrips::Darken(200, 5), 111);
    EXPECT_EQ(T_AM2000_ShadowStrips::Darken(255, 8), 227);
    EXPECT_EQ(T_AM2000_ShadowStrips::Darken(4, 1), 0);
    EXPECT_EQ(T_AM2000_ShadowStrips::Darken(5, 1), 1);
    EXPECT_EQ(T_AM2000_ShadowStrips::Darken(77, 9), 77);
}

TEST(MenuShadowStrips, RightStripFadesOutwardAndTowardsBothEnds)
{
    const QImage strip =
        T_AM2000_ShadowStrips::RightStrip(Filled(QSize(4, 10), qRgb(100, 100, 100)));
    ASSERT_EQ(strip.size(), QSize(4, 10));
    const int ends[3][4] = {{8, 8, 8, 9}, {7, 7, 8, 8}, {6, 6, 7, 8}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(Gray(strip, column, row), rounded100[ends[row][column]]) << row;
            EXPECT_EQ(Gray(strip, column, 9 - row), rounded100[ends[row][column]]) << row;
        }
    for (int row = 3; row <= 6; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(Gray(strip, column, row), rounded100[5 + column]) << row;
}

TEST(MenuShadowStrips, BottomStripDividesFirstExceptAtItsLeftEnd)
{
    const QImage strip =
        T_AM2000_ShadowStrips::BottomStrip(Filled(QSize(8, 4), qRgb(100, 100, 100)));
    const int leftEnd[4][4] = {{8, 7, 6, 5}, {8, 7, 6, 6}, {8, 8, 7, 7}, {9, 8, 8, 8}};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(Gray(strip, column, row), rounded100[leftEnd[row][column]]) << row;
        for (int column = 4; column < 8; ++column)
            EXPECT_EQ(Gray(strip, column, row), divided100[5 + row]) << row;
    }
}

TEST(MenuShadowStrips, ChannelsDarkenApartAndShortStripsMeetInTheMiddle)
{
    const QImage strip = T_AM2000_ShadowStrips::RightStrip(Filled(QSize(4, 4), qRgb(100, 50, 200)));
    // Four rows: two from the top end, two mirrored from the bottom end.
    EXPECT_EQ(strip.pixel(0, 0), qRgb(89, 44, 178));  // 8/9
    EXPECT_EQ(strip.pixel(0, 2), qRgb(78, 39, 156));  // 7/9
    EXPECT_EQ(strip.pixel(3, 3), qRgb(100, 50, 200)); // 9/9
    const QImage middle =
        T_AM2000_ShadowStrips::RightStrip(Filled(QSize(4, 7), qRgb(100, 50, 200)));
    EXPECT_EQ(middle.pixel(0, 3), qRgb(56, 28, 111)); // 5/9
}

TEST(MenuShadowStrips, MasksLeaveWhatDarkeningLeavesOfWhite)
{
    const QImage right = T_AM2000_ShadowStrips::RightMask(10);
    EXPECT_EQ(qAlpha(right.pixel(0, 5)), 255 - 142); // round(255 * 5 / 9) = 142
    EXPECT_EQ(qAlpha(right.pixel(3, 0)), 0);
    const QImage bottom = T_AM2000_ShadowStrips::BottomMask(6);
    EXPECT_EQ(qAlpha(bottom.pixel(5, 0)), 255 - 5 * 28); // 5 * (255 div 9)
}

class MenuDropShadow : public ::testing::Test {
protected:
    MenuDropShadow()
        : desktop([this](const QRect& rect) {
            grabbed.push_back(rect);
            ++grabs;
            return ScreenAt(rect);
        })
    {
        target.setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
        target.setGeometry(100, 50, 40, 30);
    }

    int grabs = 0;
    std::vector<QRect> grabbed;
    T_AM2000_Desktop desktop;
    QWidget target;
};

TEST_F(MenuDropShadow, DarkensTheScreenRightOfAndBelowItsTarget)
{
    // The screen that a growing target's opening takes for its shadow's sweep.
    desktop.Capture(QRect(100, 50, 44, 34));
    auto* shadow = new T_AM2000_DropShadow(&target, desktop, false);
    shadow->ShowBehind();
    EXPECT_EQ(shadow->geometry(), QRect(104, 54, 40, 30));
    const QImage picture = shadow->grab().toImage();
    ASSERT_EQ(picture.size(), QSize(40, 30));
    // Behind the target: the screen as it was.
    EXPECT_EQ(picture.pixel(0, 0), qRgb(104, 54, 90));
    // Right strip, middle row, from the menu edge outward: screen x 140..143, y 64.
    for (int column = 0; column < 4; ++column) {
        const int ninths = 5 + column;
        EXPECT_EQ(picture.pixel(36 + column, 10),
                  qRgb(T_AM2000_ShadowStrips::Darken(140 + column, ninths),
                       T_AM2000_ShadowStrips::Darken(64, ninths),
                       T_AM2000_ShadowStrips::Darken(90, ninths)))
            << column;
    }
    // Right strip, top row next to the menu: 8/9 of screen (140, 54).
    EXPECT_EQ(qRed(picture.pixel(36, 0)), T_AM2000_ShadowStrips::Darken(140, 8));
    // Bottom strip, row next to the menu, beyond the left end: 5 * (value div 9) of
    // screen (120, 80).
    EXPECT_EQ(picture.pixel(16, 26), qRgb(5 * (120 / 9), 5 * (80 / 9), 5 * (90 / 9)));
    // Its left end, outermost row: 9/9 at the very end.
    EXPECT_EQ(picture.pixel(0, 29), qRgb(104, 83, 90));
}

// An opaque target shown at once covers the shadow's middle: only the screen under the
// strips is taken, each strip widened by the snapshot's margin, and nothing more to paint.
TEST_F(MenuDropShadow, BehindAnOpaqueTargetShownAtOnceOnlyTheStripsScreenIsTaken)
{
    auto* shadow = new T_AM2000_DropShadow(&target, desktop, false);
    shadow->ShowBehind();
    const QImage picture = shadow->grab().toImage();
    EXPECT_EQ(grabbed, (std::vector<QRect>{QRect(140 - 20, 54 - 20, 4 + 40, 30 + 40),
                                           QRect(104 - 20, 80 - 20, 36 + 40, 4 + 40)}));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(35, 25), qRgb(0, 0, 0));
    EXPECT_EQ(qRed(picture.pixel(36, 0)), T_AM2000_ShadowStrips::Darken(140, 8));
    EXPECT_EQ(picture.pixel(16, 26), qRgb(5 * (120 / 9), 5 * (80 / 9), 5 * (90 / 9)));
    EXPECT_EQ(picture.pixel(0, 29), qRgb(104, 83, 90));
}

TEST_F(MenuDropShadow, ComposedShadowsAreTranslucentBlackAndClearBehindTheTarget)
{
    auto* shadow = new T_AM2000_DropShadow(&target, desktop, true);
    shadow->ShowBehind();
    const QImage picture = shadow->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(grabs, 0) << "nothing is taken from the screen";
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
    EXPECT_EQ(picture.pixel(36, 10), qRgba(0, 0, 0, 255 - 142)); // 5/9 left of 255
    EXPECT_EQ(picture.pixel(39, 0), qRgba(0, 0, 0, 0));          // 9/9 at the corner
    EXPECT_EQ(picture.pixel(16, 26), qRgba(0, 0, 0, 255 - 140)); // 5 * (255 div 9)
}

TEST_F(MenuDropShadow, FollowsItsTargetAndMakesStripsOnlyForANewSize)
{
    auto* shadow = new T_AM2000_DropShadow(&target, desktop, false);
    shadow->ShowBehind();
    const qint64 right = shadow->RightStrip().cacheKey();
    const qint64 bottom = shadow->BottomStrip().cacheKey();
    shadow->Follow(QRect(110, 60, 40, 30));
    EXPECT_EQ(shadow->geometry(), QRect(114, 64, 40, 30));
    EXPECT_EQ(shadow->RightStrip().cacheKey(), right);
    EXPECT_EQ(shadow->BottomStrip().cacheKey(), bottom);
    shadow->Follow(QRect(110, 60, 40, 35));
    EXPECT_NE(shadow->RightStrip().cacheKey(), right);
    EXPECT_EQ(shadow->RightStrip().size(), QSize(4, 35));
    EXPECT_EQ(shadow->BottomStrip().size(), QSize(36, 4));
}

TEST_F(MenuDropShadow, HidesWithItsTargetAndNeverTakesTheFocus)
{
    target.show();
    auto* shadow = new T_AM2000_DropShadow(&target, desktop, false);
    shadow->ShowBehind();
    EXPECT_TRUE(shadow->isVisible());
    EXPECT_TRUE(shadow->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(shadow->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    target.hide();
    EXPECT_FALSE(shadow->isVisible());
}

TEST(MenuDropShadowChoice, TheFlagAlwaysCastsAShadowTheDesktopSettingOnlyWhenFollowed)
{
    T_AM2000_SystemSettings on;
    on.menuDropShadow = true;
    T_AM2000_SystemSettings off;
    off.menuDropShadow = false;
    const T_AM2000_Flags dropShadow{T_AM2000_Flag::mfDropShadow};
    EXPECT_TRUE(T_AM2000_DropShadow::Wanted(dropShadow, false, off));
    EXPECT_TRUE(T_AM2000_DropShadow::Wanted({}, true, on));
    EXPECT_FALSE(T_AM2000_DropShadow::Wanted({}, true, off));
    EXPECT_FALSE(T_AM2000_DropShadow::Wanted({T_AM2000_Flag::mfBitmapShadow}, false, on));
}
