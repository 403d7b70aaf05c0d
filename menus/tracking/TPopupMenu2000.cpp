#include "TPopupMenu2000.h"

#include "TClassInfo.h"
#include "TMenuItem2000.h"
#include "T_AM2000_MenuTracker.h"

const TClassInfo& TPopupMenu2000::StaticClassInfo()
{
    static const TClassInfo info("TPopupMenu2000", &TCustomPopupMenu2000::StaticClassInfo());
    return info;
}

TPopupMenu2000::TPopupMenu2000(TComponent* owner)
    : TCustomPopupMenu2000(owner)
{}

TPopupMenu2000::~TPopupMenu2000() = default;

void TPopupMenu2000::Popup(QPoint screenPosition)
{
    if (!m_holder) {
        m_holder = std::make_unique<TMenuItem2000>(nullptr);
        m_holder->SetPopupMenu(this);
    }
    T_AM2000_MenuTracker::Instance().PopupAnimated(*this, *m_holder, screenPosition);
}
