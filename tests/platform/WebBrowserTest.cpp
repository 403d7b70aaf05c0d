#include "TForm.h"
#include "TWebBrowser.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class WebBrowserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 320, 200);
        browser = new TWebBrowser(form.get());
        browser->SetParent(form.get());
        browser->SetBounds(10, 10, 300, 180);
        form->Show();
    }

    // How many pixels of the browser differ from its top-left one.
    int InkedPixels() const
    {
        const QImage image = browser->grab().toImage();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inked += image.pixel(x, y) != image.pixel(0, 0);
        return inked;
    }

    QString WritePage(const QByteArray& html)
    {
        const QString path = directory.filePath(QStringLiteral("page.htm"));
        QFile page(path);
        EXPECT_TRUE(page.open(QIODevice::WriteOnly));
        page.write(html);
        return path;
    }

    QTemporaryDir directory;
    std::unique_ptr<TForm> form;
    TWebBrowser* browser = nullptr;
};

} // namespace

TEST_F(WebBrowserTest, ShowsABlankPageUntilTheFirstNavigation)
{
    EXPECT_EQ(InkedPixels(), 0);
    EXPECT_EQ(browser->grab().toImage().pixel(0, 0), QColor(Qt::white).rgb());
    EXPECT_TRUE(browser->DocumentText().isEmpty());
    EXPECT_FALSE(browser->ShowsErrorPage());
}

TEST_F(WebBrowserTest, NavigationShowsThePageOverTheWholeBrowser)
{
    browser->Navigate(WritePage("<html><body><h1>常见问题 FAQ</h1></body></html>"));
    EXPECT_TRUE(browser->DocumentText().contains(QStringLiteral("常见问题")));
    EXPECT_GT(InkedPixels(), 50) << "the page's heading is drawn";

    browser->SetBounds(10, 10, 200, 120);
    const QWidget* view = browser->findChild<QWidget*>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->geometry(), QRect(0, 0, 200, 120)) << "the page follows the browser's size";
}

TEST_F(WebBrowserTest, AMissingFileAsFirstNavigationShowsTheErrorPage)
{
    browser->Navigate(directory.filePath(QStringLiteral("missing.htm")));
    EXPECT_TRUE(browser->ShowsErrorPage());
    EXPECT_TRUE(browser->DocumentText().contains(QStringLiteral("missing.htm")));
    EXPECT_GT(InkedPixels(), 50);
}
