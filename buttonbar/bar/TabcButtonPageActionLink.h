#pragma once

#include "TControlActionLink.h"

class TabcButtonPage;

// The action link of a bar page: besides caption, hint and enabled state, the action's
// ImageIndex becomes the page's (and so its button's). The action's Visible state shows
// or hides the page's button: which page is shown is the bar's to say.
class TabcButtonPageActionLink : public TControlActionLink {
public:
    explicit TabcButtonPageActionLink(TabcButtonPage* client);

    // Checking defaults, ImageIndex reaches only a page without an image index.
    void ApplyAction(bool checkDefaults) override;

protected:
    void SetImageIndex(int index) override;
    void SetVisible(bool value) override;

private:
    TabcButtonPage* m_client;
};
