#include "T_AM2000_MenuKeyboard.h"

#include "I_AM2000_MenuBar.h"
#include "TCustomPopupMenu2000Form.h"
#include "TMenuItem2000.h"
#include "T_AM2000_Accelerator.h"
#include "T_AM2000_DrawState.h"
#include "T_AM2000_MenuTracker.h"
#include "T_AM2000_Separator.h"

#include <QWidget>
#include <vector>

namespace {

using Form = TCustomPopupMenu2000Form;

bool SelectedHasSubmenu(const Form& window)
{
    const int selected = window.Selected();
    return selected >= 0 && (window.EntryState(selected) & dsSubmenu) != 0;
}

bool ModifierAlone(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

} // namespace

T_AM2000_MenuKeyboard::T_AM2000_MenuKeyboard(T_AM2000_MenuTracker& tracker)
    : m_tracker(tracker)
{}

bool T_AM2000_MenuKeyboard::KeyDown(Form& window, int key, Qt::KeyboardModifiers modifiers,
                                    const QString& text)
{
    return m_tracker.EditorKey(key, modifiers, text) ||
           WindowKeyDown(window, key, modifiers, text) || OfferToMenuBars(key, modifiers, text);
}

// A bar may close the chain while it handles the key, so the list is copied first.
bool T_AM2000_MenuKeyboard::OfferToMenuBars(int key, Qt::KeyboardModifiers modifiers,
                                            const QString& text)
{
    const std::vector<I_AM2000_MenuBar*> bars = m_tracker.MenuBars();
    for (auto bar = bars.rbegin(); bar != bars.rend(); ++bar) {
        const QWidget* widget = (*bar)->BarWidget();
        if (widget && widget->isVisible() && (*bar)->BarKeyDown(key, modifiers, text))
            return true;
    }
    return false;
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
        m_tracker.ClickSelected(window);
        return true;
    case Qt::Key_Escape:
        m_tracker.CloseWindow(window);
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
            m_tracker.Expand(window);
        else
            Move(window, 1, true);
        return true;
    case Qt::Key_Right:
        if (!SelectedHasSubmenu(window))
            return false;
        m_tracker.OpenSubmenu(window, true);
        return true;
    default: // Left
        if (!window.ParentWindow())
            return false;
        m_tracker.CloseWindow(window);
        return true;
    }
}

// A zone (expand button, drag strip) counts as no selection.
void T_AM2000_MenuKeyboard::Move(Form& window, int step, bool wrap)
{
    const int from = std::max(window.Selected(), int(Form::NoEntry));
    m_tracker.MoveSelection(window, from + step, wrap);
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
        m_tracker.MoveSelection(window, i);
        m_tracker.ExecuteEntry(window, item);
        return;
    }
    m_tracker.Beep();
}
