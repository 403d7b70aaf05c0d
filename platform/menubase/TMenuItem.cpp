#include "TMenuItem.h"

#include "TClassInfo.h"
#include "TMenu.h"
#include "TPopupMenu.h"

#include <algorithm>

const TClassInfo& TMenuItem::StaticClassInfo()
{
    static const TClassInfo info("TMenuItem", &TComponent::StaticClassInfo(), [](TClassInfo& c) {
        c.Creatable<TMenuItem>();
        c.Resource("Bitmap", &TMenuItem::Bitmap);
        c.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption, QString());
        c.Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked, false);
        c.Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault, false);
        c.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true);
        c.Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint, QString()).stored =
            [](const TPersistent* o) { return static_cast<const TMenuItem*>(o)->IsHintStored(); };
        c.Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex, -1);
        c.Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem, false);
        c.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true);
        c.Event("OnClick", &TMenuItem::OnClick);
        c.Event("OnMeasureItem", &TMenuItem::OnMeasureItem);
        c.Event("OnDrawItem", &TMenuItem::OnDrawItem);
        c.Event("OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem);
    });
    return info;
}

TMenuItem::TMenuItem(TComponent* owner)
    : TComponent(owner)
    , m_bitmap(std::make_unique<TBitmap>())
{
    m_bitmap->OnChange = [this](TObject*) { Changed(); };
}

TMenuItem::~TMenuItem()
{
    if (m_menu)
        m_menu->Remove(this);
    if (m_parent)
        m_parent->Remove(this);
    for (TMenuItem* item : m_items)
        item->m_parent = nullptr;
}

void TMenuItem::SetCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    Changed();
}

void TMenuItem::SetChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    Changed();
}

void TMenuItem::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    Changed();
}

void TMenuItem::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    Changed(true);
}

void TMenuItem::SetRadioItem(bool radioItem)
{
    if (radioItem == m_radioItem)
        return;
    m_radioItem = radioItem;
    Changed();
}

void TMenuItem::SetDefault(bool isDefault)
{
    if (isDefault == m_default)
        return;
    m_default = isDefault;
    Changed();
}

void TMenuItem::SetHint(const QString& hint)
{
    m_hint = hint; // shown only while the item is hovered: nothing to repaint
}

void TMenuItem::SetImageIndex(int index)
{
    if (index == m_imageIndex)
        return;
    m_imageIndex = index;
    Changed();
}

void TMenuItem::SetBitmap(const TBitmap* bitmap)
{
    m_bitmap->Assign(bitmap);
}

bool TMenuItem::IsLine() const
{
    return m_caption == QLatin1String("-");
}

TMenuItem* TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return m_items[std::size_t(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    const auto found = std::find(m_items.begin(), m_items.end(), item);
    return found == m_items.end() ? -1 : int(found - m_items.begin());
}

void TMenuItem::Add(TMenuItem* item)
{
    Insert(LastPosition(item), item);
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (item->Contains(this))
        throw EInvalidOperation(QStringLiteral("Cannot insert a menu item into itself"));
    if (index < 0 || index > LastPosition(item))
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    if (item->m_parent)
        item->m_parent->Remove(item);
    m_items.insert(m_items.begin() + index, item);
    item->m_parent = this;
    Changed(true);
}

void TMenuItem::Remove(TMenuItem* item)
{
    if (std::erase(m_items, item) == 0)
        return;
    item->m_parent = nullptr;
    Changed(true);
}

// The position after the last item once item has left its place (it may be one of ours).
int TMenuItem::LastPosition(const TMenuItem* item) const
{
    return Count() - (item->m_parent == this ? 1 : 0);
}

bool TMenuItem::Contains(const TMenuItem* item) const
{
    for (const TMenuItem* up = item; up; up = up->m_parent) {
        if (up == this)
            return true;
    }
    return false;
}

const TMenuItem& TMenuItem::Root() const
{
    const TMenuItem* root = this;
    while (root->m_parent)
        root = root->m_parent;
    return *root;
}

TMenu* TMenuItem::GetParentMenu() const
{
    return Root().m_rootOf;
}

TMenuViewers* TMenuItem::Viewers() const
{
    const TMenuItem& root = Root();
    if (root.m_rootOf)
        return &root.m_rootOf->Viewers();
    return root.m_menu ? &root.m_menu->Viewers() : nullptr;
}

void TMenuItem::Click()
{
    if (m_enabled)
        OnClick(this);
}

void TMenuItem::SetParentComponent(TComponent* parent)
{
    if (auto* menu = dynamic_cast<TPopupMenu*>(parent))
        menu->Add(this);
    else if (auto* treeMenu = dynamic_cast<TMenu*>(parent))
        treeMenu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
}

std::vector<TComponent*> TMenuItem::ChildComponents(const TComponent* root) const
{
    std::vector<TComponent*> children;
    for (TMenuItem* item : m_items) {
        if (item->Owner() == root)
            children.push_back(item);
    }
    return children;
}

void TMenuItem::Changed(bool rebuild)
{
    const TMenuItem& root = Root();
    if (root.m_rootOf)
        root.m_rootOf->ItemChanged(this, rebuild);
    else if (root.m_menu)
        root.m_menu->ItemChanged(this, rebuild);
}
