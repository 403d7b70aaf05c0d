#include "PointerEvents.h"
#include "RecordingSoundPlayer.h"
#include "TForm.h"
#include "TabcURLLabel.h"
#include "TabcWaveList.h"

#include <QFontMetrics>
#include <QTest>
#include <gtest/gtest.h>

using namespace buttonbartest;

namespace {

using Effects = TabcLabelMouseEffects;
constexpr auto almUnderline = TabcLabelMouseEffect::almUnderline;
constexpr auto almColor = TabcLabelMouseEffect::almColor;
constexpr auto almColorShadow = TabcLabelMouseEffect::almColorShadow;
constexpr auto almSound = TabcLabelMouseEffect::almSound;

QRgb Rgb(TColor color)
{
    return TColors::ToQColor(color).rgb();
}

// A link label on a silver, filled background, so that every colour it draws shows.
class LinkLabel : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBounds(0, 0, 300, 120);
        label = new TabcURLLabel(&form);
        label->SetParent(&form);
        label->SetAutoSize(false);
        label->SetTransparent(false);
        label->SetColor(clSilver);
        label->Font()->SetName(QStringLiteral("DejaVu Sans"));
        label->Font()->SetHeight(-13);
        label->SetCaption(QStringLiteral("abc"));
        label->SetBounds(10, 10, 120, 40);
        form.Show();
    }
    QImage Shot() const { return label->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    static int CountIn(const QImage& image, QRgb color)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == color;
        return count;
    }
    // The longest unbroken run of color along one row.
    static int LongestRun(const QImage& image, QRgb color)
    {
        int longest = 0;
        for (int y = 0; y < image.height(); ++y) {
            int run = 0;
            for (int x = 0; x < image.width(); ++x) {
                run = image.pixel(x, y) == color ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        }
        return longest;
    }
    // The first row holding color, -1 if none.
    static int FirstRow(const QImage& image, QRgb color)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == color)
                    return y;
        return -1;
    }
    int TextWidth() const
    {
        return QFontMetrics(label->Font()->ToQFont()).horizontalAdvance("abc");
    }
    // The height the platform's text measuring gives the caption, as the label measures.
    int MeasuredTextHeight() const
    {
        QImage scratch(1, 1, QImage::Format_RGB32);
        TCanvas canvas;
        TCanvas::PaintScope scope(canvas, &scratch);
        canvas.SetFont(label->Font());
        QRect bounds = label->ClientRect();
        QString text = label->Caption();
        canvas.TextRect(bounds, text, {TTextFormat::tfCalcRect, TTextFormat::tfExpandTabs});
        return bounds.height();
    }

    TForm form{nullptr};
    TabcURLLabel* label = nullptr;
};

} // namespace

TEST_F(LinkLabel, StartsBlueWithAHandAndPurplePressUnderlinedHover)
{
    EXPECT_EQ(label->Font()->Color(), clBlue);
    EXPECT_EQ(label->Cursor(), crHandPoint);
    EXPECT_EQ(label->MouseDownColor(), clPurple);
    EXPECT_EQ(label->MouseDownEffects(), Effects({almColor, almSound}));
    EXPECT_EQ(label->MouseOverColor(), clYellow);
    EXPECT_EQ(label->MouseOverEffects(), Effects({almUnderline, almSound}));
    EXPECT_EQ(label->ShowBrowser(), TabcShowWindowStyle::aswShowMaximized);
    TabcMouseLabel plain(nullptr);
    EXPECT_EQ(plain.MouseDownColor(), clAqua);
    EXPECT_EQ(plain.MouseDownEffects(), Effects({almUnderline, almSound}));
}

TEST_F(LinkLabel, HoverUnderlinesPressTurnsPurpleAndReleaseGivesTheHoverLookBack)
{
    const QImage resting = Shot();
    EXPECT_LT(LongestRun(resting, Rgb(clBlue)), TextWidth() - 2) << "no line under the text";

    SendEnter(label);
    const QImage hovered = Shot();
    EXPECT_TRUE(label->IsHot());
    EXPECT_GE(LongestRun(hovered, Rgb(clBlue)), TextWidth() - 2) << "underlined";

    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    const QImage pressed = Shot();
    EXPECT_EQ(CountIn(pressed, Rgb(clBlue)), 0);
    EXPECT_GT(CountIn(pressed, Rgb(clPurple)), 20);
    EXPECT_LT(LongestRun(pressed, Rgb(clPurple)), TextWidth() - 2) << "the press look has no line";

    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Shot(), hovered);
    SendLeave(label);
    EXPECT_EQ(Shot(), resting);
}

TEST_F(LinkLabel, HaloDrawsTheOverColourOnePixelUpLeftOfTheText)
{
    label->SetMouseOverEffects({almColorShadow});
    label->SetMouseOverColor(clRed);
    const QImage resting = Shot();
    SendEnter(label);
    const QImage hovered = Shot();
    // The halo's two copies lie under the text; where the text's first row starts,
    // the copy moved up and left shows one row higher.
    const int textTop = FirstRow(resting, Rgb(clBlue));
    ASSERT_GE(textTop, 1);
    EXPECT_EQ(FirstRow(hovered, Rgb(clRed)), textTop - 1);
    EXPECT_EQ(FirstRow(hovered, Rgb(clBlue)), textTop);
    EXPECT_EQ(LongestRun(hovered, Rgb(clBlue)), LongestRun(resting, Rgb(clBlue)))
        << "the text keeps its colour and has no line";
}

TEST_F(LinkLabel, ColourAndHaloEffectsExcludeEachOther)
{
    label->SetMouseOverEffects({almColorShadow, almSound});
    label->SetMouseOverEffects({almColor});
    EXPECT_EQ(label->MouseOverEffects(), Effects({almColor})) << "colour replaces the halo";

    label->SetMouseOverEffects({almColor, almColorShadow});
    EXPECT_EQ(label->MouseOverEffects(), Effects({almColorShadow})) << "adding the halo";

    label->SetMouseDownEffects({almUnderline});
    label->SetMouseDownEffects({almColor, almColorShadow});
    EXPECT_EQ(label->MouseDownEffects(), Effects({almColorShadow})) << "both new: halo wins";

    label->SetMouseDownEffects({almColorShadow, almUnderline});
    EXPECT_EQ(label->MouseDownEffects(), Effects({almColorShadow, almUnderline}))
        << "a set adding neither is taken as given";
}

TEST_F(LinkLabel, DisabledShowsEmbossedTextAndNoMouseEffect)
{
    TabcWaveList sounds(nullptr);
    TRecordingSoundPlayer player;
    sounds.SetWaves({QStringLiteral("button-pressed")});
    sounds.SetPlayer(&player);
    label->SetSoundList(&sounds);
    label->SetEnabled(false);
    const QImage disabled = Shot();
    const QRgb shadow = Rgb(clBtnShadow);
    const QRgb highlight = Rgb(clBtnHighlight);
    EXPECT_EQ(CountIn(disabled, Rgb(clBlue)), 0);
    ASSERT_GT(CountIn(disabled, shadow), 20);
    // Every shadow pixel has the highlight copy (or more shadow) one pixel down-right.
    int unmatched = 0;
    for (int y = 0; y + 1 < disabled.height(); ++y) {
        for (int x = 0; x + 1 < disabled.width(); ++x) {
            const QRgb below = disabled.pixel(x + 1, y + 1);
            unmatched += disabled.pixel(x, y) == shadow && below != highlight && below != shadow;
        }
    }
    EXPECT_EQ(unmatched, 0);
    EXPECT_EQ(FirstRow(disabled, highlight), FirstRow(disabled, shadow) + 1);

    SendEnter(label);
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(label->IsHot());
    EXPECT_FALSE(label->IsPressed());
    EXPECT_EQ(Shot(), disabled);
    EXPECT_TRUE(player.played.isEmpty());
}

TEST_F(LinkLabel, CentreAndBottomLayoutsMoveTheTextByWhatItMeasures)
{
    const QImage top = Shot();
    const int topRow = FirstRow(top, Rgb(clBlue));
    ASSERT_GE(topRow, 0);
    const int room = label->Height() - MeasuredTextHeight(); // 40 high, one line
    ASSERT_GT(room, 0);

    label->SetLayout(TTextLayout::tlCenter);
    EXPECT_EQ(FirstRow(Shot(), Rgb(clBlue)), topRow + room / 2);
    label->SetHeight(41);
    EXPECT_EQ(FirstRow(Shot(), Rgb(clBlue)), topRow + (room + 1) / 2) << "rounds toward zero";

    label->SetLayout(TTextLayout::tlBottom);
    EXPECT_EQ(FirstRow(Shot(), Rgb(clBlue)), topRow + room + 1);
}

TEST_F(LinkLabel, TransparentLabelLeavesItsParentShowing)
{
    form.SetColor(clLime);
    label->SetTransparent(true);
    const QImage image = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(10 + 119, 10 + 39), Rgb(clLime));
    EXPECT_EQ(CountIn(image, Rgb(clSilver)), 0);
    EXPECT_GT(CountIn(image, Rgb(clBlue)), 20);
}

TEST_F(LinkLabel, AmpersandMarksTheAcceleratorUnlessAccelCharsAreOff)
{
    label->SetCaption(QStringLiteral("&&&a"));
    const int withPrefix = CountIn(Shot(), Rgb(clBlue));
    label->SetShowAccelChar(false);
    const int asText = CountIn(Shot(), Rgb(clBlue));
    EXPECT_GT(asText, withPrefix) << "three ampersands drawn instead of one and an underline";
}
