// Starts a bare Qt program up to the first paint of a window of the main window's size
// that shows one line of Chinese text, prints when that paint was done and exits: a
// peer of the start-up benchmark that, like the gallery, starts the font system.
#include "FirstPaintClock.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("综合类 图形图像类 桌面工具类类 音频播放类 视频类"));
    QFont font(QStringLiteral("AR PL UMing CN"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias); // drawn as the gallery draws its captions
    window.setFont(font);
    window.resize(819, 522);
    window.show();
    window.grab();
    PrintFirstPaintDone();
    return 0;
}
