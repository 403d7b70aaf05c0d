#pragma once

#include "TControlActionLink.h"

class TabcCustomPicSpeedBtn;

// The action link of a styled speed button: the action's Checked state puts the button
// down or up, and its ImageIndex picks the button's image.
class TabcPicSpeedBtnActionLink : public TControlActionLink {
public:
    explicit TabcPicSpeedBtnActionLink(TabcCustomPicSpeedBtn* client);

    // Checking defaults, Checked reaches only a button that is up, and ImageIndex only
    // one without an image index.
    void ApplyAction(bool checkDefaults) override;

protected:
    void SetChecked(bool value) override;
    void SetImageIndex(int index) override;

private:
    TabcCustomPicSpeedBtn* m_client;
};
