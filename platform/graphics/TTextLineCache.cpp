#include "TTextLineCache.h"

#include <QHashFunctions>
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

TTextLineCache::TTextLineCache() = default;
TTextLineCache::~TTextLineCache() = default;

TTextLineCache& TTextLineCache::ForThisThread()
{
    thread_local TTextLineCache cache;
    return cache;
}

std::size_t TTextLineCache::KeyHash::operator()(const Key& key) const
{
    return qHashMulti(0, key.text, key.font, key.dpiX, key.dpiY);
}

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
    Key key{text, font, device ? device->logicalDpiX() : 0, device ? device->logicalDpiY() : 0};
    if (const auto found = m_lines.find(key); found != m_lines.end())
        return *found->second;
    if (m_lines.size() == Capacity)
        m_lines.clear();
    auto layout = std::make_unique<QTextLayout>(text, device ? QFont(font, device) : font);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    line.setLineWidth(unlimitedWidth);
    line.setPosition(QPointF(0, 0));
    layout->endLayout();
    return *m_lines.emplace(std::move(key), std::move(layout)).first->second;
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
