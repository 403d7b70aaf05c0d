#include "TMenuItem2000.h"

#include "TClassInfo.h"
#include "TMenu.h"
#include "TPopupMenu.h"
#include "T_AM2000_BitmapControl.h"
#include "T_AM2000_ButtonArrayControl.h"
#include "T_AM2000_ButtonControl.h"
#include "T_AM2000_EditControl.h"
#include "T_AM2000_ItemOptions.h"
#include "T_AM2000_MenuItemCache.h"
#include "T_AM2000_TextControl.h"

namespace {

std::unique_ptr<T_AM2000_MenuControl> NewControl(T_AM2000_MenuControlType type)
{
    switch (type) {
    case T_AM2000_MenuControlType::ctlButton:
        return std::make_unique<T_AM2000_ButtonControl>();
    case T_AM2000_MenuControlType::ctlButtonArray:
        return std::make_unique<T_AM2000_ButtonArrayControl>();
    case T_AM2000_MenuControlType::ctlEditbox:
        return std::make_unique<T_AM2000_EditControl>();
    case T_AM2000_MenuControlType::ctlBitmap:
        return std::make_unique<T_AM2000_BitmapControl>();
    case T_AM2000_MenuControlType::ctlText:
        return std::make_unique<T_AM2000_TextControl>();
    case T_AM2000_MenuControlType::ctlNone:
        break;
    }
    return std::make_unique<T_AM2000_MenuControl>();
}

bool NamesNoShortCut(const QString& text)
{
    return text.isEmpty() || text == T_AM2000_MenuItemCache::NoneText;
}

// The first of a stock row's shortcuts (they are separated by ";").
TShortCut StockShortCut(const QString& caption)
{
    const T_AM2000_MenuItemCacheItem* row = T_AM2000_MenuItemCache::Instance().Find(caption);
    return row ? TextToShortCut(row->ShortCutText().section(QLatin1Char(';'), 0, 0)) : scNone;
}

} // namespace

const TClassInfo& TMenuItem2000::StaticClassInfo()
{
    using I = TMenuItem2000;
    static const TClassInfo info("TMenuItem2000", &TMenuItem::StaticClassInfo(), [](TClassInfo& c) {
        c.Creatable<TMenuItem2000>();
        c.Property("Control", &I::Control, &I::SetControl, T_AM2000_MenuControlType::ctlNone);
        c.Object("ControlOptions", &I::ControlOptions).stored = [](const TPersistent* o) {
            return static_cast<const I*>(o)->Control() != T_AM2000_MenuControlType::ctlNone;
        };
        c.Property("Demotable", &I::Demotable, &I::SetDemotable, true);
        c.Property("Hidden", &I::Hidden, &I::SetHidden, false);
        c.Reference("PopupMenu", &I::PopupMenu, &I::SetPopupMenu);
        c.Property("DefaultIndex", &I::DefaultIndex, &I::SetDefaultIndex, -1);
        c.Reference("AttachMenu", &I::AttachMenu, &I::SetAttachMenu);
        c.Object("Options", &I::Options).stored = [](const TPersistent* o) {
            return static_cast<const I*>(o)->IsOptionsStored();
        };
        c.Property("ShortCut", &I::ShortCutText, &I::SetShortCutText, QString()).stored =
            [](const TPersistent* o) { return static_cast<const I*>(o)->IsShortCutStored(); };
        c.Property("NumGlyphs", &I::NumGlyphs, &I::SetNumGlyphs, 1);
        c.Event("OnBeforeDrawItem", &I::OnBeforeDrawItem);
        c.Event("OnMouseDown", &I::OnMouseDown);
        c.Event("OnMouseUp", &I::OnMouseUp);
        c.Event("OnMouseMove", &I::OnMouseMove);
        c.Event("OnEnter", &I::OnEnter);
        c.Event("OnExit", &I::OnExit);
        c.Event("OnStartDrag", &I::OnStartDrag);
        c.Event("OnEndDrag", &I::OnEndDrag);
    });
    return info;
}

TMenuItem2000::TMenuItem2000(TComponent* owner)
    : TMenuItem(owner)
    , m_controlOptions(NewControl(T_AM2000_MenuControlType::ctlNone))
{}

TMenuItem2000::~TMenuItem2000() = default;

TMenuItem2000* TMenuItem2000::ParentItem() const
{
    return dynamic_cast<TMenuItem2000*>(Parent());
}

void TMenuItem2000::SetControl(T_AM2000_MenuControlType type)
{
    if (type == m_control)
        return;
    m_control = type;
    m_controlOptions = NewControl(type);
    m_controlOptions->OnChange = [this] { Changed(); };
    Changed();
}

template <class C> C* TMenuItem2000::ControlOf(const char* kindName) const
{
    auto* control = dynamic_cast<C*>(m_controlOptions.get());
    if (!control)
        throw EInvalidOperation(
            QStringLiteral("%1: This is not %2 control").arg(Name(), QLatin1String(kindName)));
    return control;
}

T_AM2000_ButtonControl* TMenuItem2000::ButtonControl() const
{
    return ControlOf<T_AM2000_ButtonControl>("a Button");
}

T_AM2000_ButtonArrayControl* TMenuItem2000::ButtonArrayControl() const
{
    return ControlOf<T_AM2000_ButtonArrayControl>("a Button Array");
}

T_AM2000_EditControl* TMenuItem2000::EditControl() const
{
    return ControlOf<T_AM2000_EditControl>("an Editbox");
}

void TMenuItem2000::SetDemotable(bool demotable)
{
    if (demotable == m_demotable)
        return;
    m_demotable = demotable;
    Changed();
}

void TMenuItem2000::SetHidden(bool hidden)
{
    if (hidden == m_hidden)
        return;
    m_hidden = hidden;
    Changed(true);
}

void TMenuItem2000::SetPopupMenu(TPopupMenu* menu)
{
    if (menu == m_popupMenu)
        return;
    if (m_popupMenu)
        RemoveFreeNotification(m_popupMenu);
    m_popupMenu = menu;
    FreeNotification(menu);
}

void TMenuItem2000::SetAttachMenu(TMenu* menu)
{
    if (menu == m_attachMenu)
        return;
    if (m_attachMenu)
        RemoveFreeNotification(m_attachMenu);
    m_attachMenu = menu;
    FreeNotification(menu);
    Changed(true);
}

void TMenuItem2000::Notification(TComponent* component, TOperation operation)
{
    TMenuItem::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_popupMenu)
        m_popupMenu = nullptr;
    if (component == m_attachMenu) {
        m_attachMenu = nullptr;
        Changed(true);
    }
}

void TMenuItem2000::SetDefaultIndex(int index)
{
    if (index == m_defaultIndex)
        return;
    m_defaultIndex = index;
    Changed();
}

T_AM2000_ItemOptions* TMenuItem2000::Options() const
{
    if (!m_options)
        m_options = std::make_unique<T_AM2000_ItemOptions>(const_cast<TMenuItem2000*>(this));
    return m_options.get();
}

void TMenuItem2000::SetShortCutText(const QString& text)
{
    if (text == m_shortCutText)
        return;
    const TShortCut shortCut = NamesNoShortCut(text) ? scNone : TextToShortCut(text);
    if (shortCut == scNone && !NamesNoShortCut(text))
        throw EInvalidOperation(QStringLiteral("Invalid shortcut: '%1'").arg(text));
    m_shortCutText = text;
    m_shortCut = shortCut;
    Changed();
}

void TMenuItem2000::SetNumGlyphs(int count)
{
    if (count < 1 || count > MaxGlyphs)
        throw EInvalidOperation(QStringLiteral("Value must be between 1 and %1.").arg(MaxGlyphs));
    if (count == m_numGlyphs)
        return;
    m_numGlyphs = count;
    Changed();
}

void TMenuItem2000::OptionsChanged()
{
    Changed();
}

QString TMenuItem2000::ShownHint() const
{
    return T_AM2000_MenuItemCache::Instance().ItemHint(Hint(), Caption());
}

// A hint the item would get from the stock table anyway is not stored.
bool TMenuItem2000::IsHintStored() const
{
    if (Hint().isEmpty())
        return false;
    const T_AM2000_MenuItemCacheItem* row = T_AM2000_MenuItemCache::Instance().Find(Caption());
    return !row || row->Hint() != Hint();
}

// Nor is the stock shortcut of the caption.
bool TMenuItem2000::IsShortCutStored() const
{
    if (m_shortCutText.isEmpty())
        return false;
    return m_shortCut == scNone || m_shortCut != StockShortCut(Caption());
}

bool TMenuItem2000::IsOptionsStored() const
{
    return m_options && !m_options->HasDefaults();
}
