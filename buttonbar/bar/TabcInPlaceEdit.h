#pragma once

#include "TEdit.h"

class TFont;

// The one in-place editor of the program: an edit box laid over a control to change
// its text, accepting with Return and giving up with Escape, Tab or a click
// elsewhere. Created on first use, freed when the program ends.
class TabcInPlaceEdit : public TEdit {
    T_CLASS_INFO
public:
    explicit TabcInPlaceEdit(TComponent* owner);

    // Edits text over rect (in control's client coordinates) of control until the user
    // accepts or gives up; returns whether the text was accepted (and then sets text).
    // Waits for events meanwhile without spinning. False at once while another edit
    // runs, without a control, or for a control that lies on no form.
    static bool InPlaceEdit(TControl* control, const QRect& rect, QString& text,
                            TAlignment alignment, TColor color, const TFont& font,
                            TBorderStyle borderStyle, bool ctl3D);
    // The editor, while one exists.
    static TabcInPlaceEdit* Editor();

protected:
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void DoExit() override;

private:
    static TabcInPlaceEdit& Instance();
    void HideAndDetach();

    bool m_accepted = false;
    bool m_editing = false;
};
