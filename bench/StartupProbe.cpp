// Starts the gallery up to its first painted main window, prints when that paint was
// done and exits: one side of the start-up benchmark.
#include "FirstPaintClock.h"
#include "TApplication.h"
#include "TMianForm.h"
#include "TStartup.h"

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    if (!TStartup::CreateWindows(application))
        return 1;
    MianForm->Show();
    MianForm->grab();
    PrintFirstPaintDone();
    return 0;
}
