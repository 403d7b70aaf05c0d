#include "TMySpeedButton.h"

#include "TClassInfo.h"

const TClassInfo& TMySpeedButton::StaticClassInfo()
{
    static const TClassInfo info(
        "TMySpeedButton", &TSpeedButton::StaticClassInfo(), [](TClassInfo& c) {
            c.Creatable<TMySpeedButton>();
            c.Property("Flat", &TMySpeedButton::Flat, &TMySpeedButton::SetFlat, true);
            c.Resource("HotPicture", &TMySpeedButton::HotPicture, &TMySpeedButton::SetHotPicture);
            c.Resource("NormalPicture", &TMySpeedButton::NormalPicture,
                       &TMySpeedButton::SetNormalPicture);
        });
    return info;
}

TMySpeedButton::TMySpeedButton(TComponent* owner)
    : TSpeedButton(owner)
    , m_hotPicture(std::make_unique<TBitmap>())
    , m_normalPicture(std::make_unique<TBitmap>())
{
    SetFlat(true);
}

TMySpeedButton::~TMySpeedButton() = default;

void TMySpeedButton::SetHotPicture(const TBitmap* picture)
{
    m_hotPicture->Assign(picture);
}

void TMySpeedButton::SetNormalPicture(const TBitmap* picture)
{
    m_normalPicture->Assign(picture);
    SetGlyph(m_normalPicture.get());
}

void TMySpeedButton::CMMouseEnter()
{
    SetGlyph(m_hotPicture.get());
    TSpeedButton::CMMouseEnter();
}

void TMySpeedButton::CMMouseLeave()
{
    SetGlyph(m_normalPicture.get());
    TSpeedButton::CMMouseLeave();
}
