#include "T_AM2000_MenuChooser.h"

#include "TCustomMainMenu2000.h"
#include "TCustomPopupMenu2000Form.h"
#include "TEventSound.h"
#include "TMenuItem2000.h"
#include "T_AM2000_Desktop.h"
#include "T_AM2000_EditControl.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuEditor.h"
#include "T_AM2000_MenuNavigator.h"
#include "T_AM2000_MenuOpener.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_MenuTimer.h"
#include "T_AM2000_SelectionFade.h"
#include "T_AM2000_Separator.h"
#include "T_AM2000_SystemSettings.h"

using Form = TCustomPopupMenu2000Form;
using Timer = T_AM2000_MenuTimer;

namespace {

bool Editable(const TMenuItem2000& item)
{
    return item.Control() == T_AM2000_MenuControlType::ctlEditbox &&
           !item.EditControl()->ReadOnly();
}

} // namespace

T_AM2000_MenuChooser::T_AM2000_MenuChooser(T_AM2000_MenuNavigator& navigator)
    : m_navigator(navigator)
    , m_sound(&TEventSound::Instance())
{}

T_AM2000_MenuChooser::~T_AM2000_MenuChooser() = default;

void T_AM2000_MenuChooser::ClickSelected(Form& window)
{
    const int selected = window.Selected();
    if (!window.EntryAt(selected))
        return;
    if (window.HasSubmenuAt(selected)) {
        m_navigator.OpenSubmenu(window, false);
        return;
    }
    window.SetPressed(true);
    T_AM2000_MenuOpener::ShowChanges(window);
    Timer::Instance().Start(Timer::PressPause, T_AM2000_TimerCallback::tcPress, &window,
                            [this, &window] { PressPauseOver(window); });
}

bool T_AM2000_MenuChooser::Choosing() const
{
    return Timer::Instance().TimerPending(Timer::PressPause, T_AM2000_TimerCallback::tcPress);
}

// An edit-box entry that can be written to starts editing instead of being chosen.
void T_AM2000_MenuChooser::PressPauseOver(Form& window)
{
    window.SetPressed(false);
    T_AM2000_MenuOpener::ShowChanges(window);
    TMenuItem2000* item = window.EntryAt(window.Selected());
    if (!item || !item->Enabled() || T_AM2000_Separator::IsSeparator(item->Caption()))
        return;
    if (Editable(*item))
        m_editor = std::make_unique<T_AM2000_MenuEditor>(window, window.Selected());
    else
        ExecuteEntry(window, *item);
}

void T_AM2000_MenuChooser::ExecuteEntry(Form& window, TMenuItem2000& item)
{
    const int index = window.IndexOf(&item);
    if (window.HasSubmenuAt(index)) {
        m_navigator.SelectEntry(window, index);
        m_navigator.OpenSubmenu(window, false);
        return;
    }
    TCustomMainMenu2000* mainMenu = TCustomMainMenu2000::OfItem(item);
    bool canClose = true;
    if (mainMenu)
        mainMenu->OnCloseQuery(mainMenu, canClose);
    QPointer<Form> stays = canClose ? nullptr : &window;
    if (canClose) {
        if (FadesSelection(window, item))
            FadeSelection(window, item);
        m_navigator.CloseAllMenus(true);
        m_sound->PlayEvent(QLatin1String(CommandSound));
    }
    if (mainMenu)
        mainMenu->OnMenuCommand(&item);
    item.Click();
    // What the command changed in the entries shows.
    if (stays) {
        m_navigator.StartSubmenuTimer(*stays, false);
        stays->Relayout();
        T_AM2000_MenuOpener::ShowChanges(*stays);
    }
}

bool T_AM2000_MenuChooser::FadesSelection(const Form& window, const TMenuItem2000& item) const
{
    const TCustomMainMenu2000* mainMenu = TCustomMainMenu2000::OfItem(item);
    return T_AM2000_SelectionFade::Wanted(T_AM2000_MenuOpener::OpenedWith(window),
                                          mainMenu && mainMenu->SystemSelectionFade(),
                                          T_AM2000_SystemSettings::Current());
}

// The entry's picture, widened by the item frame, over its place on the screen.
void T_AM2000_MenuChooser::FadeSelection(const Form& window, const TMenuItem2000& item)
{
    const int index = window.IndexOf(&item);
    const int frame = window.Options().Margins()->ValueAt(T_AM2000_Margins::Frame);
    const QRect place = window.EntryRect(index).adjusted(-frame, -frame, frame, frame);
    const QRect shown = window.ShownEntryRect(index).adjusted(-frame, -frame, frame, frame);
    T_AM2000_SelectionFade::Picture picture;
    picture.image = window.CanvasImage().copy(place);
    picture.bounds = shown.translated(window.ScreenRect().topLeft());
    picture.opacity = window.Options().Opacity();
    picture.layered = T_AM2000_SystemSettings::Current().layeredWindows;
    delete m_selectionFade.data();
    m_selectionFade = new T_AM2000_SelectionFade(picture, T_AM2000_Desktop::Instance());
    m_selectionFade->Start();
}

T_AM2000_SelectionFade* T_AM2000_MenuChooser::SelectionFade() const
{
    return m_selectionFade;
}

bool T_AM2000_MenuChooser::EditorKey(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    if (!m_editor)
        return false;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        FinishEditing(true);
    else if (key == Qt::Key_Escape)
        FinishEditing(false);
    else
        m_editor->Key(key, modifiers, text);
    return true;
}

void T_AM2000_MenuChooser::EndEditing(const Form* window)
{
    if (m_editor && (!window || m_editor->Window() == window))
        m_editor.reset();
}

void T_AM2000_MenuChooser::FinishEditing(bool accepted)
{
    const std::unique_ptr<T_AM2000_MenuEditor> editor = std::move(m_editor);
    Form* window = editor->Window();
    if (!accepted || !window)
        return;
    editor->Accept();
    ExecuteEntry(*window, editor->Item());
}

ISoundPlayer* T_AM2000_MenuChooser::SetSoundPlayer(ISoundPlayer* player)
{
    return std::exchange(m_sound, player);
}
