#include "TabcCustomMouseLabel.h"

#include "Exception.h"
#include "TClassInfo.h"
#include "TabcCustomWaveList.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <limits>

namespace {

const TabcCustomMouseLabel::TMouseDefaults mouseLabelDefaults = {
    clAqua,
    {TabcLabelMouseEffect::almUnderline, TabcLabelMouseEffect::almSound},
    clYellow,
    {TabcLabelMouseEffect::almUnderline, TabcLabelMouseEffect::almSound},
};

} // namespace

const TClassInfo& TabcCustomMouseLabel::StaticClassInfo()
{
    static const TClassInfo info("TabcCustomMouseLabel", &TLabel::StaticClassInfo());
    return info;
}

TabcCustomMouseLabel::TabcCustomMouseLabel(TComponent* owner)
    : TLabel(owner)
{
    SetMouseDefaults(mouseLabelDefaults);
}

TabcCustomMouseLabel::~TabcCustomMouseLabel()
{
    SetSoundList(nullptr);
}

void TabcCustomMouseLabel::SetMouseDefaults(const TMouseDefaults& defaults)
{
    m_defaults = defaults;
    m_downColor = defaults.downColor;
    m_downEffects = defaults.downEffects;
    m_overColor = defaults.overColor;
    m_overEffects = defaults.overEffects;
    update();
}

// Of almColor and almColorShadow the one that the new set brings in stays; a set that
// brings in neither is taken as it is.
TabcLabelMouseEffects TabcCustomMouseLabel::Exclusive(TabcLabelMouseEffects old,
                                                      TabcLabelMouseEffects set)
{
    const auto adds = [&](TabcLabelMouseEffect effect) {
        return set.Contains(effect) && !old.Contains(effect);
    };
    if (adds(TabcLabelMouseEffect::almColorShadow))
        return set.Exclude(TabcLabelMouseEffect::almColor);
    if (adds(TabcLabelMouseEffect::almColor))
        return set.Exclude(TabcLabelMouseEffect::almColorShadow);
    return set;
}

void TabcCustomMouseLabel::SetMouseDownEffects(TabcLabelMouseEffects effects)
{
    effects = Exclusive(m_downEffects, effects);
    if (effects == m_downEffects)
        return;
    m_downEffects = effects;
    if (ShowsDownEffects())
        update();
}

void TabcCustomMouseLabel::SetMouseOverEffects(TabcLabelMouseEffects effects)
{
    effects = Exclusive(m_overEffects, effects);
    if (effects == m_overEffects)
        return;
    m_overEffects = effects;
    if (ShowsOverEffects())
        update();
}

void TabcCustomMouseLabel::SetMouseDownColor(TColor color)
{
    if (color == m_downColor)
        return;
    m_downColor = color;
    if (ShowsDownEffects())
        update();
}

void TabcCustomMouseLabel::SetMouseOverColor(TColor color)
{
    if (color == m_overColor)
        return;
    m_overColor = color;
    if (ShowsOverEffects())
        update();
}

void TabcCustomMouseLabel::SetSoundList(TabcCustomWaveList* list)
{
    if (list == m_soundList)
        return;
    if (m_soundList)
        m_soundList->RemoveFreeNotification(this);
    m_soundList = list;
    if (m_soundList)
        m_soundList->FreeNotification(this);
}

int TabcCustomMouseLabel::CheckedSoundNumber(int number, const char* property)
{
    if (number < 0 || number > std::numeric_limits<quint16>::max())
        throw EInvalidOperation(QStringLiteral("%1 property out of range").arg(property));
    return number;
}

void TabcCustomMouseLabel::SetSoundDown(int number)
{
    m_soundDown = CheckedSoundNumber(number, "SoundDown");
}

void TabcCustomMouseLabel::SetSoundOver(int number)
{
    m_soundOver = CheckedSoundNumber(number, "SoundOver");
}

void TabcCustomMouseLabel::Notification(TComponent* component, TOperation operation)
{
    TLabel::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_soundList)
        m_soundList = nullptr;
}

bool TabcCustomMouseLabel::ShowsDownEffects() const
{
    return m_pressed;
}

bool TabcCustomMouseLabel::ShowsOverEffects() const
{
    return m_hot && !m_pressed;
}

// --- Painting -------------------------------------------------------------------------

void TabcCustomMouseLabel::Paint()
{
    TCanvas* canvas = Canvas();
    if (!Transparent()) {
        canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(ClientRect());
    }
    canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    QRect area = TextArea();
    DoDrawText(area, TextFlags());
}

TTextFormats TabcCustomMouseLabel::TextFlags() const
{
    TTextFormats flags{TTextFormat::tfExpandTabs};
    if (WordWrap())
        flags.Include(TTextFormat::tfWordBreak);
    if (Alignment() == TAlignment::taCenter)
        flags.Include(TTextFormat::tfCenter);
    else if (Alignment() == TAlignment::taRightJustify)
        flags.Include(TTextFormat::tfRight);
    else
        flags.Include(TTextFormat::tfLeft);
    return flags;
}

// The client rectangle, moved down for a centred or bottom layout by what the text
// measures (the centre offset rounds toward zero).
QRect TabcCustomMouseLabel::TextArea()
{
    QRect area = ClientRect();
    if (Layout() == TTextLayout::tlTop)
        return area;
    QRect measured = area;
    TTextFormats flags = TextFlags();
    DoDrawText(measured, flags.Include(TTextFormat::tfCalcRect));
    const int room = area.height() - (measured.y() + measured.height());
    area.translate(0, Layout() == TTextLayout::tlBottom ? room : room / 2);
    return area;
}

void TabcCustomMouseLabel::DoDrawText(QRect& rect, TTextFormats flags)
{
    QString text = Caption();
    const bool measuring = flags.Contains(TTextFormat::tfCalcRect);
    const bool lonePrefix = ShowAccelChar() && text == QLatin1String("&");
    if (measuring && (text.isEmpty() || lonePrefix))
        text += QLatin1Char(' ');
    if (!ShowAccelChar())
        flags.Include(TTextFormat::tfNoPrefix);
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    if (Enabled())
        DrawEnabledText(rect, text, flags);
    else
        DrawDisabledText(rect, text, flags);
}

void TabcCustomMouseLabel::DrawEnabledText(QRect& rect, QString& text, TTextFormats flags)
{
    if (m_pressed)
        ApplyEffects(m_downEffects, m_downColor, rect, text, flags);
    else if (m_hot)
        ApplyEffects(m_overEffects, m_overColor, rect, text, flags);
    Canvas()->TextRect(rect, text, flags);
}

// Embossed: a highlight copy one pixel right and down, the shadow copy on top of it.
void TabcCustomMouseLabel::DrawDisabledText(QRect& rect, QString& text, TTextFormats flags)
{
    if (!flags.Contains(TTextFormat::tfCalcRect))
        DrawTextInColor(rect.translated(1, 1), text, flags, clBtnHighlight);
    Canvas()->Font()->SetColor(clBtnShadow);
    Canvas()->TextRect(rect, text, flags);
}

// Underline and colour change the canvas font; the halo is drawn at once, one pixel up
// and left and one pixel down and right, for the text to be drawn over it.
void TabcCustomMouseLabel::ApplyEffects(TabcLabelMouseEffects effects, TColor color, QRect rect,
                                        QString text, TTextFormats flags)
{
    TFont* font = Canvas()->Font();
    if (effects.Contains(TabcLabelMouseEffect::almUnderline))
        font->SetStyle(font->Style().Include(TFontStyle::fsUnderline));
    if (effects.Contains(TabcLabelMouseEffect::almColor)) {
        font->SetColor(color);
    } else if (effects.Contains(TabcLabelMouseEffect::almColorShadow) &&
               !flags.Contains(TTextFormat::tfCalcRect)) {
        DrawTextInColor(rect.translated(-1, -1), text, flags, color);
        DrawTextInColor(rect.translated(1, 1), text, flags, color);
        font->SetColor(Font()->Color());
    }
}

void TabcCustomMouseLabel::DrawTextInColor(QRect rect, QString text, TTextFormats flags,
                                           TColor color)
{
    Canvas()->Font()->SetColor(color);
    Canvas()->TextRect(rect, text, flags);
}

// --- Mouse ----------------------------------------------------------------------------

void TabcCustomMouseLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TLabel::MouseDown(button, shift, x, y);
    if (m_pressed || !Enabled())
        return;
    m_pressed = true;
    Repaint();
    PlaySound(m_downEffects, m_soundDown);
}

void TabcCustomMouseLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TLabel::MouseUp(button, shift, x, y);
    if (!m_pressed || !Enabled())
        return;
    m_pressed = false;
    update();
}

void TabcCustomMouseLabel::CMMouseEnter()
{
    if (!m_hot && Enabled()) {
        m_hot = true;
        update();
        PlaySound(m_overEffects, m_soundOver);
    }
    TLabel::CMMouseEnter();
    OnMouseEnter(this);
}

void TabcCustomMouseLabel::CMMouseLeave()
{
    if (Enabled()) {
        m_hot = false;
        update();
    }
    TLabel::CMMouseLeave();
    OnMouseLeave(this);
}

void TabcCustomMouseLabel::changeEvent(QEvent* event)
{
    TLabel::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        RecheckHotState();
}

// The cursor may have come or gone while the label was disabled (it saw no mouse
// then): deliver the enter or leave that matches where it is now.
void TabcCustomMouseLabel::RecheckHotState()
{
    m_pressed = false;
    if (!Enabled())
        return;
    if (QApplication::widgetAt(QCursor::pos()) == this)
        CMMouseEnter();
    else
        CMMouseLeave();
}

void TabcCustomMouseLabel::PlaySound(TabcLabelMouseEffects effects, int number) const
{
    if (effects.Contains(TabcLabelMouseEffect::almSound) && m_soundList)
        m_soundList->Play(number);
}
