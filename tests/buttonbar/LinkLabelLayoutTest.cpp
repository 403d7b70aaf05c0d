#include "ButtonBarClasses.h"
#include "PlatformClasses.h"
#include "TLayoutLoader.h"
#include "TLayoutWriter.h"
#include "TabcURLLabel.h"
#include "TabcWaveList.h"

#include <gtest/gtest.h>

namespace {

const char* linkLayout = R"(object Form1: TComponent
  object abcWaveList1: TabcWaveList
    Waves = ('button-pressed')
  end
  object abcURLLabel1: TabcURLLabel
    MouseDownColor = clAqua
    MouseOverEffects = [almColorShadow, almSound]
    SoundList = abcWaveList1
    SoundOver = 3
    URL = 'https://zentuvio.org/'
  end
end
)";

TabcURLLabel* LoadedLabel(TComponent& form, const QString& text)
{
    TLayoutLoader(&form, QStringLiteral("Form1")).Apply(text);
    return dynamic_cast<TabcURLLabel*>(form.FindComponent(QStringLiteral("abcURLLabel1")));
}

} // namespace

TEST(LinkLabelLayout, StoresWhatDiffersFromTheLinkLabelsOwnStartingValues)
{
    RegisterPlatformClasses();
    RegisterButtonBarClasses();
    TComponent form(nullptr);
    TabcURLLabel* label = LoadedLabel(form, QString::fromUtf8(linkLayout));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->MouseDownColor(), clAqua);
    EXPECT_EQ(label->SoundList(), form.FindComponent(QStringLiteral("abcWaveList1")));
    EXPECT_EQ(label->SoundOver(), 3);

    const QString written = TLayoutWriter::Write(&form);
    EXPECT_TRUE(written.contains(QStringLiteral("MouseDownColor = clAqua")))
        << "clAqua is the plain mouse label's default, not the link label's";
    EXPECT_FALSE(written.contains(QStringLiteral("MouseDownEffects")))
        << "unchanged from the link label's own";
    TComponent again(nullptr);
    TabcURLLabel* reloaded = LoadedLabel(again, written);
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(TLayoutWriter::Write(&again), written);
    EXPECT_EQ(reloaded->MouseDownColor(), clAqua);
    EXPECT_EQ(reloaded->MouseOverEffects(), label->MouseOverEffects());
}
