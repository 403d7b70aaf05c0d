#include "SpeedButtonSupport.h"

#include <gtest/gtest.h>

using namespace buttonbartest;

namespace {

// Colours of the frames by letter, as the classic system colours give them:
// W highlight, L 3-D light, S shadow, D dark shadow, F window frame, G the light
// frame's 0xDEDEDE, '.' the button's face.
constexpr TColor face = TColor(0x1E140A);

char Letter(TColor colour)
{
    switch (quint32(colour)) {
    case 0xFFFFFF:
        return 'W';
    case 0xE3E3E3:
        return 'L';
    case 0xA0A0A0:
        return 'S';
    case 0x696969:
        return 'D';
    case 0x646464:
        return 'F';
    case 0xDEDEDE:
        return 'G';
    case quint32(face):
        return '.';
    default:
        return '?';
    }
}

// Four pixels from the left edge inwards along the middle row, and four from the
// right edge inwards.
std::string FromLeft(const QImage& image)
{
    std::string s;
    for (int x = 0; x < 4; ++x)
        s += Letter(At(image, x, image.height() / 2));
    return s;
}

std::string FromRight(const QImage& image)
{
    std::string s;
    for (int x = image.width() - 1; x >= image.width() - 4; --x)
        s += Letter(At(image, x, image.height() / 2));
    return s;
}

std::string FromTop(const QImage& image)
{
    std::string s;
    for (int y = 0; y < 4; ++y)
        s += Letter(At(image, image.width() / 2, y));
    return s;
}

std::string FromBottom(const QImage& image)
{
    std::string s;
    for (int y = image.height() - 1; y >= image.height() - 4; --y)
        s += Letter(At(image, image.width() / 2, y));
    return s;
}

// Where the fully covered pixels of text fall when its cell's top-left corner is at
// (0, 0), drawn in red on the buttons' face.
QRect InkInCell(const QFont& font, const QString& text)
{
    const QFontMetrics metrics(font);
    QImage cell(metrics.horizontalAdvance(text) + 4, metrics.height() + 4, QImage::Format_RGB32);
    cell.fill(TColors::ToQColor(face));
    QPainter painter(&cell);
    painter.setFont(font);
    painter.setPen(Qt::red);
    painter.drawText(QPoint(0, metrics.ascent()), text);
    painter.end();
    return BoxOf(cell, clRed);
}

struct Looks {
    TabcButtonStyle style;
    const char* upLeft;
    const char* upRight;
    const char* hotLeft;
    const char* hotRight;
    const char* pressedLeft;
    const char* pressedRight;
};

using S = TabcButtonStyle;

// Worked out from the styles' rings: raised outer soft = W/D, raised inner = W/S,
// sunken outer = S/W, sunken outer soft = D/W, sunken inner soft = S/L, light frame
// G/S, dark frame S/G, mono flat ring F/F, the gap leaves the face.
const Looks looks[] = {
    {S::absAutoDetect, "W...", "DS..", "W...", "DS..", "DS..", "WL.."},
    {S::absNew, "W...", "DS..", "W...", "DS..", "DS..", "WL.."},
    {S::absWin31, "FWW.", "FSS.", "FWW.", "FSS.", "FS..", "F..."},
    {S::absThin, "W...", "S...", "W...", "S...", "S...", "W..."},
    {S::absThinBlack, "W...", "D...", "W...", "D...", "D...", "W..."},
    {S::absThinGray, "G...", "S...", "G...", "S...", "S...", "G..."},
    {S::absThinHighlight, "W...", "S...", "W...", "D...", "D...", "W..."},
    {S::absMidHighlight, "W...", "S...", "WG..", "DS..", "DS..", "WG.."},
    {S::absThickHighlight, "W...", "S...", "WG..", "DS..", "DS..", "WG.."},
    {S::absFramed, "SW..", "WS..", "SW..", "WS..", "SS..", "WW.."},
    {S::absFramedBlack, "DW..", "WD..", "DW..", "WD..", "DD..", "WW.."},
    {S::absFramedRaised, "DWG.", "WDS.", "DWG.", "WDS.", "SS..", "WW.."},
    {S::absFramedHighlight, "SW..", "WS..", "SWG.", "WSS.", "SS..", "WW.."},
    {S::absFramedBlackHighlight, "DW..", "WD..", "DWG.", "WDS.", "DD..", "WW.."},
    {S::absRecessed, "S.W.", "W.S.", "S.W.", "W.S.", "SS..", "WW.."},
    {S::absRecessedBlack, "D.W.", "W.D.", "D.W.", "W.D.", "DD..", "WW.."},
    {S::absRecessedRaised, "D.WG", "W.DS", "D.WG", "W.DS", "SS..", "WW.."},
    {S::absRecessedHighlight, "S.W.", "W.S.", "S.WG", "W.SS", "SS..", "WW.."},
    {S::absRecessedBlackHighlight, "D.W.", "W.D.", "D.WG", "W.DS", "DD..", "WW.."},
};

class SpeedButtonFrames : public ::testing::Test {
protected:
    TabcPicSpeedBtn* Button(TabcButtonStyle style, bool flat)
    {
        TabcPicSpeedBtn* button = form.Add(QRect(20, 20, 40, 24));
        button->SetColor(face);
        button->SetStyle(style);
        button->SetPopup(flat);
        // A button that appears under the pointer starts hot; these start up.
        QApplication::processEvents();
        if (button->MouseInControl())
            SendLeave(button);
        return button;
    }
    ButtonForm form;
};

} // namespace

TEST_F(SpeedButtonFrames, EveryStyleDrawsItsRingsUpHotAndPressed)
{
    for (const Looks& look : looks) {
        for (const bool flat : {false, true}) {
            TabcPicSpeedBtn* button = Button(look.style, flat);
            const std::string name =
                std::string(TEnumNames<TabcButtonStyle>::Names()[size_t(look.style)]) +
                (flat ? " flat" : "");
            const QImage up = Grab(button);
            EXPECT_EQ(FromLeft(up), flat ? "...." : look.upLeft) << name;
            EXPECT_EQ(FromRight(up), flat ? "...." : look.upRight) << name;
            SendEnter(button);
            ASSERT_TRUE(button->MouseInControl()) << name;
            const QImage hot = Grab(button);
            EXPECT_EQ(FromLeft(hot), look.hotLeft) << name;
            EXPECT_EQ(FromRight(hot), look.hotRight) << name;
            Press(button);
            const QImage pressed = Grab(button);
            EXPECT_EQ(FromLeft(pressed), look.pressedLeft) << name;
            EXPECT_EQ(FromRight(pressed), look.pressedRight) << name;
            Release(button);
            delete button;
        }
    }
}

TEST_F(SpeedButtonFrames, TopAndBottomFollowTheRingsWithTheThickBottomLine)
{
    TabcPicSpeedBtn* thick = Button(S::absThickHighlight, false);
    const QImage up = Grab(thick);
    EXPECT_EQ(FromTop(up), "W...");
    EXPECT_EQ(FromBottom(up), "SS..") << "raised inner ring, then the bottom line inside it";
    SendEnter(thick);
    const QImage hot = Grab(thick);
    EXPECT_EQ(FromTop(hot), "WG..");
    EXPECT_EQ(FromBottom(hot), "SDS.") << "bottom line first, then the ring and the light frame";
    EXPECT_EQ(Letter(At(hot, 0, hot.height() - 1)), 'S') << "the line starts left of the rectangle";

    TabcPicSpeedBtn* fresh = Button(S::absNew, false);
    const QImage newStyle = Grab(fresh);
    EXPECT_EQ(FromTop(newStyle), "W...") << "the inner ring has no top";
    EXPECT_EQ(FromBottom(newStyle), "DS..");
}

TEST_F(SpeedButtonFrames, ACaptionMovesOnePixelRightAndDownWhilePressed)
{
    TabcPicSpeedBtn* button = Button(S::absThin, false);
    button->Font()->SetColor(clRed);
    button->SetCaption(QStringLiteral("Go"));
    const QRect up = BoxOf(Grab(button), clRed);
    ASSERT_FALSE(up.isEmpty());
    Press(button);
    const QRect pressed = BoxOf(Grab(button), clRed);
    EXPECT_EQ(pressed, up.translated(1, 1));
}

TEST_F(SpeedButtonFrames, AShortCaptionWithMarginFiveStartsFivePixelsIntoTheContent)
{
    TabcPicSpeedBtn* button = Button(S::absThin, false);
    button->Font()->SetColor(clRed);
    button->SetMargin(5);
    button->SetCaption(QStringLiteral("I"));
    // The one-pixel ring leaves a content rectangle of 38 x 22 at (1, 1); the caption's
    // cell starts 5 pixels into it and is centred in its height: (22 - h + 1) div 2.
    const QFont font = button->Font()->ToQFont();
    const int cellTop = 1 + (22 - QFontMetrics(font).height() + 1) / 2;
    const QPoint cell(1 + 5, cellTop);
    EXPECT_EQ(BoxOf(Grab(button), clRed), InkInCell(font, QStringLiteral("I")).translated(cell));
}

TEST_F(SpeedButtonFrames, ADisabledCaptionIsGreyOverAWhiteShadow)
{
    TabcPicSpeedBtn* button = Button(S::absThin, true);
    button->Font()->SetColor(clRed);
    button->SetCaption(QStringLiteral("Off"));
    button->SetEnabled(false);
    const QImage image = Grab(button);
    const QRect grey = BoxOf(image, TColor(0x808080));
    const QRect white = BoxOf(image, clWhite);
    ASSERT_FALSE(grey.isEmpty());
    EXPECT_TRUE(BoxOf(image, clRed).isEmpty()) << "no caption in the font colour";
    EXPECT_EQ(white.bottomRight(), grey.bottomRight() + QPoint(1, 1));
    EXPECT_EQ(button->State(), TabcButtonState::bsDisabled);

    button->SetDisabledShadow(false);
    const QImage plain = Grab(button);
    EXPECT_TRUE(BoxOf(plain, clWhite).isEmpty());
    EXPECT_FALSE(BoxOf(plain, TColor(0xA0A0A0)).isEmpty()) << "in the shadow colour";
}

TEST_F(SpeedButtonFrames, RaisedAndLoweredTextHaveTheirCopiesOnOppositeSides)
{
    TabcPicSpeedBtn* button = Button(S::absThin, true);
    button->Font()->SetColor(clRed);
    button->SetCaption(QStringLiteral("Tx"));
    button->SetTextStyle(TabcTextStyle::tsRaised);
    QImage image = Grab(button);
    QRect ink = BoxOf(image, clRed);
    EXPECT_EQ(BoxOf(image, TColor(0xA0A0A0)).bottomRight(), ink.bottomRight() + QPoint(1, 1));
    EXPECT_EQ(BoxOf(image, clWhite).topLeft(), ink.topLeft() - QPoint(1, 1));
    button->SetTextStyle(TabcTextStyle::tsLowered);
    image = Grab(button);
    ink = BoxOf(image, clRed);
    EXPECT_EQ(BoxOf(image, clWhite).bottomRight(), ink.bottomRight() + QPoint(1, 1));
    EXPECT_EQ(BoxOf(image, TColor(0xA0A0A0)).topLeft(), ink.topLeft() - QPoint(1, 1));
}

TEST_F(SpeedButtonFrames, AnExclusiveButtonShowsTheCheckerPatternSharedByItsColour)
{
    TabcPicSpeedBtn* first = Button(S::absThin, false);
    TabcPicSpeedBtn* second = form.Add(QRect(100, 20, 40, 24));
    second->SetColor(face);
    for (TabcPicSpeedBtn* button : {first, second}) {
        button->SetGroupIndex(7);
        button->SetAllowAllUp(true);
    }
    first->SetDown(true);
    EXPECT_EQ(first->State(), TabcButtonState::bsExclusive);
    const QImage image = Grab(first);
    for (int y = 4; y < 8; ++y)
        for (int x = 4; x < 8; ++x)
            EXPECT_EQ(At(image, x, y), x % 2 == y % 2 ? clWhite : face) << x << "," << y;
    EXPECT_EQ(FromLeft(image).substr(0, 1), "S") << "pressed: the sunken ring";
}
