#pragma once

#include "TWinControl.h"

#include <QPointer>

// Holds a control's alignment for a scope (DisableAlign) and gives it back at the end
// (EnableAlign), unless the control went meanwhile.
class TAlignSuspension {
public:
    explicit TAlignSuspension(TWinControl* control)
        : m_control(control)
    {
        control->DisableAlign();
    }
    ~TAlignSuspension()
    {
        if (m_control)
            m_control->EnableAlign();
    }
    TAlignSuspension(const TAlignSuspension&) = delete;
    TAlignSuspension& operator=(const TAlignSuspension&) = delete;

private:
    QPointer<TWinControl> m_control;
};
