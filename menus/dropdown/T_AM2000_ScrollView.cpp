#include "T_AM2000_ScrollView.h"

#include "RectEdges.h"

#include <QApplication>
#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <algorithm>

namespace {

// A scroll-bar arrow: a triangle pointing up or down in the middle of button.
void PaintArrow(QPainter& painter, const QRect& button, bool up, const QColor& color)
{
    const int half = std::max(button.width() / 4, 1);
    const QPoint c = button.center();
    const int tip = up ? c.y() - half / 2 : c.y() + half / 2;
    const int base = up ? tip + half : tip - half;
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(
        QPolygon({QPoint(c.x() - half, base), QPoint(c.x() + half, base), QPoint(c.x(), tip)}));
}

// A raised button face: light top-left, shadow bottom-right.
void PaintRaised(QPainter& painter, const QRect& rect, const T_AM2000_ScrollView::Colors& colors)
{
    painter.fillRect(rect, colors.face);
    painter.fillRect(QRect(rect.x(), rect.y(), rect.width(), 1), colors.light);
    painter.fillRect(QRect(rect.x(), rect.y(), 1, rect.height()), colors.light);
    painter.fillRect(QRect(rect.x(), BottomEdge(rect) - 1, rect.width(), 1), colors.shadow);
    painter.fillRect(QRect(rect.x() + rect.width() - 1, rect.y(), 1, rect.height()), colors.shadow);
}

} // namespace

T_AM2000_ScrollView::T_AM2000_ScrollView(Menu menu, int height, int barWidth, int firstShown)
    : m_menu(std::move(menu))
    , m_height(height)
    , m_barWidth(barWidth)
{
    m_lastFirst = EntryCount() - 1;
    while (m_lastFirst > 0 && LastFitting(m_lastFirst - 1) == EntryCount() - 1)
        --m_lastFirst;
    m_lastFirst = std::max(m_lastFirst, 0);
    m_first = -1;
    ScrollTo(firstShown);
}

int T_AM2000_ScrollView::SystemBarWidth()
{
    constexpr int Fallback = 16;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return Fallback;
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

QSize T_AM2000_ScrollView::WindowSize() const
{
    return QSize(m_menu.size.width() + m_barWidth + BarGap, m_height);
}

bool T_AM2000_ScrollView::ScrollTo(int first)
{
    if (m_menu.entries.empty()) {
        m_first = 0;
        m_last = -1;
        return false;
    }
    first = std::clamp(first, 0, m_lastFirst);
    if (first == m_first)
        return false;
    m_first = first;
    m_last = LastFitting(first);
    return true;
}

bool T_AM2000_ScrollView::ScrollToShow(int index)
{
    if (index < 0 || index >= EntryCount())
        return false;
    if (index < m_first)
        return ScrollTo(index);
    int first = m_first;
    while (first < index && LastFitting(first) < index)
        ++first;
    return ScrollTo(first);
}

// Line steps move by one entry; page steps by as many as are shown besides the first.
bool T_AM2000_ScrollView::Scroll(int zone)
{
    const int page = std::max(m_last - m_first, 1);
    switch (zone) {
    case LineDown:
        return m_last < EntryCount() - 1 && ScrollTo(m_first + 1);
    case LineUp:
        return ScrollTo(m_first - 1);
    case PageDown:
        return ScrollTo(m_first + page);
    case PageUp:
        return ScrollTo(m_first - page);
    default:
        return false;
    }
}

int T_AM2000_ScrollView::HeaderHeight() const
{
    return m_menu.entries.empty() ? 0 : m_menu.entries.front().y();
}

int T_AM2000_ScrollView::FooterTop() const
{
    return m_menu.entries.empty() ? m_menu.size.height() : BottomEdge(m_menu.entries.back());
}

int T_AM2000_ScrollView::AreaBottom() const
{
    return m_height - (m_menu.size.height() - FooterTop());
}

int T_AM2000_ScrollView::EntriesRight() const
{
    return m_menu.entries.empty() ? m_menu.size.width()
                                  : m_menu.entries.front().x() + m_menu.entries.front().width();
}

int T_AM2000_ScrollView::Offset() const
{
    return m_menu.entries.empty() ? 0 : m_menu.entries[std::size_t(m_first)].y() - HeaderHeight();
}

// The last entry that ends within the area when first is shown first; first itself even
// when it is higher than the area.
int T_AM2000_ScrollView::LastFitting(int first) const
{
    const int shift = m_menu.entries[std::size_t(first)].y() - HeaderHeight();
    int last = first;
    while (last + 1 < EntryCount() &&
           BottomEdge(m_menu.entries[std::size_t(last + 1)]) - shift <= AreaBottom())
        ++last;
    return last;
}

QRect T_AM2000_ScrollView::ShownEntryRect(int index) const
{
    if (index < m_first || index > m_last)
        return QRect();
    return m_menu.entries[std::size_t(index)].translated(0, -Offset());
}

QRect T_AM2000_ScrollView::ShownFooterRect(const QRect& rect) const
{
    return rect.translated(0, m_height - m_menu.size.height());
}

QRect T_AM2000_ScrollView::BarRect() const
{
    return QRect(EntriesRight() + BarGap, HeaderHeight(), m_barWidth,
                 std::max(AreaBottom() - HeaderHeight(), 0));
}

QRect T_AM2000_ScrollView::TrackRect() const
{
    const QRect bar = BarRect();
    return bar.adjusted(0, m_barWidth, 0, -m_barWidth);
}

// The thumb's length shows the shown share of the entries, its place how far they
// scrolled.
QRect T_AM2000_ScrollView::ZoneRect(int zone) const
{
    const QRect bar = BarRect();
    const QRect track = TrackRect();
    const int shown = m_last - m_first + 1;
    const int length =
        std::min(std::max(track.height() * shown / std::max(EntryCount(), 1), MinimumThumb),
                 std::max(track.height(), 0));
    const int room = track.height() - length;
    const int top = track.y() + (m_lastFirst > 0 ? room * m_first / m_lastFirst : 0);
    switch (zone) {
    case LineUp:
        return QRect(bar.x(), bar.y(), m_barWidth, m_barWidth);
    case LineDown:
        return QRect(bar.x(), BottomEdge(bar) - m_barWidth, m_barWidth, m_barWidth);
    case Thumb:
        return QRect(bar.x(), top, m_barWidth, length);
    case PageUp:
        return QRect(bar.x(), track.y(), m_barWidth, top - track.y());
    case PageDown:
        return QRect(bar.x(), top + length, m_barWidth, BottomEdge(track) - top - length);
    default:
        return QRect();
    }
}

int T_AM2000_ScrollView::ZoneAt(QPoint point) const
{
    for (const int zone : {LineUp, LineDown, Thumb, PageUp, PageDown}) {
        if (ZoneRect(zone).contains(point))
            return zone;
    }
    return NoZone;
}

// Bands of rows are copied with the bar's column inserted right of the entries, where
// the menu's last entry column is widened. Below the last shown entry the frame's sides
// go on and the entries' area is cleared; the bar is painted over its column.
QImage T_AM2000_ScrollView::Compose(const QImage& menu, const Colors& colors) const
{
    QImage image(WindowSize(), menu.format());
    const int right = EntriesRight();
    const int inserted = m_barWidth + BarGap;
    QPainter painter(&image);
    const auto band = [&](int from, int fromHeight, int to, int height) {
        const int rest = menu.width() - right;
        painter.drawImage(QRect(0, to, right, height), menu, QRect(0, from, right, fromHeight));
        painter.drawImage(QRect(right, to, inserted, height), menu,
                          QRect(right - 1, from, 1, fromHeight));
        painter.drawImage(QRect(right + inserted, to, rest, height), menu,
                          QRect(right, from, rest, fromHeight));
    };
    const int header = HeaderHeight();
    const int footer = m_menu.size.height() - FooterTop();
    band(0, header, 0, header);
    band(FooterTop(), footer, AreaBottom(), footer);
    if (!m_menu.entries.empty()) {
        const int shown = BottomEdge(ShownEntryRect(m_last)) - header;
        const int gap = AreaBottom() - header - shown;
        band(header + Offset(), shown, header, shown);
        if (gap > 0) {
            band(header + Offset(), 1, header + shown, gap);
            const int left = m_menu.entries.front().x();
            painter.fillRect(QRect(left, header + shown, right - left, gap), colors.face);
        }
    }
    painter.end();
    PaintBar(image, colors);
    return image;
}

void T_AM2000_ScrollView::PaintBar(QImage& image, const Colors& colors) const
{
    QPainter painter(&image);
    const QRect bar = BarRect();
    painter.fillRect(QRect(EntriesRight(), bar.y(), m_barWidth + BarGap, bar.height()),
                     colors.face);
    painter.fillRect(TrackRect(), colors.light);
    for (const int zone : {LineUp, LineDown, Thumb})
        PaintRaised(painter, ZoneRect(zone), colors);
    PaintArrow(painter, ZoneRect(LineUp), true, colors.text);
    PaintArrow(painter, ZoneRect(LineDown), false, colors.text);
}
