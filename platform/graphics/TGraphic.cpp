#include "TGraphic.h"

#include "Exception.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TClassInfo.h"
#include "TFileStream.h"
#include "TMemoryStream.h"
#include "TPicture.h"
#include "TResourceStream.h"

#include <typeinfo>

const TClassInfo& TGraphic::StaticClassInfo()
{
    static const TClassInfo info("TGraphic", &TPersistent::StaticClassInfo());
    return info;
}

void TGraphic::SetTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    Changed();
}

void TGraphic::SetModified(bool modified)
{
    if (modified) {
        Changed();
        return;
    }
    m_modified = false;
}

void TGraphic::SetPalette(const QList<QRgb>&) {}

void TGraphic::LoadFromFile(const QString& fileName)
{
    TFileStream stream(fileName, TFileMode::fmOpenRead);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const QString& fileName) const
{
    TFileStream stream(fileName, TFileMode::fmCreate);
    SaveToStream(stream);
}

void TGraphic::LoadFromResourceName(const QString& name)
{
    if (name.isEmpty()) {
        Clear();
        return;
    }
    TResourceStream stream(name);
    LoadFromStream(stream);
    m_resourceName = name;
}

void TGraphic::LoadFromClipboardFormat(const QString& format, const QByteArray&)
{
    throw EInvalidGraphic(QStringLiteral("Unsupported clipboard format %1").arg(format));
}

void TGraphic::Clear()
{
    TMemoryStream nothing;
    LoadFromStream(nothing);
}

std::unique_ptr<TGraphic> TGraphic::Clone() const
{
    for (const TPictureFormat& format : TPicture::FileFormats()) {
        std::unique_ptr<TGraphic> copy = format.factory();
        if (copy && typeid(*copy) == typeid(*this)) {
            copy->Assign(this);
            return copy;
        }
    }
    throw EInvalidGraphic(
        QStringLiteral("Cannot copy a %1: its kind is not registered").arg(ClassInfo().Name()));
}

bool TGraphic::Equals(const TGraphic* other) const
{
    if (!other || typeid(*other) != typeid(*this))
        return false;
    if (other == this)
        return true;
    TMemoryStream mine;
    TMemoryStream theirs;
    SaveToStream(mine);
    other->SaveToStream(theirs);
    return mine.Bytes() == theirs.Bytes();
}

void TGraphic::AssignTo(TPersistent* dest) const
{
    auto* bitmap = dynamic_cast<TBitmap*>(dest);
    if (!bitmap) {
        TPersistent::AssignTo(dest);
        return;
    }
    bitmap->Clear();
    bitmap->SetPixelFormat(TPixelFormat::pfDevice);
    bitmap->SetSize(Width(), Height());
    // Drawing may decode on demand, which changes no state that callers can see.
    bitmap->Canvas()->Draw(0, 0, const_cast<TGraphic*>(this));
}

void TGraphic::Changed()
{
    m_modified = true;
    m_resourceName.clear();
    OnChange(this);
}

void TGraphic::Progress(TProgressStage stage, int percent, bool redrawNow, const QRect& rect,
                        const QString& message)
{
    OnProgress(this, stage, percent, redrawNow, rect, message);
}
