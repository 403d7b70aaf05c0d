#include "TBitmap.h"
#include "TForm.h"
#include "TSpeedButton.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// The bounding box of the pixels in the given colour on the button.
QRect InkBox(TSpeedButton& button, QColor ink)
{
    const QImage image = button.grab().toImage();
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == ink)
                box |= QRect(x, y, 1, 1);
    return box;
}

class SpeedButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBounds(0, 0, 260, 60);
        button->SetParent(&form);
        button->SetBounds(0, 0, 240, 40);
        button->SetFlat(true);
        button->Font()->SetName(QStringLiteral("宋体"));
        button->Font()->SetHeight(-12);
        button->Font()->SetColor(clRed);
        form.Show();
    }

    TForm form{nullptr};
    TSpeedButton* button = new TSpeedButton(&form);
};

} // namespace

TEST_F(SpeedButtonTest, CaptionIsCentredAndMeasuredAgainAfterEachChange)
{
    button->SetCaption(QStringLiteral("界"));
    const QRect one = InkBox(*button, Qt::red);
    ASSERT_FALSE(one.isEmpty());
    EXPECT_NEAR(one.center().x(), 120, 2);

    button->SetCaption(QStringLiteral("界面界面界面"));
    const QRect six = InkBox(*button, Qt::red);
    EXPECT_GT(six.width(), 5 * one.width()) << "not clipped to the old caption's extent";
    EXPECT_NEAR(six.center().x(), 120, 2);

    button->Font()->SetHeight(-16);
    const QRect larger = InkBox(*button, Qt::red);
    EXPECT_GT(larger.width(), six.width()) << "not clipped to the old font's extent";
    EXPECT_GT(larger.height(), six.height());
}

TEST_F(SpeedButtonTest, GlyphLeftOfTheCaptionWithTheSpacingBetween)
{
    TBitmap glyph(10, 10, TPixelFormat::pf24bit);
    glyph.Canvas()->Brush()->SetColor(clBlue);
    glyph.Canvas()->FillRect(QRect(0, 0, 10, 10));
    glyph.Canvas()->SetPixels(0, 9, clWhite); // the bottom-left pixel is the transparent colour
    button->SetGlyph(&glyph);
    button->SetCaption(QStringLiteral("界面"));
    const QRect glyphBox = InkBox(*button, Qt::blue);
    const QRect textBox = InkBox(*button, Qt::red);
    ASSERT_FALSE(glyphBox.isEmpty());
    ASSERT_FALSE(textBox.isEmpty());
    EXPECT_EQ(glyphBox.width(), 10);
    EXPECT_GE(textBox.left() - glyphBox.right() - 1, 4) << "the spacing";
    EXPECT_NEAR((glyphBox.left() + textBox.right()) / 2.0, 120, 3) << "both centred together";
}
