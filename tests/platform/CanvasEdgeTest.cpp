#include "TBitmap.h"
#include "TCanvas.h"
#include "TEdgeFlags.h"

#include <gtest/gtest.h>

namespace {

// Classic system colours as 0x00BBGGRR.
constexpr TColor white = TColor(0xFFFFFF);       // clBtnHighlight
constexpr TColor light = TColor(0xE3E3E3);       // cl3DLight
constexpr TColor shadow = TColor(0xA0A0A0);      // clBtnShadow
constexpr TColor darkShadow = TColor(0x696969);  // cl3DDkShadow
constexpr TColor windowFrame = TColor(0x646464); // clWindowFrame
constexpr TColor paper = TColor(0x123456);

// Draws an edge on a 6 x 5 surface of paper and gives the rectangle that is left.
struct Edge {
    Edge(unsigned edge, unsigned flags)
        : bitmap(6, 5, TPixelFormat::pf24bit)
    {
        bitmap.Canvas()->Brush()->SetColor(paper);
        bitmap.Canvas()->FillRect(QRect(0, 0, 6, 5));
        bitmap.Canvas()->DrawEdge(rect, edge, flags);
    }
    TColor At(int x, int y) { return bitmap.Canvas()->Pixels(x, y); }

    TBitmap bitmap;
    QRect rect{0, 0, 6, 5};
};

} // namespace

TEST(CanvasEdge, ARaisedOuterRingOwnsItsCornersBottomRight)
{
    Edge normal(BDR_RAISEDOUTER, BF_RECT);
    EXPECT_EQ(normal.At(0, 0), light);
    EXPECT_EQ(normal.At(4, 0), light);
    EXPECT_EQ(normal.At(5, 0), darkShadow) << "top-right corner";
    EXPECT_EQ(normal.At(0, 3), light);
    EXPECT_EQ(normal.At(0, 4), darkShadow) << "bottom-left corner";
    EXPECT_EQ(normal.At(5, 4), darkShadow);
    EXPECT_EQ(normal.At(1, 1), paper) << "one ring only";
    EXPECT_EQ(normal.rect, QRect(0, 0, 6, 5)) << "no BF_ADJUST, no change";

    Edge soft(BDR_RAISEDOUTER, BF_RECT | BF_SOFT | BF_ADJUST);
    EXPECT_EQ(soft.At(2, 0), white) << "soft lightens the top-left of an outer ring";
    EXPECT_EQ(soft.At(5, 2), darkShadow);
    EXPECT_EQ(soft.rect, QRect(1, 1, 4, 3));
}

TEST(CanvasEdge, EachBorderHasItsOwnColoursSoftOrNot)
{
    struct Case {
        unsigned edge;
        unsigned flags;
        TColor topLeft, bottomRight;
    };
    const Case cases[] = {
        {BDR_SUNKENOUTER, BF_RECT, shadow, white},
        {BDR_SUNKENOUTER, BF_RECT | BF_SOFT, darkShadow, white},
        {BDR_RAISEDINNER, BF_RECT, white, shadow},
        {BDR_RAISEDINNER, BF_RECT | BF_SOFT, light, shadow},
        {BDR_SUNKENINNER, BF_RECT, darkShadow, light},
        {BDR_SUNKENINNER, BF_RECT | BF_SOFT, shadow, light},
    };
    for (const Case& c : cases) {
        Edge edge(c.edge, c.flags);
        EXPECT_EQ(edge.At(1, 0), c.topLeft) << c.edge << " " << c.flags;
        EXPECT_EQ(edge.At(5, 2), c.bottomRight) << c.edge << " " << c.flags;
    }
}

TEST(CanvasEdge, BothRingsDrawOuterFirstAndAdjustByTwo)
{
    Edge sunken(EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(sunken.At(0, 0), shadow);
    EXPECT_EQ(sunken.At(1, 1), darkShadow);
    EXPECT_EQ(sunken.At(4, 3), light);
    EXPECT_EQ(sunken.At(5, 4), white);
    EXPECT_EQ(sunken.At(2, 2), paper);
    EXPECT_EQ(sunken.rect, QRect(2, 2, 2, 1));
}

TEST(CanvasEdge, OnlyTheNamedSidesAreDrawnAndAdjusted)
{
    Edge edge(BDR_RAISEDINNER, BF_BOTTOMRIGHT | BF_SOFT | BF_ADJUST);
    EXPECT_EQ(edge.At(0, 0), paper);
    EXPECT_EQ(edge.At(2, 0), paper);
    EXPECT_EQ(edge.At(5, 0), shadow);
    EXPECT_EQ(edge.At(0, 4), shadow);
    EXPECT_EQ(edge.rect, QRect(0, 0, 5, 4));
}

TEST(CanvasEdge, AMonoFlatRingIsOneRingInTheWindowFrameColour)
{
    Edge edge(EDGE_RAISED, BF_RECT | BF_FLAT | BF_MONO | BF_ADJUST);
    EXPECT_EQ(edge.At(0, 0), windowFrame);
    EXPECT_EQ(edge.At(5, 4), windowFrame);
    EXPECT_EQ(edge.At(1, 1), paper);
    EXPECT_EQ(edge.rect, QRect(1, 1, 4, 3));
}
