#include "TabcButtonBar.h"

#include "TClassInfo.h"
#include "TImageList.h"
#include "TabcButtonPage.h"

const TClassInfo& TabcButtonBar::StaticClassInfo()
{
    using B = TabcButtonBar;
    static const TClassInfo info(
        "TabcButtonBar", &TabcCustomButtonBar::StaticClassInfo(), [](TClassInfo& c) {
            c.Creatable<B>();
            c.Reference("ActivePage", &B::ActivePage, &B::SetActivePage);
            c.Property("ActiveFontColor", &B::ActiveFontColor, &B::SetActiveFontColor, clNone);
            c.Property("AnimationSteps", &B::AnimationSteps, &B::SetAnimationSteps, 8);
            c.Property("AnimationTime", &B::AnimationTime, &B::SetAnimationTime, 128);
            c.Property("ButtonAlign", &B::ButtonAlign, &B::SetButtonAlign,
                       TabcBarButtonAlign::abbCenter);
            c.Property("ButtonColor", &B::ButtonColor, &B::SetButtonColor, clBtnFace);
            c.Property("ButtonCursor", &B::ButtonCursor, &B::SetButtonCursor, crHandPoint);
            c.Property("ButtonHeight", &B::ButtonHeight, &B::SetButtonHeight, 21);
            c.Property("ButtonHighlight", &B::ButtonHighlight, &B::SetButtonHighlight,
                       TabcGlyphHighlight::aghNormal);
            c.Property("ButtonStyle", &B::ButtonStyle, &B::SetButtonStyle,
                       TabcButtonStyle::absMidHighlight);
            c.Property("BorderStyle", &B::BorderStyle, &B::SetBorderStyle, TBorderStyle::bsSingle);
            c.Reference("Images", &B::Images, &B::SetImages);
            c.Property("Options", &B::Options, &B::SetOptions,
                       TabcButtonBarOptions{
                           TabcButtonBarOption::abbAnimate, TabcButtonBarOption::abbHotTrack,
                           TabcButtonBarOption::abbDragTrack, TabcButtonBarOption::abbInPlaceEdit});
            c.Event("OnChange", &B::OnChange);
            c.Event("OnChanging", &B::OnChanging);
        });
    return info;
}

TabcButtonBar::TabcButtonBar(TComponent* owner)
    : TabcCustomButtonBar(owner)
{}
