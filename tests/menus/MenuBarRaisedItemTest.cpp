#include "MenuBarTestSupport.h"

#include "T_AM2000_Colors.h"
#include "T_AM2000_Desktop.h"
#include "T_AM2000_DropShadow.h"
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

// The raised item's shadow overlaps the drop-down's top edge: it darkens the screen as it
// was before the drop-down showed, not the drop-down.
TEST_F(MenuBarRaisedItem, ItsShadowDarkensTheScreenFromBeforeTheDropDown)
{
    T_AM2000_Desktop& desktop = T_AM2000_Desktop::Instance();
    const auto previous = desktop.SetGrabber([this](const QRect& rect) {
        const TCustomPopupMenu2000Form* open = tracker.TopWindow();
        QImage screen(rect.size(), QImage::Format_RGB32);
        screen.fill(open && open->isVisible() ? qRgb(255, 0, 0) : qRgb(0, 0, 252));
        return screen;
    });
    Click(1);
    ASSERT_NE(bar->RaisedItem(), nullptr);
    const T_AM2000_DropShadow* shadow = nullptr;
    for (const QObject* child : bar->RaisedItem()->children())
        shadow = shadow ? shadow : dynamic_cast<const T_AM2000_DropShadow*>(child);
    ASSERT_NE(shadow, nullptr);
    const QImage bottom = shadow->BottomStrip();
    ASSERT_FALSE(bottom.isNull());
    // The row next to the item keeps 5 * (value div 9) of the blue.
    EXPECT_EQ(bottom.pixel(bottom.width() - 1, 0), qRgb(0, 0, 5 * (252 / 9)));
    tracker.CloseAllMenus(true);
    desktop.SetGrabber(previous);
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
