#include "TMenuStateLoader.h"

#include "Exception.h"
#include "MenuStateWarning.h"
#include "SameName.h"
#include "TCustomMainMenu2000.h"
#include "TMenuItem2000.h"
#include "TMenuItemRecords.h"
#include "TMenuItemState.h"
#include "TMenuStorage.h"
#include "TRegistry.h"
#include "T_AM2000_MenuOptions.h"

namespace {

const QString OptionsKey = QStringLiteral("Options");
const QString NewItemsKey = QStringLiteral("New Menu Items");
const QString AnimationValue = QStringLiteral("Animation");

// The animation of that name; the first kind, anNone, for a name that is none.
T_AM2000_Animation AnimationNamed(const QString& name)
{
    const auto names = TEnumNames<T_AM2000_Animation>::Names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (name == QLatin1String(names[i]))
            return T_AM2000_Animation(i);
    }
    return T_AM2000_Animation::anNone;
}

} // namespace

void TMenuStateLoader::Apply(TCustomMainMenu2000& menu)
{
    if (TMenuStorage::Instance().Mode() != TMenuStorageMode::smRegistry || menu.Name().isEmpty())
        return;
    TRegistry registry;
    if (registry.Damaged()) {
        MenuStateWarning(QStringLiteral("%1 cannot be read; the menus keep their layout")
                             .arg(registry.FileName()));
        return;
    }
    TMenuStateLoader loader(menu, registry);
    loader.ApplyOptions();
    loader.ApplyItems();
    try {
        registry.Flush();
    } catch (const Exception& error) {
        MenuStateWarning(error.Message());
    }
}

TMenuStateLoader::TMenuStateLoader(TCustomMainMenu2000& menu, TRegistry& registry)
    : m_menu(menu)
    , m_registry(registry)
    , m_menuKey(TMenuStorage::Instance().MenuKey(menu.Name()))
{}

void TMenuStateLoader::Warn(const QString& skipped, const QString& where, const QString& why) const
{
    MenuStateWarning(QStringLiteral("skipped %1 in %2: %3").arg(skipped, where, why));
}

void TMenuStateLoader::ApplyOptions()
{
    if (!m_registry.OpenKey(m_menuKey + QLatin1Char('\\') + OptionsKey, false))
        return;
    T_AM2000_MenuOptions* options = m_menu.Options();
    if (m_registry.ValueHasData(AnimationValue))
        options->SetAnimation(AnimationNamed(m_registry.ReadString(AnimationValue)));
    T_AM2000_Flags flags = options->Flags();
    const auto names = TEnumNames<T_AM2000_Flag>::Names();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString name = QLatin1String(names[i]);
        if (!m_registry.ValueHasData(name))
            continue;
        try {
            const auto flag = T_AM2000_Flag(i);
            m_registry.ReadBool(name) ? flags.Include(flag) : flags.Exclude(flag);
        } catch (const Exception&) {
            Warn(QStringLiteral("%1=%2").arg(name, m_registry.ReadString(name)),
                 m_registry.CurrentPath(), QStringLiteral("not a number"));
        }
    }
    options->SetFlags(flags);
}

void TMenuStateLoader::ApplyItems()
{
    if (m_registry.OpenKey(m_menuKey + QLatin1Char('\\') + NewItemsKey, false))
        m_itemsWithAdditions = m_registry.GetKeyNames();
    std::vector<Step> steps;
    WalkFrom(m_menu.Items(), steps);
    // Every layout value is taken before the first move shifts an item's siblings.
    for (const Step& step : steps) {
        if (!step.addItems)
            TMenuItemRecords::Instance().RecordLayout(step.item);
    }
    for (const Step& step : steps) {
        if (step.addItems) {
            AddItems(step.item);
            continue;
        }
        m_registry.OpenKey(m_menuKey, true);
        const QString where = m_registry.CurrentPath() + QLatin1Char('\\') + step.item->Name();
        ApplyState(step.item, m_registry.ReadString(step.item->Name()), where);
    }
    // The menu's key exists from the first run on, even while it holds nothing.
    m_registry.OpenKey(m_menuKey, true);
}

// Lists the walk over the tree as it stands, so that moves made while applying can
// neither skip an item nor visit it twice.
void TMenuStateLoader::WalkFrom(TMenuItem* parent, std::vector<Step>& steps) const
{
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* child = parent->Items(i);
        auto* item = dynamic_cast<TMenuItem2000*>(child);
        const bool named = item && !item->Name().isEmpty();
        if (named)
            steps.push_back({item, false});
        WalkFrom(child, steps);
        if (named && m_itemsWithAdditions.contains(item->Name()))
            steps.push_back({item, true});
    }
}

void TMenuStateLoader::AddItems(TMenuItem2000* item)
{
    const QString key =
        m_menuKey + QLatin1Char('\\') + NewItemsKey + QLatin1Char('\\') + item->Name();
    const int count = AddedCount(key);
    TComponent* owner = m_menu.Owner() ? m_menu.Owner() : &m_menu;
    for (int i = 0; i < count; ++i) {
        auto* added = new TMenuItem2000(owner);
        item->Add(added);
        const QString name = QString::number(i);
        ApplyState(added, m_registry.ReadString(name),
                   m_registry.CurrentPath() + QLatin1Char('\\') + name);
    }
}

// The stored number of items added under the key; 0 when there is none or it is not a
// usable count.
int TMenuStateLoader::AddedCount(const QString& key)
{
    if (!m_registry.OpenKey(key, false) || !m_registry.ValueHasData(TMenuStorage::CountValue))
        return 0;
    const QString skipped = TMenuStorage::CountValue + QLatin1Char('=') +
                            m_registry.ReadString(TMenuStorage::CountValue);
    try {
        const int count = m_registry.ReadInteger(TMenuStorage::CountValue);
        if (count >= 0 && count <= MaxAddedItems)
            return count;
        Warn(skipped, m_registry.CurrentPath(),
             QStringLiteral("not a count of 0 to %1 items").arg(MaxAddedItems));
    } catch (const Exception&) {
        Warn(skipped, m_registry.CurrentPath(), QStringLiteral("not an integer"));
    }
    return 0;
}

void TMenuStateLoader::ApplyState(TMenuItem2000* item, const QString& text, const QString& where)
{
    QStringList malformed;
    const TMenuItemState state = TMenuItemState::Parse(text, &malformed);
    for (const QString& field : malformed)
        Warn(field, where, QStringLiteral("not a decimal number"));
    if (state.hidden)
        item->SetHidden(*state.hidden);
    if (state.shortCut)
        ApplyShortCut(item, *state.shortCut, where);
    if (state.visible)
        item->SetVisible(*state.visible);
    if (state.caption)
        item->SetCaption(*state.caption);
    if (state.lastTimeUsed)
        TMenuItemRecords::Instance().SetLastTimeUsed(item, *state.lastTimeUsed);
    const TMenuItem* parent = item->Parent();
    if (state.parent && parent && !SameName(*state.parent, parent->Name()))
        MoveUnder(item, *state.parent, where);
    if (state.menuIndex && item->Parent() && *state.menuIndex != item->Parent()->IndexOf(item))
        MoveTo(item, *state.menuIndex);
}

void TMenuStateLoader::ApplyShortCut(TMenuItem2000* item, const QString& text, const QString& where)
{
    try {
        item->SetShortCutText(text);
    } catch (const Exception& error) {
        Warn(QStringLiteral("ShortCut=\"%1\"").arg(text), where, error.Message());
    }
}

// Moves the item under the named item of the same menu, or to the menu's root for an
// empty name; a name that is no item of the menu, or the item itself or one of its own
// sub-items, leaves it where it is.
void TMenuStateLoader::MoveUnder(TMenuItem2000* item, const QString& parentName,
                                 const QString& where)
{
    TMenuItem* parent =
        parentName.isEmpty() ? m_menu.Items() : FindItem(m_menu.Items(), parentName);
    const QString skipped = QStringLiteral("Parent=\"%1\"").arg(parentName);
    if (!parent)
        return Warn(skipped, where, QStringLiteral("no item of this menu has that name"));
    for (const TMenuItem* up = parent; up; up = up->Parent()) {
        if (up == item)
            return Warn(skipped, where, QStringLiteral("an item cannot go under itself"));
    }
    parent->Add(item);
}

// Moves the item to that position among its siblings, or to the last one.
void TMenuStateLoader::MoveTo(TMenuItem2000* item, int index)
{
    TMenuItem* parent = item->Parent();
    parent->Insert(std::min(index, parent->Count() - 1), item);
}

TMenuItem* TMenuStateLoader::FindItem(TMenuItem* from, const QString& name) const
{
    for (int i = 0; i < from->Count(); ++i) {
        TMenuItem* child = from->Items(i);
        if (SameName(child->Name(), name))
            return child;
        if (TMenuItem* found = FindItem(child, name))
            return found;
    }
    return nullptr;
}
