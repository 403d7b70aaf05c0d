#include "MenuBarTestSupport.h"

#include "TColors.h"
#include "T_AM2000_Colors.h"
#include "Waits.h"

#include <QImage>
#include <QStringList>

namespace {

using C = T_AM2000_Colors;

constexpr TColor highlight = TColor(0x00FF0000);
constexpr TColor highlightText = TColor(0x000000FF);
constexpr TColor pressed = TColor(0x0000FF00);
constexpr TColor pressedText = TColor(0x00FF00FF);
constexpr TColor menuText = TColor(0x0000FFFF);

class MenuBarPainting : public MenuBarTest {
protected:
    void SetUp() override
    {
        MenuBarTest::SetUp();
        C& colors = *menu.Options()->Colors();
        colors.SetValueAt(C::Menu, menuColor);
        colors.SetValueAt(C::Highlight, highlight);
        colors.SetValueAt(C::HighlightText, highlightText);
        colors.SetValueAt(C::Pressed, pressed);
        colors.SetValueAt(C::PressedText, pressedText);
        menu.SetCtl3D(false);
    }
    QImage Picture() const { return bar->grab().toImage(); }
    QRect ItemRect(int index) const { return bar->BarItems().Entries()[index].rect; }
    static int Count(const QImage& image, const QRect& rect, QRgb color)
    {
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                count += image.pixel(x, y) == color;
        return count;
    }
    // The leftmost column of rect holding color, or -1.
    static int LeftmostColumn(const QImage& image, const QRect& rect, QRgb color)
    {
        for (int x = rect.left(); x <= rect.right(); ++x)
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                if (image.pixel(x, y) == color)
                    return x;
        return -1;
    }
    // Names the bar and drop-down windows in the order their paint events arrive.
    class PaintOrder : public QObject {
    public:
        explicit PaintOrder(const QWidget& bar)
            : m_bar(bar)
        {
            QCoreApplication::instance()->installEventFilter(this);
        }
        ~PaintOrder() override { QCoreApplication::instance()->removeEventFilter(this); }
        QStringList painted;

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && watched == &m_bar)
                painted << QStringLiteral("bar");
            else if (event->type() == QEvent::Paint &&
                     dynamic_cast<TCustomPopupMenu2000Form*>(watched))
                painted << QStringLiteral("drop-down");
            return false;
        }

    private:
        const QWidget& m_bar;
    };
    static void ExpectCorners(const QImage& image, const QRect& rect, QRgb color)
    {
        EXPECT_EQ(image.pixel(rect.topLeft()), color);
        EXPECT_EQ(image.pixel(rect.topRight()), color);
        EXPECT_EQ(image.pixel(rect.bottomLeft()), color);
        EXPECT_EQ(image.pixel(rect.bottomRight()), color);
    }
};

} // namespace

TEST_F(MenuBarPainting, ABarWhoseMenuHasNoItemsIsAPlainRectangleInTheSystemMenuColour)
{
    TMainMenu2000 empty(nullptr);
    empty.Options()->Colors()->SetValueAt(C::Menu, menuColor);
    bar->SetMenu(&empty);
    const QImage image = Picture();
    EXPECT_EQ(Count(image, image.rect(), TColors::ToQColor(clMenu).rgb()),
              image.width() * image.height());
    bar->SetMenu(nullptr);
    const QImage none = Picture();
    EXPECT_EQ(Count(none, none.rect(), TColors::ToQColor(clMenu).rgb()),
              none.width() * none.height());
}

TEST_F(MenuBarPainting, IdleItemsAndTheRestOfTheBarAreInTheMenuColour)
{
    const QImage image = Picture();
    for (int i = 0; i < 3; ++i)
        ExpectCorners(image, ItemRect(i), Rgb(menuColor));
    const QRect rest(ItemRect(2).right() + 1, 0, bar->width() - ItemRect(2).right() - 1,
                     bar->height());
    EXPECT_EQ(Count(image, rest, Rgb(menuColor)), rest.width() * rest.height());
    EXPECT_EQ(Count(image, image.rect(), Rgb(highlight)), 0);
}

TEST_F(MenuBarPainting, AHighlightedItemIsFilledWithTheHighlightAndItsTextInHighlightText)
{
    MoveTo(1);
    const QImage image = Picture();
    ExpectCorners(image, ItemRect(1), Rgb(highlight));
    EXPECT_GT(Count(image, ItemRect(1), Rgb(highlightText)), 0);
    ExpectCorners(image, ItemRect(0), Rgb(menuColor));
    ExpectCorners(image, ItemRect(2), Rgb(menuColor));
}

TEST_F(MenuBarPainting, TheOpenItemIsDrawnPressed)
{
    Click(1);
    ASSERT_EQ(OpenItem(), edit);
    const QImage image = Picture();
    ExpectCorners(image, ItemRect(1), Rgb(pressed));
    EXPECT_GT(Count(image, ItemRect(1), Rgb(pressedText)), 0);
    EXPECT_EQ(Count(image, image.rect(), Rgb(highlight)), 0);
}

// The drop-down the user waits for is painted first; the bar ends up the same.
TEST_F(MenuBarPainting, ThePressedItemIsPaintedOnceTheDropDownsFirstFrameIsOnTheScreen)
{
    ASSERT_TRUE(WaitFor([&] { return bar->isVisible() && !bar->visibleRegion().isEmpty(); }));
    QCoreApplication::processEvents();
    const PaintOrder order(*bar);
    Press(1);
    ASSERT_EQ(OpenItem(), edit);
    ASSERT_TRUE(WaitFor([&] { return order.painted.contains(QStringLiteral("bar")); }));
    ASSERT_FALSE(order.painted.isEmpty());
    EXPECT_EQ(order.painted.front(), QStringLiteral("drop-down"));
    const QImage image = Picture();
    ExpectCorners(image, ItemRect(1), Rgb(pressed));
}

TEST_F(MenuBarPainting, WithThe3DLookTheCurrentItemGetsARaisedThenASunkenThinEdge)
{
    menu.SetCtl3D(true);
    menu.Options()->Colors()->SetValueAt(C::MenuText, menuText);
    const QRgb light = TColors::ToQColor(clBtnHighlight).rgb();
    const QRgb shadow = TColors::ToQColor(clBtnShadow).rgb();
    const QRect rect = ItemRect(0);
    MoveTo(0);
    const QImage hot = Picture();
    EXPECT_EQ(hot.pixel(rect.topLeft()), light);
    EXPECT_EQ(hot.pixel(rect.bottomLeft() + QPoint(0, -1)), light);
    EXPECT_EQ(hot.pixel(rect.bottomRight()), shadow);
    EXPECT_EQ(hot.pixel(rect.topRight() + QPoint(0, 1)), shadow);
    // No selection colours with the 3D look.
    EXPECT_EQ(hot.pixel(rect.topLeft() + QPoint(2, 2)), Rgb(menuColor));
    EXPECT_EQ(Count(hot, rect, Rgb(highlightText)), 0);

    Press(0);
    ASSERT_EQ(OpenItem(), file);
    const QImage open = Picture();
    EXPECT_EQ(open.pixel(rect.topLeft()), shadow);
    EXPECT_EQ(open.pixel(rect.bottomRight()), light);
    EXPECT_EQ(open.pixel(rect.topLeft() + QPoint(2, 2)), Rgb(menuColor));
    // The caption moves one pixel right.
    const QRgb text = Rgb(menuText);
    const QRect inside = rect.adjusted(2, 2, -2, -2);
    ASSERT_NE(LeftmostColumn(hot, inside, text), -1);
    EXPECT_EQ(LeftmostColumn(open, inside, text), LeftmostColumn(hot, inside, text) + 1);
}

TEST_F(MenuBarPainting, TheSystemMenuTextColourGivesWayToTheBarsFontColour)
{
    ASSERT_EQ(menu.Options()->Colors()->ValueAt(C::MenuText), clMenuText);
    constexpr TColor fontColor = TColor(0x0000C0FF);
    const QImage before = Picture();
    EXPECT_EQ(Count(before, before.rect(), Rgb(fontColor)), 0);
    bar->Font()->SetColor(fontColor);
    const QImage after = Picture();
    EXPECT_GT(Count(after, ItemRect(0), Rgb(fontColor)), 0);
}

TEST_F(MenuBarPainting, AnOptionsChangeOfTheMenuIsDrawnAtOnce)
{
    constexpr TColor other = TColor(0x00405060);
    menu.Options()->Colors()->SetValueAt(C::Menu, other);
    const QImage image = Picture();
    ExpectCorners(image, ItemRect(0), Rgb(other));
    EXPECT_EQ(image.pixel(bar->width() - 1, 0), Rgb(other));
}

TEST_F(MenuBarPainting, ATransparentBarShowsItsParentRightOfTheItems)
{
    constexpr TColor parentColor = TColor(0x00445566);
    host.SetColor(parentColor);
    const QPoint rest(bar->width() - 1, bar->height() / 2);
    EXPECT_EQ(Picture().pixel(rest), Rgb(menuColor));
    bar->SetTransparent(true);
    const QImage image = Picture();
    EXPECT_EQ(image.pixel(rest), Rgb(parentColor));
    ExpectCorners(image, ItemRect(0), Rgb(menuColor));
}
