#include "T_AM2000_Separator.h"

#include "TCanvas.h"
#include "TFont.h"

namespace {

constexpr int DoubleLineDistance = 2; // pixels between the two lines of "="
constexpr int DotSize = 2;
constexpr int DotPitch = 4;
constexpr int CheckerPitch = 6;
constexpr int CheckerOffset = 3;
constexpr int LabelGap = 4; // pixels of line left out on each side of a label

// Extra height over the Separator margin by the style character.
int ExtraHeight(QChar first)
{
    if (first == QLatin1Char(' ') || first == QLatin1Char('='))
        return 2;
    if (first == QLatin1Char('.'))
        return 1;
    if (first == QLatin1Char(':'))
        return 4;
    return 0;
}

int Raise(T_AM2000_Separator::Style style)
{
    switch (style) {
    case T_AM2000_Separator::Double:
    case T_AM2000_Separator::Checkered:
        return 2;
    case T_AM2000_Separator::Dotted:
        return 1;
    default:
        return 0;
    }
}

int Channel(quint32 rgb, int shift)
{
    return int((rgb >> shift) & 0xFF);
}

} // namespace

bool T_AM2000_Separator::IsSeparator(const QString& caption)
{
    return caption.startsWith(QLatin1Char('-'));
}

T_AM2000_Separator::T_AM2000_Separator(const QString& caption)
    : m_text(caption.mid(1))
{
    const QChar first = m_text.isEmpty() ? QChar() : m_text.front();
    if (first == QLatin1Char('='))
        m_style = Double;
    else if (first == QLatin1Char('.'))
        m_style = Dotted;
    else if (first == QLatin1Char(':'))
        m_style = Checkered;
    else if (first == QLatin1Char(' '))
        m_style = Blank;
    if (m_text.size() > 1) {
        qsizetype run = 0;
        while (run < m_text.size() && m_text[run] == first)
            ++run;
        m_label = m_text.mid(run);
    }
}

int T_AM2000_Separator::Height(int separatorMargin) const
{
    return separatorMargin + (m_text.isEmpty() ? 0 : ExtraHeight(m_text.front()));
}

TColor T_AM2000_Separator::HiddenAreaColor(TColor line)
{
    if (line == clNone)
        return line;
    const quint32 rgb = TColors::ToRGB(line);
    return TColors::FromRGB((Channel(rgb, 0) + 255) / 2, (Channel(rgb, 8) + 255) / 2,
                            (Channel(rgb, 16) + 255) / 2);
}

TColor T_AM2000_Separator::FadeColor(TColor from, TColor to, int position, int length)
{
    const int third = length / 3;
    int step = third; // of third steps from `from` to `to`
    if (position < third)
        step = position;
    else if (position >= length - third)
        step = length - 1 - position;
    if (third == 0 || step >= third)
        return to;
    const quint32 a = TColors::ToRGB(from), b = TColors::ToRGB(to);
    auto mix = [&](int shift) {
        return Channel(a, shift) + (Channel(b, shift) - Channel(a, shift)) * step / third;
    };
    return TColors::FromRGB(mix(0), mix(8), mix(16));
}

QRect T_AM2000_Separator::LabelRect(TCanvas& canvas, const QRect& rect) const
{
    const QSize extent = canvas.TextExtent(m_label);
    return QRect(rect.x() + (rect.width() - extent.width()) / 2,
                 rect.y() + (rect.height() - extent.height()) / 2, extent.width(), extent.height());
}

void T_AM2000_Separator::Paint(TCanvas& canvas, const QRect& rect, const Look& look,
                               const TFont& font) const
{
    const TColor line = look.hiddenArea ? HiddenAreaColor(look.line) : look.line;
    const int x0 = rect.x() + look.indent + look.gutter;
    const int x1 = rect.x() + rect.width() - look.indent;
    const int y = rect.y() + rect.height() / 2 - Raise(m_style);
    QRect label;
    if (!m_label.isEmpty()) {
        canvas.SetFont(&font);
        canvas.Font()->SetSize(font.Size() - 1);
        label = LabelRect(canvas, rect);
        canvas.IntersectClipRect(rect);
        canvas.ExcludeClipRect(label.adjusted(-LabelGap, -rect.height(), LabelGap, rect.height()));
    }
    if (look.lineShadow != clNone)
        PaintLine(canvas, x0 + 1, x1 + 1, y + 1, look.lineShadow, look);
    if (line != clNone)
        PaintLine(canvas, x0, x1, y, line, look);
    if (m_label.isEmpty())
        return;
    canvas.ResetClipRegion();
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    if (look.lineShadow != clNone) {
        canvas.Font()->SetColor(look.lineShadow);
        canvas.TextOut(label.x() + 1, label.y() + 1, m_label);
    }
    if (line != clNone) {
        canvas.Font()->SetColor(line);
        canvas.TextOut(label.x(), label.y(), m_label);
    }
}

void T_AM2000_Separator::PaintLine(TCanvas& canvas, int x0, int x1, int y, TColor color,
                                   const Look& look) const
{
    canvas.Brush()->SetColor(color);
    switch (m_style) {
    case Single:
        if (!look.fade) {
            canvas.FillRect(Rect(x0, y, x1, y + 1));
            break;
        }
        for (int x = x0; x < x1; ++x)
            canvas.SetPixels(x, y, FadeColor(look.menu, color, x - x0, x1 - x0));
        break;
    case Double:
        canvas.FillRect(Rect(x0, y, x1, y + 1));
        canvas.FillRect(Rect(x0, y + DoubleLineDistance, x1, y + DoubleLineDistance + 1));
        break;
    case Dotted:
        for (int x = x0; x + DotSize <= x1; x += DotPitch)
            canvas.FillRect(QRect(x, y, DotSize, DotSize));
        break;
    case Checkered:
        for (int x = x0; x + DotSize <= x1; x += CheckerPitch)
            canvas.FillRect(QRect(x, y, DotSize, DotSize));
        for (int x = x0 + CheckerOffset; x + DotSize <= x1; x += CheckerPitch)
            canvas.FillRect(QRect(x, y + CheckerOffset, DotSize, DotSize));
        break;
    case Blank:
        break;
    }
}
