#include "TabcCustomButtonBar.h"

#include "Exception.h"
#include "TAlignSuspension.h"
#include "TClassInfo.h"
#include "TEdgeFlags.h"
#include "TImageList.h"
#include "TKeyCodes.h"
#include "TPicture.h"
#include "TTickCount.h"
#include "TabcBarBtn.h"
#include "TabcButtonPage.h"
#include "TabcPageChangeAnimation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScopeGuard>
#include <algorithm>

const TClassInfo& TabcCustomButtonBar::StaticClassInfo()
{
    static const TClassInfo info("TabcCustomButtonBar", &TabcCustomEdgePanel::StaticClassInfo(),
                                 [](TClassInfo&) {});
    return info;
}

namespace {

constexpr int borderWidth = 2;     // pixels of the sunken border of bsSingle
constexpr int leftAlignMargin = 5; // pixels before a left-aligned caption

// The character after a single '&' of a caption, or a null character.
QChar AcceleratorOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1].toUpper();
        ++i;
    }
    return QChar();
}

} // namespace

TabcCustomButtonBar::TabcCustomButtonBar(TComponent* owner)
    : TabcCustomEdgePanel(owner)
{
    SetBounds(0, 0, 160, 300);
    SetTabStop(true);
    SetBevelOuter(TBevelCut::bvNone);
    SetBevelInner(TBevelCut::bvNone);
    SetParentColor(false);
    SetColor(clBtnShadow);
    qApp->installEventFilter(this);
}

TabcCustomButtonBar::~TabcCustomButtonBar()
{
    m_destroying = true;
    // From here on no page finds itself in the bar: none calls back while it goes.
    m_pages.clear();
    m_buttons.clear();
    m_activePage = nullptr;
}

int TabcCustomButtonBar::IndexOfPage(const TabcButtonPage* page) const
{
    const auto found = std::find(m_pages.begin(), m_pages.end(), page);
    return found == m_pages.end() ? -1 : int(found - m_pages.begin());
}

TabcBarBtn* TabcCustomButtonBar::ButtonOf(const TabcButtonPage* page) const
{
    const int index = IndexOfPage(page);
    return index < 0 ? nullptr : m_buttons[size_t(index)];
}

// --- Settings -------------------------------------------------------------------------

template <class Apply> void TabcCustomButtonBar::ForEachButtonAligned(Apply apply)
{
    {
        TAlignSuspension suspended(this);
        for (TabcBarBtn* button : m_buttons)
            apply(button);
    }
    Realign();
}

void TabcCustomButtonBar::SetActiveFontColor(TColor color)
{
    if (color == m_activeFontColor)
        return;
    m_activeFontColor = color;
    UpdateButtonFont(m_activePage);
}

void TabcCustomButtonBar::SetAnimationSteps(int steps)
{
    m_animationSteps = std::clamp(steps, 1, 255);
}

void TabcCustomButtonBar::SetAnimationTime(int milliseconds)
{
    m_animationTime = std::clamp(milliseconds, 0, 65535);
}

int TabcCustomButtonBar::ButtonMargin() const
{
    return m_buttonAlign == TabcBarButtonAlign::abbLeft ? leftAlignMargin : -1;
}

void TabcCustomButtonBar::SetButtonAlign(TabcBarButtonAlign align)
{
    if (align == m_buttonAlign)
        return;
    m_buttonAlign = align;
    for (TabcBarBtn* button : m_buttons)
        button->SetMargin(ButtonMargin());
}

void TabcCustomButtonBar::SetButtonColor(TColor color)
{
    if (color == m_buttonColor)
        return;
    m_buttonColor = color;
    for (TabcBarBtn* button : m_buttons)
        button->SetColor(color);
}

void TabcCustomButtonBar::SetButtonCursor(TCursor cursor)
{
    if (cursor == m_buttonCursor)
        return;
    m_buttonCursor = cursor;
    for (TabcBarBtn* button : m_buttons)
        button->SetCursor(cursor);
}

void TabcCustomButtonBar::SetButtonHeight(int height)
{
    if (height == m_buttonHeight)
        return;
    if (height < 0)
        throw EInvalidOperation(QStringLiteral("%1 property out of range").arg(ClassInfo().Name()));
    m_buttonHeight = height;
    ForEachButtonAligned([height](TabcBarBtn* button) { button->SetHeight(height); });
}

void TabcCustomButtonBar::SetButtonHighlight(TabcGlyphHighlight highlight)
{
    if (highlight == m_buttonHighlight)
        return;
    m_buttonHighlight = highlight;
    ForEachButtonAligned(
        [highlight](TabcBarBtn* button) { button->SetPictureHighlight(highlight); });
}

void TabcCustomButtonBar::SetButtonStyle(TabcButtonStyle style)
{
    if (style == m_buttonStyle)
        return;
    m_buttonStyle = style;
    ForEachButtonAligned([style](TabcBarBtn* button) { button->SetStyle(style); });
}

void TabcCustomButtonBar::SetImages(TImageList* images)
{
    if (images == m_images)
        return;
    m_images = images;
    if (m_images)
        m_images->FreeNotification(this);
    for (TabcBarBtn* button : m_buttons)
        button->SetImages(images);
}

void TabcCustomButtonBar::Notification(TComponent* component, TOperation operation)
{
    TabcCustomEdgePanel::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_images)
        SetImages(nullptr);
}

void TabcCustomButtonBar::SetOptions(TabcButtonBarOptions options)
{
    const TabcButtonBarOptions old = m_options;
    m_options = options;
    const auto changed = [&](TabcButtonBarOption option) {
        return old.Contains(option) != options.Contains(option);
    };
    if (changed(TabcButtonBarOption::abbButtonDown))
        UpdateButtonDown(options.Contains(TabcButtonBarOption::abbButtonDown));
    if (changed(TabcButtonBarOption::abbShowFocus) && m_activePage)
        ButtonOf(m_activePage)
            ->SetShowFocusRect(options.Contains(TabcButtonBarOption::abbShowFocus));
}

void TabcCustomButtonBar::SetBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    Realign();
    Invalidate();
}

// --- Layout -------------------------------------------------------------------------------

QRect TabcCustomButtonBar::InnerRect() const
{
    QRect rect = ClientRect();
    if (m_borderStyle == TBorderStyle::bsSingle)
        rect.adjust(borderWidth, borderWidth, -borderWidth, -borderWidth);
    int inset = BorderWidth();
    if (BevelOuter() != TBevelCut::bvNone)
        inset += BevelWidth();
    if (BevelInner() != TBevelCut::bvNone)
        inset += BevelWidth();
    const TabcBevelEdges edges = BevelEdges();
    rect.adjust(edges.Contains(TabcBevelEdge::beLeft) ? inset : 0,
                edges.Contains(TabcBevelEdge::beTop) ? inset : 0,
                edges.Contains(TabcBevelEdge::beRight) ? -inset : 0,
                edges.Contains(TabcBevelEdge::beBottom) ? -inset : 0);
    return rect;
}

bool TabcCustomButtonBar::Showing() const
{
    return isVisible();
}

// The buttons up to the open page's stand at the top, the rest at the bottom; the
// open page gets what lies between.
void TabcCustomButtonBar::AlignControls()
{
    if (m_pages.empty() || !m_activePage || IsLoading() || !Showing())
        return;
    const QRect inner = InnerRect();
    int top = inner.y();
    int bottom = inner.y() + inner.height();
    const int active = IndexOfPage(m_activePage);
    for (int i = 0; i <= active; ++i) {
        if (!m_buttons[size_t(i)]->Visible())
            continue;
        m_buttons[size_t(i)]->SetBounds(inner.x(), top, inner.width(), m_buttonHeight);
        top += m_buttonHeight;
    }
    for (int i = PageCount() - 1; i > active; --i) {
        if (!m_buttons[size_t(i)]->Visible())
            continue;
        m_buttons[size_t(i)]->SetBounds(inner.x(), bottom - m_buttonHeight, inner.width(),
                                        m_buttonHeight);
        bottom -= m_buttonHeight;
    }
    if (bottom > top && inner.width() > 0)
        m_activePage->SetBounds(inner.x(), top, inner.width(), bottom - top);
}

void TabcCustomButtonBar::showEvent(QShowEvent* event)
{
    TabcCustomEdgePanel::showEvent(event);
    Realign();
}

void TabcCustomButtonBar::Paint()
{
    TabcCustomEdgePanel::Paint();
    if (m_borderStyle != TBorderStyle::bsSingle)
        return;
    QRect rect = ClientRect();
    Canvas()->DrawEdge(rect, EDGE_SUNKEN, BF_RECT);
}

// Only pages are stored as the bar's children, in page order.
std::vector<TComponent*> TabcCustomButtonBar::ChildComponents(const TComponent* root) const
{
    std::vector<TComponent*> children;
    for (TabcButtonPage* page : m_pages)
        if (page->Owner() == root)
            children.push_back(page);
    return children;
}

void TabcCustomButtonBar::Loaded()
{
    for (TabcButtonPage* page : m_pages)
        UpdatePageButtonVisibility(page);
    ShowOnlyActivePage();
    TabcCustomEdgePanel::Loaded();
    UpdateButtonFont(m_activePage);
    Realign();
}

// --- Pages ----------------------------------------------------------------------------------

void TabcCustomButtonBar::InsertPage(TabcButtonPage* page)
{
    {
        TAlignSuspension suspended(this);
        auto* button = new TabcBarBtn(this, page);
        button->SetCaption(page->Caption());
        button->SetEnabled(page->ButtonEnabled());
        button->SetHint(page->Hint());
        button->SetImages(m_images);
        button->SetImageIndex(page->ImageIndex());
        button->SetAction(page->Action());
        button->SetColor(m_buttonColor);
        button->SetCursor(m_buttonCursor);
        button->SetHeight(m_buttonHeight);
        button->SetPictureHighlight(m_buttonHighlight);
        button->SetStyle(m_buttonStyle);
        button->SetMargin(ButtonMargin());
        button->SetPopup(false);
        button->SetParent(nullptr);
        button->SetParent(this);
        m_pages.push_back(page);
        m_buttons.push_back(button);
        // One group for all buttons of the bar; never 0, which would mean no group.
        button->SetGroupIndex(m_buttons.size() == 1
                                  ? int(std::max<qint64>(1, TTickCount::Now() & 0x7FFFFFFF))
                                  : m_buttons.front()->GroupIndex());
        button->SetAllowAllUp(!m_options.Contains(TabcButtonBarOption::abbButtonDown));
    }
    if (!IsLoading()) {
        UpdatePageButtonVisibility(page);
        ShowOnlyActivePage();
    }
    Realign();
}

// Of the pages only the open one is shown; the others lie hidden until they open.
void TabcCustomButtonBar::ShowOnlyActivePage()
{
    for (TabcButtonPage* page : m_pages)
        page->SetVisible(page == m_activePage);
}

void TabcCustomButtonBar::RemovePage(TabcButtonPage* page)
{
    int index = IndexOfPage(page);
    if (index < 0)
        return;
    const bool wasOpen = page == m_activePage && !m_destroying;
    if (wasOpen)
        SetActivePage(nullptr);
    if (m_activePage == page)
        m_activePage = nullptr; // a change under way ignored the call: never keep a gone page
    TabcBarBtn* button = m_buttons[size_t(index)];
    m_pages.erase(m_pages.begin() + index);
    m_buttons.erase(m_buttons.begin() + index);
    delete button;
    if (!wasOpen)
        return;
    if (index > 0 && index == PageCount())
        --index;
    if (index < PageCount())
        SetActivePage(m_pages[size_t(index)]);
}

void TabcCustomButtonBar::MovePage(TabcButtonPage* page, int index)
{
    const int from = IndexOfPage(page);
    if (from < 0)
        return;
    if (index < 0 || index >= PageCount())
        throw EListError(
            QStringLiteral("%1 is an invalid PageIndex value.  PageIndex must be between 0 and %2")
                .arg(index)
                .arg(PageCount() - 1));
    TabcBarBtn* button = m_buttons[size_t(from)];
    m_pages.erase(m_pages.begin() + from);
    m_buttons.erase(m_buttons.begin() + from);
    m_pages.insert(m_pages.begin() + index, page);
    m_buttons.insert(m_buttons.begin() + index, button);
    Realign();
}

void TabcCustomButtonBar::UpdatePageButton(TabcButtonPage* page)
{
    TabcBarBtn* button = ButtonOf(page);
    if (!button)
        return;
    button->SetCaption(page->Caption());
    button->Picture()->Assign(page->ButtonPicture());
    button->SetHint(page->Hint());
    button->SetImages(m_images);
    button->SetImageIndex(page->ImageIndex());
    button->SetAction(page->Action());
    UpdateButtonFont(page);
}

void TabcCustomButtonBar::UpdateButtonFont(TabcButtonPage* page)
{
    TabcBarBtn* button = ButtonOf(page);
    if (!button || m_activeFontColor == clNone)
        return;
    // Every button takes the bar's font again; the open page's then gets its colour.
    button->SetParentFont(true);
    if (page == m_activePage)
        button->Font()->SetColor(m_activeFontColor);
}

void TabcCustomButtonBar::UpdateButtonDown(bool keepDown)
{
    const int active = IndexOfPage(m_activePage);
    for (int i = 0; i < PageCount(); ++i) {
        m_buttons[size_t(i)]->SetAllowAllUp(!keepDown);
        m_buttons[size_t(i)]->SetDown(keepDown && i == active);
    }
}

void TabcCustomButtonBar::UpdatePageButtonVisibility(TabcButtonPage* page)
{
    if (IndexOfPage(page) < 0)
        return;
    if (page->ButtonVisible())
        ShowPageButton(page);
    else
        HidePageButton(page);
}

void TabcCustomButtonBar::ShowPageButton(TabcButtonPage* page)
{
    UpdatePageButton(page);
    ButtonOf(page)->SetVisible(true);
    if (!IsLoading() && !m_activePage)
        SetActivePage(page);
    Realign();
}

void TabcCustomButtonBar::HidePageButton(TabcButtonPage* page)
{
    ButtonOf(page)->SetVisible(false);
    if (!IsLoading()) {
        if (!AnyButtonVisible()) {
            SetActivePage(nullptr);
        } else if (page == m_activePage) {
            SelectNextPage(IndexOfPage(page) == 0);
            if (page == m_activePage)
                SetActivePage(nullptr);
        }
        Realign();
    }
}

bool TabcCustomButtonBar::AnyButtonVisible() const
{
    return std::any_of(m_buttons.begin(), m_buttons.end(),
                       [](const TabcBarBtn* button) { return button->Visible(); });
}

TabcButtonPage* TabcCustomButtonBar::FindNextPage(TabcButtonPage* current, bool forward,
                                                  bool visibleOnly) const
{
    const int count = PageCount();
    if (count == 0)
        return nullptr;
    int start = IndexOfPage(current);
    if (start < 0)
        start = forward ? count - 1 : 0;
    int index = start;
    do {
        index = forward ? (index + 1) % count : (index + count - 1) % count;
    } while (visibleOnly && !m_pages[size_t(index)]->ButtonVisible() && index != start);
    return m_pages[size_t(index)];
}

void TabcCustomButtonBar::SelectNextPage(bool forward)
{
    SetActivePage(FindNextPage(m_activePage, forward, AnyButtonVisible()));
}

// The button sets the bar's editing flag for the edit and clears it when the edit ends.
void TabcCustomButtonBar::EditActivePageCaption()
{
    if (m_activePage)
        ButtonOf(m_activePage)->EditCaption();
}

// --- Changing the open page --------------------------------------------------------------

void TabcCustomButtonBar::SetActivePage(TabcButtonPage* page)
{
    if (m_changing || (page && page->ButtonBar() != this))
        return;
    if (page == m_activePage)
        return;
    if (IsLoading()) {
        m_activePage = page;
        return;
    }
    // The change may outlive the bar (a handler run meanwhile may free it).
    QPointer<TabcCustomButtonBar> self(this);
    m_changing = true;
    try {
        if (CanChange(page) && ChangeActivePage(page) && self)
            Change();
    } catch (...) {
        if (self)
            m_changing = false;
        throw;
    }
    if (self)
        m_changing = false;
}

bool TabcCustomButtonBar::CanChange(TabcButtonPage* page)
{
    bool allow = true;
    OnChanging(this, page, allow);
    return allow;
}

void TabcCustomButtonBar::Change()
{
    OnChange(this);
}

bool TabcCustomButtonBar::ChangeActivePage(TabcButtonPage* page)
{
    // The slide waits for events: the bar and both pages may go meanwhile.
    QPointer<TabcCustomButtonBar> self(this);
    QPointer<TabcButtonPage> old(m_activePage);
    QPointer<TabcButtonPage> opening(page);
    QWidget* focus = QApplication::focusWidget();
    const bool focusInOld = old && focus && (focus == old || old->isAncestorOf(focus));
    if (page) {
        if (m_firstSize.isNull())
            m_firstSize = size();
        page->SetBounds(0, 0, m_firstSize.width(), m_firstSize.height());
        page->BringToFront();
        page->SetVisible(true);
    }
    bool opened = false;
    {
        TAlignSuspension suspended(this);
        TabcPageChangeAnimation(*this, old, page).Run();
        if (!self)
            return false;
        opened = !page || opening;
        if (opened) {
            m_activePage = page;
            UpdateButtonFont(old);
            UpdateButtonFont(page);
            UpdateButtonDown(m_options.Contains(TabcButtonBarOption::abbButtonDown));
            if (old && old != page) {
                old->SendToBack();
                old->SetVisible(false);
            }
        }
    }
    Realign();
    if (opened && focusInOld && page)
        (page->focusPolicy() != Qt::NoFocus ? static_cast<QWidget*>(page) : this)
            ->setFocus(Qt::OtherFocusReason);
    return opened;
}

void TabcCustomButtonBar::OpenPageForDrag(TabcButtonPage* page)
{
    m_dragSwitch = true;
    const auto clear = qScopeGuard([this] { m_dragSwitch = false; });
    SetActivePage(page);
}

// --- Keyboard and focus ------------------------------------------------------------------------

void TabcCustomButtonBar::KeyDown(unsigned short& key, TShiftState shift)
{
    if (key == vkTab && shift.Contains(TShift::ssCtrl)) {
        SelectNextPage(!shift.Contains(TShift::ssShift));
        key = 0;
        return;
    }
    TabcCustomEdgePanel::KeyDown(key, shift);
}

void TabcCustomButtonBar::DoEnter()
{
    TabcCustomEdgePanel::DoEnter();
    if (m_activePage && m_activePage->focusPolicy() != Qt::NoFocus)
        m_activePage->SetFocus();
}

void TabcCustomButtonBar::PageFocusChanged(TabcButtonPage* page, bool focused)
{
    if (m_options.Contains(TabcButtonBarOption::abbShowFocus))
        ButtonOf(page)->SetShowFocusRect(focused);
}

// Alt with a page caption's accelerator, anywhere in the bar's window, opens that page.
bool TabcCustomButtonBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !isVisible())
        return TabcCustomEdgePanel::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window() || key->modifiers() != Qt::AltModifier ||
        key->text().isEmpty())
        return TabcCustomEdgePanel::eventFilter(watched, event);
    return SelectPageByAccelerator(key->text().front().toUpper());
}

bool TabcCustomButtonBar::SelectPageByAccelerator(QChar character)
{
    for (TabcButtonPage* page : m_pages) {
        if (!page->ButtonVisible() || AcceleratorOf(page->Caption()) != character)
            continue;
        SetActivePage(page);
        if (QWidget* first = nextInFocusChain(); first && isAncestorOf(first))
            first->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return false;
}

// --- Docking ------------------------------------------------------------------------------------

TControl* TabcCustomButtonBar::DockedControlOf(const TabcButtonPage* page) const
{
    return m_docking.DockedControlOf(page);
}

bool TabcCustomButtonBar::CanDockClient(const TControl* control) const
{
    return m_docking.CanDock(control) && TabcCustomEdgePanel::CanDockClient(control);
}

QRect TabcCustomButtonBar::DockRect() const
{
    if (m_activePage)
        return m_activePage->DockRect();
    return TabcCustomEdgePanel::DockRect();
}

void TabcCustomButtonBar::DockDrop(TControl* control)
{
    m_docking.Dock(control);
}

void TabcCustomButtonBar::UnDockClient(TControl* control)
{
    m_docking.Undocking(control);
}

void TabcCustomButtonBar::DockClientLeft(TControl*, TWinControl* formerParent)
{
    if (!m_destroying)
        m_docking.Left(formerParent);
}

void TabcCustomButtonBar::DockClientCaptionChanged(TControl* control)
{
    m_docking.CaptionChanged(control);
}

void TabcCustomButtonBar::DockClientVisibilityChanged(TControl* control)
{
    m_docking.VisibilityChanged(control);
}
