#include "TTemplateRenderer.h"

#include <QLayout>
#include <QPalette>
#include <QWidget>

QImage TTemplateRenderer::FullSize(QWidget& screen, const QPalette& palette)
{
    screen.setPalette(palette);
    screen.setAttribute(Qt::WA_DontShowOnScreen);
    screen.setFixedSize(thumbnailSize * oversampling);
    // Showing (off screen) polishes the widgets and runs their layouts.
    screen.show();
    if (screen.layout())
        screen.layout()->activate();
    QImage image = screen.grab().toImage().convertToFormat(QImage::Format_RGB32);
    screen.hide();
    return image;
}

QImage TTemplateRenderer::Render(QWidget& screen, const QPalette& palette)
{
    return FullSize(screen, palette)
        .scaled(thumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
