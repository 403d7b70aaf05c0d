#pragma once

#include "I_AM2000_OptionsOwner.h"
#include "TFont.h"
#include "TPopupMenu.h"

#include <memory>

class TCustomMainMenu2000;
class TCustomPopupMenu2000Form;
class TImageList;
class TMenuItem2000;
class T_AM2000_DropDownPictures;
class T_AM2000_MenuOptions;

// The component that runs the drop-down windows of the animated menu system: it holds
// the menu-level options, the font, the image list and the 3D setting that every
// drop-down window it opens takes, and owns the open top window.
class TCustomPopupMenu2000 : public TPopupMenu, public I_AM2000_OptionsOwner {
    T_CLASS_INFO
public:
    explicit TCustomPopupMenu2000(TComponent* owner);
    ~TCustomPopupMenu2000() override;

    T_AM2000_MenuOptions* Options() const { return m_options.get(); }
    // The font of the drop-down windows; owned.
    TFont* Font() const { return m_font.get(); }
    // Images for items with an ImageIndex; not owned.
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool ctl3D);
    bool SystemCtl3D() const { return m_systemCtl3D; }
    void SetSystemCtl3D(bool system);

    // Takes over a main menu's options, drop-down font and 3D settings (the menu bar
    // does so before each drop-down) where they differ from those the menu holds.
    void TakeMenuSettings(const TCustomMainMenu2000& menu);

    // The windows this menu opens at the top of a chain underline their accelerators
    // from their first frame (a menu bar's drop-down while the bar shows its underlines).
    bool ShowUnderlines() const { return m_showUnderlines; }
    void SetShowUnderlines(bool show) { m_showUnderlines = show; }

    // Whether drop-down windows get the 3D outer frame, and the least bevel they get:
    // the 3D setting, or with SystemCtl3D the desktop's flat look (no outer frame, a
    // bevel of at least 1).
    bool HasOuterFrame() const;
    int MinimumBevel() const;

    // The effective options of the drop-down window of item's submenu; owned by the
    // caller.
    std::unique_ptr<T_AM2000_MenuOptions> DropDownOptions(const TMenuItem2000& item) const;

    // Makes the drop-down window of item's submenu (or context menu), laid out and
    // painted but not shown yet, closing the one that was open; returns it (owned by
    // this menu).
    TCustomPopupMenu2000Form* OpenDropDown(TMenuItem2000& item, bool contextMenu = false);
    // The open top window, or nullptr.
    TCustomPopupMenu2000Form* DropDown() const { return m_window.get(); }
    void CloseDropDown();

    // The layouts and pictures of this menu's windows, kept between openings; dropped
    // whenever the menu's options, font, images or 3D settings change.
    T_AM2000_DropDownPictures& Pictures() const { return *m_pictures; }

    // The open window lays itself out and paints again, once back in the event loop.
    void OptionsChanged() override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool HoldsSettingsOf(const TCustomMainMenu2000& menu) const;

    std::unique_ptr<T_AM2000_MenuOptions> m_options;
    std::unique_ptr<TFont> m_font;
    TImageList* m_images = nullptr;
    bool m_ctl3D = true;
    bool m_systemCtl3D = false;
    bool m_showUnderlines = false;
    std::unique_ptr<T_AM2000_DropDownPictures> m_pictures;
    std::unique_ptr<TCustomPopupMenu2000Form> m_window;
};
