#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

// A drop-down window taller than the screen: it shows the entries FirstShown to
// LastShown between its unchanged header (frame, drag strip) and footer (expand button,
// frame), and a scroll bar in a column inserted right of the entries. The window's image
// is composed from the full-height menu image.
class T_AM2000_ScrollView {
public:
    // The scroll bar's zone codes, as the window's Selected names them.
    static constexpr int Thumb = -6;
    static constexpr int PageDown = -7;
    static constexpr int PageUp = -8;
    static constexpr int LineDown = -9;
    static constexpr int LineUp = -10;
    static constexpr int NoZone = -1;      // the window's code for no entry
    static constexpr int BarGap = 5;       // between the entries and the bar
    static constexpr int MinimumThumb = 8; // pixels

    // The full-height menu the window shows part of.
    struct Menu {
        QSize size;                 // of the whole menu image
        std::vector<QRect> entries; // in the whole menu image
        int lineHeight = 1;         // what a dragged thumb moves per entry
    };
    struct Colors {
        QColor face, text, light, shadow;
    };

    // height: the window's height on the screen.
    T_AM2000_ScrollView(Menu menu, int height, int barWidth, int firstShown = 0);
    // The width of the desktop's scroll bars.
    static int SystemBarWidth();

    QSize WindowSize() const;
    int FirstShown() const { return m_first; }
    int LastShown() const { return m_last; }
    int EntryCount() const { return int(m_menu.entries.size()); }
    // The greatest FirstShown: the one that shows the last entry.
    int LastFirstShown() const { return m_lastFirst; }
    int LineHeight() const { return m_menu.lineHeight; }

    // Shows the entries from first on (within 0..LastFirstShown); returns whether they
    // moved.
    bool ScrollTo(int first);
    // Scrolls as little as needed to show index.
    bool ScrollToShow(int index);
    // What the scroll zone does when pressed; returns whether the entries moved.
    bool Scroll(int zone);

    // Where the entry is on the window; empty while it is not shown.
    QRect ShownEntryRect(int index) const;
    // Where a part of the footer (rect in the whole menu image) is on the window.
    QRect ShownFooterRect(const QRect& rect) const;
    QRect ZoneRect(int zone) const;
    // The zone code at a window point, or NoZone outside the bar.
    int ZoneAt(QPoint point) const;

    // The window's image, from the whole menu image.
    QImage Compose(const QImage& menu, const Colors& colors) const;

private:
    int HeaderHeight() const;
    int FooterTop() const;  // in the whole menu image
    int AreaBottom() const; // where the entries' area ends on the window
    int EntriesRight() const;
    int Offset() const; // how far the shown entries moved up
    int LastFitting(int first) const;
    QRect BarRect() const;
    QRect TrackRect() const;
    void PaintBar(QImage& image, const Colors& colors) const;

    Menu m_menu;
    int m_height;
    int m_barWidth;
    int m_first = 0;
    int m_last = 0;
    int m_lastFirst = 0;
};
