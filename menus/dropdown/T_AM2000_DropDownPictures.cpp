#include "T_AM2000_DropDownPictures.h"

#include "TMenuItem2000.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_Skin.h"

#include <algorithm>

bool T_AM2000_DropDownPictures::Source::operator==(const Source& other) const
{
    return entries == other.entries && frame == other.frame && underlines == other.underlines &&
           logicalDpi == other.logicalDpi && options->SameSettings(*other.options) &&
           options->SameGroups(*other.options);
}

bool T_AM2000_DropDownPictures::Keepable(const std::vector<TMenuItem2000*>& entries,
                                         const T_AM2000_MenuOptions& options)
{
    const T_AM2000_Skin& skin = *options.Skin();
    if (skin.OnPaintBackground || skin.OnPaintItemBackground)
        return false;
    return std::none_of(entries.begin(), entries.end(), [](const TMenuItem2000* item) {
        return item->Control() != T_AM2000_MenuControlType::ctlNone || item->OnMeasureItem ||
               item->OnDrawItem || item->OnAdvancedDrawItem || item->OnBeforeDrawItem;
    });
}

std::list<T_AM2000_DropDownPictures::Kept>::iterator
T_AM2000_DropDownPictures::Slot(const TMenuItem2000& item, bool contextMenu)
{
    return std::find_if(m_kept.begin(), m_kept.end(), [&](const Kept& kept) {
        return kept.item == &item && kept.contextMenu == contextMenu;
    });
}

std::shared_ptr<const T_AM2000_DropDownPictures::Picture>
T_AM2000_DropDownPictures::Find(const TMenuItem2000& item, bool contextMenu, const Source& source)
{
    const auto slot = Slot(item, contextMenu);
    if (slot == m_kept.end() || !(slot->picture->source == source))
        return nullptr;
    m_kept.splice(m_kept.begin(), m_kept, slot);
    return m_kept.front().picture;
}

void T_AM2000_DropDownPictures::Keep(const TMenuItem2000& item, bool contextMenu,
                                     std::shared_ptr<const Picture> picture)
{
    if (const auto slot = Slot(item, contextMenu); slot != m_kept.end())
        m_kept.erase(slot);
    m_kept.push_front({&item, contextMenu, std::move(picture)});
    if (m_kept.size() > Capacity)
        m_kept.pop_back();
}
