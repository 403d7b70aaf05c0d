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
                                  TBorderStyle borderStyle, bool ctl3D, std::function<void()> ended)
{
    TabcInPlaceEdit& editor = Instance();
    const bool busy = editor.Editing();
    editor.End(false);
    TForm* form = control ? control->ParentForm() : nullptr;
    if (busy || !form)
        return false;
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
    auto session = std::make_shared<Session>();
    session->ended = std::move(ended);
    editor.Begin(session);
    editor.BringToFront();
    editor.Show();
    editor.SetCtl3D(ctl3D);
    editor.SetFocus();
    editor.SelectAll();
    // The form (and the editor with it) or the edited control may be freed while the
    // user edits; the edit then ends unaccepted.
    QPointer<TabcInPlaceEdit> alive(&editor);
    QPointer<TControl> target(control);
    Application->WaitMessagesWhile([&] { return alive && target && session->open; });
    if (alive && editor.m_session == session)
        editor.End(false); // the program is ending, or the control went
    if (!target || !session->accepted)
        return false;
    text = session->text;
    return true;
}

void TabcInPlaceEdit::Begin(std::shared_ptr<Session> session)
{
    m_session = std::move(session);
    m_outsidePress.Start([this] { End(false); });
}

void TabcInPlaceEdit::End(bool accepted)
{
    const std::shared_ptr<Session> session = std::exchange(m_session, nullptr);
    m_outsidePress.Stop();
    if (session) {
        session->open = false;
        session->accepted = accepted;
        if (accepted)
            session->text = Text();
    }
    // Hiding moves the focus away, which ends nothing more: the edit is closed by now.
    HideAndDetach();
    if (session && session->ended)
        session->ended();
}

void TabcInPlaceEdit::KeyDown(unsigned short& key, TShiftState shift)
{
    switch (key) {
    case vkReturn:
    case vkEscape:
    case vkTab:
        End(key == vkReturn);
        key = 0;
        return;
    default:
        TEdit::KeyDown(key, shift);
    }
}

void TabcInPlaceEdit::DoExit()
{
    TEdit::DoExit();
    End(false);
}

void TabcInPlaceEdit::HideAndDetach()
{
    if (!Visible() && !Parent())
        return;
    Hide();
    SetParent(nullptr);
}
