#pragma once

#include "TCustomPopupMenu2000Form.h"

// The drop-down window class that the menus open.
class TPopupMenu2000Form : public TCustomPopupMenu2000Form {
public:
    using TCustomPopupMenu2000Form::TCustomPopupMenu2000Form;
};
