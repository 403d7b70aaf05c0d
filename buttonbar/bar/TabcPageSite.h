#pragma once

class TabcButtonPage;

// What a page tells the button bar that holds it: joining and leaving, moving, and the
// changes of what its button shows. The bar implements these privately; a page reaches
// them through this interface and sees nothing else of the bar's inside.
class TabcPageSite {
public:
    // The page has taken the bar as its parent and joins it, or it is leaving.
    virtual void InsertPage(TabcButtonPage* page) = 0;
    virtual void RemovePage(TabcButtonPage* page) = 0;
    // Raises EListError for an index outside the bar's pages.
    virtual void MovePage(TabcButtonPage* page, int index) = 0;
    // The page's caption, picture, image index or action changed.
    virtual void UpdatePageButton(TabcButtonPage* page) = 0;
    // The page's ButtonVisible changed.
    virtual void UpdatePageButtonVisibility(TabcButtonPage* page) = 0;
    // The page received or lost the keyboard focus.
    virtual void PageFocusChanged(TabcButtonPage* page, bool focused) = 0;

protected:
    ~TabcPageSite() = default;
};
