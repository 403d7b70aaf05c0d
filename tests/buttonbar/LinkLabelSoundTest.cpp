#include "PointerEvents.h"
#include "RecordingSoundPlayer.h"
#include "TForm.h"
#include "TabcMouseLabel.h"
#include "TabcWaveList.h"

#include <QCursor>
#include <QTest>
#include <gtest/gtest.h>

using namespace buttonbartest;

namespace {

class MouseLabelSound : public ::testing::Test {
protected:
    void SetUp() override
    {
        sounds->SetWaves({QStringLiteral("over"), QStringLiteral("down")});
        sounds->SetPlayer(&player);
        label->SetParent(&form);
        label->SetBounds(0, 0, 80, 20);
        label->SetSoundList(sounds);
        label->SetSoundOver(0);
        label->SetSoundDown(1);
    }

    TForm form{nullptr};
    TabcWaveList* sounds = new TabcWaveList(&form);
    TabcMouseLabel* label = new TabcMouseLabel(&form);
    TRecordingSoundPlayer player;
};

} // namespace

TEST_F(MouseLabelSound, PlaysTheOverSoundOnEnteringAndTheDownSoundOnPressing)
{
    int entered = 0;
    label->OnMouseEnter = [&entered](TObject*) { ++entered; };
    SendEnter(label);
    SendEnter(label);
    QTest::mousePress(label, Qt::RightButton, {}, QPoint(3, 3));
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(player.played, QStringList({"event:over", "event:down"}))
        << "once per entry, once per press until the release";
    EXPECT_EQ(entered, 2) << "the platform's enter runs every time";
}

TEST_F(MouseLabelSound, EffectsWithoutSoundAndNoListStaySilent)
{
    label->SetMouseOverEffects({TabcLabelMouseEffect::almUnderline});
    SendEnter(label);
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(player.played, QStringList({"event:down"}));
    delete sounds;
    EXPECT_EQ(label->SoundList(), nullptr) << "a freed list is let go";
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(label->IsPressed());
}

TEST_F(MouseLabelSound, SoundNumbersOutsideSixteenBitsAreRefused)
{
    EXPECT_THROW(label->SetSoundDown(65536), EInvalidOperation);
    EXPECT_THROW(label->SetSoundOver(-1), EInvalidOperation);
    label->SetSoundOver(65535);
    EXPECT_EQ(label->SoundOver(), 65535);
    EXPECT_EQ(label->SoundDown(), 1);
}

TEST_F(MouseLabelSound, EnablingAgainFollowsWhereTheCursorIsNow)
{
    form.SetBounds(0, 0, 200, 100);
    form.Show();
    SendEnter(label);
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(3, 3));
    label->SetEnabled(false);
    EXPECT_FALSE(label->IsPressed()) << "disabling forgets the press";
    QCursor::setPos(label->mapToGlobal(QPoint(150, 80)));
    label->SetEnabled(true);
    EXPECT_FALSE(label->IsHot()) << "the cursor left while it was disabled";

    label->SetEnabled(false);
    QCursor::setPos(label->mapToGlobal(QPoint(40, 10)));
    label->SetEnabled(true);
    EXPECT_TRUE(label->IsHot()) << "the cursor came while it was disabled";
    EXPECT_EQ(player.played, QStringList({"event:over", "event:down", "event:over"}));
}
