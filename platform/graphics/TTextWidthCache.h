#pragma once

#include <QFont>
#include <QString>
#include <unordered_map>

// The advance widths of texts in fonts, measured once: menus and bars measure every
// caption each time they lay out, and shaping a text is the dear part of measuring it.
// One cache serves every canvas of a thread.
class TTextWidthCache {
public:
    // The calling thread's cache.
    static TTextWidthCache& ForThisThread();

    // What QFontMetrics(font).horizontalAdvance(text) gives.
    int Width(const QString& text, const QFont& font);

private:
    struct Key {
        QString text;
        QFont font;
        bool operator==(const Key& other) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };

    // Enough for every caption of the program; when full, the cache starts again.
    static constexpr std::size_t Capacity = 4096;
    std::unordered_map<Key, int, KeyHash> m_widths;
};
