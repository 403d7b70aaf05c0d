#include "TCustomMainMenu2000.h"

#include "TClassInfo.h"
#include "TControl.h"
#include "TEditableMenuItem2000.h"
#include "TMenuItem2000.h"
#include "T_AM2000_AnimatedSkin.h"
#include "T_AM2000_MenuOptions.h"

#include <QApplication>
#include <QFontInfo>

namespace {

// The system's menu font, read once.
const TFont& SystemMenuFont()
{
    static const TFont font = [] {
        const QFont menuFont = QApplication::font("QMenu");
        TFont result;
        result.SetName(menuFont.family());
        result.SetHeight(-QFontInfo(menuFont).pixelSize());
        result.SetColor(clMenuText);
        return result;
    }();
    return font;
}

TCustomMainMenu2000::LoadedHandler& InstalledLoadedHandler()
{
    static TCustomMainMenu2000::LoadedHandler handler;
    return handler;
}

} // namespace

const TClassInfo& TCustomMainMenu2000::StaticClassInfo()
{
    static const TClassInfo info("TCustomMainMenu2000", &TMainMenu::StaticClassInfo());
    return info;
}

TCustomMainMenu2000::TCustomMainMenu2000(TComponent* owner)
    : TMainMenu(owner, std::make_unique<TMenuItem2000>(nullptr))
    , m_editableItems(std::make_unique<TEditableMenuItem2000>(Root()))
    , m_options(std::make_unique<T_AM2000_MenuOptions>(this))
    , m_font(std::make_unique<TFont>())
{
    m_font->OnChange = [this] { SettingChanged(); };
}

TCustomMainMenu2000::~TCustomMainMenu2000()
{
    if (m_animatedSkin)
        m_animatedSkin->RemoveClient(this);
}

TCustomMainMenu2000* TCustomMainMenu2000::OfItem(const TMenuItem& item)
{
    return dynamic_cast<TCustomMainMenu2000*>(item.GetParentMenu());
}

TMenuItem2000* TCustomMainMenu2000::Root() const
{
    return static_cast<TMenuItem2000*>(Items());
}

void TCustomMainMenu2000::SetParentFont(bool parent)
{
    if (parent == m_parentFont)
        return;
    m_parentFont = parent;
    SettingChanged();
}

void TCustomMainMenu2000::SetSystemFont(bool system)
{
    if (system == m_systemFont)
        return;
    m_systemFont = system;
    if (system)
        m_parentFont = false;
    SettingChanged();
}

const TFont& TCustomMainMenu2000::DropDownFont() const
{
    if (m_systemFont)
        return SystemMenuFont();
    if (m_parentFont) {
        if (const auto* window = dynamic_cast<const TControl*>(Owner()))
            return *window->Font();
    }
    return *m_font;
}

void TCustomMainMenu2000::SetCtl3D(bool ctl3D)
{
    if (ctl3D == m_ctl3D)
        return;
    m_ctl3D = ctl3D;
    SettingChanged();
}

void TCustomMainMenu2000::SetSystemCtl3D(bool system)
{
    if (system == m_systemCtl3D)
        return;
    m_systemCtl3D = system;
    SettingChanged();
}

void TCustomMainMenu2000::SetStatusBar(TControl* statusBar)
{
    if (statusBar == m_statusBar)
        return;
    if (m_statusBar)
        RemoveFreeNotification(m_statusBar);
    m_statusBar = statusBar;
    FreeNotification(statusBar);
}

QString TCustomMainMenu2000::Version() const
{
    return QStringLiteral("Zentuvio animated menus 2.0");
}

void TCustomMainMenu2000::SetVersion(const QString&)
{
    throw ELayoutError(QStringLiteral("Version is read-only"));
}

void TCustomMainMenu2000::SetAnimatedSkin(T_AM2000_AnimatedSkin* skin)
{
    if (skin == m_animatedSkin)
        return;
    if (m_animatedSkin) {
        m_animatedSkin->RemoveClient(this);
        RemoveFreeNotification(m_animatedSkin);
    }
    m_animatedSkin = skin;
    if (skin) {
        skin->AddClient(this);
        FreeNotification(skin);
    }
    SettingChanged();
}

const T_AM2000_Options& TCustomMainMenu2000::GroupOptions() const
{
    return m_animatedSkin ? m_animatedSkin->Groups() : *m_options;
}

std::unique_ptr<T_AM2000_MenuOptions>
TCustomMainMenu2000::DropDownOptions(const TMenuItem2000* item, I_AM2000_OptionsOwner* owner) const
{
    return m_options->ForDropDown(GroupOptions(), item, owner);
}

void TCustomMainMenu2000::OptionsChanged()
{
    SettingChanged();
}

void TCustomMainMenu2000::Loaded()
{
    TMainMenu::Loaded();
    if (const LoadedHandler& handler = InstalledLoadedHandler())
        handler(*this);
}

TCustomMainMenu2000::LoadedHandler TCustomMainMenu2000::SetLoadedHandler(LoadedHandler handler)
{
    return std::exchange(InstalledLoadedHandler(), std::move(handler));
}

void TCustomMainMenu2000::Notification(TComponent* component, TOperation operation)
{
    TMainMenu::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_statusBar)
        m_statusBar = nullptr;
    if (component == m_animatedSkin) {
        m_animatedSkin = nullptr;
        SettingChanged();
    }
}

void TCustomMainMenu2000::SettingChanged()
{
    ItemChanged(nullptr, false);
}
