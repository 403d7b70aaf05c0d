#pragma once

#include <QPointer>
#include <QString>
#include <Qt>
#include <memory>

class ISoundPlayer;
class TCustomPopupMenu2000Form;
class TMenuItem2000;
class T_AM2000_MenuEditor;
class T_AM2000_MenuNavigator;
class T_AM2000_SelectionFade;

// Choosing entries: a clicked entry shows pressed through the press pause, then its
// command runs once the menus closed, with the command sound and, where the menu wants
// it, its picture fading out over its place. An edit-box entry that can be written to
// opens its edit box instead, which takes the keys until Enter or Escape.
class T_AM2000_MenuChooser {
public:
    static constexpr const char* CommandSound = "menu-click";

    explicit T_AM2000_MenuChooser(T_AM2000_MenuNavigator& navigator);
    ~T_AM2000_MenuChooser();

    // Like a click on the selected entry: opens its submenu, or shows it pressed and
    // chooses it after the press pause.
    void ClickSelected(TCustomPopupMenu2000Form& window);
    // A chosen entry shows pressed until its command runs after the press pause.
    bool Choosing() const;
    // Runs item's command: asks the main menu whether the menus may close, closes them,
    // then tells the main menu and runs the item's click. An item with a submenu opens
    // it instead.
    void ExecuteEntry(TCustomPopupMenu2000Form& window, TMenuItem2000& item);

    // The edit box of an edit-box entry that the user is typing into; nullptr for none.
    T_AM2000_MenuEditor* Editor() const { return m_editor.get(); }
    // While an edit box is active every key goes to it: Enter takes the text and chooses
    // the entry, Escape ends editing with the text as it was. False when none is active.
    bool EditorKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    // Ends editing without taking the text: in window, or in any window for nullptr.
    void EndEditing(const TCustomPopupMenu2000Form* window);

    // The picture of the entry chosen last while it fades out; nullptr once it is gone.
    T_AM2000_SelectionFade* SelectionFade() const;
    // The player of the command sound (the desktop's by default); not owned.
    ISoundPlayer* SetSoundPlayer(ISoundPlayer* player);

private:
    void PressPauseOver(TCustomPopupMenu2000Form& window);
    void FinishEditing(bool accepted);
    bool FadesSelection(const TCustomPopupMenu2000Form& window, const TMenuItem2000& item) const;
    void FadeSelection(const TCustomPopupMenu2000Form& window, const TMenuItem2000& item);

    T_AM2000_MenuNavigator& m_navigator;
    std::unique_ptr<T_AM2000_MenuEditor> m_editor;
    QPointer<T_AM2000_SelectionFade> m_selectionFade;
    ISoundPlayer* m_sound;
};
