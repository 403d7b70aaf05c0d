#include "TMenuItemRecords.h"

#include "TMenuItem2000.h"

TMenuItemRecords& TMenuItemRecords::Instance()
{
    static TMenuItemRecords records;
    return records;
}

TMenuItemRecords::TMenuItemRecords()
    : TComponent(nullptr)
{}

TMenuItemRecords::~TMenuItemRecords() = default;

TMenuItemState TMenuItemRecords::StateOf(const TMenuItem2000& item) const
{
    TMenuItemState state;
    state.hidden = item.Hidden();
    state.parent = item.Parent() ? item.Parent()->Name() : QString();
    state.menuIndex = item.Parent() ? item.Parent()->IndexOf(&item) : 0;
    state.shortCut = item.ShortCutText();
    state.visible = item.Visible();
    state.caption = item.Caption();
    const auto found = m_records.find(&item);
    if (found != m_records.end())
        state.lastTimeUsed = found->second.lastTimeUsed;
    return state;
}

void TMenuItemRecords::RecordLayout(TMenuItem2000* item)
{
    TMenuItemState layout = StateOf(*item);
    layout.lastTimeUsed.reset();
    RecordOf(item).layout = layout;
}

TMenuItemState TMenuItemRecords::LayoutOf(const TMenuItem2000* item) const
{
    const auto found = m_records.find(item);
    if (found != m_records.end() && found->second.layout)
        return *found->second.layout;
    TMenuItemState fresh;
    fresh.hidden = false;
    fresh.shortCut = QString();
    fresh.visible = true;
    fresh.caption = QString();
    return fresh;
}

void TMenuItemRecords::SetLastTimeUsed(TMenuItem2000* item, quint32 seconds)
{
    RecordOf(item).lastTimeUsed = seconds;
}

TMenuItemRecords::Record& TMenuItemRecords::RecordOf(TMenuItem2000* item)
{
    const auto [entry, added] = m_records.try_emplace(item);
    if (added)
        FreeNotification(item);
    return entry->second;
}

void TMenuItemRecords::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove)
        m_records.erase(component);
}
