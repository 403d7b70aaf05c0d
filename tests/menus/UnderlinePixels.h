#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QString>

// A caption's text as drawn into a picture in one ink colour without smoothing (menu
// fonts up to 16 pixels), starting at column left, between rows top and bottom: where
// its characters are, where they sit and whether one is underlined.
class UnderlinePixels {
public:
    UnderlinePixels(QImage image, QRgb ink, const QFont& font, const QString& shown, int left,
                    int top, int bottom)
        : m_image(std::move(image))
        , m_ink(ink)
        , m_metrics(font)
        , m_shown(shown)
        , m_left(left)
        , m_top(top)
        , m_bottom(bottom)
    {}

    // The column where the advance of character index starts; for the length of the
    // text, where the text ends.
    int ColumnOf(int index) const
    {
        return m_left + m_metrics.horizontalAdvance(m_shown.left(index));
    }

    // The row just below a character that sits on the baseline (no descender, no
    // overshoot): one below its lowest ink; -1 when it has none.
    int Baseline(int index) const
    {
        for (int y = m_bottom; y >= m_top; --y) {
            if (InkInRow(y, index, index + 1))
                return y + 1;
        }
        return -1;
    }

    // The first row from baseline down on which character index is inked across its
    // whole advance (one column spared at each end for rounding), or -1.
    int UnderlineRow(int index, int baseline) const
    {
        const int from = ColumnOf(index) + 1, to = ColumnOf(index + 1) - 1;
        for (int y = baseline; y <= m_bottom; ++y) {
            bool solid = from < to;
            for (int x = from; x < to && solid; ++x)
                solid = Ink(x, y);
            if (solid)
                return y;
        }
        return -1;
    }

    // Any ink on row y over the advances of characters [from, to).
    bool InkInRow(int y, int from, int to) const
    {
        for (int x = ColumnOf(from); x < ColumnOf(to); ++x) {
            if (Ink(x, y))
                return true;
        }
        return false;
    }

    // Any ink in the rows [fromRow, toRow] over columns [fromColumn, toColumn).
    bool InkIn(int fromRow, int toRow, int fromColumn, int toColumn) const
    {
        for (int y = fromRow; y <= toRow; ++y)
            for (int x = fromColumn; x < toColumn; ++x) {
                if (Ink(x, y))
                    return true;
            }
        return false;
    }

    int Descent() const { return m_metrics.descent(); }

private:
    bool Ink(int x, int y) const { return (m_image.pixel(x, y) & 0xFFFFFF) == (m_ink & 0xFFFFFF); }

    QImage m_image;
    QRgb m_ink;
    QFontMetrics m_metrics;
    QString m_shown;
    int m_left;
    int m_top;
    int m_bottom;
};
