// Starts the gallery up to its first painted main window and exits: one side of the
// start-up benchmark.
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
    return 0;
}
