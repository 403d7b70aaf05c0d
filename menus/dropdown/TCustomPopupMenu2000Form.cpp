#include "TCustomPopupMenu2000Form.h"

#include "RectEdges.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TCustomPopupMenu2000.h"
#include "TEdgeFlags.h"
#include "TMenu.h"
#include "TMenuItem2000.h"
#include "TPopupMenu.h"
#include "TWindowPlace.h"
#include "T_AM2000_Colors.h"
#include "T_AM2000_DrawState.h"
#include "T_AM2000_EntryWatch.h"
#include "T_AM2000_ItemPainter.h"
#include "T_AM2000_Margins.h"
#include "T_AM2000_MenuOptions.h"
#include "T_AM2000_ScrollView.h"
#include "T_AM2000_Separator.h"
#include "T_AM2000_Skin.h"
#include "T_AM2000_SkinBackground.h"
#include "T_AM2000_Title.h"
#include "T_AM2000_TitleStrip.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace {

using C = T_AM2000_Colors;
using F = T_AM2000_Flag;

constexpr int ChevronHalfWidth = 3; // the expand button's two chevrons, 7 pixels wide
constexpr int ChevronPitch = 4;
constexpr int GripInset = 2; // the drag strip's raised bar
constexpr int GripHeight = 3;

// Where a submenu's items hang: item itself, or the root of its attached menu.
const TMenuItem* SubmenuParent(const TMenuItem2000& item)
{
    if (item.Count() == 0 && item.AttachMenu())
        return item.AttachMenu()->Items();
    return &item;
}

std::vector<TMenuItem2000*> SubmenuItems(const TMenuItem2000& item)
{
    const TMenuItem* parent = SubmenuParent(item);
    std::vector<TMenuItem2000*> items;
    for (int i = 0; i < parent->Count(); ++i) {
        if (auto* child = dynamic_cast<TMenuItem2000*>(parent->Items(i)))
            items.push_back(child);
    }
    return items;
}

// The animated items of item's context menu; its platform items are left out.
std::vector<TMenuItem2000*> ContextMenuItems(const TMenuItem2000& item)
{
    std::vector<TMenuItem2000*> items;
    if (const TPopupMenu* menu = item.PopupMenu()) {
        for (TMenuItem* entry : menu->Items()) {
            if (auto* animated = dynamic_cast<TMenuItem2000*>(entry))
                items.push_back(animated);
        }
    }
    return items;
}

bool HasSubmenu(const TMenuItem2000& item)
{
    for (const TMenuItem2000* child : SubmenuItems(item)) {
        if (child->Visible())
            return true;
    }
    return false;
}

} // namespace

TCustomPopupMenu2000Form::TCustomPopupMenu2000Form(TCustomPopupMenu2000& menu, TMenuItem2000& item,
                                                   TCustomPopupMenu2000Form* parentWindow,
                                                   Contents contents)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
    , m_menu(menu)
    , m_item(item)
    , m_parentWindow(parentWindow)
    , m_contents(contents)
    , m_canvas(std::make_unique<TBitmap>())
    , m_entryWatch(std::make_unique<T_AM2000_EntryWatch>(
          item, [this] { EntryFreed(); }, [this] { Orphan(); }))
    , m_showUnderlines(parentWindow ? parentWindow->ShowUnderlines() : menu.ShowUnderlines())
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    Relayout();
}

TCustomPopupMenu2000Form::~TCustomPopupMenu2000Form() = default;

void TCustomPopupMenu2000Form::Relayout()
{
    if (ItemFreed())
        return;
    m_options = m_menu.DropDownOptions(m_item);
    m_expanded = m_expanded || m_options->Flags().Contains(F::mfHiddenIsVisible);
    CollectEntries();
    if (m_entries.empty() && m_hiddenPresent) {
        m_expanded = true;
        CollectEntries();
    }
    // A selection that still names an entry survives a new layout.
    const int count = int(m_entries.size());
    if (m_selected >= count || (m_selected == ExpandButton && !m_hiddenPresent))
        m_selected = NoEntry;
    if (m_previousSelected >= count)
        m_previousSelected = NoEntry;
    const T_AM2000_DropDownLayout::Frame frame = LayoutFrame();
    const bool keep = ShowsNoState() && T_AM2000_DropDownPictures::Keepable(m_entries, *m_options);
    T_AM2000_DropDownPictures::Source source;
    if (keep) {
        source = PictureSource(frame);
        if (TakeKeptPicture(source)) {
            update();
            return;
        }
    }
    Measure(frame);
    PaintAll();
    if (keep)
        KeepPicture(std::move(source));
    update();
}

void TCustomPopupMenu2000Form::ScheduleRelayout()
{
    if (m_relayoutPending)
        return;
    m_relayoutPending = true;
    QTimer::singleShot(0, this, [this] {
        m_relayoutPending = false;
        Relayout();
    });
}

void TCustomPopupMenu2000Form::CollectEntries()
{
    m_entries.clear();
    m_hiddenPresent = false;
    const auto items =
        m_contents == Contents::ContextMenu ? ContextMenuItems(m_item) : SubmenuItems(m_item);
    for (TMenuItem2000* child : items) {
        if (!child->Visible())
            continue;
        if (child->Hidden() && !m_expanded) {
            m_hiddenPresent = true;
            continue;
        }
        m_entries.push_back(child);
    }
    while (!m_entries.empty() && T_AM2000_Separator::IsSeparator(m_entries.back()->Caption()))
        m_entries.pop_back();
    m_entryWatch->Watch(m_entries);
}

// The freed item has already left its parent and its context menu, so a new layout
// lists what is left.
void TCustomPopupMenu2000Form::EntryFreed()
{
    if (m_entryFreed)
        m_entryFreed();
    else
        Relayout();
}

TMenuViewers* TCustomPopupMenu2000Form::ListedViewers() const
{
    if (ItemFreed())
        return nullptr;
    if (m_contents == Contents::Submenu)
        return SubmenuParent(m_item)->Viewers();
    TPopupMenu* contextMenu = m_item.PopupMenu();
    return contextMenu ? &contextMenu->Viewers() : nullptr;
}

bool TCustomPopupMenu2000Form::ItemFreed() const
{
    return m_entryWatch->ItemFreed();
}

// The entries outlive the item, but nothing tells of their changes any more.
void TCustomPopupMenu2000Form::Orphan()
{
    m_entries.clear();
    m_selected = NoEntry;
    m_previousSelected = NoEntry;
    m_hiddenPresent = false;
    Measure(LayoutFrame());
    PaintAll();
    hide();
    if (m_itemFreed)
        m_itemFreed();
}

// Nothing selected, pressed or left open: the window looks as any window of its entries
// would.
bool TCustomPopupMenu2000Form::ShowsNoState() const
{
    return m_selected == NoEntry && !m_pressed && m_openBorderWidth == 0;
}

T_AM2000_DropDownLayout::Frame TCustomPopupMenu2000Form::LayoutFrame() const
{
    T_AM2000_DropDownLayout::Frame frame;
    frame.outer3D = m_parentWindow ? m_parentWindow->Layout().OuterFrame() : m_menu.HasOuterFrame();
    frame.minimumBevel = m_menu.MinimumBevel();
    frame.expanded = m_expanded;
    frame.hiddenPresent = m_hiddenPresent;
    return frame;
}

// Fonts given in points are measured at the primary screen's resolution.
T_AM2000_DropDownPictures::Source
TCustomPopupMenu2000Form::PictureSource(const T_AM2000_DropDownLayout::Frame& frame) const
{
    T_AM2000_DropDownPictures::Source source;
    source.options = m_options;
    source.frame = frame;
    source.underlines = m_showUnderlines;
    const QScreen* screen = QGuiApplication::primaryScreen();
    source.logicalDpi = screen ? screen->logicalDotsPerInch() : 0;
    source.entries.reserve(m_entries.size());
    for (int i = 0; i < int(m_entries.size()); ++i) {
        const TMenuItem2000& item = *m_entries[std::size_t(i)];
        T_AM2000_DropDownPictures::EntryLook look;
        look.item = &item;
        look.caption = item.Caption();
        look.shortCutText = item.ShortCutText();
        look.bitmap = item.Bitmap()->Image().cacheKey();
        look.bitmapTransparentColor = item.Bitmap()->TransparentColor();
        look.imageIndex = item.ImageIndex();
        look.defaultIndex = item.DefaultIndex();
        look.numGlyphs = item.NumGlyphs();
        look.state = EntryState(i);
        source.entries.push_back(std::move(look));
    }
    return source;
}

bool TCustomPopupMenu2000Form::TakeKeptPicture(const T_AM2000_DropDownPictures::Source& source)
{
    const auto kept = m_menu.Pictures().Find(m_item, m_contents == Contents::ContextMenu, source);
    if (!kept)
        return false;
    m_options = kept->source.options;
    m_layout = kept->layout;
    FitToLayout();
    PrepareCanvas();
    m_canvas->SetImage(kept->image);
    return true;
}

void TCustomPopupMenu2000Form::KeepPicture(T_AM2000_DropDownPictures::Source source)
{
    auto picture = std::make_shared<T_AM2000_DropDownPictures::Picture>();
    picture->source = std::move(source);
    picture->layout = m_layout;
    picture->image = m_canvas->Image();
    m_menu.Pictures().Keep(m_item, m_contents == Contents::ContextMenu, std::move(picture));
}

void TCustomPopupMenu2000Form::Measure(const T_AM2000_DropDownLayout::Frame& frame)
{
    auto layout =
        std::make_shared<T_AM2000_DropDownLayout>(*m_options, *m_menu.Font(), m_menu.Images());
    layout->Measure(m_entries, frame);
    m_layout = std::move(layout);
    FitToLayout();
    PrepareCanvas();
    const QSize size = m_layout->WindowSize();
    if (m_canvas->Width() != size.width() || m_canvas->Height() != size.height())
        m_canvas->SetSize(size.width(), size.height());
}

// The painter, the skin background and the window's size follow the layout.
void TCustomPopupMenu2000Form::FitToLayout()
{
    m_painter = std::make_unique<T_AM2000_ItemPainter>(*m_options, *m_menu.Font(), m_menu.Images(),
                                                       m_layout->RightTextWidth());
    m_painter->SetShowUnderlines(m_showUnderlines);
    m_background = QImage();
    if (m_scroll) {
        MakeScrollView(m_scroll->WindowSize().height(), m_scroll->FirstShown());
        setFixedSize(m_scroll->WindowSize());
    } else {
        setFixedSize(m_layout->WindowSize());
    }
}

// 24 bits of colour held in 32-bit words: the painter's native format, so neither
// drawing nor the animation has to convert.
void TCustomPopupMenu2000Form::PrepareCanvas()
{
    if (m_canvas->PixelFormat() != TPixelFormat::pf32bit)
        m_canvas->SetPixelFormat(TPixelFormat::pf32bit);
}

void TCustomPopupMenu2000Form::MakeScrollView(int height, int firstShown)
{
    T_AM2000_ScrollView::Menu menu;
    menu.size = m_layout->WindowSize();
    for (int i = 0; i < m_layout->EntryCount(); ++i)
        menu.entries.push_back(m_layout->EntryRect(i));
    menu.lineHeight = m_layout->LineHeight();
    m_scroll = std::make_unique<T_AM2000_ScrollView>(
        std::move(menu), height, T_AM2000_ScrollView::SystemBarWidth(), firstShown);
}

void TCustomPopupMenu2000Form::SetScrollHeight(int height)
{
    if (height <= 0) {
        m_scroll.reset();
        setFixedSize(m_layout->WindowSize());
    } else {
        MakeScrollView(height, m_scroll ? m_scroll->FirstShown() : 0);
        setFixedSize(m_scroll->WindowSize());
    }
    update();
}

int TCustomPopupMenu2000Form::FirstShown() const
{
    return m_scroll ? m_scroll->FirstShown() : 0;
}

int TCustomPopupMenu2000Form::LastShown() const
{
    return m_scroll ? m_scroll->LastShown() : int(m_entries.size()) - 1;
}

bool TCustomPopupMenu2000Form::Scroll(int zone)
{
    return ShownChanged(m_scroll && m_scroll->Scroll(zone));
}

bool TCustomPopupMenu2000Form::ScrollTo(int firstShown)
{
    return ShownChanged(m_scroll && m_scroll->ScrollTo(firstShown));
}

bool TCustomPopupMenu2000Form::ScrollToShow(int index)
{
    return ShownChanged(m_scroll && m_scroll->ScrollToShow(index));
}

bool TCustomPopupMenu2000Form::ShownChanged(bool changed)
{
    if (changed)
        update();
    return changed;
}

QRect TCustomPopupMenu2000Form::ShownEntryRect(int index) const
{
    return m_scroll ? m_scroll->ShownEntryRect(index) : EntryRect(index);
}

QRect TCustomPopupMenu2000Form::ShownControlArea(int index) const
{
    return m_painter->ControlArea(ShownEntryRect(index), EntryState(index));
}

QRect TCustomPopupMenu2000Form::ShownExpandButtonRect() const
{
    const QRect button = m_layout->ExpandButtonRect();
    return m_scroll && !button.isEmpty() ? m_scroll->ShownFooterRect(button) : button;
}

TMenuItem2000* TCustomPopupMenu2000Form::EntryAt(int index) const
{
    if (index < 0 || index >= int(m_entries.size()))
        return nullptr;
    return m_entries[std::size_t(index)];
}

int TCustomPopupMenu2000Form::IndexOf(const TMenuItem2000* item) const
{
    const auto found = std::find(m_entries.begin(), m_entries.end(), item);
    return found == m_entries.end() ? NoEntry : int(found - m_entries.begin());
}

bool TCustomPopupMenu2000Form::HasSubmenuAt(int index) const
{
    const TMenuItem2000* item = EntryAt(index);
    return item && HasSubmenu(*item);
}

bool TCustomPopupMenu2000Form::ChildShowsSelected() const
{
    return m_childWindow && &m_childWindow->Item() == EntryAt(m_selected);
}

QRect TCustomPopupMenu2000Form::EntryRect(int index) const
{
    return m_layout->EntryRect(index);
}

void TCustomPopupMenu2000Form::SetExpanded(bool expanded)
{
    if (expanded == m_expanded)
        return;
    m_expanded = expanded;
    Relayout();
}

void TCustomPopupMenu2000Form::SetSelected(int index)
{
    if (index == m_selected)
        return;
    m_previousSelected = m_selected;
    m_selected = index;
    RepaintEntry(m_previousSelected);
    RepaintEntry(m_selected);
}

void TCustomPopupMenu2000Form::SetOpenBorder(int left, int width, bool bottomSide)
{
    if (left == m_openBorderLeft && width == m_openBorderWidth && bottomSide == m_openBorderBottom)
        return;
    m_openBorderLeft = left;
    m_openBorderWidth = width;
    m_openBorderBottom = bottomSide;
    PaintAll();
    update();
}

void TCustomPopupMenu2000Form::SetShowUnderlines(bool show)
{
    if (show == m_showUnderlines)
        return;
    m_showUnderlines = show;
    m_painter->SetShowUnderlines(show);
    // Only captions with accelerator marks look different: a window opening from a bar
    // that shows underlines is not painted twice.
    for (int i = 0; i < int(m_entries.size()); ++i) {
        if (m_entries[std::size_t(i)]->Caption().contains(u'&'))
            RepaintEntry(i);
    }
    if (m_childWindow)
        m_childWindow->SetShowUnderlines(show);
}

void TCustomPopupMenu2000Form::SetPressed(bool pressed)
{
    if (pressed == m_pressed)
        return;
    m_pressed = pressed;
    RepaintEntry(m_selected);
}

void TCustomPopupMenu2000Form::RepaintEntry(int index)
{
    if (index >= 0 && index < int(m_entries.size())) {
        PaintEntry(index, true);
        update(ShownEntryRect(index));
    } else if (index == ExpandButton && m_hiddenPresent) {
        PaintExpandButton();
        update(ShownExpandButtonRect());
    }
}

bool TCustomPopupMenu2000Form::IsShownHidden(int index) const
{
    return index >= 0 && index < int(m_entries.size()) && m_entries[std::size_t(index)]->Hidden() &&
           m_expanded && !m_options->Flags().Contains(F::mfHiddenAsRegular);
}

int TCustomPopupMenu2000Form::EntryState(int index) const
{
    const TMenuItem2000& item = *m_entries.at(std::size_t(index));
    int state = dsGlyphLeft;
    const bool selected = index == m_selected;
    state |= item.Checked() ? dsChecked : 0;
    state |= selected ? dsSelected : 0;
    state |= item.Enabled() ? 0 : dsDisabled;
    state |= IsShownHidden(index) ? dsHidden : 0;
    state |= item.Default() ? dsDefault : 0;
    state |= item.RadioItem() ? dsRadio : 0;
    state |= HasSubmenu(item) ? dsSubmenu : 0;
    state |= IsShownHidden(index - 1) ? dsHiddenAbove : 0;
    state |= IsShownHidden(index + 1) ? dsHiddenBelow : 0;
    const T_AM2000_Title& title = *m_options->Title();
    if (title.Visible() && title.Align() == T_AM2000_TitleAlign::atLeft)
        state |= dsTitleLeft;
    if (title.Visible() && title.Align() == T_AM2000_TitleAlign::atRight)
        state |= dsTitleRight;
    state |= selected && m_pressed && item.Enabled() ? dsPressed : 0;
    return state;
}

void TCustomPopupMenu2000Form::SetOpening(bool toLeft, bool upward)
{
    m_opensLeft = toLeft;
    m_opensUpward = upward;
}

void TCustomPopupMenu2000Form::ShowAt(QPoint screenPosition)
{
    TWindowPlace::Set(*this, QRect(screenPosition, size()));
    show();
}

QRect TCustomPopupMenu2000Form::ScreenRect() const
{
    return TWindowPlace::Of(*this);
}

const QImage& TCustomPopupMenu2000Form::CanvasImage() const
{
    return m_canvas->Image();
}

QImage TCustomPopupMenu2000Form::ShownImage() const
{
    if (!m_scroll)
        return m_canvas->Image();
    const T_AM2000_Colors& colors = *m_options->Colors();
    const auto color = [&colors](int slot) { return TColors::ToQColor(colors.ValueAt(slot)); };
    return m_scroll->Compose(m_canvas->Image(), {color(C::Menu), color(C::MenuText),
                                                 color(C::Frame), color(C::FrameShadow)});
}

void TCustomPopupMenu2000Form::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), ShownImage(), event->rect());
}

void TCustomPopupMenu2000Form::PaintAll()
{
    PaintBackground();
    PaintFrame();
    PaintOpenBorder();
    PaintTitle();
    PaintDragStrip();
    for (int i = 0; i < int(m_entries.size()); ++i)
        PaintEntry(i, false);
    PaintExpandButton();
}

void TCustomPopupMenu2000Form::PaintBackground()
{
    TCanvas& canvas = *m_canvas->Canvas();
    const QRect all(QPoint(0, 0), m_layout->WindowSize());
    T_AM2000_Skin& skin = *m_options->Skin();
    const TBitmap& picture = *skin.ValueAt(T_AM2000_Skin::Background);
    if (!picture.Empty() && skin.OnPaintBackground) {
        skin.OnPaintBackground(&m_menu, &canvas, all);
        return;
    }
    RestoreBackground(all);
}

void TCustomPopupMenu2000Form::RestoreBackground(const QRect& rect)
{
    TCanvas& canvas = *m_canvas->Canvas();
    const T_AM2000_Skin& skin = *m_options->Skin();
    const TBitmap& picture = *skin.ValueAt(T_AM2000_Skin::Background);
    const QColor menu = TColors::ToQColor(m_options->Colors()->ValueAt(C::Menu));
    if (picture.Empty()) {
        canvas.Brush()->SetColor(m_options->Colors()->ValueAt(C::Menu));
        canvas.FillRect(rect);
        return;
    }
    if (m_background.size() != m_layout->WindowSize())
        m_background = T_AM2000_SkinBackground::Render(
            picture.Image(), skin.BackgroundLayout(),
            QSize(skin.CornerWidth(), skin.CornerHeight()), m_layout->WindowSize(), menu);
    canvas.DrawImage(rect, m_background, rect);
}

void TCustomPopupMenu2000Form::PaintFrame()
{
    TCanvas& canvas = *m_canvas->Canvas();
    const T_AM2000_Colors& colors = *m_options->Colors();
    QRect outer(QPoint(0, 0), m_layout->WindowSize());
    const QRect inner = m_layout->InnerRect();
    if (m_layout->OuterFrame())
        canvas.DrawEdge(outer, EDGE_RAISED, BF_RECT | BF_ADJUST);
    if (m_layout->Bevel() > 0)
        canvas.Frame3D(outer, colors.ValueAt(C::Bevel), colors.ValueAt(C::BevelShadow),
                       m_layout->Bevel());
    const int border = m_options->Margins()->ValueAt(T_AM2000_Margins::Border);
    if (border <= 0)
        return;
    const int last = int(m_entries.size()) - 1;
    const TColor sunken = colors.ValueAt(C::Sunken);
    canvas.Brush()->SetColor(colors.ValueAt(C::Border));
    canvas.FillRect(QRect(inner.x(), inner.y(), border, inner.height()));
    canvas.FillRect(QRect(RightEdge(inner) - border, inner.y(), border, inner.height()));
    const QRect top(inner.x(), inner.y(), inner.width(), border);
    const QRect bottom(inner.x(), BottomEdge(inner) - border, inner.width(), border);
    if (IsShownHidden(0))
        m_painter->FillOrDither(canvas, top, sunken);
    else
        canvas.FillRect(top);
    canvas.Brush()->SetColor(colors.ValueAt(C::Border));
    if (IsShownHidden(last))
        m_painter->FillOrDither(canvas, bottom, sunken);
    else
        canvas.FillRect(bottom);
}

// The frame's bands (3D outer frame, bevel, border) on the touching side take the menu
// colour over the raised item's width.
void TCustomPopupMenu2000Form::PaintOpenBorder()
{
    if (m_openBorderWidth <= 0 || !m_options->Flags().Contains(F::mfRaiseMenuBarItem))
        return;
    const QSize size = m_layout->WindowSize();
    const int depth =
        m_layout->InnerRect().y() + m_options->Margins()->ValueAt(T_AM2000_Margins::Border);
    const QRect gap = QRect(m_openBorderLeft, m_openBorderBottom ? size.height() - depth : 0,
                            m_openBorderWidth, depth)
                          .intersected(QRect(QPoint(0, 0), size));
    TCanvas& canvas = *m_canvas->Canvas();
    canvas.Brush()->SetColor(m_options->Colors()->ValueAt(C::Menu));
    canvas.FillRect(gap);
}

void TCustomPopupMenu2000Form::PaintTitle()
{
    const QRect place = m_layout->TitleRect();
    if (place.isEmpty())
        return;
    // A title taken over from the menu is rendered once for every window of the menu.
    const T_AM2000_Title& own = *m_options->Title();
    const T_AM2000_Title& menuTitle = *m_menu.Options()->Title();
    const T_AM2000_Title& title = own == menuTitle ? menuTitle : own;
    const TBitmap* cached = title.CachedStrip();
    if (!cached || cached->Width() != place.width() || cached->Height() != place.height()) {
        auto strip = std::make_unique<TBitmap>();
        strip->SetImage(T_AM2000_TitleStrip::Render(title, place.size()));
        title.SetCachedStrip(std::move(strip));
        cached = title.CachedStrip();
    }
    m_canvas->Canvas()->DrawImage(place, cached->Image(), cached->Image().rect());
}

void TCustomPopupMenu2000Form::PaintDragStrip()
{
    const QRect strip = m_layout->DragStripRect();
    if (strip.isEmpty())
        return;
    const T_AM2000_Colors& colors = *m_options->Colors();
    QRect grip(strip.x() + GripInset, strip.y() + (strip.height() - GripHeight) / 2,
               strip.width() - 2 * GripInset, GripHeight);
    m_canvas->Canvas()->Frame3D(grip, colors.ValueAt(C::Frame), colors.ValueAt(C::FrameShadow), 1);
}

void TCustomPopupMenu2000Form::PaintEntry(int index, bool restoreBackground)
{
    const QRect rect = EntryRect(index);
    if (restoreBackground)
        RestoreBackground(rect);
    m_painter->Paint(*m_canvas->Canvas(), rect, *m_entries[std::size_t(index)], EntryState(index));
}

void TCustomPopupMenu2000Form::PaintExpandButton()
{
    const QRect button = m_layout->ExpandButtonRect();
    if (button.isEmpty())
        return;
    TCanvas& canvas = *m_canvas->Canvas();
    const T_AM2000_Colors& colors = *m_options->Colors();
    const bool selected = m_selected == ExpandButton;
    RestoreBackground(button);
    if (selected) {
        canvas.Brush()->SetColor(colors.ValueAt(C::Highlight));
        canvas.FillRect(button);
    }
    TBitmap& unhide = *m_options->Skin()->ValueAt(T_AM2000_Skin::Unhide);
    const int cx = button.x() + button.width() / 2, cy = button.y() + button.height() / 2;
    if (!unhide.Empty()) {
        unhide.Draw(canvas, QRect(cx - unhide.Width() / 2, cy - unhide.Height() / 2, unhide.Width(),
                                  unhide.Height()));
        return;
    }
    canvas.Brush()->SetColor(colors.ValueAt(selected ? C::HighlightText : C::MenuText));
    for (int chevron = 0; chevron < 2; ++chevron) {
        const int top = cy - ChevronPitch + chevron * ChevronPitch;
        for (int i = 0; i <= ChevronHalfWidth; ++i) {
            canvas.FillRect(QRect(cx - ChevronHalfWidth + i, top + i, 1, 1));
            canvas.FillRect(QRect(cx + ChevronHalfWidth - i, top + i, 1, 1));
        }
    }
}
