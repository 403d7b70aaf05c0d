#pragma once

// Memory readings of the benchmark process from /proc/self/status, in MiB.
class TProcessMemory {
public:
    // The value of a status line such as "VmRSS:" or "VmHWM:" (peak resident).
    static double StatusMiB(const char* key);
    // Starts a new peak: VmHWM falls back to the current resident size.
    static void ResetPeak();
};
