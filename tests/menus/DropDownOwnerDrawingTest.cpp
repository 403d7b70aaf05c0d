#include "DropDownPixels.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TColors.h"
#include "TFont.h"
#include "TMenuItem2000.h"
#include "T_AM2000_BitmapControl.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_DrawState.h"
#include "T_AM2000_EditControl.h"
#include "T_AM2000_ItemPainter.h"
#include "T_AM2000_MenuOptions.h"

#include <gtest/gtest.h>

using namespace dropdownpixels;

namespace {

using C = T_AM2000_Colors;

QRgb Rgb(TColor color)
{
    return TColors::ToQColor(color).rgb() & 0xFFFFFF;
}

// The entry lies at (5, 4), 150 x 22, on a 200 x 30 canvas filled with fuchsia, which
// no drawing step uses: a pixel still fuchsia was not drawn. Menu white, text red.
class DropDownOwnerDrawing : public ::testing::Test {
protected:
    DropDownOwnerDrawing()
    {
        options.Colors()->SetValueAt(C::Menu, clWhite);
        options.Colors()->SetValueAt(C::Gutter, clWhite);
        options.Colors()->SetValueAt(C::MenuText, clRed);
        options.Colors()->SetValueAt(C::HighlightText, clRed);
        item.SetCaption(QStringLiteral("Open\tCtrl+O"));
    }
    void Paint(int state)
    {
        TBitmap canvas(200, 30, TPixelFormat::pf24bit);
        canvas.Canvas()->Brush()->SetColor(clFuchsia);
        canvas.Canvas()->FillRect(QRect(0, 0, 200, 30));
        T_AM2000_ItemPainter(options, font, nullptr)
            .Paint(*canvas.Canvas(), entry, item, state | dsGlyphLeft);
        image = canvas.Image();
    }
    QRgb Pixel(int x, int y) const { return image.pixel(x, y) & 0xFFFFFF; }
    // Whether any pixel of the entry from column x on has the colour.
    bool Shows(QRgb colour, int x = 5) const
    {
        for (int y = entry.y(); y < entry.y() + entry.height(); ++y)
            for (int i = x; i < entry.x() + entry.width(); ++i)
                if (Pixel(i, y) == colour)
                    return true;
        return false;
    }
    // Every pixel of the canvas is fuchsia except the aqua square a handler drew.
    void ExpectOnlyTheHandlersSquare() const
    {
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 200; ++x)
                ASSERT_EQ(Pixel(x, y), square.contains(x, y) ? aqua : fuchsia) << x << "," << y;
    }
    void DrawSquare(TCanvas* canvas) const
    {
        canvas->Brush()->SetColor(clAqua);
        canvas->FillRect(square);
    }

    const QRect entry{5, 4, 150, 22};
    const QRect square{10, 8, 6, 5};
    T_AM2000_MenuOptions options;
    TFont font;
    TMenuItem2000 item{nullptr};
    QImage image;
};

} // namespace

TEST_F(DropDownOwnerDrawing, AdvancedDrawEventReplacesTheBuiltInDrawing)
{
    QRect seenRect;
    TOwnerDrawState seenState;
    TObject* seenSender = nullptr;
    item.OnAdvancedDrawItem = [&](TObject* sender, TCanvas* canvas, const QRect& rect,
                                  TOwnerDrawState state) {
        seenSender = sender;
        seenRect = rect;
        seenState = state;
        DrawSquare(canvas);
    };
    Paint(dsSelected | dsChecked | dsDisabled | dsSubmenu);
    ExpectOnlyTheHandlersSquare();
    EXPECT_EQ(seenSender, &item);
    EXPECT_EQ(seenRect, entry);
    using O = TOwnerDrawStateItem;
    EXPECT_EQ(seenState,
              TOwnerDrawState({O::odSelected, O::odChecked, O::odDisabled, O::odGrayed}));
    Paint(dsDefault);
    EXPECT_EQ(seenState, TOwnerDrawState({O::odDefault}));
}

TEST_F(DropDownOwnerDrawing, DrawEventReplacesTheBuiltInDrawingAndAdvancedDrawWins)
{
    std::vector<bool> selections;
    item.OnDrawItem = [&](TObject*, TCanvas* canvas, const QRect& rect, bool selected) {
        EXPECT_EQ(rect, entry);
        selections.push_back(selected);
        DrawSquare(canvas);
    };
    Paint(dsSelected);
    ExpectOnlyTheHandlersSquare();
    Paint(0);
    ExpectOnlyTheHandlersSquare();
    EXPECT_EQ(selections, (std::vector<bool>{true, false}));

    int advanced = 0;
    item.OnAdvancedDrawItem = [&](TObject*, TCanvas*, const QRect&, TOwnerDrawState) {
        ++advanced;
    };
    Paint(0);
    EXPECT_EQ(advanced, 1);
    EXPECT_EQ(selections.size(), 2u);
    EXPECT_FALSE(Shows(aqua, 0));
}

TEST_F(DropDownOwnerDrawing, BeforeDrawEventCancelsOnlyWhenItSaysSo)
{
    bool cancel = false;
    item.OnBeforeDrawItem = [&](TObject*, TCanvas* canvas, const QRect&, int, bool& cancelled) {
        DrawSquare(canvas);
        cancelled = cancel;
    };
    Paint(0);
    EXPECT_TRUE(Shows(white));
    EXPECT_TRUE(Shows(red, entry.x() + 24));
    EXPECT_FALSE(Shows(aqua, 0)); // the built-in drawing covered the handler's square
    cancel = true;
    Paint(0);
    ExpectOnlyTheHandlersSquare();
}

TEST_F(DropDownOwnerDrawing, EditControlPaintsItsBoxInPlaceOfTheTexts)
{
    item.SetControl(T_AM2000_MenuControlType::ctlEditbox);
    item.EditControl()->SetColor(clAqua);
    Paint(0);
    // The box spans the area between the Left and Right margins (24 each), one pixel
    // inside the entry at top and bottom, framed in the button shadow colour.
    const int left = 5 + 24, right = 5 + 150 - 24 - 1, top = 4 + 1, bottom = 4 + 22 - 2;
    const QRgb frame = Rgb(clBtnShadow);
    for (int x = left; x <= right; ++x) {
        ASSERT_EQ(Pixel(x, top), frame) << x;
        ASSERT_EQ(Pixel(x, bottom), frame) << x;
        ASSERT_EQ(Pixel(x, top - 1), white) << x;
        ASSERT_EQ(Pixel(x, bottom + 1), white) << x;
    }
    for (int y = top; y <= bottom; ++y) {
        ASSERT_EQ(Pixel(left, y), frame) << y;
        ASSERT_EQ(Pixel(right, y), frame) << y;
    }
    for (int y = top + 1; y < bottom; ++y)
        for (int x = left + 1; x < right; ++x)
            ASSERT_EQ(Pixel(x, y), aqua) << x << "," << y;
    EXPECT_FALSE(Shows(red));

    item.EditControl()->SetText(QStringLiteral("WWW"));
    Paint(0);
    EXPECT_TRUE(Shows(Rgb(clWindowText), left + 1));
    EXPECT_FALSE(Shows(red));
}

TEST_F(DropDownOwnerDrawing, BitmapControlPaintsItsNormalGlyphAndTextControlLeavesTheTexts)
{
    item.SetControl(T_AM2000_MenuControlType::ctlBitmap);
    auto* control = static_cast<T_AM2000_BitmapControl*>(item.ControlOptions());
    TBitmap glyphs(16, 6, TPixelFormat::pf24bit);
    glyphs.Canvas()->Brush()->SetColor(clBlue);
    glyphs.Canvas()->FillRect(QRect(0, 0, 8, 6));
    glyphs.Canvas()->Brush()->SetColor(clLime);
    glyphs.Canvas()->FillRect(QRect(8, 0, 8, 6));
    control->Bitmap()->Assign(&glyphs);
    control->SetNumGlyphs(2);
    Paint(0);
    // Glyph 0 at the area's left edge, centred in the 22 rows: rows 8 to 13 of the entry.
    const QRect expected(5 + 24, 4 + 8, 8, 6);
    for (int y = entry.y(); y < entry.y() + entry.height(); ++y)
        for (int x = expected.x(); x < entry.x() + entry.width() - 24; ++x)
            ASSERT_EQ(Pixel(x, y), expected.contains(x, y) ? blue : white) << x << "," << y;
    EXPECT_FALSE(Shows(lime));

    item.SetControl(T_AM2000_MenuControlType::ctlText);
    Paint(0);
    EXPECT_TRUE(Shows(red, entry.x() + 24));
}
