#include "ButtonBarClasses.h"
#include "ButtonBarSupport.h"
#include "PlatformClasses.h"
#include "SpeedButtonSupport.h"
#include "TAction.h"
#include "TLayoutLoader.h"

#include <gtest/gtest.h>

using namespace buttonbartest;

namespace {

class ButtonAction : public ::testing::Test {
protected:
    ButtonAction()
    {
        button->SetGroupIndex(4);
        button->SetAllowAllUp(true);
        action->OnExecute = [this](TObject* sender) { executed.push_back(sender); };
    }
    ButtonForm form;
    TabcPicSpeedBtn* button = form.Add(QRect(10, 10, 60, 24));
    TAction* action = new TAction(form.form.get());
    std::vector<TObject*> executed;
};

} // namespace

TEST_F(ButtonAction, TheActionsStateReachesTheButtonWhenLinkedAndAtEveryChange)
{
    action->SetChecked(true);
    action->SetImageIndex(2);
    action->SetCaption(QStringLiteral("Run"));
    button->SetAction(action);
    EXPECT_TRUE(button->Down());
    EXPECT_EQ(button->State(), TabcButtonState::bsExclusive);
    EXPECT_EQ(button->ImageIndex(), 2);
    EXPECT_EQ(button->Caption(), QStringLiteral("Run"));

    action->SetChecked(false);
    EXPECT_FALSE(button->Down());
    action->SetImageIndex(-1);
    EXPECT_EQ(button->ImageIndex(), -1);
    action->SetHint(QStringLiteral("Runs it"));
    action->SetEnabled(false);
    EXPECT_EQ(button->Hint(), QStringLiteral("Runs it"));
    EXPECT_FALSE(button->Enabled());

    button->SetAction(nullptr);
    action->SetEnabled(true);
    action->SetCaption(QStringLiteral("Gone"));
    EXPECT_FALSE(button->Enabled()) << "an unlinked button keeps what it had";
    EXPECT_EQ(button->Caption(), QStringLiteral("Run"));
}

TEST_F(ButtonAction, AClickExecutesTheActionUnlessOnClickOrBeforeClickSayOtherwise)
{
    button->SetAction(action);
    Click(button);
    EXPECT_EQ(executed, std::vector<TObject*>{action}) << "the action is the sender";

    int ownClicks = 0;
    button->OnClick = [&ownClicks](TObject*) { ++ownClicks; };
    Click(button);
    EXPECT_EQ(ownClicks, 1);
    EXPECT_EQ(executed.size(), 1u) << "the button's own handler runs instead";

    button->BeforeClick = [](TObject*, bool& cancel) { cancel = true; };
    Click(button);
    EXPECT_EQ(ownClicks, 1);
    EXPECT_EQ(executed.size(), 1u);
}

TEST_F(ButtonAction, CopyingTheButtonToAnActionMakesItsDownStateChecked)
{
    button->SetCaption(QStringLiteral("Copy"));
    button->SetDown(true);
    button->SetImageIndex(6);
    action->Assign(button);
    EXPECT_TRUE(action->Checked());
    EXPECT_EQ(action->Caption(), QStringLiteral("Copy"));
    EXPECT_EQ(action->ImageIndex(), 6);
    button->SetDown(false);
    action->Assign(button);
    EXPECT_FALSE(action->Checked());
}

TEST_F(ButtonAction, AFreedActionLeavesItsButtonsUnlinked)
{
    TabcPicSpeedBtn* other = form.Add(QRect(80, 10, 60, 24));
    button->SetAction(action);
    other->SetAction(action);
    delete action;
    EXPECT_EQ(button->Action(), nullptr);
    EXPECT_EQ(other->Action(), nullptr);
    Click(button);
    EXPECT_TRUE(executed.empty());
}

TEST(ButtonActionLayout, WhileBeingReadOnlyWhatIsStillAtItsDefaultTakesTheAction)
{
    RegisterPlatformClasses();
    RegisterButtonBarClasses();
    TComponent form(nullptr);
    TLayoutLoader(&form, QStringLiteral("Form1"))
        .Apply(QStringLiteral("object Form1: TComponent\n"
                              "  object Action1: TAction\n"
                              "    Caption = 'Act'\n"
                              "    Checked = True\n"
                              "    ImageIndex = 1\n"
                              "  end\n"
                              "  object Own: TabcPicSpeedBtn\n"
                              "    Action = Action1\n"
                              "    AllowAllUp = True\n"
                              "    Caption = 'Mine'\n"
                              "    GroupIndex = 1\n"
                              "    ImageIndex = 5\n"
                              "  end\n"
                              "  object Plain: TabcPicSpeedBtn\n"
                              "    Action = Action1\n"
                              "    GroupIndex = 2\n"
                              "  end\n"
                              "end\n"));
    auto* own = dynamic_cast<TabcPicSpeedBtn*>(form.FindComponent(QStringLiteral("Own")));
    auto* plain = dynamic_cast<TabcPicSpeedBtn*>(form.FindComponent(QStringLiteral("Plain")));
    ASSERT_TRUE(own && plain);
    EXPECT_EQ(own->Caption(), QStringLiteral("Mine"));
    EXPECT_EQ(own->ImageIndex(), 5);
    EXPECT_TRUE(own->Down()) << "up while read, so Checked reaches it";
    EXPECT_EQ(plain->Caption(), QStringLiteral("Act"));
    EXPECT_EQ(plain->ImageIndex(), 1);
    EXPECT_TRUE(plain->Down());
    auto* action = dynamic_cast<TAction*>(form.FindComponent(QStringLiteral("Action1")));
    ASSERT_TRUE(action);
    action->SetImageIndex(3);
    EXPECT_EQ(own->ImageIndex(), 3) << "after loading every change reaches the button";
}

TEST(PageAction, APageSharesItsActionWithItsButtonAndItsClickExecutesIt)
{
    BarForm bar(2);
    bar.bar->SetAnimationTime(0);
    TAction action(nullptr);
    int executed = 0;
    action.OnExecute = [&executed](TObject*) { ++executed; };
    action.SetCaption(QStringLiteral("Second"));
    action.SetImageIndex(4);
    TabcButtonPage* page = bar.Page(1);
    page->SetAction(&action);
    EXPECT_EQ(page->Caption(), QStringLiteral("Second"));
    EXPECT_EQ(page->ImageIndex(), 4);
    EXPECT_EQ(bar.Button(1)->Action(), &action);
    EXPECT_EQ(bar.Button(1)->Caption(), QStringLiteral("Second"));

    QTest::mouseClick(bar.Button(1), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(bar.bar->ActivePage(), page);
    EXPECT_EQ(executed, 1);

    action.SetImageIndex(7);
    EXPECT_EQ(page->ImageIndex(), 7);
    action.SetVisible(false);
    EXPECT_FALSE(page->ButtonVisible());
    EXPECT_FALSE(bar.Button(1)->Visible());
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(0)) << "hiding the open page's button moves on";
    EXPECT_FALSE(page->isVisible()) << "which page is shown stays the bar's to say";

    page->SetAction(nullptr);
    EXPECT_EQ(bar.Button(1)->Action(), nullptr) << "the page's button drops the action too";
}
