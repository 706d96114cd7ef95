#pragma once

#include <sys/resource.h>

namespace aec::bench {

// This process's processor time (user and system, in seconds) and its peak resident memory
// (KiB), as the system accounts them.
struct ProcessUsage
{
    double cpuSeconds = 0;
    long peakKiB = 0;

    static ProcessUsage Now()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const auto seconds = [](const timeval& t) {
            return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
        };
        return {seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss};
    }
};

} // namespace aec::bench
