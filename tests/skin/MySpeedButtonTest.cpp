#include "PointerEvents.h"
#include "SkinClasses.h"
#include "SkinTestSupport.h"
#include "TForm.h"
#include "TMySpeedButton.h"
#include "TNewimage.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TBitmap> Filled(TColor color)
{
    auto bitmap = std::make_unique<TBitmap>(8, 8, TPixelFormat::pf24bit);
    bitmap->Canvas()->Brush()->SetColor(color);
    bitmap->Canvas()->FillRect(QRect(0, 0, 8, 8));
    return bitmap;
}

bool ShowsColor(TSpeedButton& button, TColor color)
{
    return !button.Glyph()->Empty() && button.Glyph()->Canvas()->Pixels(3, 3) == color;
}

} // namespace

TEST(MySpeedButton, IsFlatAndShowsItsNormalPicture)
{
    TForm form(nullptr);
    auto* button = new TMySpeedButton(&form);
    button->SetParent(&form);
    EXPECT_TRUE(button->Flat());
    button->SetNormalPicture(Filled(clRed).get());
    EXPECT_TRUE(ShowsColor(*button, clRed));
}

TEST(MySpeedButton, HotPictureNeverSetShowsAnEmptyGlyphUnderThePointer)
{
    TForm form(nullptr);
    auto* button = new TMySpeedButton(&form);
    button->SetParent(&form);
    button->SetNormalPicture(Filled(clRed).get());
    SendEnter(button);
    EXPECT_TRUE(button->Glyph()->Empty());
    SendLeave(button);
    EXPECT_TRUE(ShowsColor(*button, clRed));
}

TEST(MySpeedButton, HotPictureSetWhileHoveredShowsOnlyAfterTheNextEntry)
{
    TForm form(nullptr);
    auto* button = new TMySpeedButton(&form);
    button->SetParent(&form);
    button->SetNormalPicture(Filled(clRed).get());
    SendEnter(button);
    button->SetHotPicture(Filled(clBlue).get());
    EXPECT_TRUE(button->Glyph()->Empty()) << "the glyph is not touched";
    SendLeave(button);
    SendEnter(button);
    EXPECT_TRUE(ShowsColor(*button, clBlue));
}

TEST(MySpeedButton, KeepsCopiesOfThePicturesItIsGiven)
{
    TForm form(nullptr);
    auto* button = new TMySpeedButton(&form);
    auto picture = Filled(clRed);
    button->SetNormalPicture(picture.get());
    picture->Canvas()->Brush()->SetColor(clLime);
    picture->Canvas()->FillRect(QRect(0, 0, 8, 8));
    EXPECT_EQ(button->NormalPicture()->Canvas()->Pixels(3, 3), clRed);
}

TEST(Newimage, WithoutEventsBehavesAsAPlainPicture)
{
    TForm form(nullptr);
    auto* image = new TNewimage(&form);
    image->SetParent(&form);
    SendEnter(image);
    SendLeave(image);
    int entered = 0;
    image->OnMouseEnter = [&entered](TObject* sender) { entered += sender != nullptr; };
    SendEnter(image);
    EXPECT_EQ(entered, 1);
}
