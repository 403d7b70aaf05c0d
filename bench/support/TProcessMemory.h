#pragma once

// Memory readings of the benchmark process (from /proc/self/status and the heap), in MiB.
class TProcessMemory {
public:
    // The value of a status line such as "VmRSS:" or "VmHWM:" (peak resident).
    static double StatusMiB(const char* key);
    // Starts a new peak: VmHWM falls back to the current resident size.
    static void ResetPeak();
    // Heap bytes in use (malloc'd and mmap'd blocks).
    static double HeapInUseMiB();
    // Hands memory freed on the heap back to the system.
    static void ReturnFreedMemory();
};
