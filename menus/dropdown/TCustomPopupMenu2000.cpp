#include "TCustomPopupMenu2000.h"

#include "TCustomMainMenu2000.h"
#include "TImageList.h"
#include "TMenuItem2000.h"
#include "TPopupMenu2000Form.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_DropDownPictures.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_Skin.h"
#include "T_AM2000_Title.h"
#include "T_AM2000_UpdatingScope.h"

const TClassInfo& TCustomPopupMenu2000::StaticClassInfo()
{
    static const TClassInfo info("TCustomPopupMenu2000", &TPopupMenu::StaticClassInfo());
    return info;
}

TCustomPopupMenu2000::TCustomPopupMenu2000(TComponent* owner)
    : TPopupMenu(owner)
    , m_options(std::make_unique<T_AM2000_MenuOptions>(this))
    , m_font(std::make_unique<TFont>())
    , m_pictures(std::make_unique<T_AM2000_DropDownPictures>())
{
    m_font->OnChange = [this] { OptionsChanged(); };
}

TCustomPopupMenu2000::~TCustomPopupMenu2000()
{
    if (m_images)
        m_images->RemoveChangeListener(this);
}

// Kept pictures show the images as they were.
void TCustomPopupMenu2000::SetImages(TImageList* images)
{
    if (images == m_images)
        return;
    if (m_images) {
        m_images->RemoveChangeListener(this);
        RemoveFreeNotification(m_images);
    }
    m_images = images;
    if (m_images) {
        FreeNotification(m_images);
        m_images->AddChangeListener(this, [this] { m_pictures->Clear(); });
    }
    OptionsChanged();
}

void TCustomPopupMenu2000::SetCtl3D(bool ctl3D)
{
    if (ctl3D == m_ctl3D)
        return;
    m_ctl3D = ctl3D;
    OptionsChanged();
}

void TCustomPopupMenu2000::SetSystemCtl3D(bool system)
{
    if (system == m_systemCtl3D)
        return;
    m_systemCtl3D = system;
    OptionsChanged();
}

void TCustomPopupMenu2000::TakeMenuSettings(const TCustomMainMenu2000& menu)
{
    if (HoldsSettingsOf(menu))
        return;
    {
        T_AM2000_UpdatingScope updating;
        const T_AM2000_MenuOptions& from = *menu.Options();
        m_options->SetAlignment(from.Alignment());
        m_options->SetFlags(from.Flags());
        m_options->SetDraggable(from.Draggable());
        m_options->SetCustomizable(from.Customizable());
        m_options->SetOpacity(from.Opacity());
        m_options->SetAnimation(from.Animation());
        m_options->SetCaption(from.Caption());
        const T_AM2000_Options& groups = menu.GroupOptions();
        m_options->SetColors(groups.Colors());
        m_options->SetMargins(groups.Margins());
        m_options->SetTitle(groups.Title());
        m_options->SetSkin(groups.Skin());
        m_font->Assign(&menu.DropDownFont());
        m_ctl3D = menu.Ctl3D();
        m_systemCtl3D = menu.SystemCtl3D();
    }
    OptionsChanged();
}

// Skin painting handlers cannot be compared: a skin with one is always taken again.
bool TCustomPopupMenu2000::HoldsSettingsOf(const TCustomMainMenu2000& menu) const
{
    const T_AM2000_Options& groups = menu.GroupOptions();
    const T_AM2000_Skin& skin = *groups.Skin();
    return !skin.OnPaintBackground && !skin.OnPaintItemBackground &&
           m_options->SameSettings(*menu.Options()) && m_options->SameGroups(groups) &&
           *m_font == menu.DropDownFont() && m_ctl3D == menu.Ctl3D() &&
           m_systemCtl3D == menu.SystemCtl3D();
}

// The desktop's menus are taken to be flat, as current desktops draw them.
bool TCustomPopupMenu2000::HasOuterFrame() const
{
    return !m_systemCtl3D && m_ctl3D;
}

int TCustomPopupMenu2000::MinimumBevel() const
{
    return m_systemCtl3D ? 1 : 0;
}

std::unique_ptr<T_AM2000_MenuOptions>
TCustomPopupMenu2000::DropDownOptions(const TMenuItem2000& item) const
{
    return m_options->ForDropDown(*m_options, &item);
}

TCustomPopupMenu2000Form* TCustomPopupMenu2000::OpenDropDown(TMenuItem2000& item, bool contextMenu)
{
    CloseDropDown();
    m_window = std::make_unique<TPopupMenu2000Form>(
        *this, item, nullptr,
        contextMenu ? TCustomPopupMenu2000Form::Contents::ContextMenu
                    : TCustomPopupMenu2000Form::Contents::Submenu);
    return m_window.get();
}

void TCustomPopupMenu2000::CloseDropDown()
{
    m_window.reset();
}

void TCustomPopupMenu2000::OptionsChanged()
{
    m_pictures->Clear();
    if (m_window && !T_AM2000_UpdatingScope::Updating())
        m_window->ScheduleRelayout();
}

void TCustomPopupMenu2000::Notification(TComponent* component, TOperation operation)
{
    TPopupMenu::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_images) {
        m_images = nullptr;
        OptionsChanged();
    }
}
