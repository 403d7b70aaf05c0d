#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

class QPainter;
class QTextLayout;

// Single lines of text laid out once and drawn again and again (button captions, menu
// entries): laying the text out is the dear part of QPainter::drawText with a rectangle.
// A line lands exactly where that call puts it.
class TTextLineCache {
public:
    TTextLineCache();
    ~TTextLineCache();

    // Whether Draw can take text with these alignment and text flags: one line without
    // mnemonics, tabs or line breaks, running left to right, in a font without decorations.
    static bool Handles(const QString& text, int flags, const QPainter& painter);
    // Draws text in the painter's font and pen, aligned in rect by flags.
    void Draw(QPainter& painter, const QRect& rect, int flags, const QString& text);

private:
    struct Entry;
    const QTextLayout& Line(const QString& text, const QFont& font, QPainter& painter);

    // The most recently used last; a few texts per canvas are drawn over and over.
    static constexpr std::size_t Capacity = 16;
    std::vector<std::unique_ptr<Entry>> m_entries;
};
