#pragma once

#include "TGraphicControl.h"
#include "TPicture.h"

// Shows a picture: at its own size from the top-left corner, centred, or stretched
// over the control. With AutoSize the control takes the picture's size; with
// Transparent the picture's transparent pixels let the parent show through.
class TImage : public TGraphicControl {
    T_CLASS_INFO
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    TPicture* Picture() const { return m_picture.get(); }
    void SetPicture(const TPicture* picture) { m_picture->Assign(picture); }
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool value);
    bool Center() const { return m_center; }
    void SetCenter(bool value);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    bool Proportional() const { return m_proportional; }
    void SetProportional(bool value);

    // Where the picture is drawn, in the control's coordinates.
    QRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();
    void ApplyAutoSize();

    std::unique_ptr<TPicture> m_picture;
    bool m_stretch = false;
    bool m_center = false;
    bool m_autoSize = false;
    bool m_transparent = false;
    bool m_proportional = false;
};
