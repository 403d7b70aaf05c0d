#include "TStartup.h"

int main(int argc, char** argv)
{
    return TStartup::Run(argc, argv);
}
