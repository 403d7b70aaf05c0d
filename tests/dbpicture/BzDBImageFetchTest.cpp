#include "DbPictureTestSupport.h"
#include "Exception.h"
#include "TADOConnection.h"
#include "TBitmap.h"
#include "TBlobField.h"
#include "TDataStore.h"
#include "TPicture.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace dbpicturetest;

namespace {

class BzDBImageFetch : public PictureQueryTest {};

// Ink of everything not painted in the background colour.
QRect InkBounds(const QImage& image, QColor background)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != background)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

TEST_F(BzDBImageFetch, AJpegBlobIsHeldAsItsDecodedBitmapAndSavedAsOne)
{
    catalogue.Add({0, TTestPictures::Jpeg(TTestPictures::Solid(40, 30, Qt::red))});
    TBzDBImage* image = NewImage(host.get(), 60, 50);
    query->Open();

    EXPECT_TRUE(image->PictureFetched());
    auto* bitmap = dynamic_cast<TBitmap*>(image->Picture()->Graphic());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width(), 40);
    EXPECT_EQ(bitmap->Height(), 30);
    EXPECT_TRUE(Near(bitmap->Image().pixelColor(20, 15), Qt::red));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.jpg"));
    image->Picture()->SaveToFile(path);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.read(2), QByteArray("BM"));
}

TEST_F(BzDBImageFetch, ABitmapFileBlobShowsThroughTheFallback)
{
    const QByteArray file = TTestPictures::BitmapFile(
        TTestPictures::Solid(8, 6, QColor(10, 200, 30)), TPixelFormat::pf24bit);
    catalogue.Add({0, file});
    TBzDBImage* image = NewImage(host.get(), 8, 6);
    query->Open();
    // Read once: the fallback works on the bytes already read.
    EXPECT_EQ(connection->Store().BlobBytesRead(), file.size());

    auto* bitmap = dynamic_cast<TBitmap*>(image->Picture()->Graphic());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Image().pixelColor(3, 3), QColor(10, 200, 30));
    EXPECT_EQ(Grab(image).pixelColor(7, 5), QColor(10, 200, 30));
}

// Also bytes that begin like a JPEG stream: the JPEG decoder refuses them first.
TEST_F(BzDBImageFetch, BytesThatAreNeitherJpegNorBitmapRaiseTheBitmapError)
{
    catalogue.Add({0, QByteArray("not a picture at all")});
    catalogue.Add({0, QByteArray("\xFF\xD8\xFF\xE0 cut short")});
    TBzDBImage* image = NewImage(host.get(), 20, 20);
    image->SetAutoDisplay(false);
    query->Open();

    for (int record = 1; record <= 2; ++record) {
        query->SetRecNo(record);
        try {
            image->FetchPicture();
            ADD_FAILURE() << "no error for record " << record;
        } catch (const EInvalidGraphic& error) {
            EXPECT_EQ(error.Message(), QStringLiteral("Bitmap image is not valid"));
        }
        ASSERT_NE(image->Picture()->Graphic(), nullptr);
        EXPECT_TRUE(image->Picture()->Graphic()->Empty());
    }
}

TEST_F(BzDBImageFetch, AnEmptyOrNullBlobPaintsOnlyTheBackground)
{
    catalogue.Add({0, QByteArray("")});
    catalogue.Add({0, QVariant()});
    TBzDBImage* image = NewImage(host.get(), 30, 20);
    query->Open();

    for (int record = 1; record <= 2; ++record) {
        query->SetRecNo(record);
        EXPECT_TRUE(image->PictureFetched()) << record;
        EXPECT_EQ(image->Picture()->Graphic(), nullptr) << record;
        EXPECT_TRUE(InkBounds(Grab(image), Background()).isEmpty()) << record;
    }
}

TEST_F(BzDBImageFetch, NothingFetchedShowsTheFieldsLabelOrTheNameCentred)
{
    catalogue.Add({0, TTestPictures::Jpeg(TTestPictures::Solid(10, 10, Qt::blue))});
    TBzDBImage* image = NewImage(host.get(), 200, 40);
    image->SetAutoDisplay(false);
    image->SetName(QStringLiteral("Thumbnail"));

    // No field while the query is closed: the name.
    const QRect named = InkBounds(Grab(image), Background());
    query->Open();
    EXPECT_FALSE(image->PictureFetched());
    image->Field()->SetDisplayLabel(QStringLiteral("WW"));
    const QRect labelled = InkBounds(Grab(image), Background());

    ASSERT_FALSE(named.isEmpty());
    ASSERT_FALSE(labelled.isEmpty());
    EXPECT_GT(named.width(), labelled.width() + 20); // "(Thumbnail)" against "(WW)"
    for (const QRect& ink : {named, labelled}) {
        EXPECT_NEAR(ink.center().x(), 100, 3);
        EXPECT_NEAR(ink.center().y(), 20, 4);
    }

    QTest::keyClick(image, Qt::Key_Return);
    EXPECT_TRUE(image->PictureFetched());
    EXPECT_TRUE(Near(Grab(image).pixelColor(100, 20), Qt::blue));
}

TEST_F(BzDBImageFetch, ALargerPictureIsCentredWithOddDifferencesTruncated)
{
    catalogue.Add(
        {0, TTestPictures::BitmapFile(TTestPictures::Pattern(41, 31), TPixelFormat::pf24bit)});
    catalogue.Add(
        {0, TTestPictures::BitmapFile(TTestPictures::Pattern(5, 5), TPixelFormat::pf24bit)});
    TBzDBImage* image = NewImage(host.get(), 20, 10);
    query->Open();

    // (20 - 41) / 2 and (10 - 31) / 2 truncate to -10: picture pixel (10, 10) at (0, 0).
    const QImage large = Grab(image);
    EXPECT_EQ(large.pixelColor(0, 0), QColor(50, 70, 40));
    EXPECT_EQ(large.pixelColor(19, 9), QColor(145, 133, 40));

    // A smaller one: offset ((20 - 5) / 2, (10 - 5) / 2) = (7, 2), background around it.
    query->Next();
    const QImage small = Grab(image);
    EXPECT_EQ(small.pixelColor(7, 2), QColor(0, 0, 40));
    EXPECT_EQ(small.pixelColor(6, 2), Background());
    EXPECT_EQ(small.pixelColor(12, 7), Background());

    image->SetCenter(false);
    EXPECT_EQ(Grab(image).pixelColor(0, 0), QColor(0, 0, 40));
}

TEST_F(BzDBImageFetch, StretchFillsWithThePictureOrWithTheBackground)
{
    catalogue.Add({0, TTestPictures::BitmapFile(TTestPictures::Solid(4, 4, QColor(200, 100, 0)),
                                                TPixelFormat::pf24bit)});
    catalogue.Add({0, QByteArray("")});
    TBzDBImage* image = NewImage(host.get(), 30, 20);
    image->SetStretch(true);
    query->Open();

    const QImage stretched = Grab(image);
    EXPECT_EQ(stretched.pixelColor(0, 0), QColor(200, 100, 0));
    EXPECT_EQ(stretched.pixelColor(29, 19), QColor(200, 100, 0));
    query->Next();
    EXPECT_TRUE(InkBounds(Grab(image), Background()).isEmpty());
}

TEST_F(BzDBImageFetch, ASingleBorderFramesTheClientArea)
{
    catalogue.Add({0, TTestPictures::BitmapFile(TTestPictures::Solid(40, 40, QColor(0, 128, 255)),
                                                TPixelFormat::pf24bit)});
    TBzDBImage* image = NewImage(host.get(), 20, 20);
    image->SetBorderStyle(TBorderStyle::bsSingle);
    query->Open();

    const QImage framed = Grab(image);
    EXPECT_EQ(framed.pixelColor(0, 0), TColors::ToQColor(clBtnShadow));
    EXPECT_EQ(framed.pixelColor(1, 1), TColors::ToQColor(cl3DDkShadow));
    EXPECT_EQ(framed.pixelColor(2, 2), QColor(0, 128, 255));
}

TEST_F(BzDBImageFetch, OnlyTheFocusedLiveControlIsFramed)
{
    catalogue.Add({0, TTestPictures::BitmapFile(TTestPictures::Solid(40, 40, QColor(0, 128, 255)),
                                                TPixelFormat::pf24bit)});
    TBzDBImage* image = NewImage(host.get(), 20, 20);
    query->Open();
    EXPECT_EQ(Grab(image).pixelColor(0, 0), QColor(0, 128, 255));

    host->show();
    image->SetFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return image->hasFocus(); }, 2000));
    const QImage focused = Grab(image);
    EXPECT_EQ(focused.pixelColor(0, 0), TColors::ToQColor(clWindowFrame));
    EXPECT_EQ(focused.pixelColor(19, 10), TColors::ToQColor(clWindowFrame));
    EXPECT_EQ(focused.pixelColor(1, 1), QColor(0, 128, 255));

    QImage copy(20, 20, QImage::Format_RGB32);
    QPainter painter(&copy);
    image->PaintCopy(painter);
    painter.end();
    EXPECT_EQ(copy.pixelColor(0, 0), QColor(0, 128, 255));
}
