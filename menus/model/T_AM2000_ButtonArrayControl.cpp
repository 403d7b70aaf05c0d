#include "T_AM2000_ButtonArrayControl.h"

#include "TClassInfo.h"

const TClassInfo& T_AM2000_ButtonArrayControl::StaticClassInfo()
{
    using B = T_AM2000_ButtonArrayControl;
    static const TClassInfo info(
        "T_AM2000_ButtonArrayControl", &T_AM2000_MenuControl::StaticClassInfo(), [](TClassInfo& c) {
            c.Property("Rows", &B::Rows, &B::SetRows, 1);
            c.Property("Columns", &B::Columns, &B::SetColumns, 1);
            c.Property("Hints", &B::Hints, &B::SetHints, QStringList());
            c.Property("ItemIndex", &B::ItemIndex, &B::SetItemIndex, -1);
            c.Property("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp, true);
            c.Resource("Bitmap", &B::Bitmap);
            c.Property("Count", &B::Count, &B::SetCount, 0);
        });
    return info;
}

T_AM2000_ButtonArrayControl::T_AM2000_ButtonArrayControl()
    : m_bitmap(std::make_unique<TBitmap>())
{
    m_bitmap->OnChange = [this](TObject*) { Changed(); };
}

T_AM2000_ButtonArrayControl::~T_AM2000_ButtonArrayControl() = default;
