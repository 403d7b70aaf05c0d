#pragma once

#include "TComponent.h"
#include "TCustomPopupMenu2000.h"
#include "TPopupMenu2000Form.h"

#include <memory>

class TMainMenu2000;
class TMenuItem2000;

// The main window's animated menu MainMenu20001, loaded alone from the main window's
// stored layout (without its handler bindings), and a popup menu with its settings that
// opens the drop-downs of its top items.
class TMainMenuDropDowns {
public:
    // Registers the classes and loads the menu; raises the layout's errors.
    TMainMenuDropDowns();

    TMainMenu2000& Menu() const { return *m_menu; }
    int TopItemCount() const;
    TMenuItem2000& TopItem(int index) const;
    TCustomPopupMenu2000& Popup() { return m_popup; }
    // A drop-down window of the top item, laid out and painted, not shown.
    std::unique_ptr<TPopupMenu2000Form> Open(int index);

private:
    TComponent m_holder{nullptr};
    TMainMenu2000* m_menu = nullptr;
    TCustomPopupMenu2000 m_popup{nullptr};
};
