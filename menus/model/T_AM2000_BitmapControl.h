#pragma once

#include "TBitmap.h"
#include "T_AM2000_MenuControl.h"

#include <memory>

// A picture inside an item, with NumGlyphs glyphs side by side in Bitmap.
class T_AM2000_BitmapControl : public T_AM2000_MenuControl {
    T_CLASS_INFO
public:
    T_AM2000_BitmapControl();
    ~T_AM2000_BitmapControl() override;

    // As high as the bitmap, when there is one.
    int Height(int oneLineItem) const override;
    // Glyph 0 (the normal one) at the left, centred vertically; nothing without a bitmap.
    bool Paint(TCanvas& canvas, const QRect& rect, bool selected) const override;

    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int count) { Update(m_numGlyphs, count); }
    // Owned by the control.
    TBitmap* Bitmap() const { return m_bitmap.get(); }

private:
    int m_numGlyphs = 1;
    std::unique_ptr<TBitmap> m_bitmap;
};
