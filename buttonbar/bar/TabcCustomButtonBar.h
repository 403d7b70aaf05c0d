#pragma once

#include "TabcButtonBarDocking.h"
#include "TabcButtonTypes.h"
#include "TabcCustomEdgePanel.h"
#include "TabcPageSite.h"

#include <vector>

class TImageList;
class TabcBarBtn;
class TabcButtonPage;

enum class TabcBarButtonAlign { abbCenter, abbLeft };
T_ENUM_NAMES(TabcBarButtonAlign, "abbCenter", "abbLeft");

enum class TabcButtonBarOption {
    abbAnimate,
    abbHotTrack,
    abbDragTrack,
    abbInPlaceEdit,
    abbButtonDown,
    abbShowFocus
};
T_ENUM_NAMES(TabcButtonBarOption, "abbAnimate", "abbHotTrack", "abbDragTrack", "abbInPlaceEdit",
             "abbButtonDown", "abbShowFocus");
using TabcButtonBarOptions = TSet<TabcButtonBarOption>;

using TabcButtonPageChangingEvent = TEvent<TObject*, TabcButtonPage*, bool&>;

// A pageable, stacked button bar. Each page has one full-width caption button; the
// buttons of the pages up to the open one stand at the top, the others at the bottom,
// and the open page fills the space between. Opening another page slides the buttons
// between the two pages across the free space in AnimationSteps steps, waiting for
// events (never spinning) until each step's deadline.
class TabcCustomButtonBar : public TabcCustomEdgePanel, public TabcPageSite {
    T_CLASS_INFO
public:
    explicit TabcCustomButtonBar(TComponent* owner);
    ~TabcCustomButtonBar() override;

    const std::vector<TabcButtonPage*>& Pages() const { return m_pages; }
    const std::vector<TabcBarBtn*>& Buttons() const { return m_buttons; }
    int PageCount() const { return int(m_pages.size()); }
    int IndexOfPage(const TabcButtonPage* page) const;
    TabcBarBtn* ButtonOf(const TabcButtonPage* page) const;

    TabcButtonPage* ActivePage() const { return m_activePage; }
    void SetActivePage(TabcButtonPage* page);
    TColor ActiveFontColor() const { return m_activeFontColor; }
    void SetActiveFontColor(TColor color);
    int AnimationSteps() const { return m_animationSteps; }
    // 0 is stored as 1.
    void SetAnimationSteps(int steps);
    // Total time of a page change, milliseconds.
    int AnimationTime() const { return m_animationTime; }
    void SetAnimationTime(int milliseconds);
    TabcBarButtonAlign ButtonAlign() const { return m_buttonAlign; }
    void SetButtonAlign(TabcBarButtonAlign align);
    TColor ButtonColor() const { return m_buttonColor; }
    void SetButtonColor(TColor color);
    TCursor ButtonCursor() const { return m_buttonCursor; }
    void SetButtonCursor(TCursor cursor);
    // Pixels; a negative height raises EInvalidOperation and keeps the old one.
    int ButtonHeight() const { return m_buttonHeight; }
    void SetButtonHeight(int height);
    TabcGlyphHighlight ButtonHighlight() const { return m_buttonHighlight; }
    void SetButtonHighlight(TabcGlyphHighlight highlight);
    TabcButtonStyle ButtonStyle() const { return m_buttonStyle; }
    void SetButtonStyle(TabcButtonStyle style);
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);
    TabcButtonBarOptions Options() const { return m_options; }
    void SetOptions(TabcButtonBarOptions options);
    // A sunken two-pixel border around the bar (bsSingle) or none.
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);

    // The client rectangle less the border and the bevels on the sides BevelEdges names.
    QRect InnerRect() const;
    // The page FindNextPage finds from current in a direction; may be current itself.
    TabcButtonPage* FindNextPage(TabcButtonPage* current, bool forward, bool visibleOnly) const;
    void SelectNextPage(bool forward);
    // Opens page at once, without waiting for the animation: something dragged over its
    // button asks for it.
    void OpenPageForDrag(TabcButtonPage* page);
    // While a page opens for something dragged over its button: the change does not wait.
    bool DragSwitching() const { return m_dragSwitch; }
    void EditActivePageCaption();
    bool Editing() const { return m_editing; }
    void SetEditing(bool editing) { m_editing = editing; }
    bool Changing() const { return m_changing; }
    // The control docked on page, or nullptr.
    TControl* DockedControlOf(const TabcButtonPage* page) const;
    // A control already docked on one of the pages cannot dock again.
    bool CanDockClient(const TControl* control) const override;
    // The open page's screen rectangle, or the bar's without one.
    QRect DockRect() const override;

    std::vector<TComponent*> ChildComponents(const TComponent* root) const override;
    void Loaded() override;

    TNotifyEvent OnChange;
    TabcButtonPageChangingEvent OnChanging;

protected:
    void AlignControls() override;
    void Paint() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void DoEnter() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void Notification(TComponent* component, TOperation operation) override;
    // A docked control gets a page of its own that follows its caption and visibility;
    // the page goes once the control has left.
    void DockDrop(TControl* control) override;
    void UnDockClient(TControl* control) override;
    void DockClientLeft(TControl* control, TWinControl* formerParent) override;
    void DockClientCaptionChanged(TControl* control) override;
    void DockClientVisibilityChanged(TControl* control) override;

private:
    // What the pages tell their bar.
    void InsertPage(TabcButtonPage* page) override;
    void RemovePage(TabcButtonPage* page) override;
    void MovePage(TabcButtonPage* page, int index) override;
    void UpdatePageButton(TabcButtonPage* page) override;
    void UpdatePageButtonVisibility(TabcButtonPage* page) override;
    void PageFocusChanged(TabcButtonPage* page, bool focused) override;

    void ShowPageButton(TabcButtonPage* page);
    void HidePageButton(TabcButtonPage* page);
    bool CanChange(TabcButtonPage* page);
    // False when page was freed while it slid in: the old page then stays open.
    bool ChangeActivePage(TabcButtonPage* page);
    void Change();
    void UpdateButtonFont(TabcButtonPage* page);
    void UpdateButtonDown(bool keepDown);
    bool AnyButtonVisible() const;
    void ShowOnlyActivePage();
    bool Showing() const;
    int ButtonMargin() const;
    bool SelectPageByAccelerator(QChar character);
    template <class Apply> void ForEachButtonAligned(Apply apply);

    std::vector<TabcButtonPage*> m_pages;
    std::vector<TabcBarBtn*> m_buttons;
    TColor m_activeFontColor = clNone;
    TabcButtonPage* m_activePage = nullptr;
    bool m_changing = false;
    int m_animationSteps = 8;
    int m_animationTime = 128; // milliseconds
    TabcBarButtonAlign m_buttonAlign = TabcBarButtonAlign::abbCenter;
    TColor m_buttonColor = clBtnFace;
    TCursor m_buttonCursor = crHandPoint;
    int m_buttonHeight = 21; // pixels
    TabcGlyphHighlight m_buttonHighlight = TabcGlyphHighlight::aghNormal;
    TabcButtonStyle m_buttonStyle = TabcButtonStyle::absMidHighlight;
    bool m_dragSwitch = false;
    bool m_editing = false;
    TImageList* m_images = nullptr;
    TabcButtonBarOptions m_options = {
        TabcButtonBarOption::abbAnimate, TabcButtonBarOption::abbHotTrack,
        TabcButtonBarOption::abbDragTrack, TabcButtonBarOption::abbInPlaceEdit};
    TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
    // The bar's size at its first page change, recorded once.
    QSize m_firstSize{0, 0};
    bool m_destroying = false;
    TabcButtonBarDocking m_docking{*this};
};
