#pragma once

#include "TImage.h"

// A picture that tells when the pointer enters and leaves it: the base of every
// picture button of the skinned windows.
class TNewimage : public TImage {
    T_CLASS_INFO
public:
    explicit TNewimage(TComponent* owner);

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    void CMMouseEnter() override;
    void CMMouseLeave() override;
};
