#include "TClipboard.h"

#include "Exception.h"
#include "TBitmap.h"
#include "TClassInfo.h"
#include "TGraphic.h"
#include "TPicture.h"
#include "TPictureMimeData.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>

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

// The graphic of a picture or the graphic itself; nullptr for a picture without one.
const TGraphic* GraphicOf(const TPersistent* source)
{
    if (const auto* picture = dynamic_cast<const TPicture*>(source))
        return picture->Graphic();
    if (const auto* graphic = dynamic_cast<const TGraphic*>(source))
        return graphic;
    throw EInvalidOperation(
        QStringLiteral("Cannot assign a %1 to the clipboard").arg(source->ClassInfo().Name()));
}

// A bitmap has no alpha: transparent parts become white, as on a sheet of paper.
QImage Opaque(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, image);
    return flat;
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
    const TGraphic* graphic = source ? GraphicOf(source) : nullptr;
    std::unique_ptr<QMimeData> data = graphic ? TPictureMimeData::FromGraphic(*graphic) : nullptr;
    if (!data || !data->hasImage()) {
        Clear();
        return;
    }
    SystemClipboard().setMimeData(data.release());
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
    (picture ? picture->Bitmap() : bitmap)->SetImage(Opaque(image));
}

TClipboard& Clipboard()
{
    static TClipboard clipboard;
    return clipboard;
}
