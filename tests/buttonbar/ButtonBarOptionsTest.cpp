#include "ButtonBarSupport.h"
#include "PointerEvents.h"
#include "TabcCustomButtonList.h"

#include <gtest/gtest.h>

using namespace buttonbartest;

namespace {

using O = TabcButtonBarOption;

// Three pages whose changes never wait.
class BarOptions : public ::testing::Test {
protected:
    BarOptions() { bar.bar->SetAnimationTime(0); }
    BarForm bar{3};
};

} // namespace

TEST_F(BarOptions, HotTrackingOpensAPageAsSoonAsThePointerEntersItsButton)
{
    SendEnter(bar.Button(2));
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(2));
    SendLeave(bar.Button(2));

    bar.bar->SetOptions({O::abbAnimate});
    SendEnter(bar.Button(1));
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(2)) << "without hot tracking entering does nothing";

    bar.bar->SetOptions({O::abbHotTrack});
    bar.bar->SetEditing(true);
    SendLeave(bar.Button(1));
    SendEnter(bar.Button(1));
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(2)) << "nor while a caption is edited";
}

TEST_F(BarOptions, ButtonDownKeepsTheOpenPagesButtonPressedAndOnlyIt)
{
    const auto downButtons = [this] {
        std::vector<int> down;
        for (int i = 0; i < 3; ++i)
            if (bar.Button(i)->Down())
                down.push_back(i);
        return down;
    };
    QTest::mouseClick(bar.Button(0), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(downButtons().empty()) << "without the option a click leaves no button down";

    bar.bar->SetOptions({O::abbButtonDown});
    EXPECT_EQ(downButtons(), std::vector<int>{0});
    EXPECT_FALSE(bar.Button(1)->AllowAllUp());
    QTest::mouseClick(bar.Button(2), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(downButtons(), std::vector<int>{2});
    QTest::mouseClick(bar.Button(2), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(downButtons(), std::vector<int>{2}) << "clicking the open page's button again";

    bar.bar->SetOptions({});
    EXPECT_TRUE(downButtons().empty());
    EXPECT_TRUE(bar.Button(1)->AllowAllUp());
}

TEST_F(BarOptions, AltWithAPageCaptionsAcceleratorOpensThatPageUnlessItsButtonIsHidden)
{
    bar.Page(1)->SetCaption(QStringLiteral("&Second"));
    bar.Page(2)->SetCaption(QStringLiteral("&Third"));
    QTest::keyClick(bar.form.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(1));
    EXPECT_EQ(bar.Button(1)->Caption(), QStringLiteral("&Second"));

    bar.Page(2)->SetButtonVisible(false);
    QTest::keyClick(bar.form.get(), Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(1));
    bar.bar->SetActivePage(bar.Page(0));
    QTest::keyClick(bar.form.get(), Qt::Key_S);
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(0)) << "without Alt the key opens nothing";
}

TEST_F(BarOptions, APageHandsTheFocusToAButtonListThatIsItsFirstControl)
{
    TabcButtonPage* page = bar.Page(0);
    page->SetTabStop(true);
    auto* list = new TabcCustomButtonList(bar.form.get());
    list->SetParent(page);
    list->SetBounds(0, 0, 50, 50);
    page->SetFocus();
    EXPECT_TRUE(list->hasFocus());

    bar.bar->SetOptions({O::abbShowFocus});
    TabcButtonPage* plain = bar.Page(1);
    bar.bar->SetActivePage(plain);
    plain->SetTabStop(true);
    plain->SetFocus();
    EXPECT_TRUE(plain->hasFocus()) << "a page without a button list keeps the focus";
    EXPECT_TRUE(bar.Button(1)->ShowFocusRect());
    plain->clearFocus();
    EXPECT_FALSE(bar.Button(1)->ShowFocusRect()) << "leaving the page removes it";
}
