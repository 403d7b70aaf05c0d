#include "TForm.h"
#include "TPanel.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A plain widget that fills itself green and counts its paints.
class CountingWidget : public QWidget {
public:
    using QWidget::QWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        QPainter(this).fillRect(rect(), Qt::green);
    }
};

class StackedPaintingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBounds(0, 0, 200, 100);
        beneath->setGeometry(20, 20, 60, 40);
        cover->SetParent(&form);
        cover->SetBounds(10, 10, 100, 60);
        cover->BringToFront();
        form.Show();
    }

    QRgb GrabbedAt(int x, int y) { return form.grab().toImage().pixel(x, y); }

    TForm form{nullptr};
    CountingWidget* beneath = new CountingWidget(&form);
    TPanel* cover = new TPanel(&form);
};

} // namespace

TEST_F(StackedPaintingTest, ColouredPanelSparesWhatLiesBeneathFromPainting)
{
    cover->SetColor(clRed);
    beneath->paints = 0;
    EXPECT_EQ(GrabbedAt(40, 40), QColor(Qt::red).rgb());
    EXPECT_EQ(beneath->paints, 0);
}

TEST_F(StackedPaintingTest, PanelWithoutColourLetsWhatLiesBeneathShowThrough)
{
    cover->SetColor(clRed);
    cover->SetColor(clNone);
    beneath->paints = 0;
    EXPECT_EQ(GrabbedAt(40, 40), QColor(Qt::green).rgb());
    EXPECT_GT(beneath->paints, 0);
}
