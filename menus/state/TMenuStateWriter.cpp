#include "TMenuStateWriter.h"

#include "Exception.h"
#include "TCustomMainMenu2000.h"
#include "TMenuItem2000.h"
#include "TMenuItemRecords.h"
#include "TMenuStorage.h"
#include "TRegistry.h"

namespace {

// Opens the key that holds the item's state and returns the value name to write it
// under: the item's own name, or the next number of its parent's added items.
QString OpenItemValue(TRegistry& registry, const QString& menuKey, const TMenuItem2000& item)
{
    registry.OpenKey(menuKey, true);
    if (!item.Name().isEmpty())
        return item.Name();
    const TMenuItem* parent = item.Parent();
    if (!parent || parent->Name().isEmpty())
        throw EInvalidOperation(
            QStringLiteral("An item without a name can only be stored under a named item"));
    registry.OpenKey(QStringLiteral("New Menu Items\\") + parent->Name(), true);
    const int count = registry.ValueHasData(TMenuStorage::CountValue)
                          ? registry.ReadInteger(TMenuStorage::CountValue) + 1
                          : 1;
    registry.WriteInteger(TMenuStorage::CountValue, count);
    return QString::number(count - 1);
}

void Store(TRegistry& registry, const QString& menuKey, TMenuItem* item, bool children)
{
    auto* item2000 = dynamic_cast<TMenuItem2000*>(item);
    if (!item2000)
        throw EInvalidOperation(QStringLiteral("Only items of type TMenuItem2000 can be stored"));
    TMenuItemRecords& records = TMenuItemRecords::Instance();
    records.SetLastTimeUsed(item2000, TMenuStorage::Instance().RunningTime());
    const QString name = OpenItemValue(registry, menuKey, *item2000);
    registry.WriteString(name, records.StateOf(*item2000).Build(records.LayoutOf(item2000)));
    if (!children)
        return;
    for (int i = 0; i < item->Count(); ++i)
        Store(registry, menuKey, item->Items(i), true);
}

} // namespace

void TMenuStateWriter::StoreItem(TMenuItem* item, bool children)
{
    const TMenuStorage& storage = TMenuStorage::Instance();
    const auto* menu = dynamic_cast<const TCustomMainMenu2000*>(item->GetParentMenu());
    if (storage.Mode() != TMenuStorageMode::smRegistry || !menu || menu->Name().isEmpty())
        return;
    TRegistry registry;
    Store(registry, storage.MenuKey(menu->Name()), item, children);
    registry.Flush();
}
