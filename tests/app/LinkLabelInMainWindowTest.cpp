#include "MainWindowFixture.h"
#include "TabcURLLabel.h"

#include <QImage>

TEST_F(MainWindowFixture, StatusStripLinksToTheProjectPageInBlue)
{
    auto* label = dynamic_cast<TabcURLLabel*>(form->FindComponent(QStringLiteral("abcURLLabel1")));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->Parent(), form->FindComponent(QStringLiteral("Panel2")));
    EXPECT_EQ(label->BoundsRect(), QRect(600, 3, 202, 16));
    EXPECT_TRUE(label->Transparent());
    EXPECT_EQ(label->Font()->Height(), -13);
    EXPECT_EQ(label->Font()->Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_TRUE(label->URL().startsWith(QStringLiteral("https://")));
    EXPECT_EQ(label->Caption(), QStringLiteral("网址：") + label->URL());

    const QImage shot = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int blue = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            blue += shot.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_GT(blue, 50) << "the caption is drawn in blue";
}
