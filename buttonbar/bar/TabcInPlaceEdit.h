#pragma once

#include "TEdit.h"
#include "TOutsidePressWatcher.h"

#include <functional>
#include <memory>

class TFont;

// The one in-place editor of the program: an edit box laid over a control to change
// its text, accepting with Return and giving up with Escape, Tab, the loss of the focus
// or a mouse press anywhere outside it, in any window of the program. Created on first
// use, freed when the program ends.
class TabcInPlaceEdit : public TEdit {
    T_CLASS_INFO
public:
    explicit TabcInPlaceEdit(TComponent* owner);

    // Edits text over rect (in control's client coordinates) of control until the user
    // accepts or gives up; returns whether the text was accepted (and then sets text).
    // Waits for events meanwhile without spinning. False at once while another edit
    // runs, without a control, or for a control that lies on no form. ended runs as
    // soon as the edit ends, before the event that ended it goes on: a press that ended
    // it then reaches its control as if no edit had been running.
    static bool InPlaceEdit(TControl* control, const QRect& rect, QString& text,
                            TAlignment alignment, TColor color, const TFont& font,
                            TBorderStyle borderStyle, bool ctl3D,
                            std::function<void()> ended = nullptr);
    // The editor, while one exists.
    static TabcInPlaceEdit* Editor();

protected:
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void DoExit() override;

private:
    // One edit: whether it is still open, its answer, and who is told when it ends. An
    // edit that ended may still wait on the stack while the press that ended it starts
    // the next one.
    struct Session {
        bool open = true;
        bool accepted = false;
        QString text;
        std::function<void()> ended;
    };

    static TabcInPlaceEdit& Instance();
    bool Editing() const { return m_session && m_session->open; }
    void Begin(std::shared_ptr<Session> session);
    // Closes the open edit, if any, with that answer; hides and detaches the editor.
    void End(bool accepted);
    void HideAndDetach();

    std::shared_ptr<Session> m_session;
    TOutsidePressWatcher m_outsidePress{this};
};
