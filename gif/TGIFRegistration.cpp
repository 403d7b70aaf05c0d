#include "TGIFRegistration.h"

#include "TGIFFrame.h"
#include "TGIFImage.h"
#include "TPicture.h"

namespace {
const QString fileExtension = QStringLiteral("gif");
const QString fileDescription = QStringLiteral("CompuServe GIF Image");
const QString clipboardFormat = QStringLiteral("GIF Image");

std::unique_ptr<TGraphic> NewImage()
{
    return std::make_unique<TGIFImage>();
}
} // namespace

void TGIFRegistration::Register()
{
    TPicture::RegisterFileFormat(fileExtension, fileDescription, NewImage);
    TPicture::RegisterClipboardFormat(clipboardFormat, NewImage);
    // Asking for the class information enters the class into the class registry.
    TGIFImage::StaticClassInfo();
    TGIFFrame::StaticClassInfo();
}

void TGIFRegistration::Unregister()
{
    TPicture::UnregisterFileFormat(fileExtension);
    TPicture::UnregisterClipboardFormat(clipboardFormat);
}
