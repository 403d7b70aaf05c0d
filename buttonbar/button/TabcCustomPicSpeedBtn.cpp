#include "TabcCustomPicSpeedBtn.h"

#include "TAction.h"
#include "TBitmap.h"
#include "TClassInfo.h"
#include "TErrorReport.h"
#include "TImageList.h"
#include "TPicture.h"
#include "TWinControl.h"
#include "TabcButtonFrame.h"
#include "TabcCustomWaveList.h"
#include "TabcPicSpeedBtnActionLink.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcutEvent>
#include <map>

const TClassInfo& TabcCustomPicSpeedBtn::StaticClassInfo()
{
    static const TClassInfo info("TabcCustomPicSpeedBtn", &TGraphicControl::StaticClassInfo(),
                                 [](TClassInfo&) {});
    return info;
}

namespace {

constexpr int patternSize = 8;

// Exclusive-state patterns, one per face colour, shared by every button of that colour
// and freed with their last user.
std::shared_ptr<TBitmap> PatternFor(TColor color)
{
    static std::map<TColor, std::weak_ptr<TBitmap>> patterns;
    if (std::shared_ptr<TBitmap> shared = patterns[color].lock())
        return shared;
    auto pattern = std::make_shared<TBitmap>(patternSize, patternSize, TPixelFormat::pf24bit);
    for (int y = 0; y < patternSize; ++y)
        for (int x = 0; x < patternSize; ++x)
            pattern->Canvas()->SetPixels(x, y, x % 2 == y % 2 ? clBtnHighlight : color);
    patterns[color] = pattern;
    return pattern;
}

bool ApplicationInForeground()
{
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}

} // namespace

TabcCustomPicSpeedBtn::TabcCustomPicSpeedBtn(TComponent* owner)
    : TGraphicControl(owner)
    , m_glyph(std::make_unique<TabcButtonGlyph>())
{
    SetBounds(0, 0, 23, 22);
    SetParentColor(false);
    m_glyph->OnChange = [this] { Invalidate(); };
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TabcCustomPicSpeedBtn::~TabcCustomPicSpeedBtn() = default;

void TabcCustomPicSpeedBtn::SetAllowAllUp(bool value)
{
    if (value == m_allowAllUp)
        return;
    m_allowAllUp = value;
    TellGroup();
}

void TabcCustomPicSpeedBtn::SetGroupIndex(int value)
{
    if (value == m_groupIndex)
        return;
    m_groupIndex = value;
    TellGroup();
}

void TabcCustomPicSpeedBtn::SetDown(bool value)
{
    if (m_groupIndex == 0)
        value = false;
    if (value == m_down || (m_down && !m_allowAllUp))
        return;
    m_down = value;
    if (value) {
        if (m_state == TabcButtonState::bsUp || m_state == TabcButtonState::bsHot)
            Invalidate();
        m_state = TabcButtonState::bsExclusive;
        TellGroup();
        return;
    }
    m_state = m_hot ? TabcButtonState::bsHot : TabcButtonState::bsUp;
    Invalidate();
}

void TabcCustomPicSpeedBtn::SetDisabledShadow(bool value)
{
    if (value == m_disabledShadow)
        return;
    m_disabledShadow = value;
    if (!Enabled())
        Invalidate();
}

void TabcCustomPicSpeedBtn::SetLayout(TabcButtonLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    Invalidate();
}

void TabcCustomPicSpeedBtn::SetMargin(int value)
{
    if (value == m_margin || value < -1)
        return;
    m_margin = value;
    Invalidate();
}

void TabcCustomPicSpeedBtn::SetSpacing(int value)
{
    if (value == m_spacing)
        return;
    m_spacing = value;
    Invalidate();
}

void TabcCustomPicSpeedBtn::SetPictureHighlight(TabcGlyphHighlight highlight)
{
    if (highlight == m_glyph->Highlight())
        return;
    m_glyph->SetHighlight(highlight);
    Repaint();
}

void TabcCustomPicSpeedBtn::SetPopup(bool value)
{
    if (value == m_popup)
        return;
    m_popup = value;
    Invalidate();
}

void TabcCustomPicSpeedBtn::SetStyle(TabcButtonStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    Invalidate();
}

void TabcCustomPicSpeedBtn::SetTextStyle(TabcTextStyle style)
{
    if (style == m_textStyle)
        return;
    m_textStyle = style;
    Invalidate();
}

void TabcCustomPicSpeedBtn::SetNumGlyphs(int value)
{
    m_glyph->SetNumGlyphs(value);
    Invalidate();
}

void TabcCustomPicSpeedBtn::SetTransparentColor(TColor color)
{
    m_glyph->SetTransparentColor(color);
    Invalidate();
}

void TabcCustomPicSpeedBtn::SetImages(TImageList* images)
{
    if (images == m_images)
        return;
    if (m_images)
        m_images->RemoveChangeListener(this);
    m_images = images;
    if (m_images) {
        m_images->FreeNotification(this);
        m_images->AddChangeListener(this, [this] { UpdateImages(); });
    }
    UpdateImages();
}

void TabcCustomPicSpeedBtn::SetImageIndex(int index)
{
    if (index == m_imageIndex)
        return;
    m_imageIndex = index;
    UpdateImages();
}

void TabcCustomPicSpeedBtn::UpdateImages()
{
    m_glyph->SetImages(m_images, m_imageIndex);
    Invalidate();
}

void TabcCustomPicSpeedBtn::SetSoundList(TabcCustomWaveList* list)
{
    if (list == m_soundList)
        return;
    m_soundList = list;
    if (m_soundList)
        m_soundList->FreeNotification(this);
}

TAction* TabcCustomPicSpeedBtn::Action() const
{
    return m_actionLink ? m_actionLink->Action() : nullptr;
}

void TabcCustomPicSpeedBtn::SetAction(TAction* action)
{
    if (action != Action())
        TControlActionLink::Attach(m_actionLink, this, action);
}

void TabcCustomPicSpeedBtn::AssignTo(TPersistent* dest) const
{
    auto* action = dynamic_cast<TAction*>(dest);
    if (!action) {
        TGraphicControl::AssignTo(dest);
        return;
    }
    action->SetCaption(Caption());
    action->SetEnabled(Enabled());
    action->SetHint(Hint());
    action->SetVisible(Visible());
    action->SetImageIndex(m_imageIndex);
    action->SetChecked(m_down);
}

void TabcCustomPicSpeedBtn::SetShowFocusRect(bool value)
{
    if (value == m_showFocusRect)
        return;
    m_showFocusRect = value;
    Invalidate();
}

void TabcCustomPicSpeedBtn::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_soundList)
        m_soundList = nullptr;
    if (component == m_images) {
        m_images = nullptr;
        UpdateImages();
    }
}

void TabcCustomPicSpeedBtn::Loaded()
{
    TGraphicControl::Loaded();
    m_glyph->Invalidate();
    Invalidate();
}

void TabcCustomPicSpeedBtn::SysColorChanged()
{
    m_pattern.reset();
    m_glyph->Invalidate();
    Invalidate();
}

// --- Mouse ------------------------------------------------------------------------------

// Inside the button: Y equal to the height still counts.
bool TabcCustomPicSpeedBtn::Inside(int x, int y) const
{
    return x >= 0 && x < Width() && y >= 0 && y <= Height();
}

bool TabcCustomPicSpeedBtn::NeedsHotRepaint() const
{
    using S = TabcButtonStyle;
    switch (m_style) {
    case S::absThinHighlight:
    case S::absMidHighlight:
    case S::absThickHighlight:
    case S::absFramedHighlight:
    case S::absFramedBlackHighlight:
    case S::absRecessedHighlight:
    case S::absRecessedBlackHighlight:
        return true;
    default:
        return m_popup || m_glyph->Highlight() != TabcGlyphHighlight::aghNormal;
    }
}

// Asks BeforeMouseDown; a cancelled press is swallowed, and so is its release.
bool TabcCustomPicSpeedBtn::AskBeforeMouseDown(QMouseEvent* event)
{
    const std::optional<TMouseButton> button = MouseButtonOf(event->button());
    if (!button)
        return true; // a button controls do not see: nothing to ask about
    const QPoint at = event->position().toPoint();
    bool cancel = false;
    TErrorReport::Guard([&] {
        BeforeMouseDown(this, *button, ShiftState(event->modifiers(), event->buttons()), at.x(),
                        at.y(), cancel);
    });
    if (!cancel)
        return true;
    event->accept();
    m_cancelledPress = true;
    CancelMode();
    return false;
}

// The form's cancel mode: a press under way is dropped.
void TabcCustomPicSpeedBtn::CancelMode()
{
    if (!m_tracking)
        return;
    m_tracking = false;
    m_state = m_down ? TabcButtonState::bsExclusive : TabcButtonState::bsUp;
    Invalidate();
}

void TabcCustomPicSpeedBtn::mousePressEvent(QMouseEvent* event)
{
    if (AskBeforeMouseDown(event))
        TGraphicControl::mousePressEvent(event);
}

void TabcCustomPicSpeedBtn::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (AskBeforeMouseDown(event))
        TGraphicControl::mouseDoubleClickEvent(event);
}

// The release does the button's own clicking (TGraphicControl's would click again).
void TabcCustomPicSpeedBtn::mouseReleaseEvent(QMouseEvent* event)
{
    const std::optional<TMouseButton> button = MouseButtonOf(event->button());
    if (!button)
        return;
    event->accept();
    if (std::exchange(m_cancelledPress, false))
        return;
    const QPoint at = event->position().toPoint();
    TErrorReport::Guard([&] {
        MouseUp(*button, ShiftState(event->modifiers(), event->buttons()), at.x(), at.y());
    });
}

void TabcCustomPicSpeedBtn::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !Enabled())
        return;
    if (!m_down) {
        m_state = TabcButtonState::bsDown;
        Repaint();
        PlaySound(m_soundDown);
    }
    m_tracking = true;
}

void TabcCustomPicSpeedBtn::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    if (m_tracking) {
        TabcButtonState state = m_down         ? TabcButtonState::bsExclusive
                                : Inside(x, y) ? TabcButtonState::bsDown
                                               : TabcButtonState::bsHot;
        if (state != m_state) {
            m_state = state;
            Invalidate();
        }
        return;
    }
    if (!m_hot && m_popup && rect().contains(x, y))
        CMMouseEnter();
}

void TabcCustomPicSpeedBtn::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!m_tracking)
        return;
    m_tracking = false;
    const bool inside = Inside(x, y);
    if (m_groupIndex == 0) {
        if (inside)
            m_state = TabcButtonState::bsHot;
        m_hot = false;
        if (m_state != TabcButtonState::bsDown && m_state != TabcButtonState::bsExclusive)
            Invalidate();
    } else if (inside) {
        SetDown(!m_down);
    } else {
        if (m_down)
            m_state = TabcButtonState::bsExclusive;
        Invalidate();
    }
    if (inside) {
        // A click may free the button (a handler closing its window, say).
        QPointer<TabcCustomPicSpeedBtn> self(this);
        Click();
        if (!self)
            return;
    }
    if (rect().contains(x, y))
        m_hot = true;
    else
        CMMouseLeave();
    Invalidate();
}

void TabcCustomPicSpeedBtn::Click()
{
    bool cancel = false;
    BeforeClick(this, cancel);
    if (cancel)
        return;
    if (!OnClick && m_actionLink && m_actionLink->Execute())
        return;
    TGraphicControl::Click();
}

void TabcCustomPicSpeedBtn::DblClick()
{
    if (m_down)
        TGraphicControl::DblClick();
}

void TabcCustomPicSpeedBtn::SimulateClick()
{
    if (!Enabled())
        return;
    MouseDown(TMouseButton::mbLeft, TShiftState{TShift::ssLeft}, 0, 0);
    MouseUp(TMouseButton::mbLeft, TShiftState{}, 0, 0);
}

void TabcCustomPicSpeedBtn::CMMouseEnter()
{
    if (!ApplicationInForeground() || m_hot || !Enabled() || QWidget::mouseGrabber())
        return;
    m_hot = true;
    if (!m_down)
        m_state = TabcButtonState::bsHot;
    if (NeedsHotRepaint())
        Invalidate();
    PlaySound(m_soundOver);
    MouseEnter();
}

void TabcCustomPicSpeedBtn::CMMouseLeave()
{
    m_hot = false;
    if (!Enabled() || QWidget::mouseGrabber())
        return;
    if (!m_down)
        m_state = TabcButtonState::bsUp;
    if (NeedsHotRepaint())
        Invalidate();
    MouseLeave();
}

void TabcCustomPicSpeedBtn::MouseEnter()
{
    OnMouseEnter(this);
}

void TabcCustomPicSpeedBtn::MouseLeave()
{
    OnMouseLeave(this);
}

// A flat button not under a press re-checks whether the pointer is over it.
void TabcCustomPicSpeedBtn::RecheckHot()
{
    if (IsMouseInside())
        CMMouseEnter();
    else if (m_hot)
        CMMouseLeave();
}

void TabcCustomPicSpeedBtn::PlaySound(int number) const
{
    if (m_soundList && number >= 0)
        m_soundList->Play(number);
}

// --- Grouping -----------------------------------------------------------------------------

void TabcCustomPicSpeedBtn::TellGroup()
{
    if (m_groupIndex == 0 || !Parent())
        return;
    for (TControl* control : Parent()->Controls())
        if (auto* button = dynamic_cast<TabcCustomPicSpeedBtn*>(control))
            button->ButtonPressed(m_groupIndex, this);
}

void TabcCustomPicSpeedBtn::ButtonPressed(int groupIndex, TabcCustomPicSpeedBtn* sender)
{
    if (groupIndex != m_groupIndex || sender == this)
        return;
    if (sender->Down() && m_down) {
        m_down = false;
        m_state = TabcButtonState::bsUp;
        Invalidate();
    }
    m_allowAllUp = sender->AllowAllUp();
}

// --- Changes --------------------------------------------------------------------------------

void TabcCustomPicSpeedBtn::changeEvent(QEvent* event)
{
    TGraphicControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        EnabledChanged();
}

void TabcCustomPicSpeedBtn::EnabledChanged()
{
    SyncStateWithEnabled();
    if (m_popup && Enabled())
        RecheckHot();
    Invalidate();
}

void TabcCustomPicSpeedBtn::ColorChanged()
{
    m_glyph->SetFaceColor(Color());
    m_pattern.reset();
    if (m_popup && m_hot && !IsMouseInside())
        CMMouseLeave();
    TGraphicControl::ColorChanged();
}

void TabcCustomPicSpeedBtn::FontChanged()
{
    Invalidate();
}

void TabcCustomPicSpeedBtn::TextChanged()
{
    UpdateAccelerator();
    Invalidate();
}

// --- Accelerator ----------------------------------------------------------------------------

void TabcCustomPicSpeedBtn::SetTakesAccelerator(bool value)
{
    m_takesAccelerator = value;
    UpdateAccelerator();
}

void TabcCustomPicSpeedBtn::UpdateAccelerator()
{
    if (m_acceleratorId != 0)
        releaseShortcut(std::exchange(m_acceleratorId, 0));
    const QKeySequence accelerator = QKeySequence::mnemonic(Caption());
    if (m_takesAccelerator && !accelerator.isEmpty())
        m_acceleratorId = grabShortcut(accelerator);
}

bool TabcCustomPicSpeedBtn::event(QEvent* event)
{
    if (event->type() != QEvent::Shortcut ||
        static_cast<QShortcutEvent*>(event)->shortcutId() != m_acceleratorId)
        return TGraphicControl::event(event);
    TErrorReport::Guard([this] { SimulateClick(); });
    return true;
}

// --- Painting -------------------------------------------------------------------------------

void TabcCustomPicSpeedBtn::SyncStateWithEnabled()
{
    if (!Enabled()) {
        m_state = TabcButtonState::bsDisabled;
        m_tracking = false;
    } else if (m_state == TabcButtonState::bsDisabled) {
        m_state =
            m_down && m_groupIndex != 0 ? TabcButtonState::bsExclusive : TabcButtonState::bsUp;
    }
}

void TabcCustomPicSpeedBtn::FillFace(const QRect& rect)
{
    TCanvas& canvas = *Canvas();
    if (m_state == TabcButtonState::bsExclusive) {
        if (!m_pattern)
            m_pattern = PatternFor(Color());
        canvas.Brush()->SetBitmap(m_pattern.get());
        canvas.FillRect(rect);
        canvas.Brush()->SetBitmap(nullptr);
        return;
    }
    if (m_layout == TabcButtonLayout::ablGlyphTiled && TransparentColor() == Color() &&
        !m_glyph->CellSize().isEmpty())
        return;
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(rect);
}

TabcButtonGlyph::Face TabcCustomPicSpeedBtn::GlyphFace() const
{
    TabcButtonGlyph::Face face;
    face.caption = Caption();
    face.layout = m_layout;
    face.margin = m_margin;
    face.spacing = m_spacing;
    face.state = m_state;
    face.rightToLeft = layoutDirection() == Qt::RightToLeft;
    face.textStyle = m_textStyle;
    face.disabledShadow = m_disabledShadow;
    return face;
}

void TabcCustomPicSpeedBtn::Paint()
{
    SyncStateWithEnabled();
    const bool hot = Enabled() && m_hot;
    const bool pressed =
        m_state == TabcButtonState::bsDown || m_state == TabcButtonState::bsExclusive;
    TCanvas& canvas = *Canvas();
    const QRect client = ClientRect();
    FillFace(client);
    QRect content = client;
    TabcButtonFrame::Draw(canvas, content, m_style, pressed, hot, m_popup);
    if (pressed)
        content.translate(1, 1);
    m_glyph->SetFaceColor(Color());
    m_glyph->Draw(canvas, content, GlyphFace());
    QRect frame = client;
    TabcButtonFrame::Draw(canvas, frame, m_style, pressed, hot, m_popup);
    if (m_showFocusRect) {
        canvas.Font()->SetColor(clBlack);
        canvas.Brush()->SetColor(Color());
        canvas.DrawFocusRect(client.adjusted(2, 2, -2, -2));
    }
}
