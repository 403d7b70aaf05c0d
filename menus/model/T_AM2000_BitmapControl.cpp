#include "T_AM2000_BitmapControl.h"

#include "TClassInfo.h"

const TClassInfo& T_AM2000_BitmapControl::StaticClassInfo()
{
    using B = T_AM2000_BitmapControl;
    static const TClassInfo info("T_AM2000_BitmapControl", &T_AM2000_MenuControl::StaticClassInfo(),
                                 [](TClassInfo& c) {
                                     c.Property("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, 1);
                                     c.Resource("Bitmap", &B::Bitmap);
                                 });
    return info;
}

T_AM2000_BitmapControl::T_AM2000_BitmapControl()
    : m_bitmap(std::make_unique<TBitmap>())
{
    m_bitmap->OnChange = [this](TObject*) { Changed(); };
}

T_AM2000_BitmapControl::~T_AM2000_BitmapControl() = default;
