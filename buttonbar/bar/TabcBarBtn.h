#pragma once

#include "TabcPicSpeedBtn.h"

class TabcButtonPage;
class TabcCustomButtonBar;

// The caption button of a bar page. The bar creates and frees it: a click opens its
// page, a right click edits the page caption in place.
class TabcBarBtn : public TabcPicSpeedBtn {
    T_CLASS_INFO
public:
    TabcBarBtn(TabcCustomButtonBar* bar, TabcButtonPage* page);

    TabcButtonPage* Page() const { return m_page; }
    bool Editing() const { return m_editing; }
    // Edits the caption in place over the button; accepting renames the page.
    void EditCaption();

protected:
    void Click() override;
    void MouseEnter() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    // Dragging with the left button takes the page's docked control (or the page, when
    // it drags by itself) to a dock site; a double click floats it.
    void MouseMove(TShiftState shift, int x, int y) override;
    void DblClick() override;
    // A button list dragged over the button opens its page.
    void DragOver(TControl* source) override;

private:
    // What a drag or double click on this button moves: the docked control, or the page.
    TControl* DraggedControl() const;

    TabcCustomButtonBar* m_bar;
    TabcButtonPage* m_page;
    bool m_editing = false;
};
