#include "TClipboard.h"

#include "Exception.h"
#include "TBitmap.h"
#include "TClassInfo.h"
#include "TPicture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

const TClassInfo& TClipboard::StaticClassInfo()
{
    static const TClassInfo info("TClipboard", &TPersistent::StaticClassInfo());
    return info;
}

namespace {

QClipboard& SystemClipboard()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw EInvalidOperation(QStringLiteral("The clipboard is not available"));
    return *clipboard;
}

// The pixels of a picture or graphic, drawn into a bitmap when it is another kind.
QImage ImageOf(const TPersistent* source)
{
    const TGraphic* graphic = dynamic_cast<const TGraphic*>(source);
    if (const auto* picture = dynamic_cast<const TPicture*>(source))
        graphic = picture->Graphic();
    else if (!graphic)
        throw EInvalidOperation(
            QStringLiteral("Cannot assign a %1 to the clipboard").arg(source->ClassInfo().Name()));
    if (!graphic || graphic->Empty())
        return {};
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(graphic))
        return bitmap->Image();
    TBitmap converted;
    converted.Assign(graphic);
    return converted.Image();
}

} // namespace

TClipboard::TClipboard() = default;

bool TClipboard::HasFormat(TClipboardFormat format) const
{
    if (format != CF_BITMAP)
        return false;
    const QMimeData* data = SystemClipboard().mimeData();
    return data && data->hasImage();
}

void TClipboard::Assign(const TPersistent* source)
{
    const QImage image = source ? ImageOf(source) : QImage();
    if (image.isNull()) {
        Clear();
        return;
    }
    SystemClipboard().setImage(image);
}

void TClipboard::Clear()
{
    SystemClipboard().clear();
}

void TClipboard::AssignTo(TPersistent* dest) const
{
    auto* picture = dynamic_cast<TPicture*>(dest);
    auto* bitmap = dynamic_cast<TBitmap*>(dest);
    if (!picture && !bitmap) {
        TPersistent::AssignTo(dest);
        return;
    }
    const QImage image = HasFormat(CF_BITMAP) ? SystemClipboard().image() : QImage();
    if (image.isNull())
        throw EInvalidOperation(QStringLiteral("Clipboard holds no bitmap"));
    (picture ? picture->Bitmap() : bitmap)->SetImage(image.convertToFormat(QImage::Format_RGB32));
}

TClipboard& Clipboard()
{
    static TClipboard clipboard;
    return clipboard;
}
