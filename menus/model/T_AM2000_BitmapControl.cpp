#include "T_AM2000_BitmapControl.h"

#include "TCanvas.h"
#include "TClassInfo.h"

#include <algorithm>

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

int T_AM2000_BitmapControl::Height(int oneLineItem) const
{
    return m_bitmap->Empty() ? oneLineItem : m_bitmap->Height();
}

bool T_AM2000_BitmapControl::Paint(TCanvas& canvas, const QRect& rect, bool) const
{
    if (m_bitmap->Empty())
        return true;
    const QImage& image = m_bitmap->Image();
    const QSize glyph(image.width() / std::max(m_numGlyphs, 1), image.height());
    const QPoint at(rect.x(), rect.y() + (rect.height() - glyph.height()) / 2);
    canvas.DrawImage(QRect(at, glyph), image, QRect(QPoint(0, 0), glyph));
    return true;
}
