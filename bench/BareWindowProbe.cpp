// Starts a bare Qt program up to its first painted window of the main window's size,
// prints when that paint was done and exits: the peer of the start-up benchmark.
#include "FirstPaintClock.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(819, 522);
    window.show();
    window.grab();
    PrintFirstPaintDone();
    return 0;
}
