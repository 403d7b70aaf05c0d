#include "TabcButtonBarDocking.h"

#include "TabcButtonPage.h"
#include "TabcCustomButtonBar.h"

#include <QRegularExpression>
#include <memory>

namespace {

// A caption up to its first line break: a page caption is one line.
QString FirstLine(const QString& caption)
{
    const qsizetype end = caption.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    return end < 0 ? caption : caption.left(end);
}

} // namespace

TabcButtonBarDocking::TabcButtonBarDocking(TabcCustomButtonBar& bar)
    : m_bar(bar)
{}

TControl* TabcButtonBarDocking::DockedControlOf(const TabcButtonPage* page) const
{
    for (TControl* client : m_bar.DockClients())
        if (client->Parent() == page)
            return client;
    return nullptr;
}

bool TabcButtonBarDocking::CanDock(const TControl* control) const
{
    return control->HostDockSite() != &m_bar;
}

void TabcButtonBarDocking::Dock(TControl* control)
{
    auto page = std::make_unique<TabcButtonPage>(&m_bar);
    page->SetCaption(control->Caption().isEmpty() ? control->Name() : control->Caption());
    page->SetButtonBar(&m_bar);
    control->SetParent(page.get());
    page->SetButtonVisible(control->Visible());
    if (control->Visible())
        m_bar.SetActivePage(page.get());
    control->SetAlign(TAlign::alClient);
    page.release();
}

void TabcButtonBarDocking::Undocking(TControl* control)
{
    control->SetAlign(TAlign::alNone);
}

// Not at once: the control may leave from a handler of the page's own button (a double
// click floats it).
void TabcButtonBarDocking::Left(TWinControl* formerParent)
{
    auto* page = dynamic_cast<TabcButtonPage*>(formerParent);
    if (!page || m_bar.IndexOfPage(page) < 0)
        return;
    page->SetButtonVisible(false);
    page->deleteLater();
}

void TabcButtonBarDocking::CaptionChanged(TControl* control)
{
    if (auto* page = dynamic_cast<TabcButtonPage*>(control->Parent()))
        page->SetCaption(FirstLine(control->Caption()));
}

// A control shown again makes its button reappear; its page shows only while open, so
// that a page never covers the open one.
void TabcButtonBarDocking::VisibilityChanged(TControl* control)
{
    auto* page = dynamic_cast<TabcButtonPage*>(control->Parent());
    if (!page)
        return;
    page->SetButtonVisible(control->Visible());
    if (!control->Visible() || page == m_bar.ActivePage())
        page->SetVisible(control->Visible());
}
