#include "ButtonBarSupport.h"
#include "Exception.h"

#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

using namespace buttonbartest;

namespace {

// Records the bounds a widget takes at every move or resize, and runs a step hook.
class BoundsRecorder : public QObject {
public:
    explicit BoundsRecorder(QWidget* widget)
        : m_widget(widget)
    {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move) {
            if (bounds.empty() || bounds.back() != m_widget->geometry())
                bounds.push_back(m_widget->geometry());
            if (onChange)
                onChange();
        }
        return false;
    }
    std::vector<QRect> bounds;
    std::function<void()> onChange;

private:
    QWidget* m_widget;
};

std::vector<int> Heights(const std::vector<QRect>& bounds)
{
    std::vector<int> heights;
    for (const QRect& rect : bounds)
        heights.push_back(rect.height());
    return heights;
}

void ClickButton(TabcBarBtn* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
}

// Three pages with 26-pixel buttons in a bar 185 high: the inner rectangle (inside the
// two-pixel border) is 181 high, which leaves 181 - 3 x 26 = 103 pixels of free height.
class ThreePages : public ::testing::Test {
protected:
    ThreePages()
    {
        bar.bar->SetButtonHeight(26);
        bar.bar->SetAnimationSteps(5);
        bar.bar->SetAnimationTime(25);
    }
    BarForm bar{3, 185};
};

} // namespace

TEST_F(ThreePages, TheOpenPageFillsTheSpaceBetweenTheButtonsAboveAndBelow)
{
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(0));
    EXPECT_EQ(bar.bar->InnerRect(), QRect(2, 2, 156, 181));
    EXPECT_EQ(bar.Button(0)->BoundsRect(), QRect(2, 2, 156, 26));
    EXPECT_EQ(bar.Page(0)->BoundsRect(), QRect(2, 28, 156, 103));
    EXPECT_EQ(bar.Button(1)->BoundsRect(), QRect(2, 131, 156, 26));
    EXPECT_EQ(bar.Button(2)->BoundsRect(), QRect(2, 157, 156, 26));
}

TEST_F(ThreePages, OpeningTheLastPageGrowsItUpwardFromTheBottomInFiveSteps)
{
    BoundsRecorder page3(bar.Page(2));
    BoundsRecorder button2(bar.Button(1));
    ClickButton(bar.Button(2));
    ASSERT_EQ(bar.bar->ActivePage(), bar.Page(2));
    ASSERT_GE(page3.bounds.size(), 6u);
    // First the whole-bar bounds it is given, then a zero-height strip growing upward
    // from the bottom of the inner rectangle: four steps of 20 pixels and one of 23.
    const std::vector<QRect> steps(page3.bounds.end() - 5, page3.bounds.end());
    EXPECT_EQ(Heights(steps), (std::vector<int>{20, 40, 60, 80, 103}));
    for (const QRect& step : steps)
        EXPECT_EQ(step.y() + step.height(), 183) << "bottom of the inner rectangle";
    EXPECT_EQ(button2.bounds.front().y(), 131 - 20) << "page 2's button rises with it";
    EXPECT_EQ(bar.Button(0)->Top(), 2);
    EXPECT_EQ(bar.Button(1)->Top(), 28);
    EXPECT_EQ(bar.Button(2)->Top(), 54);
    EXPECT_EQ(bar.Page(2)->BoundsRect(), QRect(2, 80, 156, 103));
    EXPECT_FALSE(bar.Page(0)->isVisible());
}

TEST_F(ThreePages, GoingBackUpTheNewPageGrowsDownUnderItsButton)
{
    bar.bar->SetActivePage(bar.Page(2));
    BoundsRecorder page1(bar.Page(0));
    bar.bar->SetActivePage(bar.Page(0));
    const std::vector<QRect> steps(page1.bounds.end() - 5, page1.bounds.end());
    EXPECT_EQ(Heights(steps), (std::vector<int>{20, 40, 60, 80, 103}));
    for (const QRect& step : steps)
        EXPECT_EQ(step.y(), 2 + 26) << "top fixed under page 1's button";
    EXPECT_EQ(bar.Button(2)->Top(), 157);
}

TEST_F(ThreePages, WithoutAnimationThePageChangesInOneStep)
{
    bar.bar->SetOptions({});
    BoundsRecorder page2(bar.Page(1));
    ClickButton(bar.Button(1));
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(1));
    ASSERT_GE(page2.bounds.size(), 2u);
    EXPECT_EQ(page2.bounds[page2.bounds.size() - 1].height(), 103);
    EXPECT_EQ(Heights(page2.bounds).size(), 2u) << "its first bounds, then one step";
}

TEST_F(ThreePages, ClicksDuringTheAnimationAreIgnored)
{
    BoundsRecorder page3(bar.Page(2));
    bool clicked = false;
    page3.onChange = [&] {
        if (clicked || page3.bounds.size() < 3)
            return;
        clicked = true;
        EXPECT_TRUE(bar.bar->Changing());
        bar.bar->SetActivePage(bar.Page(1));
        ClickButton(bar.Button(1));
    };
    ClickButton(bar.Button(2));
    EXPECT_TRUE(clicked);
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(2));
    EXPECT_FALSE(bar.bar->Changing());
}

TEST_F(ThreePages, ARefusedChangeChangesNothingAndFiresNoChange)
{
    int changes = 0;
    bar.bar->OnChange = [&](TObject*) { ++changes; };
    bar.bar->OnChanging = [&](TObject*, TabcButtonPage* page, bool& allow) {
        allow = page != bar.Page(1);
    };
    bar.bar->SetActivePage(bar.Page(1));
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(0));
    EXPECT_EQ(changes, 0);
    bar.bar->SetActivePage(bar.Page(2));
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(2));
    EXPECT_EQ(changes, 1);
}

TEST_F(ThreePages, TheOpenPagesButtonTakesTheActiveFontColourUnlessItIsNone)
{
    bar.bar->Font()->SetColor(clNavy);
    EXPECT_EQ(bar.Button(0)->Font()->Color(), clNavy) << "clNone: the bar's font everywhere";
    bar.bar->SetActiveFontColor(clYellow);
    EXPECT_EQ(bar.Button(0)->Font()->Color(), clYellow);
    bar.bar->SetActivePage(bar.Page(1));
    EXPECT_EQ(bar.Button(0)->Font()->Color(), clNavy);
    EXPECT_EQ(bar.Button(1)->Font()->Color(), clYellow);
    EXPECT_TRUE(bar.Button(0)->ParentFont());
}

TEST_F(ThreePages, NotEnoughRoomChangesThePageAtOnce)
{
    bar.bar->SetButtonHeight(70);
    BoundsRecorder page2(bar.Page(1));
    bar.bar->SetActivePage(bar.Page(1));
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(1));
    // Three 70-pixel buttons leave no free height: the page only gets the bar's first
    // size as its bounds, and no animation step moves it.
    EXPECT_EQ(page2.bounds, (std::vector<QRect>{QRect(0, 0, 160, 185)}));
    EXPECT_EQ(bar.Button(1)->Top(), 72);
}

TEST(ButtonBarSettings, StepsHeightsAndPageIndicesRefuseWhatTheyCannotTake)
{
    BarForm bar(3);
    bar.bar->SetAnimationSteps(0);
    EXPECT_EQ(bar.bar->AnimationSteps(), 1);
    try {
        bar.bar->SetButtonHeight(-1);
        ADD_FAILURE() << "a negative height was taken";
    } catch (const EInvalidOperation& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("TabcButtonBar property out of range"));
    }
    EXPECT_EQ(bar.bar->ButtonHeight(), 21);
    bar.bar->SetButtonHeight(0);
    EXPECT_EQ(bar.Button(0)->Height(), 0);
    try {
        bar.Page(0)->SetPageIndex(3);
        ADD_FAILURE() << "an index past the end was taken";
    } catch (const EListError& error) {
        EXPECT_EQ(
            error.Message(),
            QStringLiteral("3 is an invalid PageIndex value.  PageIndex must be between 0 and 2"));
    }
    TabcButtonPage* first = bar.Page(0);
    first->SetPageIndex(2);
    EXPECT_EQ(first->PageIndex(), 2);
    EXPECT_EQ(bar.bar->Buttons()[2]->Caption(), QStringLiteral("Page1")) << "its button moved too";
}

TEST(ButtonBarSettings, APageRefusesAParentThatIsNoButtonBar)
{
    BarForm bar(1);
    TPanel panel(nullptr);
    EXPECT_THROW(bar.Page(0)->SetParent(&panel), EAbort);
    EXPECT_EQ(bar.Page(0)->ButtonBar(), bar.bar);
}

TEST(ButtonBarPages, HidingButtonsOpensTheNeighbourAndTheLastHiddenClosesAll)
{
    BarForm bar(3);
    bar.Page(0)->SetButtonVisible(false);
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(1)) << "the first page goes forward";
    bar.bar->SetActivePage(bar.Page(2));
    bar.Page(2)->SetButtonVisible(false);
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(1)) << "others go backward";
    bar.Page(0)->SetButtonVisible(true);
    bar.bar->SetActivePage(bar.Page(0));
    bar.Page(0)->SetButtonVisible(false);
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(1));
    bar.Page(1)->SetButtonVisible(false);
    EXPECT_EQ(bar.bar->ActivePage(), nullptr) << "no button left, no page open";
}

TEST(ButtonBarPages, RemovingTheOpenPageOpensTheOneThatTakesItsPlace)
{
    BarForm bar(4);
    bar.bar->SetActivePage(bar.Page(3));
    delete bar.Page(3);
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(2)) << "the last page: the new last one";
    bar.bar->SetActivePage(bar.Page(1));
    TabcButtonPage* next = bar.Page(2);
    bar.Page(1)->SetButtonBar(nullptr);
    EXPECT_EQ(bar.bar->ActivePage(), next) << "in the middle: the page moving into its index";
    EXPECT_EQ(bar.bar->PageCount(), 2);
    EXPECT_EQ(bar.bar->Buttons().size(), 2u);
}

TEST(ButtonBarPages, CtrlTabCyclesVisiblePagesOrAllWhenNoneIsVisible)
{
    BarForm bar(3);
    bar.bar->SetOptions({});
    bar.bar->SetFocus();
    bar.Page(1)->SetButtonVisible(false);
    QTest::keyClick(bar.bar, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(2)) << "page 2's hidden button is skipped";
    QTest::keyClick(bar.bar, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(0));
    EXPECT_EQ(bar.bar->FindNextPage(bar.Page(0), true, false), bar.Page(1));
    EXPECT_EQ(bar.bar->FindNextPage(bar.Page(0), false, true), bar.Page(2)) << "wrapping";
    EXPECT_EQ(bar.bar->FindNextPage(nullptr, true, false), bar.Page(0));
}

TEST(ButtonBarPages, CtrlTabWithEveryButtonHiddenStillCyclesThroughAllPages)
{
    BarForm bar(3);
    bar.bar->SetOptions({});
    for (int i = 0; i < 3; ++i)
        bar.Page(i)->SetButtonVisible(false);
    ASSERT_EQ(bar.bar->ActivePage(), nullptr);
    bar.bar->SetFocus();
    std::vector<TabcButtonPage*> opened;
    for (int i = 0; i < 4; ++i) {
        // To whatever has the focus now: the bar, or the page that took it over.
        QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus == bar.bar || bar.bar->isAncestorOf(focus));
        QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
        opened.push_back(bar.bar->ActivePage());
    }
    EXPECT_EQ(opened,
              (std::vector<TabcButtonPage*>{bar.Page(0), bar.Page(1), bar.Page(2), bar.Page(0)}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(2)) << "and backwards";
}

TEST(ButtonBarLifetime, DestroyingTheBarInTheMiddleOfAPageChangeLeavesNothingBehind)
{
    BarForm bar(3);
    bar.bar->SetAnimationTime(500);
    QPointer<TabcButtonBar> watched(bar.bar);
    QPointer<TabcButtonPage> page(bar.Page(2));
    QTimer::singleShot(20, [&] {
        EXPECT_TRUE(watched->Changing());
        delete watched.data();
    });
    ClickButton(bar.Button(2));
    EXPECT_TRUE(watched.isNull());
    EXPECT_TRUE(page.isNull()) << "its pages went with it";
}

// A page freed while the change waits (undocking its control frees it, say).
class PageFreedDuringTheChange : public ::testing::Test {
protected:
    PageFreedDuringTheChange() { bar.bar->SetAnimationTime(500); }
    void FreeDuringTheChangeTo(int freed, int opened)
    {
        QPointer<TabcButtonPage> page(bar.Page(freed));
        bar.bar->OnChange = [this](TObject*) { ++changes; };
        QTimer::singleShot(20, [&] {
            EXPECT_TRUE(bar.bar->Changing());
            delete page.data();
        });
        bar.bar->SetActivePage(bar.Page(opened));
        EXPECT_TRUE(page.isNull());
        EXPECT_FALSE(bar.bar->Changing());
        EXPECT_EQ(bar.bar->PageCount(), 2);
    }
    // The open page fills the inner rectangle between two 21-pixel buttons.
    void ExpectOpenAndLaidOut(TabcButtonPage* page) const
    {
        EXPECT_EQ(bar.bar->ActivePage(), page);
        EXPECT_TRUE(page->isVisible());
        EXPECT_EQ(page->BoundsRect().height(), 296 - 2 * 21);
    }
    BarForm bar{3};
    int changes = 0;
};

TEST_F(PageFreedDuringTheChange, ThePageBeingOpenedLeavesTheOldPageOpen)
{
    TabcButtonPage* old = bar.Page(0);
    FreeDuringTheChangeTo(2, 2);
    ExpectOpenAndLaidOut(old);
    EXPECT_EQ(changes, 0) << "no change happened";
}

TEST_F(PageFreedDuringTheChange, ThePageBeingLeftLetsTheNewPageOpen)
{
    TabcButtonPage* opened = bar.Page(2);
    FreeDuringTheChangeTo(0, 2);
    ExpectOpenAndLaidOut(opened);
    EXPECT_EQ(bar.bar->Buttons()[1]->Top(), 2 + 21) << "its button stands under the other";
    EXPECT_EQ(changes, 1);
}
