#pragma once

#include "I_AM2000_OptionsOwner.h"
#include "TEvent.h"
#include "TFont.h"
#include "TMainMenu.h"

#include <functional>
#include <memory>

class TControl;
class TEditableMenuItem2000;
class TMenuItem;
class TMenuItem2000;
class T_AM2000_AnimatedSkin;
class T_AM2000_MenuOptions;
class T_AM2000_Options;

// Close notification of a menu (sender).
using T_AM2000_MenuCloseEvent = TEvent<TObject*>;
// Asked before an item is executed: sender and CanClose (true on entry); false keeps
// the menu open.
using T_AM2000_CloseQueryEvent = TEvent<TObject*, bool&>;

// The animated main menu: an item tree of TMenuItem2000, the menu-level options, the
// font of its drop-down windows and the settings that the drop-downs and the menu bar
// take from it.
class TCustomMainMenu2000 : public TMainMenu, public I_AM2000_OptionsOwner {
    T_CLASS_INFO
public:
    explicit TCustomMainMenu2000(TComponent* owner);
    ~TCustomMainMenu2000() override;

    // The animated main menu whose tree holds item; nullptr for an item of another menu
    // or of none. Safe while item is being freed.
    static TCustomMainMenu2000* OfItem(const TMenuItem& item);

    // The root of the item tree; the top-level items are its children.
    TMenuItem2000* Root() const;
    TEditableMenuItem2000* EditableItems() const { return m_editableItems.get(); }
    T_AM2000_MenuOptions* Options() const { return m_options.get(); }

    // Owned by the menu; used when neither SystemFont nor ParentFont is on.
    TFont* Font() const { return m_font.get(); }
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool parent);
    // Turning it on turns ParentFont off.
    bool SystemFont() const { return m_systemFont; }
    void SetSystemFont(bool system);
    // The font the drop-down windows draw with: the system menu font, the owning
    // window's font, or Font.
    const TFont& DropDownFont() const;

    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool show) { m_showHint = show; }
    bool ParentShowHint() const { return m_parentShowHint; }
    void SetParentShowHint(bool parent) { m_parentShowHint = parent; }
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool ctl3D);
    bool SystemCtl3D() const { return m_systemCtl3D; }
    void SetSystemCtl3D(bool system);
    bool SystemShadow() const { return m_systemShadow; }
    void SetSystemShadow(bool system) { m_systemShadow = system; }
    bool SystemSelectionFade() const { return m_systemSelectionFade; }
    void SetSystemSelectionFade(bool system) { m_systemSelectionFade = system; }
    // Where the long hint of the hovered item is shown, and in which panel.
    TControl* StatusBar() const { return m_statusBar; }
    void SetStatusBar(TControl* statusBar);
    int StatusBarIndex() const { return m_statusBarIndex; }
    void SetStatusBarIndex(int index) { m_statusBarIndex = index; }

    // A fixed product-and-build text. Read-only: a layout that sets it is refused.
    QString Version() const;
    void SetVersion(const QString& version);

    // The optional shared option set; while assigned, the menu's own groups are not
    // stored and the drop-downs take their groups from it.
    T_AM2000_AnimatedSkin* AnimatedSkin() const { return m_animatedSkin; }
    void SetAnimatedSkin(T_AM2000_AnimatedSkin* skin);
    // The options whose groups the drop-downs use: the shared skin's, or the menu's.
    const T_AM2000_Options& GroupOptions() const;
    // The effective options of the drop-down window of item's submenu (see
    // T_AM2000_MenuOptions::ForDropDown); owned by the caller.
    std::unique_ptr<T_AM2000_MenuOptions> DropDownOptions(const TMenuItem2000* item,
                                                          I_AM2000_OptionsOwner* owner) const;

    void OptionsChanged() override;
    // At the end of loading from a layout every menu hands itself to the loaded handler
    // (the menu state storage applies the stored per-user state there).
    void Loaded() override;
    using LoadedHandler = std::function<void(TCustomMainMenu2000&)>;
    // Installs the loaded handler; returns the one it replaces.
    static LoadedHandler SetLoadedHandler(LoadedHandler handler);
    bool OptionGroupsShared() const override { return m_animatedSkin != nullptr; }

    // Fired when any item is executed, before the item's own click.
    TNotifyEvent OnMenuCommand;
    T_AM2000_MenuCloseEvent OnMenuClose;
    T_AM2000_CloseQueryEvent OnCloseQuery;
    // Right click inside a drop-down window.
    TNotifyEvent OnContextMenu;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void SettingChanged();

    std::unique_ptr<TEditableMenuItem2000> m_editableItems;
    std::unique_ptr<T_AM2000_MenuOptions> m_options;
    std::unique_ptr<TFont> m_font;
    T_AM2000_AnimatedSkin* m_animatedSkin = nullptr;
    TControl* m_statusBar = nullptr;
    int m_statusBarIndex = 0;
    bool m_parentFont = false;
    bool m_systemFont = true;
    bool m_showHint = true;
    bool m_parentShowHint = true;
    bool m_ctl3D = true;
    bool m_systemCtl3D = false;
    bool m_systemShadow = false;
    bool m_systemSelectionFade = true;
};
