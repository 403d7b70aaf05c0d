#include "T_AM2000_MenuKeyboard.h"

#include "TCustomPopupMenu2000Form.h"
#include "TMenuItem2000.h"
#include "T_AM2000_Accelerator.h"
#include "T_AM2000_MenuBarList.h"
#include "T_AM2000_MenuChooser.h"
#include "T_AM2000_MenuNavigator.h"
#include "T_AM2000_Separator.h"

#include <QApplication>

namespace {

using Form = TCustomPopupMenu2000Form;

bool ModifierAlone(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

} // namespace

T_AM2000_MenuKeyboard::T_AM2000_MenuKeyboard(T_AM2000_MenuNavigator& navigator,
                                             T_AM2000_MenuChooser& chooser,
                                             T_AM2000_MenuBarList& bars)
    : m_navigator(navigator)
    , m_chooser(chooser)
    , m_bars(bars)
    , m_beep(&QApplication::beep)
{}

bool T_AM2000_MenuKeyboard::KeyDown(Form& window, int key, Qt::KeyboardModifiers modifiers,
                                    const QString& text)
{
    return m_chooser.EditorKey(key, modifiers, text) ||
           WindowKeyDown(window, key, modifiers, text) || m_bars.OfferKey(key, modifiers, text);
}

std::function<void()> T_AM2000_MenuKeyboard::SetBeep(std::function<void()> beep)
{
    return std::exchange(m_beep, std::move(beep));
}

bool T_AM2000_MenuKeyboard::WindowKeyDown(Form& window, int key, Qt::KeyboardModifiers modifiers,
                                          const QString& text)
{
    switch (key) {
    case Qt::Key_Tab:
        Move(window, modifiers.testFlag(Qt::ShiftModifier) ? -1 : 1, true);
        return true;
    case Qt::Key_Backtab:
        Move(window, -1, true);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Right:
    case Qt::Key_Left:
        return ArrowKey(window, key, modifiers);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // As a click: a submenu opens with nothing selected, unlike with Right.
        m_chooser.ClickSelected(window);
        return true;
    case Qt::Key_Escape:
        m_navigator.CloseWindow(window);
        return true;
    default:
        break;
    }
    if (ModifierAlone(key) || text.isEmpty() || !text[0].isPrint())
        return false;
    SearchAccelerator(window, text);
    return true;
}

// Right and Left without a submenu to open or close are left to the menu bar, which
// moves to the next or previous item.
bool T_AM2000_MenuKeyboard::ArrowKey(Form& window, int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Up:
        Move(window, -1, true);
        return true;
    case Qt::Key_Down:
        if (modifiers.testFlag(Qt::ControlModifier))
            m_navigator.Expand(window);
        else
            Move(window, 1, true);
        return true;
    case Qt::Key_Right:
        if (!window.HasSubmenuAt(window.Selected()))
            return false;
        m_navigator.OpenSubmenu(window, true);
        return true;
    default: // Left
        if (!window.ParentWindow())
            return false;
        m_navigator.CloseWindow(window);
        return true;
    }
}

// A zone (expand button, drag strip) counts as no selection.
void T_AM2000_MenuKeyboard::Move(Form& window, int step, bool wrap)
{
    const int from = std::max(window.Selected(), int(Form::NoEntry));
    m_navigator.MoveSelection(window, from + step, wrap);
}

void T_AM2000_MenuKeyboard::Wheel(Form& window, int delta)
{
    m_wheelDelta += delta;
    for (; m_wheelDelta >= WheelStep; m_wheelDelta -= WheelStep)
        Move(window, -1, false);
    for (; m_wheelDelta <= -WheelStep; m_wheelDelta += WheelStep)
        Move(window, 1, false);
}

void T_AM2000_MenuKeyboard::SearchAccelerator(Form& window, const QString& text)
{
    const auto& entries = window.Entries();
    for (int i = 0; i < int(entries.size()); ++i) {
        TMenuItem2000& item = *entries[std::size_t(i)];
        if (!item.Enabled() || T_AM2000_Separator::IsSeparator(item.Caption()) ||
            !T_AM2000_Accelerator::Matches(item.Caption(), text))
            continue;
        m_navigator.MoveSelection(window, i);
        m_chooser.ExecuteEntry(window, item);
        return;
    }
    if (m_beep)
        m_beep();
}
