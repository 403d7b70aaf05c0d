#pragma once

#include <QByteArray>
#include <QString>

// "综合类" clicked on the gallery's main window over a catalogue of one category, as the
// large-catalogue benchmarks time it: from the click to the painted grid and count label
// (the first click, which opens the connection, and the best of the next ones), the peak
// memory growth of the first click, and dragging the scroll bar to the middle and to the
// end of the category and painting that page, against painting the first page.
class TCategoryClick {
public:
    struct TFigures {
        double plain = 0; // the peer: a plain count of the category, in seconds
        double firstClick = 0;
        double click = 0;
        double peakGrowth = 0; // MiB
        double firstPage = 0;
        double middlePage = 0;
        double lastPage = 0;
        QString label;
    };

    // The pictures catalogues are filled with: 4 x 4 bitmaps, quick to make by the million,
    // or JPEG thumbnails of a grid cell's size.
    static QByteArray Picture(bool jpeg);
    // A catalogue file made by the catalogue library, its pictures all of category 0.
    static void BuildFile(const QString& path, int pictures, const QByteArray& picture);
    // The peer in a file: a plain sqlite3 count of category 0, best of five, in seconds.
    static double FileCountSeconds(const QString& path, int pictures);

    // The catalogue is a file or a server's URI; plainSeconds the peer's time.
    static TFigures Measure(const QString& catalogue, double plainSeconds);
    static void Print(const char* catalogue, const TFigures& figures);
};
