#include "TProcessMemory.h"

#include <fstream>
#include <malloc.h>
#include <string>

double TProcessMemory::StatusMiB(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::stod(line.substr(std::string(key).size())) / 1024.0;
    }
    return 0.0;
}

void TProcessMemory::ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

double TProcessMemory::HeapInUseMiB()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

void TProcessMemory::ReturnFreedMemory()
{
    malloc_trim(0);
}
