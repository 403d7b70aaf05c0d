#include "../support/PictureSamples.h"
#include "TImageFormat.h"
#include "TTestPictures.h"

#include <gtest/gtest.h>

TEST(ImageFormat, TellsPicturesByContentNotByName)
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(Qt::red);
    EXPECT_EQ(TImageFormat::Detect(TTestPictures::Png(image)), TImageKind::ikPng);
    EXPECT_EQ(TImageFormat::Detect("\xFF\xD8\xFF\xE0rest"), TImageKind::ikJpeg);
    EXPECT_EQ(TImageFormat::Detect("BM\x36\x00"), TImageKind::ikBitmap);
    EXPECT_EQ(TImageFormat::Detect("GIF89a..."), TImageKind::ikGif);
    EXPECT_EQ(TImageFormat::Detect(TTestPictures::Svg(4, 4, QString())), TImageKind::ikSvg);
    // Declarations, comments and a document type may come before the root element.
    EXPECT_EQ(TImageFormat::Detect("\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- note -->\n"
                                   "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
                                   "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n"
                                   "<svg xmlns=\"http://www.w3.org/2000/svg\"/>"),
              TImageKind::ikSvg);
    EXPECT_EQ(TImageFormat::Detect("<html><body><svg/></body></html>"), TImageKind::ikUnknown);
    EXPECT_EQ(TImageFormat::Detect("svg is a word in this text"), TImageKind::ikUnknown);
    EXPECT_EQ(TImageFormat::Detect(QByteArray()), TImageKind::ikUnknown);
}

TEST(ImageFormat, NamesTheExtensionsAndTypesOfEachKind)
{
    EXPECT_EQ(TImageFormat::Extension(TImageKind::ikJpeg), QStringLiteral("jpg"));
    EXPECT_EQ(TImageFormat::MimeType(TImageKind::ikSvg), QStringLiteral("image/svg+xml"));
    EXPECT_EQ(TImageFormat::MimeType(TImageKind::ikPng), QStringLiteral("image/png"));
    EXPECT_EQ(TImageFormat::Name(TImageKind::ikBitmap), QStringLiteral("BMP"));
    EXPECT_EQ(TImageFormat::Name(TImageKind::ikJpeg), QStringLiteral("JPEG"));
    EXPECT_TRUE(TImageFormat::HasExtension(QStringLiteral("photo.JPEG"), TImageKind::ikJpeg));
    EXPECT_TRUE(TImageFormat::HasExtension(QStringLiteral("a.Svg"), TImageKind::ikSvg));
    EXPECT_FALSE(TImageFormat::HasExtension(QStringLiteral("a.svg.png"), TImageKind::ikSvg));
    EXPECT_FALSE(TImageFormat::HasExtension(QStringLiteral("png"), TImageKind::ikPng));
}
