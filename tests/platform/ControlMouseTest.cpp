#include "TForm.h"
#include "TPanel.h"

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A shown form with one panel that counts its clicks.
class ControlMouse : public ::testing::Test {
protected:
    ControlMouse()
    {
        form->SetBounds(10, 10, 200, 120);
        panel = new TPanel(form.get());
        panel->SetParent(form.get());
        panel->SetBounds(10, 10, 80, 40);
        panel->OnClick = [this](TObject*) { ++clicks; };
        form->Show();
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TPanel* panel = nullptr;
    int clicks = 0;
};

} // namespace

TEST_F(ControlMouse, OnlyALeftPressReleasedInsideClicksAndADoubleClickClicksOnce)
{
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(panel, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1) << "the right button does not click";
    QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(120, 5));
    EXPECT_EQ(clicks, 1) << "released outside";
    QTest::mouseDClick(panel, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1) << "the second press of a double click is no new click";
}

TEST_F(ControlMouse, AReleaseHandlerThatFreesItsControlEndsTheRelease)
{
    QPointer<TPanel> watched(panel);
    panel->OnMouseUp = [&watched](TObject*, TMouseButton, TShiftState, int, int) {
        delete watched.data();
    };
    QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5),
                        panel->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(panel, &release);
    EXPECT_TRUE(watched.isNull());
    EXPECT_EQ(clicks, 0) << "a freed control does not click";
}
