#include "RecordingSoundPlayer.h"
#include "SpeedButtonSupport.h"
#include "TabcWaveList.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace buttonbartest;

namespace {

using State = TabcButtonState;

// The pointer moving with the left button held, wherever it is: the pressed button
// keeps receiving the moves, as under the press's implicit grab.
void DragTo(QWidget* widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

// A press and release, then the second press arriving as a double-click, and its release.
void DoubleClick(QWidget* widget)
{
    Click(widget);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
    Release(widget);
}

class SpeedButtons : public ::testing::Test {
protected:
    TabcPicSpeedBtn* Button(int left)
    {
        TabcPicSpeedBtn* button = form.Add(QRect(left, 20, 40, 24));
        button->OnClick = [this, button](TObject*) { clicked.push_back(button); };
        return button;
    }
    ButtonForm form;
    std::vector<TabcPicSpeedBtn*> clicked;
};

class ButtonGroup : public SpeedButtons {
protected:
    ButtonGroup()
    {
        for (TabcPicSpeedBtn* button : group)
            button->SetGroupIndex(5);
    }
    int DownCount() const
    {
        return int(std::count_if(std::begin(group), std::end(group),
                                 [](TabcPicSpeedBtn* button) { return button->Down(); }));
    }
    TabcPicSpeedBtn* group[3] = {Button(10), Button(60), Button(110)};
};

} // namespace

TEST_F(ButtonGroup, PressingOneReleasesTheOthersAndThePressedOneStaysDown)
{
    Click(group[0]);
    EXPECT_TRUE(group[0]->Down());
    EXPECT_EQ(group[0]->State(), State::bsExclusive);
    Click(group[1]);
    EXPECT_TRUE(group[1]->Down());
    EXPECT_FALSE(group[0]->Down());
    EXPECT_EQ(group[0]->State(), State::bsUp);
    EXPECT_EQ(DownCount(), 1);

    Click(group[1]);
    EXPECT_TRUE(group[1]->Down()) << "a pressed member cannot release itself";
    EXPECT_EQ(group[1]->State(), State::bsExclusive);
    group[1]->SetDown(false);
    EXPECT_TRUE(group[1]->Down());
    EXPECT_EQ(clicked, (std::vector<TabcPicSpeedBtn*>{group[0], group[1], group[1]}))
        << "clicking the pressed one still clicks";

    group[2]->SetDown(true);
    EXPECT_FALSE(group[1]->Down()) << "setting Down tells the group as a click does";
    EXPECT_EQ(DownCount(), 1);
}

TEST_F(ButtonGroup, AllowAllUpSpreadsThroughTheGroupAndLetsThePressedOneGoUp)
{
    group[0]->SetAllowAllUp(true);
    EXPECT_TRUE(group[1]->AllowAllUp());
    EXPECT_TRUE(group[2]->AllowAllUp());
    Click(group[2]);
    ASSERT_TRUE(group[2]->Down());
    Click(group[2]);
    EXPECT_FALSE(group[2]->Down());
    EXPECT_EQ(DownCount(), 0);

    TabcPicSpeedBtn* loner = Button(160);
    loner->SetDown(true);
    EXPECT_FALSE(loner->Down()) << "without a group a button is never down";
    group[1]->SetGroupIndex(0);
    group[2]->SetDown(true);
    group[0]->SetDown(true);
    EXPECT_TRUE(group[0]->Down());
    EXPECT_FALSE(group[2]->Down()) << "still one group without the member that left";
}

TEST_F(ButtonGroup, OnlyAButtonThatIsDownFiresItsDoubleClick)
{
    int doubleClicks = 0;
    TabcPicSpeedBtn* loner = Button(160);
    for (TabcPicSpeedBtn* button : {group[1], loner})
        button->OnDblClick = [&doubleClicks](TObject*) { ++doubleClicks; };
    DoubleClick(loner);
    EXPECT_EQ(doubleClicks, 0) << "a button without a group is never down";
    DoubleClick(group[1]);
    EXPECT_EQ(doubleClicks, 1) << "the first click of the two put it down";
    EXPECT_TRUE(group[1]->Down());
}

TEST_F(SpeedButtons, DraggingOffAPressedButtonShowsItHotAndReleasingOutsideClicksNothing)
{
    TabcPicSpeedBtn* button = Button(10);
    Press(button);
    EXPECT_EQ(button->State(), State::bsDown);
    DragTo(button, QPoint(40, 5));
    EXPECT_EQ(button->State(), State::bsHot) << "x equal to the width is outside";
    DragTo(button, QPoint(5, 24));
    EXPECT_EQ(button->State(), State::bsDown) << "y equal to the height is still inside";
    DragTo(button, QPoint(5, -1));
    EXPECT_EQ(button->State(), State::bsHot);
    Release(button, QPoint(5, -1));
    EXPECT_TRUE(clicked.empty());
    EXPECT_EQ(button->State(), State::bsUp);
    EXPECT_FALSE(button->MouseInControl());

    Press(button);
    DragTo(button, QPoint(60, 5));
    DragTo(button, QPoint(5, 5));
    Release(button);
    EXPECT_EQ(clicked.size(), 1u) << "dragged back on, the release clicks";
    EXPECT_EQ(button->State(), State::bsHot);
}

TEST_F(SpeedButtons, ACancelledPressShowsNoPressClicksNothingAndSwallowsItsRelease)
{
    TabcPicSpeedBtn* button = Button(10);
    bool cancel = true;
    std::vector<TMouseButton> asked;
    button->BeforeMouseDown = [&](TObject*, TMouseButton pressed, TShiftState, int, int,
                                  bool& cancelled) {
        asked.push_back(pressed);
        cancelled = cancel;
    };
    int releases = 0;
    button->OnMouseUp = [&releases](TObject*, TMouseButton, TShiftState, int, int) { ++releases; };

    Press(button);
    EXPECT_EQ(button->State(), State::bsUp);
    Release(button);
    EXPECT_EQ(releases, 0) << "the release of a cancelled press is ignored entirely";
    EXPECT_TRUE(clicked.empty());

    cancel = false;
    Click(button);
    EXPECT_EQ(releases, 1) << "only the one release after the cancelled press is swallowed";
    EXPECT_EQ(clicked.size(), 1u);

    // A cancelled right press in the middle of a left one drops the left one too.
    Press(button);
    ASSERT_EQ(button->State(), State::bsDown);
    cancel = true;
    QTest::mousePress(button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_NE(button->State(), State::bsDown);
    QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(5, 5));
    Release(button);
    EXPECT_EQ(clicked.size(), 1u);
    EXPECT_EQ(asked, (std::vector<TMouseButton>{TMouseButton::mbLeft, TMouseButton::mbLeft,
                                                TMouseButton::mbLeft, TMouseButton::mbRight}));
}

TEST_F(SpeedButtons, ASideButtonOfTheMouseNeitherAsksNorEndsALeftPress)
{
    TabcPicSpeedBtn* button = Button(10);
    int asked = 0;
    button->BeforeMouseDown = [&asked](TObject*, TMouseButton, TShiftState, int, int, bool&) {
        ++asked;
    };
    Press(button);
    QTest::mousePress(button, Qt::BackButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::BackButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(button->State(), State::bsDown) << "still held by the left button";
    EXPECT_TRUE(clicked.empty());
    Release(button);
    EXPECT_EQ(clicked.size(), 1u);
    EXPECT_EQ(asked, 1) << "only the left press was asked about";
}

TEST_F(SpeedButtons, BeforeClickCancelsTheClickButNotTheRelease)
{
    TabcPicSpeedBtn* button = Button(10);
    button->BeforeClick = [](TObject*, bool& cancel) { cancel = true; };
    Click(button);
    EXPECT_TRUE(clicked.empty());
    EXPECT_EQ(button->State(), State::bsHot);
}

TEST_F(SpeedButtons, HoverAndPressPlayTheirNumberedSoundsFromTheList)
{
    TRecordingSoundPlayer player;
    auto* sounds = new TabcWaveList(form.form.get());
    sounds->SetWaves({QStringLiteral("hover"), QStringLiteral("press")});
    sounds->SetPlayer(&player);
    TabcPicSpeedBtn* button = Button(10);
    TabcPicSpeedBtn* silent = Button(60);
    for (TabcPicSpeedBtn* each : {button, silent})
        each->SetSoundList(sounds);
    button->SetSoundOver(0);
    button->SetSoundDown(1);

    SendEnter(button);
    SendEnter(button);
    Click(button);
    SendEnter(silent);
    Click(silent);
    EXPECT_EQ(player.played, QStringList({"event:hover", "event:press"}))
        << "once per entry; none for sound numbers of -1";

    button->SetGroupIndex(3);
    button->SetDown(true);
    player.played.clear();
    Click(button);
    EXPECT_TRUE(player.played.isEmpty()) << "pressing a button that is down plays nothing";

    delete sounds;
    EXPECT_EQ(button->SoundList(), nullptr);
    SendLeave(button);
    SendEnter(button);
    Click(button);
    EXPECT_TRUE(player.played.isEmpty());
}

TEST_F(SpeedButtons, AltWithTheCaptionsAcceleratorClicksAnEnabledButton)
{
    TabcPicSpeedBtn* button = Button(10);
    button->SetCaption(QStringLiteral("&Go"));
    Button(60)->SetCaption(QStringLiteral("G&o"));
    QTest::keyClick(form.form.get(), Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(clicked, std::vector<TabcPicSpeedBtn*>{button});
    QTest::keyClick(form.form.get(), Qt::Key_G);
    EXPECT_EQ(clicked.size(), 1u) << "without Alt the key goes its normal way";
    button->SetCaption(QStringLiteral("&Stop"));
    QTest::keyClick(form.form.get(), Qt::Key_G, Qt::AltModifier);
    QTest::keyClick(form.form.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(clicked, (std::vector<TabcPicSpeedBtn*>{button, button}))
        << "the accelerator follows the caption";
    button->SetEnabled(false);
    QTest::keyClick(form.form.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(clicked.size(), 2u);
}
