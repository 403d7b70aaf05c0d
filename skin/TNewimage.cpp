#include "TNewimage.h"

#include "TClassInfo.h"

const TClassInfo& TNewimage::StaticClassInfo()
{
    static const TClassInfo info("TNewimage", &TImage::StaticClassInfo(), [](TClassInfo& c) {
        c.Creatable<TNewimage>();
        c.Event("OnMouseEnter", &TNewimage::OnMouseEnter);
        c.Event("OnMouseLeave", &TNewimage::OnMouseLeave);
    });
    return info;
}

TNewimage::TNewimage(TComponent* owner)
    : TImage(owner)
{}

void TNewimage::CMMouseEnter()
{
    TImage::CMMouseEnter();
    OnMouseEnter(this);
}

void TNewimage::CMMouseLeave()
{
    TImage::CMMouseLeave();
    OnMouseLeave(this);
}
