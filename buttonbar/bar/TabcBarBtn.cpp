#include "TabcBarBtn.h"

#include "TClassInfo.h"
#include "TabcButtonPage.h"
#include "TabcCustomButtonBar.h"
#include "TabcCustomButtonList.h"
#include "TabcInPlaceEdit.h"

const TClassInfo& TabcBarBtn::StaticClassInfo()
{
    static const TClassInfo info("TabcBarBtn", &TabcPicSpeedBtn::StaticClassInfo(),
                                 [](TClassInfo&) {});
    return info;
}

TabcBarBtn::TabcBarBtn(TabcCustomButtonBar* bar, TabcButtonPage* page)
    : TabcPicSpeedBtn(bar)
    , m_bar(bar)
    , m_page(page)
{
    // The bar matches the page captions' accelerators itself.
    SetTakesAccelerator(false);
}

void TabcBarBtn::Click()
{
    if (m_bar->Editing())
        return;
    // The page change waits for events; the bar (and this button) may go meanwhile.
    QPointer<TabcBarBtn> self(this);
    m_bar->SetActivePage(m_page);
    if (!self)
        return;
    if (Down() && !m_bar->Options().Contains(TabcButtonBarOption::abbButtonDown))
        SetDown(false);
    TabcPicSpeedBtn::Click();
}

void TabcBarBtn::MouseEnter()
{
    if (m_bar->Editing())
        return;
    TabcPicSpeedBtn::MouseEnter();
    if (m_bar->Options().Contains(TabcButtonBarOption::abbHotTrack))
        Click();
}

void TabcBarBtn::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (m_bar->Editing())
        return;
    TabcPicSpeedBtn::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbRight &&
        m_bar->Options().Contains(TabcButtonBarOption::abbInPlaceEdit))
        EditCaption();
}

void TabcBarBtn::MouseMove(TShiftState shift, int x, int y)
{
    TabcPicSpeedBtn::MouseMove(shift, x, y);
    if (shift != TShiftState{TShift::ssLeft})
        return;
    if (TControl* control = DraggedControl())
        control->BeginDrag(false);
}

void TabcBarBtn::DblClick()
{
    QPointer<TabcBarBtn> self(this);
    TabcPicSpeedBtn::DblClick();
    if (!self)
        return;
    TControl* control = DraggedControl();
    if (!control || (control == m_page && m_page->DragKind() != TDragKind::dkDock))
        return;
    control->ManualFloat(QRect(control->mapToGlobal(QPoint(0, 0)), control->size()));
}

void TabcBarBtn::DragOver(TControl* source)
{
    if (dynamic_cast<TabcCustomButtonList*>(source))
        m_bar->OpenPageForDrag(m_page);
}

TControl* TabcBarBtn::DraggedControl() const
{
    if (TControl* docked = m_bar->DockedControlOf(m_page))
        return docked;
    return m_page->DragMode() == TDragMode::dmAutomatic ? m_page : nullptr;
}

void TabcBarBtn::EditCaption()
{
    if (!Enabled() || !Visible() || m_editing)
        return;
    const bool barWasEditing = m_bar->Editing();
    m_bar->SetEditing(true);
    m_editing = true;
    // The bar or the page may go while the editor waits for the user. The flags clear
    // as soon as the edit ends, so that a press on another button that ended it works.
    QPointer<TabcBarBtn> self(this);
    QPointer<TabcCustomButtonBar> bar(m_bar);
    const auto finish = [&] {
        if (self)
            m_editing = false;
        if (bar && !barWasEditing)
            bar->SetEditing(false);
    };
    try {
        QString text = Caption();
        TFont font;
        font.Assign(Font());
        font.SetColor(clBlack);
        const bool accepted =
            TabcInPlaceEdit::InPlaceEdit(this, ClientRect(), text, TAlignment::taCenter, clWindow,
                                         font, TBorderStyle::bsSingle, false, finish);
        if (accepted && self) {
            m_page->OnRename(m_page, text);
            m_page->SetCaption(text);
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}
