#include "DbPictureTestSupport.h"
#include "TBitmap.h"
#include "TBlobField.h"
#include "TClipboard.h"
#include "TJpegDataLink.h"
#include "TMemoryStream.h"
#include "TPicture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

using namespace dbpicturetest;

namespace {

const QColor pictureColor(0, 0, 255);
const QColor pastedColor(0, 160, 0);

class BzDBImageEdit : public PictureQueryTest {
protected:
    void SetUp() override
    {
        catalogue.Add({0, TTestPictures::BitmapFile(TTestPictures::Solid(6, 4, pictureColor),
                                                    TPixelFormat::pf24bit)});
        catalogue.Add({0, QByteArray("")});
        image = NewImage(host.get(), 30, 20);
        query->Open();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }

    static void PutBitmapOnClipboard()
    {
        TPicture picture;
        picture.Bitmap()->SetImage(TTestPictures::Solid(3, 2, pastedColor));
        Clipboard().Assign(&picture);
    }

    static bool ClipboardStillHoldsText()
    {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data && !data->hasImage() && data->text() == QStringLiteral("before");
    }

    // The link's modified mark is only visible through the record update it causes.
    bool LinkModified() const
    {
        return dynamic_cast<TJpegDataLink*>(image->QueryDataLink())->IsModified();
    }

    QColor PictureColor() const
    {
        auto* bitmap = dynamic_cast<TBitmap*>(image->Picture()->Graphic());
        return bitmap && !bitmap->Empty() ? bitmap->Image().pixelColor(0, 0) : QColor();
    }

    TBzDBImage* image = nullptr;
};

} // namespace

TEST_F(BzDBImageEdit, CopyKeysPutThePictureOnTheClipboard)
{
    for (auto [key, modifiers] :
         {std::pair{Qt::Key_Insert, Qt::KeyboardModifiers(Qt::ControlModifier)},
          std::pair{Qt::Key_C, Qt::KeyboardModifiers(Qt::ControlModifier)}}) {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QKeyEvent press(QEvent::KeyPress, key, modifiers,
                        key == Qt::Key_C ? QStringLiteral("\x03") : QString());
        QCoreApplication::sendEvent(image, &press);
        const QImage copied = QGuiApplication::clipboard()->image();
        ASSERT_FALSE(copied.isNull()) << key;
        EXPECT_EQ(copied.size(), QSize(6, 4));
        EXPECT_EQ(copied.pixelColor(5, 3), pictureColor);
    }
    EXPECT_EQ(query->State(), TDataSetState::dsBrowse);
}

TEST_F(BzDBImageEdit, CopyWithoutAPictureLeavesTheClipboardAlone)
{
    query->Next();
    QTest::keyClick(image, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_TRUE(ClipboardStillHoldsText());
}

TEST_F(BzDBImageEdit, PasteWithoutABitmapOrOnAReadOnlyFieldChangesNothing)
{
    QTest::keyClick(image, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(PictureColor(), pictureColor);

    PutBitmapOnClipboard();
    image->SetReadOnly(true);
    QTest::keyClick(image, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(PictureColor(), pictureColor);

    image->SetReadOnly(false);
    image->Field()->SetReadOnly(true);
    image->PastePicture();
    EXPECT_EQ(PictureColor(), pictureColor);
    EXPECT_EQ(query->State(), TDataSetState::dsBrowse);
    EXPECT_FALSE(LinkModified());
}

TEST_F(BzDBImageEdit, APasteMarksTheRecordAndIsStoredAsABitmapFileOnUpdate)
{
    PutBitmapOnClipboard();
    QTest::keyClick(image, Qt::Key_Insert, Qt::ShiftModifier);

    EXPECT_EQ(PictureColor(), pastedColor);
    EXPECT_EQ(query->State(), TDataSetState::dsEdit);
    EXPECT_TRUE(LinkModified());
    query->Post();

    const QByteArray stored = catalogue.StoredPicture(1).toByteArray();
    ASSERT_TRUE(stored.startsWith("BM"));
    TBitmap bitmap;
    TMemoryStream in(stored);
    bitmap.LoadFromStream(in);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Image().pixelColor(2, 1), pastedColor);
    // The stored bitmap comes back through the fallback.
    query->Next();
    query->Prior();
    EXPECT_EQ(PictureColor(), pastedColor);
}

TEST_F(BzDBImageEdit, ACutCopiesClearsAndStoresNull)
{
    QTest::keyClick(image, Qt::Key_Delete, Qt::ShiftModifier);

    EXPECT_EQ(QGuiApplication::clipboard()->image().pixelColor(0, 0), pictureColor);
    EXPECT_EQ(image->Picture()->Graphic(), nullptr);
    EXPECT_TRUE(image->PictureFetched());
    query->Post();
    EXPECT_FALSE(catalogue.StoredPicture(1).isValid());
}

TEST_F(BzDBImageEdit, EscapeDiscardsThePasteAndShowsTheRecordAgain)
{
    PutBitmapOnClipboard();
    image->PastePicture();
    ASSERT_EQ(PictureColor(), pastedColor);

    QTest::keyClick(image, Qt::Key_Escape);
    EXPECT_EQ(PictureColor(), pictureColor);
    EXPECT_FALSE(LinkModified());
}

TEST_F(BzDBImageEdit, LeavingTheControlWritesThePasteIntoTheRecord)
{
    host->show();
    auto* other = new TBzDBImage(host.get());
    other->SetParent(host.get());
    other->SetBounds(100, 0, 20, 20);
    image->SetFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return image->hasFocus(); }, 2000));

    PutBitmapOnClipboard();
    image->PastePicture();
    other->SetFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return other->hasFocus(); }, 2000));
    EXPECT_FALSE(LinkModified());
    query->Post();
    EXPECT_TRUE(catalogue.StoredPicture(1).toByteArray().startsWith("BM"));
    EXPECT_NE(
        catalogue.StoredPicture(1).toByteArray(),
        TTestPictures::BitmapFile(TTestPictures::Solid(6, 4, pictureColor), TPixelFormat::pf24bit));
}
