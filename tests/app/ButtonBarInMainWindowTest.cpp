#include "MainWindowFixture.h"
#include "TTickCount.h"
#include "TabcBarBtn.h"
#include "TabcButtonPage.h"
#include "TabcInPlaceEdit.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

namespace {

TabcButtonPage* Page(TMianForm& form, const char* name)
{
    return dynamic_cast<TabcButtonPage*>(form.FindComponent(QLatin1String(name)));
}

} // namespace

TEST_F(MainWindowFixture, TheBarStartsWithTheFirstPageOpenUnderItsCaptionButton)
{
    TabcButtonBar* bar = form->abcButtonBar1;
    ASSERT_EQ(bar->PageCount(), 3);
    TabcButtonPage* first = Page(*form, "abcButtonPage1");
    EXPECT_EQ(bar->ActivePage(), first);
    const QRect inner = bar->InnerRect();
    const auto buttons = bar->Buttons();
    EXPECT_EQ(buttons[0]->BoundsRect(), QRect(inner.x(), inner.y(), inner.width(), 26));
    EXPECT_EQ(buttons[0]->Caption(), QStringLiteral("商业类图标"));
    EXPECT_EQ(buttons[0]->Font()->Color(), clYellow) << "the open page's caption";
    EXPECT_EQ(buttons[1]->Font()->Color(), clYellow) << "the bar's own font is yellow too";
    EXPECT_EQ(buttons[2]->Top() + 26, inner.y() + inner.height())
        << "page 3's button at the bottom";
    EXPECT_EQ(first->Top(), inner.y() + 26);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(Page(*form, "abcButtonPage2")->isVisible());
    EXPECT_FALSE(Page(*form, "abcButtonPage3")->isVisible());
    EXPECT_EQ(buttons[0]->Style(), TabcButtonStyle::absThinBlack);
    EXPECT_EQ(buttons[0]->Color(), clBlack);
    EXPECT_EQ(bar->AnimationSteps(), 5);
}

TEST_F(MainWindowFixture, OpeningThePagesOfTheBarShowsTheirCategoryButtons)
{
    TabcButtonBar* bar = form->abcButtonBar1;
    QTest::mouseClick(bar->Buttons()[1], Qt::LeftButton, {}, QPoint(20, 10));
    TabcButtonPage* second = Page(*form, "abcButtonPage2");
    EXPECT_EQ(bar->ActivePage(), second);
    EXPECT_EQ(bar->Buttons()[1]->Top(), bar->InnerRect().y() + 26) << "under page 1's caption";
    EXPECT_EQ(bar->Buttons()[1]->Font()->Color(), clYellow);
    EXPECT_TRUE(second->isVisible());
    EXPECT_FALSE(Page(*form, "abcButtonPage1")->isVisible());
    auto* exit = dynamic_cast<TSpeedButton*>(form->FindComponent(QStringLiteral("SpeedButton11")));
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->Parent(), Page(*form, "abcButtonPage3"));
}

// The main window going away while its bar is busy: the nested wait of the page change
// or of the caption editor returns into code whose window is gone. The slide's clock
// stands still while the window lives (ten seconds at most), so that its first step
// waits for the window to go however late this process runs; then it runs on.
TEST_F(MainWindowFixture, TheMainWindowFreedDuringAPageChangeLeavesNothing)
{
    TabcButtonBar* bar = form->abcButtonBar1;
    QPointer<TabcButtonPage> page(Page(*form, "abcButtonPage2"));
    const qint64 start = TTickCount::Now();
    QElapsedTimer sinceStart;
    sinceStart.start();
    const TTickCount::Source previousClock = TTickCount::SetSource([&] {
        return form && !sinceStart.hasExpired(10000) ? start : start + sinceStart.elapsed();
    });
    const auto restoreClock = qScopeGuard([&] { TTickCount::SetSource(previousClock); });
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(bar->Changing());
        form.reset();
    });
    QTest::mouseClick(bar->Buttons()[1], Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(form, nullptr);
    EXPECT_TRUE(page.isNull());
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));
}

TEST_F(MainWindowFixture, TheMainWindowFreedDuringACaptionEditLeavesNothing)
{
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(TabcInPlaceEdit::Editor()->isVisible());
        form.reset();
    });
    QTest::mousePress(form->abcButtonBar1->Buttons()[0], Qt::RightButton, {}, QPoint(20, 10));
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(TabcInPlaceEdit::Editor(), nullptr) << "the editor went with its window";
    EXPECT_TRUE(errors.isEmpty()) << qPrintable(errors.join('\n'));
}
