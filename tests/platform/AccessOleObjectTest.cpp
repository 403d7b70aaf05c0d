#include "TAccessOleObject.h"

#include <QtEndian>
#include <gtest/gtest.h>

// Pictures that Access wrapped as OLE objects come out as the files they were; values
// that are not wrapped stay as they are; wrappers that hold no picture, or are cut
// short anywhere, are told apart without reading past their end.
namespace {

using TKind = TAccessOleObject::TKind;

const QByteArray jpeg("\xFF\xD8\xFF\xE0 a small JPEG \xFF\xD9", 18);
const QByteArray bitmap("BM\x36\x03\0\0 a bitmap file", 21);

void Put16(QByteArray& bytes, quint16 value)
{
    bytes.append(char(value & 0xff)).append(char(value >> 8));
}
void Put32(QByteArray& bytes, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes.append(char((value >> (8 * i)) & 0xff));
}
void PutLengthPrefixed(QByteArray& bytes, const QByteArray& text)
{
    Put32(bytes, text.isEmpty() ? 0 : quint32(text.size() + 1));
    if (!text.isEmpty())
        bytes.append(text).append('\0');
}

// The header Access puts before an OLE object, then the OLE 1 object of className with
// native as its data, then a few bytes of presentation and checksum.
QByteArray Wrapped(const QByteArray& className, const QByteArray& native, quint32 format = 2)
{
    const QByteArray friendly = className + " Object";
    QByteArray value;
    Put16(value, 0x1C15);
    Put16(value, quint16(20 + friendly.size() + 1 + className.size() + 1));
    Put32(value, 2);
    Put16(value, quint16(friendly.size() + 1));
    Put16(value, quint16(className.size() + 1));
    Put16(value, 20);
    Put16(value, quint16(20 + friendly.size() + 1));
    Put32(value, 0xffffffff);
    value.append(friendly).append('\0').append(className).append('\0');
    Put32(value, 0x0501);
    Put32(value, format);
    PutLengthPrefixed(value, className);
    PutLengthPrefixed(value, QByteArray()); // topic
    PutLengthPrefixed(value, QByteArray()); // item
    Put32(value, quint32(native.size()));
    value.append(native);
    value.append(QByteArray("\x01\x05\0\0\0\0\0\0\x01\xad\x05\xfe", 12));
    return value;
}

QByteArray Package(const QByteArray& file, quint32 kind = 0x00030000)
{
    QByteArray native;
    Put16(native, 2);
    native.append("small2.jpg").append('\0');
    native.append("C:\\Pictures\\small2.jpg").append('\0');
    Put32(native, kind);
    PutLengthPrefixed(native, "C:\\Temp\\small2.jpg");
    Put32(native, quint32(file.size()));
    native.append(file);
    Put16(native, 0);
    return native;
}

} // namespace

TEST(AccessOleObject, APackagedFileComesOutAsItWasInserted)
{
    const TAccessOleObject::TResult result =
        TAccessOleObject::Unwrap(Wrapped("Package", Package(jpeg)));
    EXPECT_EQ(result.kind, TKind::Unwrapped);
    EXPECT_EQ(result.className, QStringLiteral("Package"));
    EXPECT_EQ(result.picture, jpeg);
}

TEST(AccessOleObject, AnEmbeddedBitmapComesOutAsItsFile)
{
    const QByteArray stored = Wrapped("PBrush", bitmap);
    EXPECT_EQ(TAccessOleObject::Unwrap(stored).kind, TKind::Unwrapped);
    EXPECT_EQ(TAccessOleObject::Picture(stored), bitmap);
}

TEST(AccessOleObject, ValuesWithoutTheHeaderStayAsTheyAre)
{
    for (const QByteArray& stored :
         {jpeg, bitmap, QByteArray(), QByteArray("\x15", 1), QByteArray("\x1C\x15 swapped", 9)}) {
        EXPECT_EQ(TAccessOleObject::Unwrap(stored).kind, TKind::NotWrapped);
        EXPECT_EQ(TAccessOleObject::Picture(stored), stored);
    }
}

TEST(AccessOleObject, ObjectsWithoutAPictureFileAreUnknownAndShownAsStored)
{
    const QByteArray compound("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 an OLE 2 storage", 25);
    const QByteArray linkedFile = Package(jpeg, 0x00010000);
    for (const QByteArray& stored :
         {Wrapped("Paint.Picture", compound), Wrapped("Package", linkedFile),
          Wrapped("PBrush", bitmap, 1 /* linked */), Wrapped("Word.Document.8", "text")}) {
        const TAccessOleObject::TResult result = TAccessOleObject::Unwrap(stored);
        EXPECT_EQ(result.kind, TKind::Unknown);
        EXPECT_FALSE(result.problem.isEmpty());
        EXPECT_EQ(TAccessOleObject::Picture(stored), stored);
    }
    EXPECT_TRUE(TAccessOleObject::Unwrap(Wrapped("Paint.Picture", compound))
                    .problem.contains(QStringLiteral("Paint.Picture")));
}

TEST(AccessOleObject, AWrapperCutShortAnywhereIsUnknownNeverReadPast)
{
    const QByteArray package = Wrapped("Package", Package(jpeg));
    // Up to the end of the picture: beyond it only the presentation bytes are cut.
    const qsizetype pictureEnd = package.indexOf(jpeg) + jpeg.size();
    for (qsizetype size = 2; size < pictureEnd; ++size) {
        // A copy holding exactly size bytes, so that a read past it is seen by the
        // sanitizers.
        const QByteArray cut(package.constData(), size);
        EXPECT_EQ(TAccessOleObject::Unwrap(cut).kind, TKind::Unknown) << "cut at " << size;
    }
}

TEST(AccessOleObject, AHeaderSizeOutsideTheValueIsUnknown)
{
    QByteArray stored = Wrapped("PBrush", bitmap);
    qToLittleEndian<quint16>(quint16(stored.size() + 1), stored.data() + 2);
    EXPECT_EQ(TAccessOleObject::Unwrap(stored).kind, TKind::Unknown);
    qToLittleEndian<quint16>(3, stored.data() + 2);
    EXPECT_EQ(TAccessOleObject::Unwrap(stored).kind, TKind::Unknown);
}
