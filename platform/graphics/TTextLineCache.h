#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <memory>
#include <unordered_map>

class QPainter;
class QTextLayout;

// Single lines of text laid out once and drawn again and again (button captions, menu
// entries): laying the text out is the dear part of QPainter::drawText with a rectangle.
// A line lands exactly where that call puts it. One cache serves every canvas of a
// thread, so that a window made anew (a drop-down opening) finds its lines laid out.
class TTextLineCache {
public:
    TTextLineCache();
    ~TTextLineCache();

    // The calling thread's cache.
    static TTextLineCache& ForThisThread();

    // Whether Draw can take text with these alignment and text flags: one line without
    // mnemonics, tabs or line breaks, running left to right, in a font without decorations.
    static bool Handles(const QString& text, int flags, const QPainter& painter);
    // Draws text in the painter's font and pen, aligned in rect by flags.
    void Draw(QPainter& painter, const QRect& rect, int flags, const QString& text);

private:
    struct Key {
        QString text;
        QFont font;
        int dpiX;
        int dpiY;
        bool operator==(const Key& other) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    const QTextLayout& Line(const QString& text, const QFont& font, QPainter& painter);

    // Enough for every caption on the screen at once; when full, the cache starts again.
    static constexpr std::size_t Capacity = 1024;
    std::unordered_map<Key, std::unique_ptr<QTextLayout>, KeyHash> m_lines;
};
