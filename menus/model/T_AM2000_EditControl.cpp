#include "T_AM2000_EditControl.h"

#include "TBrush.h"
#include "TCanvas.h"
#include "TClassInfo.h"
#include "TFont.h"

const TClassInfo& T_AM2000_EditControl::StaticClassInfo()
{
    using E = T_AM2000_EditControl;
    static const TClassInfo info(
        "T_AM2000_EditControl", &T_AM2000_MenuControl::StaticClassInfo(), [](TClassInfo& c) {
            c.Property("AutoSelect", &E::AutoSelect, &E::SetAutoSelect, true);
            c.Property("Color", &E::Color, &E::SetColor, clWindow);
            c.Property("MaxLength", &E::MaxLength, &E::SetMaxLength, 0);
            c.Property("ReadOnly", &E::ReadOnly, &E::SetReadOnly, false);
            c.Property("Text", &E::Text, &E::SetText, QString());
            c.Property("MinWidth", &E::MinWidth, &E::SetMinWidth, 0);
        });
    return info;
}

namespace {

QRect Box(const QRect& area)
{
    return area.adjusted(0, T_AM2000_EditControl::BoxInset, 0, -T_AM2000_EditControl::BoxInset);
}

} // namespace

QRect T_AM2000_EditControl::TextBox(const QRect& area)
{
    return Box(area).adjusted(1, 1, -1, -1);
}

bool T_AM2000_EditControl::Paint(TCanvas& canvas, const QRect& rect, bool) const
{
    const QRect box = Box(rect);
    canvas.Brush()->SetColor(m_color);
    canvas.FillRect(box);
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.FrameRect(box);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.Font()->SetColor(clWindowText);
    QRect textArea = box.adjusted(TextIndent, 0, -TextIndent, 0);
    QString shown = m_text;
    canvas.TextRect(textArea, shown,
                    {TTextFormat::tfSingleLine, TTextFormat::tfVerticalCenter,
                     TTextFormat::tfNoPrefix, TTextFormat::tfLeft});
    return true;
}
