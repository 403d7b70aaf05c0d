#pragma once

#include "TSpeedButton.h"

// A flat speed button whose glyph is its normal picture, and its hot picture while
// the pointer is over it. Both pictures are the button's own copies.
class TMySpeedButton : public TSpeedButton {
    T_CLASS_INFO
public:
    explicit TMySpeedButton(TComponent* owner);
    ~TMySpeedButton() override;

    TBitmap* HotPicture() const { return m_hotPicture.get(); }
    // Copies the picture; the glyph shows it from the next time the pointer enters.
    void SetHotPicture(const TBitmap* picture);
    TBitmap* NormalPicture() const { return m_normalPicture.get(); }
    // Copies the picture and shows it as the glyph.
    void SetNormalPicture(const TBitmap* picture);

protected:
    void CMMouseEnter() override;
    void CMMouseLeave() override;

private:
    std::unique_ptr<TBitmap> m_hotPicture;
    std::unique_ptr<TBitmap> m_normalPicture;
};
