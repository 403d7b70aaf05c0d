#pragma once

#include <QString>
#include <Qt>
#include <optional>

// A key as the --key option names it: what QKeySequence reads ("Down", "Return", "Esc",
// "Ctrl+Tab", "C"), or a modifier key alone ("Alt", "Ctrl", "Shift", "Meta"), which
// QKeySequence cannot spell. A modifier alone is held while it is pressed; a key that
// types something types it.
struct TKeyStroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;

    // A modifier key pressed without any other key.
    bool IsModifierAlone() const
    {
        return key == Qt::Key_Alt || key == Qt::Key_Control || key == Qt::Key_Shift ||
               key == Qt::Key_Meta;
    }
    // What the key types: a letter (a capital with Shift), a digit, a sign or a space,
    // when neither Ctrl, Alt nor Meta is held; nothing for other keys.
    QString Text() const;
    // Nothing for text that names no single key.
    static std::optional<TKeyStroke> Parse(const QString& text);
};
