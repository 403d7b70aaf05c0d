#include "ButtonBarClasses.h"
#include "PlatformClasses.h"
#include "RecordingSoundPlayer.h"
#include "TLayoutLoader.h"
#include "TabcWaveList.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

using namespace buttonbartest;

namespace {

class WaveList : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.SetWaves({QStringLiteral("button-pressed"), QStringLiteral("sounds/click.wav"),
                       QStringLiteral("/usr/share/sounds/hover.oga")});
        list.SetPlayer(&player);
    }
    TabcWaveList list{nullptr};
    TRecordingSoundPlayer player;
};

} // namespace

TEST_F(WaveList, PlaysEventNamesAsDesktopSoundsAndOtherEntriesAsFiles)
{
    list.Play(0);
    list.Play(2);
    list.Play(1);
    const QString besideProgram =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("sounds/click.wav");
    EXPECT_EQ(player.played,
              QStringList({"event:button-pressed", "file:/usr/share/sounds/hover.oga",
                           "file:" + besideProgram}));
}

TEST_F(WaveList, NumbersOutsideTheListPlayNothing)
{
    list.Play(-1);
    list.Play(3);
    list.SetWaves({});
    list.Play(0);
    EXPECT_TRUE(player.played.isEmpty());
}

TEST(WaveListLayout, IsCreatedWithItsEntriesByAStoredLayout)
{
    RegisterPlatformClasses();
    RegisterButtonBarClasses();
    TComponent form(nullptr);
    TLayoutLoader(&form, QStringLiteral("Form1"))
        .Apply(QStringLiteral("object Form1: TComponent\n"
                              "  object abcWaveList1: TabcWaveList\n"
                              "    Waves = ('button-pressed', 'sounds/over.wav')\n"
                              "  end\n"
                              "end\n"));
    auto* list = dynamic_cast<TabcWaveList*>(form.FindComponent(QStringLiteral("abcWaveList1")));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(list->Waves().at(1), QStringLiteral("sounds/over.wav"));
}
