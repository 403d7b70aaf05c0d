#include "TTextLineCache.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace {

// No line is wider: single lines are laid out without a width limit.
constexpr qreal unlimitedWidth = 0x01000000;

constexpr int mnemonicFlags = Qt::TextShowMnemonic | Qt::TextHideMnemonic;

bool HasLineBreakOrTab(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == u'\n' || c == u'\r' || c == u'\t' || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    });
}

} // namespace

struct TTextLineCache::Entry {
    QString text;
    QFont font;
    int dpiX;
    int dpiY;
    QTextLayout layout;
};

TTextLineCache::TTextLineCache() = default;
TTextLineCache::~TTextLineCache() = default;

bool TTextLineCache::Handles(const QString& text, int flags, const QPainter& painter)
{
    const QFont& font = painter.font();
    return (flags & Qt::TextSingleLine) && !(flags & Qt::TextExpandTabs) && !text.isEmpty() &&
           !((flags & mnemonicFlags) && text.contains(u'&')) && !HasLineBreakOrTab(text) &&
           painter.layoutDirection() != Qt::RightToLeft && !text.isRightToLeft() &&
           !font.underline() && !font.strikeOut() && !font.overline();
}

const QTextLayout& TTextLineCache::Line(const QString& text, const QFont& font, QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    const int dpiX = device ? device->logicalDpiX() : 0;
    const int dpiY = device ? device->logicalDpiY() : 0;
    const auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const auto& entry) {
        return entry->dpiX == dpiX && entry->dpiY == dpiY && entry->text == text &&
               entry->font == font;
    });
    if (found != m_entries.end()) {
        std::rotate(found, found + 1, m_entries.end());
        return m_entries.back()->layout;
    }
    if (m_entries.size() == Capacity)
        m_entries.erase(m_entries.begin());
    auto entry = std::unique_ptr<Entry>(new Entry{text, font, dpiX, dpiY, {}});
    QTextLayout& layout = entry->layout;
    layout.setText(text);
    layout.setFont(device ? QFont(font, device) : font);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(unlimitedWidth);
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    m_entries.push_back(std::move(entry));
    return m_entries.back()->layout;
}

void TTextLineCache::Draw(QPainter& painter, const QRect& rect, int flags, const QString& text)
{
    const QTextLine line = Line(text, painter.font(), painter).lineAt(0);
    const QRectF r(rect);
    // Unrounded, as the rectangle form of drawText measures it.
    const qreal height = line.ascent() + line.descent();
    qreal y = r.y();
    if (flags & Qt::AlignBottom)
        y += r.height() - height;
    else if (flags & Qt::AlignVCenter)
        y += (r.height() - height) / 2;
    // As the painter does: the clip test aligns the line's natural width, the drawing
    // its advance.
    const auto alignedX = [&](qreal width) {
        if (flags & Qt::AlignRight)
            return r.x() + r.width() - width;
        if (flags & Qt::AlignHCenter)
            return r.x() + (r.width() - width) / 2;
        return r.x();
    };
    const qreal width = line.naturalTextWidth();
    const bool clip =
        !(flags & Qt::TextDontClip) && !r.contains(QRectF(alignedX(width), y, width, height));
    if (clip) {
        painter.save();
        painter.setClipRect(r, Qt::IntersectClip);
    }
    line.draw(&painter, QPointF(alignedX(line.horizontalAdvance()), y));
    if (clip)
        painter.restore();
}
