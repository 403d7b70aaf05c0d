#include "TSpeedButton.h"

#include "TClassInfo.h"
#include "TWinControl.h"

const TClassInfo& TSpeedButton::StaticClassInfo()
{
    static const TClassInfo info(
        "TSpeedButton", &TGraphicControl::StaticClassInfo(), [](TClassInfo& c) {
            using B = TSpeedButton;
            c.Creatable<B>();
            c.Property("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp, false);
            c.Property("Caption", &B::Caption, &B::SetCaption, QString());
            c.Property("Down", &B::Down, &B::SetDown, false);
            c.Property("Flat", &B::Flat, &B::SetFlat, false);
            c.Resource("Glyph", &B::Glyph);
            c.Property("GroupIndex", &B::GroupIndex, &B::SetGroupIndex, 0);
            c.Property("Layout", &B::Layout, &B::SetLayout, TButtonLayout::blGlyphLeft);
            c.Property("Margin", &B::Margin, &B::SetMargin, -1);
            c.Property("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, 1);
            c.Property("Spacing", &B::Spacing, &B::SetSpacing, 4);
            c.Property("Transparent", &B::Transparent, &B::SetTransparent, true);
        });
    return info;
}

TSpeedButton::TSpeedButton(TComponent* owner)
    : TGraphicControl(owner)
    , m_glyph(std::make_unique<TBitmap>())
{
    SetBounds(0, 0, 23, 22);
    m_glyph->OnChange = [this](TObject*) { update(); };
}

TSpeedButton::~TSpeedButton()
{
    m_glyph->OnChange.Clear();
}

void TSpeedButton::SetGlyph(const TBitmap* glyph)
{
    m_glyph->Assign(glyph);
}

void TSpeedButton::SetFlat(bool value)
{
    if (value == m_flat)
        return;
    m_flat = value;
    update();
}

void TSpeedButton::SetDown(bool value)
{
    if (m_groupIndex == 0)
        value = false;
    if (value == m_down)
        return;
    if (m_down && !value && !m_allowAllUp)
        return;
    m_down = value;
    m_state = value ? State::Exclusive : State::Up;
    if (value)
        ReleaseGroup();
    update();
}

void TSpeedButton::SetLayout(TButtonLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    update();
}

void TSpeedButton::SetMargin(int value)
{
    value = std::max(-1, value);
    if (value == m_margin)
        return;
    m_margin = value;
    update();
}

void TSpeedButton::SetSpacing(int value)
{
    if (value == m_spacing)
        return;
    m_spacing = value;
    update();
}

void TSpeedButton::SetNumGlyphs(int value)
{
    value = std::clamp(value, 1, 4);
    if (value == m_numGlyphs)
        return;
    m_numGlyphs = value;
    update();
}

void TSpeedButton::SetTransparent(bool value)
{
    if (value == m_transparent)
        return;
    m_transparent = value;
    update();
}

void TSpeedButton::Paint()
{
    TCanvas* canvas = Canvas();
    QRect rect = ClientRect();
    if (!m_transparent || !m_flat) {
        canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(rect);
    }
    DrawFrame(rect);
    if (ShowsPressed())
        rect.translate(1, 1);
    QPoint glyphAt;
    QRect textRect;
    PlaceContent(rect, glyphAt, textRect);
    DrawGlyph(glyphAt);
    if (Caption().isEmpty())
        return;
    canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    if (!Enabled())
        canvas->Font()->SetColor(clGrayText);
    QString text = Caption();
    canvas->TextRect(
        textRect, text,
        {TTextFormat::tfCenter, TTextFormat::tfVerticalCenter, TTextFormat::tfSingleLine});
}

// A flat button has an edge only while hot (raised) or pressed (lowered); a normal
// button always has the full two-ring button edge.
void TSpeedButton::DrawFrame(QRect& rect)
{
    TCanvas* canvas = Canvas();
    const bool pressed = ShowsPressed();
    if (m_flat) {
        if (pressed)
            canvas->Frame3D(rect, clBtnShadow, clBtnHighlight, 1);
        else if (m_mouseInControl && Enabled())
            canvas->Frame3D(rect, clBtnHighlight, clBtnShadow, 1);
        return;
    }
    if (pressed) {
        canvas->Frame3D(rect, cl3DDkShadow, clBtnHighlight, 1);
        canvas->Frame3D(rect, clBtnShadow, Color(), 1);
    } else {
        canvas->Frame3D(rect, clBtnHighlight, cl3DDkShadow, 1);
        canvas->Frame3D(rect, Color(), clBtnShadow, 1);
    }
}

void TSpeedButton::PlaceContent(const QRect& rect, QPoint& glyphAt, QRect& textRect) const
{
    const QSize glyph =
        m_glyph->Empty() ? QSize(0, 0) : QSize(m_glyph->Width() / m_numGlyphs, m_glyph->Height());
    const QSize text = CaptionExtent();
    const bool horizontal =
        m_layout == TButtonLayout::blGlyphLeft || m_layout == TButtonLayout::blGlyphRight;
    const int gap = glyph.isEmpty() || text.isEmpty() ? 0 : m_spacing;
    const int total =
        horizontal ? glyph.width() + gap + text.width() : glyph.height() + gap + text.height();
    const int room = horizontal ? rect.width() : rect.height();
    const int start = m_margin < 0 ? (room - total) / 2 : m_margin;
    const bool glyphFirst =
        m_layout == TButtonLayout::blGlyphLeft || m_layout == TButtonLayout::blGlyphTop;
    const int glyphOffset =
        glyphFirst ? start : start + text.width() * horizontal + text.height() * !horizontal + gap;
    const int textOffset =
        glyphFirst ? start + (horizontal ? glyph.width() : glyph.height()) + gap : start;
    if (horizontal) {
        glyphAt = QPoint(rect.x() + glyphOffset, rect.y() + (rect.height() - glyph.height()) / 2);
        textRect = QRect(rect.x() + textOffset, rect.y(), text.width(), rect.height());
    } else {
        glyphAt = QPoint(rect.x() + (rect.width() - glyph.width()) / 2, rect.y() + glyphOffset);
        textRect = QRect(rect.x(), rect.y() + textOffset, rect.width(), text.height());
    }
}

QSize TSpeedButton::CaptionExtent() const
{
    if (!m_captionExtent) {
        m_captionExtent = Caption().isEmpty()
                              ? QSize(0, 0)
                              : QFontMetrics(font()).size(Qt::TextSingleLine, Caption());
    }
    return *m_captionExtent;
}

void TSpeedButton::FontChanged()
{
    m_captionExtent.reset();
    TGraphicControl::FontChanged();
}

void TSpeedButton::TextChanged()
{
    m_captionExtent.reset();
    TGraphicControl::TextChanged();
}

// The glyph's first image (or its disabled/down image when it has them); its
// bottom-left pixel's colour is left out.
void TSpeedButton::DrawGlyph(QPoint at)
{
    if (m_glyph->Empty())
        return;
    const int width = m_glyph->Width() / m_numGlyphs;
    int index = 0;
    if (!Enabled() && m_numGlyphs > 1)
        index = 1;
    else if (ShowsPressed() && m_numGlyphs > 2)
        index = m_state == State::Exclusive && m_numGlyphs > 3 ? 3 : 2;
    TBitmap image(width, m_glyph->Height(), TPixelFormat::pf24bit);
    image.Canvas()->CopyRect(QRect(0, 0, width, m_glyph->Height()), *m_glyph->Canvas(),
                             QRect(index * width, 0, width, m_glyph->Height()));
    image.SetTransparentColor(image.Canvas()->Pixels(0, m_glyph->Height() - 1));
    image.SetTransparent(true);
    Canvas()->Draw(at.x(), at.y(), &image);
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !Enabled())
        return;
    if (!m_down) {
        m_state = State::Down;
        update();
    }
    m_dragging = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    if (!m_dragging)
        return;
    const State pressed = m_down ? State::Exclusive : State::Down;
    const State next =
        ClientRect().contains(x, y) ? pressed : (m_down ? State::Exclusive : State::Up);
    if (next != m_state) {
        m_state = next;
        update();
    }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const bool wasDragging = m_dragging && button == TMouseButton::mbLeft;
    m_dragging = false;
    if (wasDragging) {
        if (m_groupIndex == 0) {
            m_state = State::Up;
        } else if (ClientRect().contains(x, y)) {
            SetDown(!m_down);
            m_state = m_down ? State::Exclusive : State::Up;
        }
        update();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::CMMouseEnter()
{
    TGraphicControl::CMMouseEnter();
    if (m_mouseInControl || !Enabled())
        return;
    m_mouseInControl = true;
    update();
}

void TSpeedButton::CMMouseLeave()
{
    TGraphicControl::CMMouseLeave();
    if (!m_mouseInControl)
        return;
    m_mouseInControl = false;
    update();
}

void TSpeedButton::ReleaseGroup()
{
    if (!Parent() || m_groupIndex == 0)
        return;
    for (TControl* control : Parent()->Controls()) {
        auto* sibling = dynamic_cast<TSpeedButton*>(control);
        if (sibling && sibling != this && sibling->m_groupIndex == m_groupIndex &&
            sibling->m_down) {
            sibling->m_down = false;
            sibling->m_state = State::Up;
            sibling->update();
        }
    }
}
