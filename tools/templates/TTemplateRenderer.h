#pragma once

#include <QImage>
#include <QSize>

class QPalette;
class QWidget;

// Renders a screen as a thumbnail: laid out and grabbed at a working size four times the
// thumbnail's, then scaled down smoothly, so that text and frames become the fine,
// soft detail of a miniature instead of pixel noise.
class TTemplateRenderer {
public:
    // The thumbnail size of the gallery's template cells, in pixels.
    static constexpr QSize thumbnailSize{147, 91};
    static constexpr int oversampling = 4;

    // Renders screen in palette; the widget is shown off screen for the grab and hidden
    // again.
    static QImage Render(QWidget& screen, const QPalette& palette);
};
