#include "../support/PictureSamples.h"
#include "Exception.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TMemoryStream.h"
#include "TPicture.h"
#include "TSvgDocument.h"
#include "TSvgImage.h"
#include "TTestPictures.h"

#include <gtest/gtest.h>

using namespace picturesamples;

namespace {

QString LoadError(const QByteArray& bytes)
{
    try {
        Loaded<TSvgImage>(bytes);
    } catch (const EInvalidGraphic& error) {
        return error.Message();
    }
    return QString();
}

QByteArray Nested(int depth)
{
    return TTestPictures::Svg(8, 8,
                              QStringLiteral("<g>").repeated(depth) +
                                  QStringLiteral("<rect width=\"8\" height=\"8\"/>") +
                                  QStringLiteral("</g>").repeated(depth));
}

QByteArray EntityBomb()
{
    QByteArray doctype = "<!DOCTYPE svg [<!ENTITY a0 \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">";
    for (int level = 1; level <= 9; ++level) {
        doctype += "<!ENTITY a" + QByteArray::number(level) + " \"";
        for (int i = 0; i < 10; ++i)
            doctype += "&a" + QByteArray::number(level - 1) + ";";
        doctype += "\">";
    }
    return doctype + "]><svg xmlns=\"http://www.w3.org/2000/svg\" width=\"8\" height=\"8\">"
                     "<text>&a9;</text></svg>";
}

} // namespace

TEST(SvgImage, DeclaresItsSizeAndRendersAtAnySizeAsked)
{
    const auto svg = Loaded<TSvgImage>(TTestPictures::HalfFilledSvg(40, 20, QColor(0, 128, 255)));
    EXPECT_EQ(svg->Width(), 40);
    EXPECT_EQ(svg->Height(), 20);
    EXPECT_TRUE(svg->Scalable());
    const QImage big = svg->Render(QSize(400, 200));
    ASSERT_EQ(big.size(), QSize(400, 200));
    EXPECT_EQ(big.pixelColor(10, 100), QColor(0, 128, 255));
    EXPECT_EQ(big.pixelColor(390, 100).alpha(), 0);
    // The edge between filled and empty halves is sharp at this size, not a blur.
    EXPECT_EQ(big.pixelColor(198, 100), QColor(0, 128, 255));
    EXPECT_EQ(big.pixelColor(201, 100).alpha(), 0);
    EXPECT_EQ(svg->RenderWithin(10).size(), QSize(10, 5));
}

TEST(SvgImage, DrawsInDevicePixelsOverWhatLiesBelow)
{
    const auto svg =
        Loaded<TSvgImage>(TTestPictures::HalfFilledSvg(10, 10, QColor(0, 0, 255), 0.5));
    QImage target(40, 40, QImage::Format_RGB32);
    target.setDevicePixelRatio(2);
    target.fill(Qt::yellow);
    TCanvas canvas;
    {
        const TCanvas::PaintScope scope(canvas, &target);
        canvas.StretchDraw(QRect(0, 0, 20, 20), svg.get());
    }
    const QColor half = Over(QColor(0, 0, 255, 128), Qt::yellow);
    // In device pixels: the left half (20 of 40 pixels) is blended, the right one untouched.
    EXPECT_TRUE(Close(target.pixelColor(19, 30), half))
        << target.pixelColor(19, 30).name().toStdString();
    EXPECT_EQ(target.pixelColor(20, 30), QColor(Qt::yellow));
}

TEST(SvgImage, KeepsItsBytesAndIsFoundByContent)
{
    const QByteArray bytes =
        "<!-- drawn by hand -->\n" + TTestPictures::HalfFilledSvg(6, 6, Qt::red).mid(39);
    TPicture picture;
    LoadBytes(picture, bytes);
    ASSERT_NE(dynamic_cast<TSvgImage*>(picture.Graphic()), nullptr);
    TMemoryStream out;
    picture.SaveToStream(out);
    EXPECT_EQ(out.Bytes(), bytes);
}

TEST(SvgImage, HostileDrawingsCountAsDamaged)
{
    EXPECT_EQ(LoadError(Nested(10)), QString());
    EXPECT_EQ(LoadError(Nested(500)), QStringLiteral("SVG image is too complex"));
    EXPECT_EQ(LoadError(TTestPictures::UseBombSvg(10)), QStringLiteral("SVG image is too complex"));
    EXPECT_EQ(LoadError(TTestPictures::Svg(
                  8, 8, QStringLiteral("<g id=\"a\"><use xlink:href=\"#a\"/></g>"))),
              QStringLiteral("SVG image is too complex"));
    EXPECT_FALSE(LoadError(EntityBomb()).isEmpty());
    EXPECT_EQ(LoadError(TTestPictures::Svg(100000, 100000, QString())),
              QStringLiteral("SVG image is too large"));
    EXPECT_EQ(LoadError(QByteArray(5 * 1024 * 1024, ' ') + TTestPictures::Svg(8, 8, QString())),
              QStringLiteral("SVG image is too complex"));
    EXPECT_EQ(LoadError("<svg xmlns=\"http://www.w3.org/2000/svg\"><rect"),
              QStringLiteral("SVG image is not valid"));
    EXPECT_EQ(LoadError("<html><svg/></html>"), QStringLiteral("SVG image is not valid"));
    // The verdict is kept: the same bytes fail again without being read again.
    EXPECT_EQ(LoadError(TTestPictures::UseBombSvg(10)), QStringLiteral("SVG image is too complex"));
}

TEST(SvgImage, ALongChainOfReferencesIsCountedWithoutRecursion)
{
    QString chain = QStringLiteral("<rect id=\"r0\" width=\"1\" height=\"1\"/>");
    for (int i = 1; i < 20000; ++i)
        chain += QStringLiteral("<g id=\"r%1\"><use xlink:href=\"#r%2\"/></g>").arg(i).arg(i - 1);
    EXPECT_EQ(LoadError(TTestPictures::Svg(8, 8, QStringLiteral("<defs>%1</defs>").arg(chain))),
              QStringLiteral("SVG image is too complex"));
}
