#pragma once

#include "T_AM2000_MenuControl.h"

// A push button inside an item.
class T_AM2000_ButtonControl : public T_AM2000_MenuControl {
    T_CLASS_INFO
public:
    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool allow) { Update(m_allowAllUp, allow); }
    bool BorderFrame() const { return m_borderFrame; }
    void SetBorderFrame(bool frame) { Update(m_borderFrame, frame); }
    bool Down() const { return m_down; }
    void SetDown(bool down) { Update(m_down, down); }

private:
    bool m_allowAllUp = true;
    bool m_borderFrame = true;
    bool m_down = false;
};
