#include "TabcInPlaceEdit.h"

#include "TApplication.h"
#include "TClassInfo.h"
#include "TForm.h"
#include "TKeyCodes.h"

#include <QPointer>

const TClassInfo& TabcInPlaceEdit::StaticClassInfo()
{
    static const TClassInfo info("TabcInPlaceEdit", &TEdit::StaticClassInfo(), [](TClassInfo&) {});
    return info;
}

namespace {

QPointer<TabcInPlaceEdit>& TheEditor()
{
    static QPointer<TabcInPlaceEdit> editor;
    return editor;
}

} // namespace

TabcInPlaceEdit::TabcInPlaceEdit(TComponent* owner)
    : TEdit(owner)
{
    SetVisible(false);
}

TabcInPlaceEdit* TabcInPlaceEdit::Editor()
{
    return TheEditor();
}

TabcInPlaceEdit& TabcInPlaceEdit::Instance()
{
    QPointer<TabcInPlaceEdit>& editor = TheEditor();
    if (!editor)
        editor = new TabcInPlaceEdit(Application);
    return *editor;
}

bool TabcInPlaceEdit::InPlaceEdit(TControl* control, const QRect& rect, QString& text,
                                  TAlignment alignment, TColor color, const TFont& font,
                                  TBorderStyle borderStyle, bool ctl3D)
{
    TabcInPlaceEdit& editor = Instance();
    editor.HideAndDetach();
    TForm* form = control ? control->ParentForm() : nullptr;
    if (editor.m_editing || !form)
        return false;
    editor.m_editing = true;
    editor.m_accepted = false;
    editor.SetBorderStyle(borderStyle);
    editor.Font()->Assign(&font);
    editor.SetColor(color);
    editor.SetAlignment(alignment);
    editor.SetParent(form);
    editor.SetText(text);
    const QPoint topLeft = form->mapFromGlobal(control->mapToGlobal(rect.topLeft()));
    const QPoint bottomRight = form->mapFromGlobal(
        control->mapToGlobal(QPoint(rect.x() + rect.width(), rect.y() + rect.height())));
    editor.SetBounds(topLeft.x(), topLeft.y(), bottomRight.x() - topLeft.x(),
                     bottomRight.y() - topLeft.y());
    editor.BringToFront();
    editor.Show();
    editor.SetCtl3D(ctl3D);
    editor.SetFocus();
    editor.SelectAll();
    // The form (and the editor with it) or the edited control may be freed while the
    // user edits; the edit then ends unaccepted.
    QPointer<TabcInPlaceEdit> alive(&editor);
    QPointer<TControl> target(control);
    Application->WaitMessagesWhile([&] { return alive && target && editor.isVisible(); });
    if (!alive)
        return false;
    if (editor.isVisible())
        editor.HideAndDetach(); // the program is ending, or the control went
    if (!target)
        editor.m_accepted = false;
    const bool accepted = editor.m_accepted;
    if (accepted)
        text = editor.Text();
    editor.m_editing = false;
    return accepted;
}

void TabcInPlaceEdit::KeyDown(unsigned short& key, TShiftState shift)
{
    switch (key) {
    case vkReturn:
        m_accepted = true;
        [[fallthrough]];
    case vkEscape:
    case vkTab:
        key = 0;
        HideAndDetach();
        return;
    default:
        TEdit::KeyDown(key, shift);
    }
}

void TabcInPlaceEdit::DoExit()
{
    TEdit::DoExit();
    HideAndDetach();
}

void TabcInPlaceEdit::HideAndDetach()
{
    if (!Visible() && !Parent())
        return;
    Hide();
    SetParent(nullptr);
}
