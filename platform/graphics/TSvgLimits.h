#pragma once

#include <QByteArray>
#include <QtGlobal>

// What an SVG drawing may hold, checked by reading it once as XML before anything draws
// it: deep nesting, huge element counts, <use> chains that repeat a group millions of
// times and entity expansion all cost time and memory out of all proportion to the
// file's size. A drawing beyond a limit counts as damaged.
class TSvgLimits {
public:
    static constexpr qsizetype MaxBytes = 4 * 1024 * 1024;
    static constexpr int MaxDepth = 64; // nested elements
    static constexpr qint64 MaxElements = 100'000;
    // Elements as drawn: each <use> counts the elements it repeats, recursively.
    static constexpr qint64 MaxDrawnElements = 200'000;
    // Text and attribute values after entity expansion, in characters.
    static constexpr qint64 MaxCharacters = 16 * 1024 * 1024;
    // Parsing and drawing one picture, in milliseconds, beyond which it is given up.
    static constexpr int RenderBudgetMs = 1000;

    // Raises EInvalidGraphic "SVG image is not valid" for data that is not well-formed
    // XML with an svg root, "SVG image is too complex" beyond a limit.
    static void Check(const QByteArray& data);
};
