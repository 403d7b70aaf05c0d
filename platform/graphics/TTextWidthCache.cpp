#include "TTextWidthCache.h"

#include <QFontMetrics>
#include <QHashFunctions>

TTextWidthCache& TTextWidthCache::ForThisThread()
{
    thread_local TTextWidthCache cache;
    return cache;
}

std::size_t TTextWidthCache::KeyHash::operator()(const Key& key) const
{
    return qHashMulti(0, key.text, key.font);
}

int TTextWidthCache::Width(const QString& text, const QFont& font)
{
    Key key{text, font};
    if (const auto found = m_widths.find(key); found != m_widths.end())
        return found->second;
    if (m_widths.size() == Capacity)
        m_widths.clear();
    const int width = QFontMetrics(font).horizontalAdvance(text);
    m_widths.emplace(std::move(key), width);
    return width;
}
