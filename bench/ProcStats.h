// What /proc tells about a running process: its memory, and the CPU time and
// context switches it has used so far, summed over all of its threads.
#pragma once

#include <sys/types.h>

struct ProcMemory {
    long peakRssKiB = -1; // VmHWM
    long rssKiB = -1;     // VmRSS
    long pssKiB = -1;     // Pss of smaps_rollup
    long ussKiB = -1;     // Private_Clean + Private_Dirty: what no other process shares
};

struct ProcActivity {
    double cpuMs = 0;         // utime + stime, in the kernel's clock ticks
    double runMs = 0;         // time on a CPU from schedstat, to the nanosecond
    long contextSwitches = 0; // voluntary + nonvoluntary
    int threads = 0;
};

ProcMemory ReadMemory(pid_t pid);
ProcActivity ReadActivity(pid_t pid);
