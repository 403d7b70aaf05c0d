#include "T_AM2000_MenuBarKeys.h"

#include "TCustomMainMenu2000.h"
#include "TCustomMenuBar2000.h"
#include "TMenuItem2000.h"
#include "TShortCut.h"

namespace {

// The character a letter or digit key stands for, whatever the modifiers made of its
// text.
QString KeyCharacter(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return QString(QChar(key));
    return QString();
}

// The first enabled item of the tree under parent whose shortcut is shortCut.
TMenuItem2000* ItemWithShortCut(const TMenuItem* parent, TShortCut shortCut)
{
    for (int i = 0; i < parent->Count(); ++i) {
        auto* item = dynamic_cast<TMenuItem2000*>(parent->Items(i));
        if (!item || !item->Enabled())
            continue;
        if (item->ShortCut() == shortCut)
            return item;
        if (TMenuItem2000* found = ItemWithShortCut(item, shortCut))
            return found;
    }
    return nullptr;
}

} // namespace

T_AM2000_MenuBarKeys::T_AM2000_MenuBarKeys(TCustomMenuBar2000& bar)
    : m_bar(bar)
{}

bool T_AM2000_MenuBarKeys::KeyDown(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    if (key == Qt::Key_Alt) {
        m_aloneKey = key;
        m_bar.SetShowUnderlines(true);
        return false;
    }
    if (key == Qt::Key_F10 && modifiers == Qt::NoModifier) {
        m_aloneKey = key;
        return true;
    }
    m_aloneKey = 0;
    if (modifiers.testFlag(Qt::AltModifier) && !KeyCharacter(key).isEmpty())
        return AltLetter(key, KeyCharacter(key));
    return Navigating() && NavigationKey(key, modifiers, text);
}

bool T_AM2000_MenuBarKeys::KeyUp(int key, Qt::KeyboardModifiers)
{
    const bool alone = key == m_aloneKey && key != 0;
    m_aloneKey = 0;
    if (!alone || m_bar.BarState() != T_AM2000_BarState::bsIdle)
        return false;
    m_bar.EnterKeyboardMode();
    return true;
}

bool T_AM2000_MenuBarKeys::Navigating() const
{
    return m_bar.KeyboardMode() || m_bar.DropDownOpen();
}

// The owning window comes to the front first, so that the drop-down opens over it.
bool T_AM2000_MenuBarKeys::AltLetter(int key, const QString& typed)
{
    TMenuItem2000* item = m_bar.ItemWithAccelerator(typed);
    if (!item)
        return RunShortCut(key);
    QWidget* window = m_bar.window();
    if (!window->isActiveWindow()) {
        window->raise();
        window->activateWindow();
    }
    m_bar.OpenBarItem(item, true);
    return true;
}

bool T_AM2000_MenuBarKeys::RunShortCut(int key)
{
    TCustomMainMenu2000* menu = m_bar.Menu();
    TMenuItem2000* item = menu ? ItemWithShortCut(menu->Root(), scAlt | TShortCut(key)) : nullptr;
    if (!item)
        return false;
    menu->OnMenuCommand(item);
    item->Click();
    return true;
}

bool T_AM2000_MenuBarKeys::NavigationKey(int key, Qt::KeyboardModifiers modifiers,
                                         const QString& text)
{
    switch (key) {
    case Qt::Key_Left:
        Step(-1);
        return true;
    case Qt::Key_Right:
        Step(1);
        return true;
    case Qt::Key_Tab:
        Step(modifiers.testFlag(Qt::ShiftModifier) ? -1 : 1);
        return true;
    case Qt::Key_Backtab:
        Step(-1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Up:
    case Qt::Key_Down:
        m_bar.OpenBarItem(m_bar.CurrentItem(), true);
        return true;
    case Qt::Key_Escape:
        m_bar.ResetBar();
        return true;
    default:
        break;
    }
    TMenuItem2000* item =
        text.size() == 1 && text[0].isPrint() ? m_bar.ItemWithAccelerator(text) : nullptr;
    if (item)
        m_bar.OpenBarItem(item, true);
    return item != nullptr;
}

// Round the items, from the last to the first and back.
void T_AM2000_MenuBarKeys::Step(int step)
{
    const int count = m_bar.BarItems().Count();
    if (count == 0)
        return;
    m_bar.MoveToItem((std::max(m_bar.CurrentIndex(), 0) + step + count) % count);
}
