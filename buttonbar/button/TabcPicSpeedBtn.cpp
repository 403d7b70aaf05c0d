#include "TabcPicSpeedBtn.h"

#include "TAction.h"
#include "TClassInfo.h"
#include "TImageList.h"
#include "TPicture.h"
#include "TabcCustomWaveList.h"

const TClassInfo& TabcPicSpeedBtn::StaticClassInfo()
{
    using B = TabcPicSpeedBtn;
    static const TClassInfo info(
        "TabcPicSpeedBtn", &TabcCustomPicSpeedBtn::StaticClassInfo(), [](TClassInfo& c) {
            c.Creatable<B>();
            c.Property("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp, false);
            c.Property("GroupIndex", &B::GroupIndex, &B::SetGroupIndex, 0);
            c.Property("Down", &B::Down, &B::SetDown, false);
            c.Property("Caption", &B::Caption, &B::SetCaption, QString());
            c.Property("DisabledShadow", &B::DisabledShadow, &B::SetDisabledShadow, true);
            c.Property("Layout", &B::Layout, &B::SetLayout, TabcButtonLayout::ablGlyphLeft);
            c.Property("Margin", &B::Margin, &B::SetMargin, -1);
            c.Property("Spacing", &B::Spacing, &B::SetSpacing, 4);
            c.Property("PictureHighlight", &B::PictureHighlight, &B::SetPictureHighlight,
                       TabcGlyphHighlight::aghNormal);
            c.Property("Popup", &B::Popup, &B::SetPopup, true);
            c.Property("Style", &B::Style, &B::SetStyle, TabcButtonStyle::absThin);
            c.Property("TextStyle", &B::TextStyle, &B::SetTextStyle, TabcTextStyle::tsNormal);
            c.Resource("Picture", &B::Picture);
            c.Property("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, 1);
            c.Property("TransparentColor", &B::TransparentColor, &B::SetTransparentColor,
                       clDefault);
            c.Reference("Images", &B::Images, &B::SetImages);
            c.Property("ImageIndex", &B::ImageIndex, &B::SetImageIndex, -1);
            c.Reference("Action", &B::Action, &B::SetAction);
            c.Reference("SoundList", &B::SoundList, &B::SetSoundList);
            c.Property("SoundDown", &B::SoundDown, &B::SetSoundDown, -1);
            c.Property("SoundOver", &B::SoundOver, &B::SetSoundOver, -1);
            c.Event("BeforeClick", &B::BeforeClick);
            c.Event("BeforeMouseDown", &B::BeforeMouseDown);
            c.Event("OnMouseEnter", &B::OnMouseEnter);
            c.Event("OnMouseLeave", &B::OnMouseLeave);
        });
    return info;
}

TabcPicSpeedBtn::TabcPicSpeedBtn(TComponent* owner)
    : TabcCustomPicSpeedBtn(owner)
{}
