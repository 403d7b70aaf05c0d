#pragma once

#include <QString>
#include <Qt>
#include <optional>

// A key as the --key option names it: what QKeySequence reads ("Down", "Return", "Esc",
// "Ctrl+Tab"), or a modifier key alone ("Alt", "Ctrl", "Shift", "Meta"), which
// QKeySequence cannot spell. A modifier alone is held while it is pressed.
struct TKeyStroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;

    // A modifier key pressed without any other key.
    bool IsModifierAlone() const
    {
        return key == Qt::Key_Alt || key == Qt::Key_Control || key == Qt::Key_Shift ||
               key == Qt::Key_Meta;
    }
    // Nothing for text that names no single key.
    static std::optional<TKeyStroke> Parse(const QString& text);
};
