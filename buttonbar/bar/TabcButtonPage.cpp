#include "TabcButtonPage.h"

#include "Exception.h"
#include "TAction.h"
#include "TClassInfo.h"
#include "TKeyCodes.h"
#include "TPicture.h"
#include "TabcBarBtn.h"
#include "TabcButtonPageActionLink.h"
#include "TabcCustomButtonBar.h"
#include "TabcCustomButtonList.h"

const TClassInfo& TabcButtonPage::StaticClassInfo()
{
    using P = TabcButtonPage;
    static const TClassInfo info(
        "TabcButtonPage", &TWinControl::StaticClassInfo(), [](TClassInfo& c) {
            c.Creatable<P>();
            c.Property("Caption", &P::Caption, &P::SetCaption, QString());
            c.Property("ButtonEnabled", &P::ButtonEnabled, &P::SetButtonEnabled, true);
            c.Property("ButtonVisible", &P::ButtonVisible, &P::SetButtonVisible, true);
            c.Resource("ButtonPicture", &P::ButtonPicture);
            c.Property("ImageIndex", &P::ImageIndex, &P::SetImageIndex, -1);
            c.Reference("Action", &P::Action, &P::SetAction);
            c.Event("OnRename", &P::OnRename);
        });
    return info;
}

TabcButtonPage::TabcButtonPage(TComponent* owner)
    : TWinControl(owner)
    , m_buttonPicture(std::make_unique<TPicture>())
{
    m_buttonPicture->OnChange = [this](TObject*) { ButtonContentsChanged(); };
    setAttribute(Qt::WA_StaticContents);
}

TabcButtonPage::~TabcButtonPage()
{
    if (TabcPageSite* site = Site())
        site->RemovePage(this);
}

// A page belongs to a bar while it lies in the bar and the bar lists it; a bar being
// destroyed (no longer a bar by then) lists none.
TabcCustomButtonBar* TabcButtonPage::ButtonBar() const
{
    auto* bar = dynamic_cast<TabcCustomButtonBar*>(Parent());
    return bar && bar->IndexOfPage(this) >= 0 ? bar : nullptr;
}

TabcPageSite* TabcButtonPage::Site() const
{
    return ButtonBar();
}

void TabcButtonPage::SetButtonBar(TabcCustomButtonBar* bar)
{
    if (bar == ButtonBar())
        return;
    if (TabcPageSite* site = Site())
        site->RemovePage(this);
    TWinControl::SetParent(bar);
    if (TabcPageSite* site = bar)
        site->InsertPage(this);
}

void TabcButtonPage::SetParent(TWinControl* parent)
{
    if (parent == Parent())
        return;
    if (!parent) {
        SetButtonBar(nullptr);
        return;
    }
    auto* bar = dynamic_cast<TabcCustomButtonBar*>(parent);
    if (!bar)
        throw EAbort(QString());
    SetButtonBar(bar);
}

void TabcButtonPage::SetParentComponent(TComponent* parent)
{
    if (auto* bar = dynamic_cast<TabcCustomButtonBar*>(parent))
        SetButtonBar(bar);
    else
        TWinControl::SetParentComponent(parent);
}

void TabcButtonPage::SetButtonEnabled(bool value)
{
    if (value == m_buttonEnabled)
        return;
    m_buttonEnabled = value;
    if (TabcCustomButtonBar* bar = ButtonBar())
        bar->ButtonOf(this)->SetEnabled(value);
}

void TabcButtonPage::SetButtonVisible(bool value)
{
    if (value == m_buttonVisible)
        return;
    m_buttonVisible = value;
    if (TabcPageSite* site = Site())
        site->UpdatePageButtonVisibility(this);
}

void TabcButtonPage::SetImageIndex(int index)
{
    if (index == m_imageIndex)
        return;
    m_imageIndex = index;
    if (TabcCustomButtonBar* bar = ButtonBar(); bar && !IsLoading() && bar->Images())
        ButtonContentsChanged();
}

TAction* TabcButtonPage::Action() const
{
    return m_actionLink ? m_actionLink->Action() : nullptr;
}

void TabcButtonPage::SetAction(TAction* action)
{
    if (action == Action())
        return;
    TControlActionLink::Attach(m_actionLink, this, action);
    ButtonContentsChanged();
}

int TabcButtonPage::PageIndex() const
{
    const TabcCustomButtonBar* bar = ButtonBar();
    return bar ? bar->IndexOfPage(this) : -1;
}

void TabcButtonPage::SetPageIndex(int index)
{
    if (TabcPageSite* site = Site())
        site->MovePage(this, index);
}

void TabcButtonPage::TextChanged()
{
    TWinControl::TextChanged();
    ButtonContentsChanged();
}

void TabcButtonPage::ButtonContentsChanged()
{
    if (TabcPageSite* site = Site())
        site->UpdatePageButton(this);
}

// Ctrl+Tab inside a page cycles the bar's pages as it does on the bar itself.
void TabcButtonPage::KeyDown(unsigned short& key, TShiftState shift)
{
    TabcCustomButtonBar* bar = ButtonBar();
    if (key == vkTab && shift.Contains(TShift::ssCtrl) && bar) {
        bar->SelectNextPage(!shift.Contains(TShift::ssShift));
        key = 0;
        return;
    }
    TWinControl::KeyDown(key, shift);
}

void TabcButtonPage::DoEnter()
{
    TWinControl::DoEnter();
    if (TabcPageSite* site = Site())
        site->PageFocusChanged(this, true);
    PassFocusToButtonList();
}

// A button list as the page's first control takes the focus the page received.
void TabcButtonPage::PassFocusToButtonList()
{
    const std::vector<TControl*> controls = Controls();
    if (controls.empty())
        return;
    if (auto* list = dynamic_cast<TabcCustomButtonList*>(controls.front());
        list && list->isVisible() && list->isEnabled())
        list->SetFocus();
}

void TabcButtonPage::DoExit()
{
    if (TabcPageSite* site = Site())
        site->PageFocusChanged(this, false);
    TWinControl::DoExit();
}
