#include "TScreen.h"
#include "TWindowStack.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Three plain windows on the application's screen, shown by the tests.
class WindowStack : public ::testing::Test {
protected:
    // Only the windows of the test, in the order the stack lists them.
    QWidgetList Ours() const
    {
        QWidgetList ours;
        for (QWidget* window : Screen->Windows().Visible()) {
            if (window == a.get() || window == b.get() || window == c.get())
                ours << window;
        }
        return ours;
    }

    std::unique_ptr<QWidget> a = std::make_unique<QWidget>();
    std::unique_ptr<QWidget> b = std::make_unique<QWidget>();
    std::unique_ptr<QWidget> c = std::make_unique<QWidget>();
};

} // namespace

TEST_F(WindowStack, AWindowShownLaterLiesOverThoseBeforeIt)
{
    c->show();
    a->show();
    b->show();
    EXPECT_EQ(Ours(), (QWidgetList{c.get(), a.get(), b.get()}));
    c->hide();
    EXPECT_EQ(Ours(), (QWidgetList{a.get(), b.get()}));
    c->show();
    EXPECT_EQ(Ours(), (QWidgetList{a.get(), b.get(), c.get()}));
    b.reset();
    EXPECT_EQ(Ours(), (QWidgetList{a.get(), c.get()}));
}

TEST_F(WindowStack, AWindowPlacedBehindAnotherLiesRightUnderItWhileThatOneIsShown)
{
    TWindowStack::PlaceBehind(*c, *a);
    a->show();
    b->show();
    c->show();
    EXPECT_EQ(Ours(), (QWidgetList{c.get(), a.get(), b.get()}));
    a->hide();
    EXPECT_EQ(Ours(), (QWidgetList{b.get(), c.get()}));
    a->show();
    EXPECT_EQ(Ours(), (QWidgetList{b.get(), c.get(), a.get()}));
    a.reset();
    EXPECT_EQ(Ours(), (QWidgetList{b.get(), c.get()}));
}
