#include "MenuBarTestSupport.h"

#include "T_AM2000_Colors.h"
#include "T_AM2000_RaisedItemForm.h"

#include <QImage>

namespace {

using C = T_AM2000_Colors;

constexpr TColor border = TColor(0x000000FF);
constexpr TColor gutter = TColor(0x00336699);

class MenuBarRaisedItem : public MenuBarTest {
protected:
    void SetUp() override
    {
        MenuBarTest::SetUp();
        menu.Options()->SetFlags(T_AM2000_Flags{T_AM2000_Flag::mfRaiseMenuBarItem});
        C& colors = *menu.Options()->Colors();
        colors.SetValueAt(C::Menu, menuColor);
        colors.SetValueAt(C::Border, border);
        menu.SetCtl3D(false);
    }
    QRect ItemOnScreen(int index) const
    {
        const QRect rect = bar->BarItems().Entries()[index].rect;
        return QRect(bar->mapToGlobal(rect.topLeft()), rect.size());
    }
};

} // namespace

TEST_F(MenuBarRaisedItem, TheOpenItemIsRaisedOverTheBarInTheMenuColour)
{
    Click(1);
    ASSERT_EQ(OpenItem(), edit);
    const T_AM2000_RaisedItemForm* raised = bar->RaisedItem();
    ASSERT_NE(raised, nullptr);
    EXPECT_TRUE(raised->isVisible());
    EXPECT_EQ(raised->geometry(), ItemOnScreen(1));
    const QImage& image = raised->Image();
    EXPECT_EQ(image.pixel(0, 0), Rgb(menuColor));
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), Rgb(menuColor));
}

TEST_F(MenuBarRaisedItem, ItTakesTheGutterColourWhenThereIsOne)
{
    menu.Options()->Colors()->SetValueAt(C::Gutter, gutter);
    Click(0);
    ASSERT_NE(bar->RaisedItem(), nullptr);
    const QImage& image = bar->RaisedItem()->Image();
    EXPECT_EQ(image.pixel(0, 0), Rgb(gutter));
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), Rgb(gutter));
}

TEST_F(MenuBarRaisedItem, TheDropDownsTopBorderIsOpenWhereTheItemTouchesIt)
{
    Click(0);
    TCustomPopupMenu2000Form* window = tracker.TopWindow();
    ASSERT_NE(window, nullptr);
    const QRect item = ItemOnScreen(0);
    const int left = item.x() - window->ScreenRect().x();
    const QImage& canvas = window->CanvasImage();
    ASSERT_GT(canvas.width(), left + item.width() + 1);
    EXPECT_EQ(canvas.pixel(left + 1, 0), Rgb(menuColor));
    EXPECT_EQ(canvas.pixel(left + item.width() - 2, 0), Rgb(menuColor));
    EXPECT_EQ(canvas.pixel(left + item.width() + 1, 0), Rgb(border));
    EXPECT_EQ(canvas.pixel(canvas.width() - 1, canvas.height() / 2), Rgb(border));
}

TEST_F(MenuBarRaisedItem, TheRaisedItemGoesWhenTheMenusCloseOrAnotherItemOpens)
{
    Click(0);
    ASSERT_NE(bar->RaisedItem(), nullptr);
    MoveTo(2);
    ASSERT_EQ(OpenItem(), help);
    EXPECT_EQ(bar->RaisedItem()->geometry(), ItemOnScreen(2));
    Key(Qt::Key_Escape);
    EXPECT_EQ(OpenItem(), nullptr);
    EXPECT_FALSE(bar->RaisedItem()->isVisible());
}

TEST_F(MenuBarRaisedItem, WithoutTheFlagNothingIsRaised)
{
    menu.Options()->SetFlags(T_AM2000_Flags{});
    Click(0);
    ASSERT_EQ(OpenItem(), file);
    EXPECT_TRUE(bar->RaisedItem() == nullptr || !bar->RaisedItem()->isVisible());
}
