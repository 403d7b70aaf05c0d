#include "TTemplateRenderer.h"

#include <QLayout>
#include <QPalette>
#include <QWidget>

namespace {

QImage GrabAtWorkingSize(QWidget& screen, const QPalette& palette)
{
    screen.setPalette(palette);
    screen.setAttribute(Qt::WA_DontShowOnScreen);
    screen.setFixedSize(TTemplateRenderer::thumbnailSize * TTemplateRenderer::oversampling);
    // Showing (off screen) polishes the widgets and runs their layouts.
    screen.show();
    if (screen.layout())
        screen.layout()->activate();
    QImage image = screen.grab().toImage().convertToFormat(QImage::Format_RGB32);
    screen.hide();
    return image;
}

} // namespace

QImage TTemplateRenderer::Render(QWidget& screen, const QPalette& palette)
{
    return GrabAtWorkingSize(screen, palette)
        .scaled(thumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
