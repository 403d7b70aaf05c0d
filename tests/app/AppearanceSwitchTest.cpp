#include "MainWindowFixture.h"
#include "TBitmap.h"
#include "TImage.h"
#include "TJPEGImage.h"
#include "TResourceStream.h"
#include "TabcBarBtn.h"

#include <QTest>

namespace {

QImage PixelsOf(const TImage& image)
{
    TBitmap bitmap;
    bitmap.Assign(image.Picture()->Graphic());
    return bitmap.Image().convertToFormat(QImage::Format_RGB32);
}

QImage ResourcePixels(const QString& name)
{
    TResourceStream stream(name);
    TJPEGImage jpeg;
    jpeg.LoadFromStream(stream);
    TBitmap bitmap;
    bitmap.Assign(&jpeg);
    return bitmap.Image().convertToFormat(QImage::Format_RGB32);
}

class AppearanceSwitch : public MainWindowFixture {
protected:
    void PressSwitch()
    {
        auto* button = dynamic_cast<TSpeedButton*>(form->FindComponent("SpeedButton36"));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    }
    QImage Window() const { return form->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // The frame pieces in the order of the rows of an appearance set; the two border
    // pieces of the menu strip come after them.
    std::vector<TImage*> Pieces() const
    {
        return {form->imgLeftUp, form->imgCaption,  form->Image1,     form->imgLeft,
                form->imgRight,  form->imgLeftDown, form->imgDownMin, form->imgRightDown};
    }
    void ExpectPiecesFrom(const TAppearanceSet& set, int rows)
    {
        const auto pieces = Pieces();
        for (int row = 0; row < rows; ++row)
            EXPECT_EQ(PixelsOf(*pieces[row]), ResourcePixels(set.resources[row]))
                << qPrintable(pieces[row]->Name()) << " should show "
                << qPrintable(set.resources[row]);
    }
    void ExpectStripBordersMatchFrame()
    {
        EXPECT_EQ(PixelsOf(*form->Image8), PixelsOf(*form->imgLeft));
        EXPECT_EQ(PixelsOf(*form->Image9), PixelsOf(*form->imgRight));
    }
};

} // namespace

TEST_F(AppearanceSwitch, TwoPressesGoToTheAlternativeAndBackToTheStartExactly)
{
    const QImage start = Window();
    ExpectPiecesFrom(TAppearanceSet::Default(), TAppearanceSet::rowCount);

    PressSwitch();
    EXPECT_EQ(form->abcButtonBar1->ButtonColor(), TColor(6311807));
    ExpectPiecesFrom(TAppearanceSet::Alternative(), TAppearanceSet::rowCount);
    ExpectStripBordersMatchFrame();
    for (TabcBarBtn* button : form->abcButtonBar1->Buttons())
        EXPECT_EQ(button->Color(), TColor(6311807));
    // Inside its one-pixel frame a bar button's face is its colour: red 127 in the low byte.
    const QImage caption = form->abcButtonBar1->Buttons()[0]->grab().toImage();
    EXPECT_EQ(QColor(caption.pixel(3, 3)), QColor(127, 79, 96));
    EXPECT_NE(Window(), start);

    PressSwitch();
    EXPECT_EQ(form->abcButtonBar1->ButtonColor(), clBlack);
    ExpectStripBordersMatchFrame();
    EXPECT_TRUE(Window() == start) << "the start window, pixel for pixel";
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));
}

TEST_F(AppearanceSwitch, ApplyingTheShownSetChangesNothingVisible)
{
    const QImage start = Window();
    form->Button2Click(nullptr);
    EXPECT_TRUE(Window() == start);

    form->Button1Click(nullptr);
    const QImage alternative = Window();
    form->Button1Click(nullptr);
    EXPECT_TRUE(Window() == alternative);
    ExpectStripBordersMatchFrame();
}

TEST_F(AppearanceSwitch, AnyColourButBlackCountsAsTheAlternativeShown)
{
    form->Button1Click(nullptr);
    form->abcButtonBar1->SetButtonColor(clBtnFace);
    PressSwitch();
    EXPECT_EQ(form->abcButtonBar1->ButtonColor(), clBlack);
    ExpectPiecesFrom(TAppearanceSet::Default(), TAppearanceSet::rowCount);

    form->abcButtonBar1->SetButtonColor(TColor(1));
    PressSwitch();
    EXPECT_EQ(form->abcButtonBar1->ButtonColor(), clBlack) << "near black is not black";
}

// A failing row is reported; the rows before it show the new set, the rest and the
// bar's colour stay, and the next press tries the same set again.
TEST_F(AppearanceSwitch, AFailingPictureStopsAtItsRowAndKeepsTheColour)
{
    // A missing resource, and a resource that is a bitmap rather than a JPEG.
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("NoSuchSkinPicture"), QStringLiteral("NoSuchSkinPicture")},
        {QStringLiteral("GLYPHEXIT"), QStringLiteral("JPEG")}};
    for (const auto& [broken, reported] : cases) {
        SCOPED_TRACE(qPrintable(broken));
        errors.clear();
        form->Button2Click(nullptr);
        TAppearanceSet set = TAppearanceSet::Alternative();
        set.resources[TAppearanceSet::rowLeft] = broken;
        const QImage left = PixelsOf(*form->imgLeft);

        TErrorReport::Guard([&] { form->ApplyAppearance(set); });
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors.front().contains(reported)) << qPrintable(errors.front());
        EXPECT_EQ(form->abcButtonBar1->ButtonColor(), clBlack);
        ExpectPiecesFrom(set, TAppearanceSet::rowLeft);
        EXPECT_EQ(PixelsOf(*form->imgLeft), left);
        EXPECT_EQ(PixelsOf(*form->imgRightDown), ResourcePixels(QStringLiteral("imgRightDown")));
        ExpectStripBordersMatchFrame();

        PressSwitch();
        ExpectPiecesFrom(TAppearanceSet::Alternative(), TAppearanceSet::rowCount);
    }
}
