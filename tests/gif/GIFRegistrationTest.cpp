#include "GifTestSupport.h"
#include "TClassInfo.h"
#include "TClassRegistry.h"
#include "TGIFFrame.h"
#include "TGIFRegistration.h"
#include "TPicture.h"

using namespace GifTest;

TEST(GIFRegistration, GifBecomesAPictureAndClipboardFormatUntilUnregistered)
{
    TGIFRegistration::Register();
    EXPECT_TRUE(TPicture::FileFormat("GIF"));
    EXPECT_TRUE(TPicture::SupportsClipboardFormat("GIF Image"));
    const auto formats = TPicture::FileFormats();
    EXPECT_TRUE(std::any_of(formats.begin(), formats.end(), [](const TPictureFormat& format) {
        return format.extension == "gif" && format.description == "CompuServe GIF Image";
    }));
    EXPECT_EQ(TClassRegistry::Instance().Find("TGIFFrame"), &TGIFFrame::StaticClassInfo());
    TMemoryStream stream(OneFrame(3, 2, 4));
    TPicture picture;
    picture.LoadFromStream(stream);
    ASSERT_TRUE(dynamic_cast<TGIFImage*>(picture.Graphic()));
    EXPECT_EQ(picture.Width(), 3);

    TGIFRegistration::Unregister();
    EXPECT_FALSE(TPicture::FileFormat("gif"));
    EXPECT_FALSE(TPicture::SupportsClipboardFormat("GIF Image"));
}
