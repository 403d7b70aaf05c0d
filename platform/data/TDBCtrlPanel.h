#pragma once

#include "TWinControl.h"

// The cell of a control grid that holds the live controls: it lies on the current
// record's cell, and every control placed on it gets the grid's data source and
// keyboard navigation (the grid sees the navigation keys before the control does).
class TDBCtrlPanel : public TWinControl {
    T_CLASS_INFO
public:
    explicit TDBCtrlPanel(TComponent* owner);

protected:
    void childEvent(QChildEvent* event) override;
};
