// Starts a bare Qt program up to its first painted window of the main window's size and
// exits: the peer of the start-up benchmark.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(819, 522);
    window.show();
    window.grab();
    return 0;
}
