#include "T_AM2000_Options.h"

#include "Exception.h"
#include "I_AM2000_OptionsOwner.h"
#include "TClassInfo.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_Skin.h"
#include "T_AM2000_Title.h"
#include "T_AM2000_UpdatingScope.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int minOpacity = 1;
constexpr int maxOpacity = 100;

constexpr T_AM2000_GroupKind mergeOrder[] = {T_AM2000_GroupKind::Colors,
                                             T_AM2000_GroupKind::Margins, T_AM2000_GroupKind::Skin,
                                             T_AM2000_GroupKind::Title};

} // namespace

const TClassInfo& T_AM2000_Options::StaticClassInfo()
{
    static const TClassInfo info("T_AM2000_Options", &TPersistent::StaticClassInfo(), Declare);
    return info;
}

// The published order: Alignment, Caption, Colors, Draggable, Customizable, Margins,
// Title, Skin.
void T_AM2000_Options::Declare(TClassInfo& c)
{
    using O = T_AM2000_Options;
    const auto storedIfOwn = [](T_AM2000_GroupKind kind) {
        return
            [kind](const TPersistent* o) { return static_cast<const O*>(o)->IsGroupStored(kind); };
    };
    c.Property("Alignment", &O::Alignment, &O::SetAlignment, TAlignment::taLeftJustify);
    c.Property("Caption", &O::Caption, &O::SetCaption, QString());
    c.Object("Colors", &O::Colors).stored = storedIfOwn(T_AM2000_GroupKind::Colors);
    c.Property("Draggable", &O::Draggable, &O::SetDraggable, false);
    c.Property("Customizable", &O::Customizable, &O::SetCustomizable, false);
    c.Object("Margins", &O::Margins).stored = storedIfOwn(T_AM2000_GroupKind::Margins);
    c.Object("Title", &O::Title).stored = storedIfOwn(T_AM2000_GroupKind::Title);
    c.Object("Skin", &O::Skin).stored = storedIfOwn(T_AM2000_GroupKind::Skin);
}

T_AM2000_Options::T_AM2000_Options(I_AM2000_OptionsOwner* owner)
    : m_owner(owner)
{}

T_AM2000_Options::~T_AM2000_Options() = default;

std::unique_ptr<T_AM2000_OptionGroup>& T_AM2000_Options::Slot(T_AM2000_GroupKind kind) const
{
    return m_groups[int(kind)];
}

T_AM2000_OptionGroup* T_AM2000_Options::Group(T_AM2000_GroupKind kind) const
{
    auto& group = Slot(kind);
    if (group)
        return group.get();
    auto* self = const_cast<T_AM2000_Options*>(this);
    switch (kind) {
    case T_AM2000_GroupKind::Colors:
        group = std::make_unique<T_AM2000_Colors>(self);
        break;
    case T_AM2000_GroupKind::Margins:
        group = std::make_unique<T_AM2000_Margins>(self);
        break;
    case T_AM2000_GroupKind::Skin:
        group = std::make_unique<T_AM2000_Skin>(self);
        break;
    case T_AM2000_GroupKind::Title:
        group = std::make_unique<T_AM2000_Title>(self);
        break;
    }
    return group.get();
}

T_AM2000_Title* T_AM2000_Options::Title() const
{
    return static_cast<T_AM2000_Title*>(Group(T_AM2000_GroupKind::Title));
}

T_AM2000_Colors* T_AM2000_Options::Colors() const
{
    return static_cast<T_AM2000_Colors*>(Group(T_AM2000_GroupKind::Colors));
}

T_AM2000_Margins* T_AM2000_Options::Margins() const
{
    return static_cast<T_AM2000_Margins*>(Group(T_AM2000_GroupKind::Margins));
}

T_AM2000_Skin* T_AM2000_Options::Skin() const
{
    return static_cast<T_AM2000_Skin*>(Group(T_AM2000_GroupKind::Skin));
}

void T_AM2000_Options::SetTitle(const T_AM2000_Title* title)
{
    SetGroup(T_AM2000_GroupKind::Title, title);
}

void T_AM2000_Options::SetColors(const T_AM2000_Colors* colors)
{
    SetGroup(T_AM2000_GroupKind::Colors, colors);
}

void T_AM2000_Options::SetMargins(const T_AM2000_Margins* margins)
{
    SetGroup(T_AM2000_GroupKind::Margins, margins);
}

void T_AM2000_Options::SetSkin(const T_AM2000_Skin* skin)
{
    SetGroup(T_AM2000_GroupKind::Skin, skin);
}

void T_AM2000_Options::SetGroup(T_AM2000_GroupKind kind, const T_AM2000_OptionGroup* group)
{
    if (!group) {
        Slot(kind).reset();
        m_parentFlags[int(kind)] = true;
    } else {
        T_AM2000_UpdatingScope updating;
        T_AM2000_OptionGroup* own = Group(kind);
        if (own != group)
            own->Assign(group);
        m_parentFlags[int(kind)] = own->IsDefault();
    }
    Refresh();
}

bool T_AM2000_Options::HasGroup(T_AM2000_GroupKind kind) const
{
    return Slot(kind) != nullptr;
}

bool T_AM2000_Options::HasOwnGroup(T_AM2000_GroupKind kind) const
{
    return !ParentFlag(kind) && HasGroup(kind) && !Slot(kind)->IsDefault();
}

bool T_AM2000_Options::IsGroupStored(T_AM2000_GroupKind kind) const
{
    return HasOwnGroup(kind) && !(m_owner && m_owner->OptionGroupsShared());
}

void T_AM2000_Options::SetAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    Refresh();
}

void T_AM2000_Options::SetFlags(T_AM2000_Flags flags)
{
    if (flags == m_flags)
        return;
    m_flags = flags;
    Refresh();
}

void T_AM2000_Options::SetDraggable(bool draggable)
{
    if (draggable == m_draggable)
        return;
    m_draggable = draggable;
    Refresh();
}

void T_AM2000_Options::SetCustomizable(bool customizable)
{
    if (customizable == m_customizable)
        return;
    m_customizable = customizable;
    Refresh();
}

void T_AM2000_Options::SetOpacity(int opacity)
{
    if (opacity < minOpacity || opacity > maxOpacity)
        throw EInvalidOperation(
            QStringLiteral("Value must be between %1 and %2.").arg(minOpacity).arg(maxOpacity));
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    Refresh();
}

void T_AM2000_Options::SetAnimation(T_AM2000_Animation animation)
{
    if (animation == m_animation)
        return;
    m_animation = animation;
    Refresh();
}

void T_AM2000_Options::SetCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    Refresh();
}

bool T_AM2000_Options::ParentFlag(T_AM2000_GroupKind kind) const
{
    return m_parentFlags[int(kind)];
}

void T_AM2000_Options::SetParentFlag(T_AM2000_GroupKind kind, bool parent)
{
    if (parent == m_parentFlags[int(kind)])
        return;
    m_parentFlags[int(kind)] = parent;
    Refresh();
}

bool T_AM2000_Options::HasDefaults() const
{
    const bool ownGroup =
        std::any_of(std::begin(mergeOrder), std::end(mergeOrder),
                    [this](T_AM2000_GroupKind kind) { return HasOwnGroup(kind); });
    return m_alignment == TAlignment::taLeftJustify && !m_draggable && !m_customizable &&
           m_caption.isEmpty() && !ownGroup;
}

bool T_AM2000_Options::SameSettings(const T_AM2000_Options& other) const
{
    return m_alignment == other.m_alignment && m_flags == other.m_flags &&
           m_draggable == other.m_draggable && m_customizable == other.m_customizable &&
           m_opacity == other.m_opacity && m_animation == other.m_animation &&
           m_caption == other.m_caption;
}

bool T_AM2000_Options::SameGroups(const T_AM2000_Options& other) const
{
    return *Colors() == *other.Colors() && *Margins() == *other.Margins() &&
           *Title() == *other.Title() && *Skin() == *other.Skin();
}

void T_AM2000_Options::GroupChanged(T_AM2000_GroupKind kind)
{
    if (T_AM2000_UpdatingScope::Updating())
        return;
    Refresh();
    m_parentFlags[int(kind)] = false;
}

void T_AM2000_Options::CopySettings(const T_AM2000_Options& other)
{
    m_alignment = other.m_alignment;
    m_draggable = other.m_draggable;
    m_customizable = other.m_customizable;
    m_caption = other.m_caption;
}

void T_AM2000_Options::InheritFrom(const T_AM2000_Options& item)
{
    CopySettings(item);
    for (T_AM2000_GroupKind kind : mergeOrder) {
        if (!ParentFlag(kind))
            continue;
        if (item.HasOwnGroup(kind))
            Group(kind)->Assign(item.Group(kind));
        if (!item.ParentFlag(kind))
            m_parentFlags[int(kind)] = false;
    }
}

void T_AM2000_Options::TakeMenuGroups(const T_AM2000_Options& menu)
{
    for (T_AM2000_GroupKind kind : mergeOrder) {
        if (ParentFlag(kind) && menu.HasOwnGroup(kind))
            Group(kind)->Assign(menu.Group(kind));
    }
}

void T_AM2000_Options::Refresh() const
{
    if (m_owner && !T_AM2000_UpdatingScope::Updating())
        m_owner->OptionsChanged();
}
