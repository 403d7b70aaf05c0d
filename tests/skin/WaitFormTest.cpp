#include "SkinClasses.h"
#include "SkinTestSupport.h"
#include "TCentringRule.h"
#include "TFindwait_form.h"
#include "TGIFImage.h"
#include "TLayoutLoader.h"
#include "TLayoutWriter.h"
#include "TRxGIFAnimator.h"
#include "Waits.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr TColor waitPanelColor = TColor(15323088); // RGB 208, 207, 233

// What the catalogue does around a query: create the form only when none exists,
// show it without modality and have it paint at once.
TFindwait_form* ShowWaitForm()
{
    if (!Findwait_form)
        Findwait_form = TForm::Create<TFindwait_form>(Application);
    Findwait_form->Show();
    Findwait_form->Repaint();
    return Findwait_form;
}

int WaitFormsAlive()
{
    int count = 0;
    for (TComponent* component : Application->Components())
        count += dynamic_cast<TFindwait_form*>(component) != nullptr;
    return count;
}

class WaitForm : public ::testing::Test {
protected:
    void SetUp() override { RegisterSkinClasses(); }
    void TearDown() override
    {
        if (Findwait_form)
            Findwait_form->Close();
        skintest::FlushDeletes();
        EXPECT_EQ(Findwait_form, nullptr);
        EXPECT_EQ(WaitFormsAlive(), 0);
    }
};

} // namespace

TEST_F(WaitForm, LayoutHoldsTheAnimationAndTheRequestToWait)
{
    const std::unique_ptr<TFindwait_form> form(TForm::Create<TFindwait_form>(nullptr));
    EXPECT_EQ(form->Caption(), QStringLiteral("查询数据"));
    EXPECT_EQ(form->ClientWidth(), 405);
    EXPECT_EQ(form->ClientHeight(), 141);
    EXPECT_EQ(form->Position(), TPosition::poDesigned);
    EXPECT_FALSE(form->imgCloseButton->Visible());
    EXPECT_FALSE(form->imgSizeButton->Visible());
    EXPECT_FALSE(form->imgMinButton->Visible());
    EXPECT_EQ(form->Label3->Parent(), form->palUpMid);
    EXPECT_EQ(form->Label3->Caption(), QStringLiteral("Zentuvio"));
    EXPECT_EQ(form->Label3->BoundsRect(), QRect(8, 10, 96, 12));
    EXPECT_TRUE(form->Label3->Transparent());
    EXPECT_EQ(form->palClient->Color(), waitPanelColor);
    EXPECT_EQ(form->Label2->Parent(), form->palClient);
    EXPECT_EQ(form->Label2->Caption(), QStringLiteral("系统正在读取资料，请稍候...."));
    EXPECT_EQ(form->Label2->BoundsRect(), QRect(128, 48, 168, 12));
    EXPECT_EQ(form->Label2->Font()->Color(), clRed);
    EXPECT_EQ(form->RxGIFAnimator1->Parent(), form->palClient);
    EXPECT_EQ(form->RxGIFAnimator1->BoundsRect(), QRect(24, 24, 60, 60));
    EXPECT_TRUE(form->RxGIFAnimator1->Animate());
    EXPECT_TRUE(form->RxGIFAnimator1->Image()->Empty()) << "loaded when shown";
}

TEST_F(WaitForm, ShowingLoadsTheWaitAnimation)
{
    TFindwait_form* form = ShowWaitForm();
    const TRxGIFAnimator& animator = *form->RxGIFAnimator1;
    EXPECT_EQ(animator.Image()->Count(), 25);
    EXPECT_EQ(animator.FrameIndex(), 0);
    EXPECT_EQ(animator.FrameDelay(), 50u);
    EXPECT_EQ(animator.BoundsRect(), QRect(24, 24, 60, 60));
    form->Close();
}

TEST_F(WaitForm, TheAnimationMovesOnWhileEventsAreHandled)
{
    TFindwait_form* form = ShowWaitForm();
    const TRxGIFAnimator& animator = *form->RxGIFAnimator1;
    EXPECT_TRUE(WaitFor([&animator] { return animator.FrameIndex() >= 2; }));
    form->Close();
}

TEST_F(WaitForm, IsPlacedOverTheWorkingAreaAndFollowsTheButtonBar)
{
    int leftWithBarOnTheLeft = 0;
    {
        skintest::StandInMainWindow main(160);
        TFindwait_form* form = ShowWaitForm();
        leftWithBarOnTheLeft = form->Left();
        EXPECT_EQ(form->Left(), 100 + 160 + 123) << "half of 651 - 405";
        EXPECT_EQ(form->Top(), 50 + 47 + 131) << "half of 403 - 141";
        EXPECT_TRUE(form->isVisible());
        EXPECT_FALSE(form->IsModal());
        form->Close();
        skintest::FlushDeletes();
    }
    skintest::StandInMainWindow barOnTheRight(0);
    TFindwait_form* form = ShowWaitForm();
    EXPECT_EQ(form->Left(), leftWithBarOnTheLeft - 160);
    form->Close();
}

TEST_F(WaitForm, TwoQueriesInARowLeaveNoWaitForm)
{
    skintest::StandInMainWindow main(160);
    for (int query = 0; query < 2; ++query) {
        TFindwait_form* form = ShowWaitForm();
        EXPECT_EQ(Findwait_form, form);
        EXPECT_EQ(WaitFormsAlive(), 1);
        form->Close();
        EXPECT_EQ(Findwait_form, nullptr) << "cleared on closing";
        skintest::FlushDeletes();
        EXPECT_EQ(WaitFormsAlive(), 0) << "freed after closing";
    }
}

TEST_F(WaitForm, AFormLeftOpenIsReusedByTheNextQuery)
{
    TFindwait_form* first = ShowWaitForm();
    EXPECT_EQ(ShowWaitForm(), first);
    EXPECT_EQ(WaitFormsAlive(), 1);
    first->Close();
}

// The animation's key colour lets the working area's colour show through; the dots
// of the current frame are drawn over it.
TEST_F(WaitForm, ShowsTheAnimationOverThePanelColour)
{
    TFindwait_form* form = ShowWaitForm();
    TRxGIFAnimator& animator = *form->RxGIFAnimator1;
    animator.SetAnimate(false);
    const QImage shown = animator.grab().toImage();
    const QColor panel = TColors::ToQColor(waitPanelColor);
    int dots = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            dots += shown.pixelColor(x, y) != panel;
    EXPECT_EQ(shown.pixelColor(0, 0), panel) << "a corner lies outside the ring";
    EXPECT_GT(dots, 30);
    EXPECT_LT(dots, 60 * 60 / 2);
    form->Close();
}

TEST_F(WaitForm, WritesOnlyItsDifferencesFromTheTemplate)
{
    const std::unique_ptr<TFindwait_form> form(TForm::Create<TFindwait_form>(nullptr));
    const QString written = form->WriteLayout();
    EXPECT_TRUE(written.startsWith(QStringLiteral("inherited Findwait_form: TFindwait_form")));
    EXPECT_TRUE(written.contains(QStringLiteral("object RxGIFAnimator1: TRxGIFAnimator")));
    EXPECT_TRUE(written.contains(QStringLiteral("Animate = True")));
    EXPECT_FALSE(written.contains(QStringLiteral("Image ="))) << "loaded when shown";
}

// A layout may name the animation by its resource; it is loaded with the layout and
// written back by name.
TEST_F(WaitForm, AnAnimatorInALayoutLoadsItsImageByResourceName)
{
    const QString text = QStringLiteral("object Host: TForm\n"
                                        "  object Animator: TRxGIFAnimator\n"
                                        "    Image = 'Wait'\n"
                                        "  end\n"
                                        "end\n");
    TForm host(nullptr);
    TLayoutLoader(&host, QStringLiteral("test.layout")).Apply(text);
    auto* animator = dynamic_cast<TRxGIFAnimator*>(host.FindComponent(QStringLiteral("Animator")));
    ASSERT_NE(animator, nullptr);
    EXPECT_EQ(animator->Image()->Count(), 25);
    EXPECT_EQ(animator->BoundsRect(), QRect(0, 0, 60, 60)) << "auto-size once loaded";
    EXPECT_TRUE(TLayoutWriter::Write(&host).contains(QStringLiteral("Image = 'Wait'")));
}
