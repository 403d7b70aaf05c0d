#include "TDBCtrlPanel.h"

#include "TClassInfo.h"
#include "TDBCtrlGrid.h"

#include <QChildEvent>

const TClassInfo& TDBCtrlPanel::StaticClassInfo()
{
    static const TClassInfo info("TDBCtrlPanel", &TWinControl::StaticClassInfo());
    return info;
}

TDBCtrlPanel::TDBCtrlPanel(TComponent* owner)
    : TWinControl(owner)
{}

void TDBCtrlPanel::childEvent(QChildEvent* event)
{
    TWinControl::childEvent(event);
    if (event->type() != QEvent::ChildAdded)
        return;
    auto* grid = dynamic_cast<TDBCtrlGrid*>(Parent());
    auto* control = dynamic_cast<TControl*>(event->child());
    if (!grid || !control)
        return;
    grid->AdoptControl(control);
}
