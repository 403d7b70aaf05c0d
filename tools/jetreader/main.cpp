#include "TJetReaderProgram.h"

int main(int argc, char** argv)
{
    return TJetReaderProgram().Run(argc, argv);
}
