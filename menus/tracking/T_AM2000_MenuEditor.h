#pragma once

#include <QPointer>
#include <QString>
#include <Qt>

class QLineEdit;
class TCustomPopupMenu2000Form;
class TMenuItem2000;

// The live box of an edit-box entry while the user types into it: a line edit laid
// over the entry's box, in the box's colour and the menu's font, that never takes the
// focus; the tracker hands it the keys. It goes with its window.
class T_AM2000_MenuEditor {
public:
    // Starts with the control's text, all of it selected when the control says so.
    T_AM2000_MenuEditor(TCustomPopupMenu2000Form& window, int index);
    ~T_AM2000_MenuEditor();
    T_AM2000_MenuEditor(const T_AM2000_MenuEditor&) = delete;
    T_AM2000_MenuEditor& operator=(const T_AM2000_MenuEditor&) = delete;

    // nullptr once the window is gone.
    TCustomPopupMenu2000Form* Window() const { return m_window; }
    TMenuItem2000& Item() const { return m_item; }
    QString Text() const;
    // A key typed into the box.
    void Key(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    // Stores the typed text in the entry's edit control.
    void Accept();

private:
    QPointer<TCustomPopupMenu2000Form> m_window;
    TMenuItem2000& m_item;
    QPointer<QLineEdit> m_box;
};
