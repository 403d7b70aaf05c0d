#include "ButtonBarSupport.h"
#include "Exception.h"
#include "TPanel.h"
#include "TabcCustomButtonList.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPointer>

using namespace buttonbartest;

namespace {

class BarDocking : public ::testing::Test {
protected:
    BarDocking()
    {
        bar.bar->SetDockSite(true);
        tool = new TPanel(bar.form.get());
        tool->SetName(QStringLiteral("ToolPanel"));
        tool->SetCaption(QStringLiteral("Tools"));
        tool->SetBounds(200, 10, 80, 60);
        tool->SetParent(bar.form.get());
    }
    ~BarDocking() override { FlushDeletes(); }
    static void FlushDeletes()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    TabcButtonPage* LastPage() const { return bar.bar->Pages().back(); }
    // A mouse event as the window system delivers it, at a screen position.
    static void SendMouse(QWidget* widget, QEvent::Type type, QPoint screen, Qt::MouseButton button,
                          Qt::MouseButtons held)
    {
        QMouseEvent event(type, widget->mapFromGlobal(QPointF(screen)), QPointF(screen), button,
                          held, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
    // Presses the left button on a page button, moves by offset and releases there.
    void DragButton(TabcBarBtn* button, QPoint offset)
    {
        const QPoint press = button->mapToGlobal(QPoint(20, 10));
        QCursor::setPos(press);
        SendMouse(button, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
        SendMouse(button, QEvent::MouseMove, press + QPoint(1, 0), Qt::NoButton, Qt::LeftButton);
        SendMouse(button, QEvent::MouseMove, press + offset, Qt::NoButton, Qt::LeftButton);
        SendMouse(button, QEvent::MouseButtonRelease, press + offset, Qt::LeftButton, Qt::NoButton);
        QCoreApplication::processEvents();
    }

    BarForm bar{3};
    TPanel* tool = nullptr;
};

} // namespace

TEST_F(BarDocking, ADockedControlGetsAnOpenPageOfItsOwnAndFillsIt)
{
    tool->ManualDock(bar.bar);
    ASSERT_EQ(bar.bar->PageCount(), 4);
    TabcButtonPage* page = LastPage();
    EXPECT_EQ(page->Caption(), QStringLiteral("Tools"));
    EXPECT_EQ(bar.bar->ButtonOf(page)->Caption(), QStringLiteral("Tools"));
    EXPECT_EQ(tool->Parent(), page);
    EXPECT_EQ(tool->HostDockSite(), bar.bar);
    EXPECT_EQ(bar.bar->DockedControlOf(page), tool);
    EXPECT_EQ(bar.bar->DockedControlOf(bar.Page(0)), nullptr);
    EXPECT_EQ(bar.bar->ActivePage(), page);
    EXPECT_EQ(tool->Align(), TAlign::alClient);
    EXPECT_EQ(tool->BoundsRect(), page->ClientRect());
    EXPECT_EQ(bar.bar->DockRect(), QRect(page->mapToGlobal(QPoint(0, 0)), page->size()));
}

TEST_F(BarDocking, AHiddenOrNamelessControlDocksUnderItsNameWithoutOpening)
{
    tool->SetCaption(QString());
    tool->Hide();
    tool->ManualDock(bar.bar);
    TabcButtonPage* page = LastPage();
    EXPECT_EQ(page->Caption(), QStringLiteral("ToolPanel"));
    EXPECT_FALSE(page->ButtonVisible());
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(0));
}

TEST_F(BarDocking, AControlDocksOnceAndOnlyIntoADockSite)
{
    tool->ManualDock(bar.bar);
    EXPECT_THROW(tool->ManualDock(bar.bar), EInvalidOperation);
    EXPECT_EQ(bar.bar->PageCount(), 4) << "no second page";

    auto* panel = new TPanel(bar.form.get());
    panel->SetParent(bar.form.get());
    EXPECT_THROW(tool->ManualDock(panel), EInvalidOperation) << "not a dock site";
    EXPECT_EQ(tool->HostDockSite(), bar.bar);
    bar.bar->SetDockSite(false);
    auto* other = new TPanel(bar.form.get());
    other->SetParent(bar.form.get());
    EXPECT_THROW(other->ManualDock(bar.bar), EInvalidOperation);
}

TEST_F(BarDocking, TheDockedControlsCaptionAndVisibilityReachItsPage)
{
    tool->ManualDock(bar.bar);
    TabcButtonPage* page = LastPage();
    tool->SetCaption(QStringLiteral("First line\r\nsecond"));
    EXPECT_EQ(page->Caption(), QStringLiteral("First line"));
    tool->SetCaption(QStringLiteral("Up to\nhere"));
    EXPECT_EQ(bar.bar->ButtonOf(page)->Caption(), QStringLiteral("Up to"));

    tool->Hide();
    EXPECT_FALSE(page->ButtonVisible());
    EXPECT_FALSE(page->isVisible());
    EXPECT_NE(bar.bar->ActivePage(), page) << "a page without a button does not stay open";
    tool->Show();
    EXPECT_TRUE(page->ButtonVisible());
    EXPECT_FALSE(page->isVisible()) << "a closed page never covers the open one";
}

TEST_F(BarDocking, FloatingTakesThePageAwayAndDockingAgainEndsTheFloatingWindow)
{
    tool->ManualDock(bar.bar);
    QPointer<TabcButtonPage> page = LastPage();
    tool->ManualFloat(QRect(400, 300, 120, 80));
    EXPECT_TRUE(tool->Floating());
    EXPECT_EQ(tool->HostDockSite(), nullptr);
    QPointer<TForm> floating = tool->FloatingForm();
    ASSERT_NE(floating, nullptr);
    EXPECT_EQ(tool->Parent(), floating.data());
    EXPECT_TRUE(floating->isVisible());
    EXPECT_EQ(floating->Caption(), QStringLiteral("Tools"));
    EXPECT_EQ(tool->size(), QSize(120, 80));
    FlushDeletes();
    EXPECT_TRUE(page.isNull());
    EXPECT_EQ(bar.bar->PageCount(), 3);

    tool->ManualDock(bar.bar);
    FlushDeletes();
    EXPECT_FALSE(tool->Floating());
    EXPECT_TRUE(floating.isNull()) << "the empty floating window goes";
    EXPECT_EQ(bar.bar->PageCount(), 4);
}

TEST_F(BarDocking, ADoubleClickOnThePageButtonFloatsItsControl)
{
    tool->ManualDock(bar.bar);
    QPointer<TabcBarBtn> button = bar.bar->Buttons().back();
    QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(tool->Floating());
    FlushDeletes();
    EXPECT_TRUE(button.isNull());
    EXPECT_EQ(bar.bar->PageCount(), 3);

    QTest::mouseDClick(bar.Button(1), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(bar.bar->PageCount(), 3) << "a page without a docked control stays";
}

TEST_F(BarDocking, DraggingAPageButtonPastTheThresholdMovesItsControlWhereReleased)
{
    tool->SetDragKind(TDragKind::dkDock);
    tool->ManualDock(bar.bar);
    DragButton(bar.bar->Buttons().back(), QPoint(QApplication::startDragDistance() - 2, 0));
    EXPECT_EQ(tool->HostDockSite(), bar.bar) << "a move within the threshold drags nothing";

    auto* site = new TPanel(bar.form.get());
    site->SetName(QStringLiteral("Site"));
    site->SetParent(bar.form.get());
    site->SetBounds(180, 150, 100, 100);
    site->SetDockSite(true);
    const QPoint overSite = site->mapToGlobal(QPoint(50, 50));
    TabcBarBtn* button = bar.bar->Buttons().back();
    DragButton(button, overSite - button->mapToGlobal(QPoint(20, 10)));
    EXPECT_EQ(tool->HostDockSite(), site);
    EXPECT_EQ(tool->Parent(), site);
    FlushDeletes();
    EXPECT_EQ(bar.bar->PageCount(), 3);
}

TEST_F(BarDocking, AButtonListDraggedOverAPageButtonOpensThatPageAtOnce)
{
    auto* list = new TabcCustomButtonList(bar.form.get());
    list->SetParent(bar.Page(0));
    list->SetBounds(0, 0, 100, 40);
    bar.bar->SetAnimationTime(5000);
    // Buttons sliding under the resting pointer must not open pages by hovering.
    bar.bar->SetOptions({TabcButtonBarOption::abbAnimate});
    TabcBarBtn* target = bar.Button(2);
    const QPoint press = list->mapToGlobal(QPoint(10, 10));
    QCursor::setPos(press);
    list->BeginDrag(false);
    SendMouse(list, QEvent::MouseMove, target->mapToGlobal(QPoint(20, 10)), Qt::NoButton,
              Qt::LeftButton);
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(2)) << "opened without waiting for 5 s";
    EXPECT_FALSE(bar.bar->Changing());

    // Anything else dragged over a button opens nothing.
    SendMouse(list, QEvent::MouseButtonRelease, target->mapToGlobal(QPoint(20, 10)), Qt::LeftButton,
              Qt::NoButton);
    QCoreApplication::processEvents();
    tool->SetParent(bar.Page(2));
    tool->BeginDrag(true);
    SendMouse(tool, QEvent::MouseMove, bar.Button(0)->mapToGlobal(QPoint(20, 10)), Qt::NoButton,
              Qt::LeftButton);
    EXPECT_EQ(bar.bar->ActivePage(), bar.Page(2));
    SendMouse(tool, QEvent::MouseButtonRelease, bar.Button(0)->mapToGlobal(QPoint(20, 10)),
              Qt::LeftButton, Qt::NoButton);
}
