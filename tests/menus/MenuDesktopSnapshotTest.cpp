#include "MenuAnimationTestSupport.h"
#include "T_AM2000_Desktop.h"

#include <QCoreApplication>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>
#include <vector>

using namespace MenuAnimationPictures;

namespace {

// A screen that changes with every grab: the n-th grab is all grey n * 10, as if menus
// had opened on it in between.
class ChangingScreen {
public:
    T_AM2000_Desktop::Grabber Grabber()
    {
        return [this](const QRect& rect) {
            grabbed.push_back(rect);
            return Filled(rect.size(), qRgb(Shade(), Shade(), Shade()));
        };
    }
    int Shade() const { return int(grabbed.size()) * 10; }

    std::vector<QRect> grabbed;
};

QRgb Grey(int value)
{
    return qRgb(value, value, value);
}

} // namespace

TEST(MenuDesktopSnapshot, ANewScreenshotIsWidenedAndServesEveryRectangleInside)
{
    ChangingScreen screen;
    T_AM2000_Desktop desktop(screen.Grabber());
    const QImage first = desktop.Content(QRect(100, 100, 50, 50));
    EXPECT_EQ(first.size(), QSize(50, 50));
    ASSERT_EQ(screen.grabbed, (std::vector<QRect>{QRect(80, 80, 90, 90)}));
    const QImage inside = desktop.Content(QRect(80, 160, 90, 10));
    EXPECT_EQ(screen.grabbed.size(), 1u);
    EXPECT_EQ(inside.pixel(0, 0), Grey(10));
    EXPECT_EQ(desktop.Screenshots().size(), 1u);
}

TEST(MenuDesktopSnapshot, CapturingTakesAScreenshotOnlyWhereNoneHoldsTheRectangle)
{
    ChangingScreen screen;
    T_AM2000_Desktop desktop(screen.Grabber());
    desktop.Capture(QRect(100, 100, 50, 50));
    desktop.Capture(QRect(90, 90, 60, 60));
    desktop.Capture(QRect(5, 5, 0, 10));
    EXPECT_EQ(screen.grabbed, (std::vector<QRect>{QRect(80, 80, 90, 90)}));
    desktop.Capture(QRect(150, 150, 30, 30));
    EXPECT_EQ(screen.grabbed.size(), 2u);
    EXPECT_EQ(desktop.Content(QRect(100, 100, 10, 10)).pixel(0, 0), Grey(10));
}

TEST(MenuDesktopSnapshot, OlderScreenshotsShowThroughANewOne)
{
    ChangingScreen screen;
    T_AM2000_Desktop desktop(screen.Grabber());
    desktop.Content(QRect(100, 100, 50, 50)); // screenshot of 80..169
    const QImage wider = desktop.Content(QRect(150, 150, 50, 50));
    ASSERT_EQ(screen.grabbed.size(), 2u);
    EXPECT_EQ(screen.grabbed[1], QRect(130, 130, 90, 90));
    // Screen (160, 160) was in the first screenshot: what was there before the menus.
    EXPECT_EQ(wider.pixel(10, 10), Grey(10));
    EXPECT_EQ(wider.pixel(19, 19), Grey(10));
    EXPECT_EQ(wider.pixel(20, 20), Grey(20));
    // A rectangle across both is served by the newest, without grabbing.
    const QImage across = desktop.Content(QRect(135, 135, 60, 60));
    EXPECT_EQ(screen.grabbed.size(), 2u);
    EXPECT_EQ(across.pixel(0, 0), Grey(10));
    EXPECT_EQ(across.pixel(59, 59), Grey(20));
    // Painted straight from the newest screenshot, at the place asked.
    QImage painted = Filled(QSize(70, 70), qRgb(1, 2, 3));
    {
        QPainter painter(&painted);
        desktop.Paint(painter, QPoint(5, 5), QRect(135, 135, 60, 60));
    }
    EXPECT_EQ(screen.grabbed.size(), 2u);
    EXPECT_EQ(painted.pixel(4, 4), qRgb(1, 2, 3));
    EXPECT_EQ(painted.pixel(5, 5), Grey(10));
    EXPECT_EQ(painted.pixel(64, 64), Grey(20));
    EXPECT_EQ(painted.pixel(65, 65), qRgb(1, 2, 3));
}

TEST(MenuDesktopSnapshot, ClosingTheMenusFreesTheScreenshotsUnlessKept)
{
    ChangingScreen screen;
    T_AM2000_Desktop desktop(screen.Grabber());
    desktop.Content(QRect(0, 0, 10, 10));
    desktop.SetKeep(true);
    desktop.MenusClosed();
    EXPECT_FALSE(desktop.Keep());
    EXPECT_EQ(desktop.Screenshots().size(), 1u);
    EXPECT_EQ(desktop.Content(QRect(0, 0, 10, 10)).pixel(5, 5), Grey(10));
    desktop.MenusClosed();
    EXPECT_TRUE(desktop.Screenshots().empty());
    EXPECT_EQ(desktop.Content(QRect(0, 0, 10, 10)).pixel(5, 5), Grey(20));
}

TEST(MenuDesktopSnapshot, AGrabOfTheWrongSizeIsFittedAndEmptyRectanglesGrabNothing)
{
    int grabs = 0;
    T_AM2000_Desktop desktop([&](const QRect&) {
        ++grabs;
        return Filled(QSize(25, 25), qRgb(200, 0, 0));
    });
    EXPECT_TRUE(desktop.Content(QRect(5, 5, 0, 4)).isNull());
    EXPECT_EQ(grabs, 0);
    const QImage content = desktop.Content(QRect(0, 0, 10, 10)); // grabs -20..29
    EXPECT_EQ(content.size(), QSize(10, 10));
    EXPECT_EQ(content.pixel(0, 0), qRgb(200, 0, 0));
    EXPECT_EQ(content.pixel(4, 4), qRgb(200, 0, 0));
    EXPECT_EQ(content.pixel(5, 5), qRgb(0, 0, 0)); // beyond the 25 x 25 grab
}

TEST(MenuDesktopSnapshot, TheScreenGrabAlwaysHasTheSizeAskedFor)
{
    const QImage grab = T_AM2000_Desktop::GrabScreen(QRect(-10, -10, 30, 20));
    EXPECT_EQ(grab.size(), QSize(30, 20));
    EXPECT_EQ(grab.pixel(0, 0), qRgb(0, 0, 0)); // off every screen
}

namespace {

class FilledWindow : public QWidget {
public:
    explicit FilledWindow(QColor colour)
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint)
        , m_colour(colour)
    {}

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), m_colour); }

private:
    QColor m_colour;
};

} // namespace

// The grab of a rectangle on the screen shows what the windows there show.
TEST(MenuDesktopSnapshot, TheScreenGrabShowsTheWindowsOnTheScreen)
{
    FilledWindow window(QColor(10, 200, 30));
    window.setGeometry(40, 50, 60, 40);
    window.show();
    for (int i = 0; i < 100 && !window.windowHandle()->isExposed(); ++i)
        QCoreApplication::processEvents();
    window.repaint();
    // Across the window's left edge at x = 40.
    const QImage grab = T_AM2000_Desktop::GrabScreen(QRect(30, 55, 20, 10));
    ASSERT_EQ(grab.size(), QSize(20, 10));
    EXPECT_NE(grab.pixel(9, 0), qRgb(10, 200, 30));
    EXPECT_EQ(grab.pixel(10, 0), qRgb(10, 200, 30));
    EXPECT_EQ(grab.pixel(19, 9), qRgb(10, 200, 30));
}
