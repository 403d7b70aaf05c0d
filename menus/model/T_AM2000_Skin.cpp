#include "T_AM2000_Skin.h"

#include "Exception.h"
#include "SameBitmap.h"
#include "TClassInfo.h"
#include "T_AM2000_UpdatingScope.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::array<const char*, T_AM2000_Skin::Count> bitmapNames = {
    "Unhide",
    "Triangle",
    "CheckMark",
    "Radio",
    "Background",
    "ItemBackgroundHighlight",
    "ItemBackgroundPressed",
    "ItemBackgroundSunken",
};

// A bitmap is stored only when it is not empty.
template <int I> void DeclareBitmap(TClassInfo& c)
{
    c.Resource(bitmapNames[I], &T_AM2000_Skin::Slot<I>).stored = [](const TPersistent* o) {
        return !static_cast<const T_AM2000_Skin*>(o)->ValueAt(I)->Empty();
    };
}

template <std::size_t... I> void DeclareBitmaps(TClassInfo& c, std::index_sequence<I...>)
{
    (DeclareBitmap<int(I)>(c), ...);
}

void CheckIndex(int index)
{
    if (index < 0 || index >= T_AM2000_Skin::Count)
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

} // namespace

const TClassInfo& T_AM2000_Skin::StaticClassInfo()
{
    using S = T_AM2000_Skin;
    static const TClassInfo info(
        "T_AM2000_Skin", &T_AM2000_OptionGroup::StaticClassInfo(), [](TClassInfo& c) {
            DeclareBitmaps(c, std::make_index_sequence<Count>());
            c.Property("CornerWidth", &S::CornerWidth, &S::SetCornerWidth, 0);
            c.Property("CornerHeight", &S::CornerHeight, &S::SetCornerHeight, 0);
            c.Property("ItemCornerWidth", &S::ItemCornerWidth, &S::SetItemCornerWidth, 0);
            c.Property("ItemCornerHeight", &S::ItemCornerHeight, &S::SetItemCornerHeight, 0);
            c.Property("BackgroundLayout", &S::BackgroundLayout, &S::SetBackgroundLayout,
                       T_AM2000_BackgroundLayout::blDefault);
            c.Event("OnPaintBackground", &S::OnPaintBackground);
            c.Event("OnPaintItemBackground", &S::OnPaintItemBackground);
        });
    return info;
}

T_AM2000_Skin::T_AM2000_Skin(T_AM2000_Options* options)
    : T_AM2000_OptionGroup(options, T_AM2000_GroupKind::Skin)
{
    for (auto& bitmap : m_bitmaps) {
        bitmap = std::make_unique<TBitmap>();
        bitmap->OnChange = [this](TObject*) { Changed(); };
    }
}

T_AM2000_Skin::~T_AM2000_Skin() = default;

TBitmap* T_AM2000_Skin::ValueAt(int index) const
{
    CheckIndex(index);
    return m_bitmaps[std::size_t(index)].get();
}

void T_AM2000_Skin::SetValueAt(int index, const TBitmap* bitmap)
{
    TBitmap* target = ValueAt(index);
    if (!SameBitmap(*target, bitmap))
        target->Assign(bitmap); // tells Changed() through the bitmap's OnChange
}

void T_AM2000_Skin::SetBackgroundLayout(T_AM2000_BackgroundLayout layout)
{
    if (layout == m_backgroundLayout)
        return;
    m_backgroundLayout = layout;
    Changed();
}

void T_AM2000_Skin::SetCorner(int& corner, int value)
{
    if (value == corner)
        return;
    corner = value;
    Changed();
}

bool T_AM2000_Skin::IsEmpty() const
{
    const bool noBitmap = std::all_of(m_bitmaps.begin(), m_bitmaps.end(),
                                      [](const auto& bitmap) { return bitmap->Empty(); });
    return noBitmap && m_cornerWidth == 0 && m_cornerHeight == 0 && m_itemCornerWidth == 0 &&
           m_itemCornerHeight == 0;
}

bool T_AM2000_Skin::IsDefault() const
{
    return IsEmpty() && m_backgroundLayout == T_AM2000_BackgroundLayout::blDefault &&
           !OnPaintBackground && !OnPaintItemBackground;
}

bool T_AM2000_Skin::operator==(const T_AM2000_Skin& other) const
{
    for (int i = 0; i < Count; ++i) {
        if (!SameBitmap(*ValueAt(i), other.ValueAt(i)))
            return false;
    }
    return m_cornerWidth == other.m_cornerWidth && m_cornerHeight == other.m_cornerHeight &&
           m_itemCornerWidth == other.m_itemCornerWidth &&
           m_itemCornerHeight == other.m_itemCornerHeight &&
           m_backgroundLayout == other.m_backgroundLayout &&
           OnPaintBackground.HandlerName() == other.OnPaintBackground.HandlerName() &&
           OnPaintItemBackground.HandlerName() == other.OnPaintItemBackground.HandlerName();
}

void T_AM2000_Skin::Assign(const TPersistent* source)
{
    const auto* skin = dynamic_cast<const T_AM2000_Skin*>(source);
    if (!skin) {
        TPersistent::Assign(source);
        return;
    }
    T_AM2000_UpdatingScope updating;
    for (int i = 0; i < Count; ++i)
        m_bitmaps[std::size_t(i)]->Assign(skin->ValueAt(i));
    m_cornerWidth = skin->m_cornerWidth;
    m_cornerHeight = skin->m_cornerHeight;
    m_itemCornerWidth = skin->m_itemCornerWidth;
    m_itemCornerHeight = skin->m_itemCornerHeight;
    m_backgroundLayout = skin->m_backgroundLayout;
    OnPaintBackground = skin->OnPaintBackground;
    OnPaintItemBackground = skin->OnPaintItemBackground;
}
