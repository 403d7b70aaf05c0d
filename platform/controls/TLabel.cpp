#include "TLabel.h"

#include "TClassInfo.h"

#include <QImage>

const TClassInfo& TLabel::StaticClassInfo()
{
    static const TClassInfo info("TLabel", &TGraphicControl::StaticClassInfo(), [](TClassInfo& c) {
        c.Creatable<TLabel>();
        c.Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment,
                   TAlignment::taLeftJustify);
        c.Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true);
        c.Property("Caption", &TLabel::Caption, &TLabel::SetCaption, QString());
        c.Property("Layout", &TLabel::Layout, &TLabel::SetLayout, TTextLayout::tlTop);
        c.Property("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar, true);
        c.Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, false);
        c.Property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap, false);
    });
    return info;
}

TLabel::TLabel(TComponent* owner)
    : TGraphicControl(owner)
{
    SetBounds(0, 0, 65, 17); // sized to its text once it has one
}

void TLabel::SetAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void TLabel::SetLayout(TTextLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    update();
}

void TLabel::SetAutoSize(bool value)
{
    if (value == m_autoSize)
        return;
    m_autoSize = value;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool value)
{
    if (value == m_wordWrap)
        return;
    m_wordWrap = value;
    AdjustBounds();
    update();
}

void TLabel::SetTransparent(bool value)
{
    if (value == m_transparent)
        return;
    m_transparent = value;
    update();
}

void TLabel::SetShowAccelChar(bool value)
{
    if (value == m_showAccelChar)
        return;
    m_showAccelChar = value;
    AdjustBounds();
    update();
}

void TLabel::Paint()
{
    TCanvas* canvas = Canvas();
    if (!m_transparent && Color() != clNone) {
        canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(ClientRect());
    }
    canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    QRect area = ClientRect();
    if (m_layout != TTextLayout::tlTop) {
        const int textHeight = TextBounds(area.width()).height();
        const int room = area.height() - textHeight;
        area.translate(0, m_layout == TTextLayout::tlCenter ? room / 2 : room);
    }
    if (!Enabled())
        canvas->Font()->SetColor(clGrayText);
    QString text = Caption();
    canvas->TextRect(area, text, TextFormat());
}

void TLabel::TextChanged()
{
    AdjustBounds();
    update();
}

void TLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

TTextFormats TLabel::TextFormat() const
{
    TTextFormats format;
    format.Include(m_wordWrap ? TTextFormat::tfWordBreak : TTextFormat::tfSingleLine);
    format.Include(TTextFormat::tfExpandTabs);
    if (m_alignment == TAlignment::taCenter)
        format.Include(TTextFormat::tfCenter);
    else if (m_alignment == TAlignment::taRightJustify)
        format.Include(TTextFormat::tfRight);
    if (!m_showAccelChar)
        format.Include(TTextFormat::tfNoPrefix);
    return format;
}

// Measured on a scratch canvas, so that sizing works outside painting too. An empty
// caption measures as one space: an empty label keeps the height of a line.
QRect TLabel::TextBounds(int widthLimit) const
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas;
    TCanvas::PaintScope scope(canvas, &scratch);
    canvas.SetFont(Font());
    QRect bounds(0, 0, widthLimit, 0);
    QString text = Caption().isEmpty() ? QStringLiteral(" ") : Caption();
    TTextFormats format = TextFormat();
    format.Include(TTextFormat::tfCalcRect);
    canvas.TextRect(bounds, text, format);
    return bounds;
}

void TLabel::AdjustBounds()
{
    if (!m_autoSize || IsLoading())
        return;
    const QRect needed = TextBounds(m_wordWrap ? Width() : 0);
    const int width = m_wordWrap ? Width() : needed.width();
    int left = Left();
    if (m_alignment == TAlignment::taRightJustify)
        left += Width() - width;
    SetBounds(left, Top(), width, needed.height());
}
