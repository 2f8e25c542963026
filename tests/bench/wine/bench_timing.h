// Timing for the Wine benchmarks: the performance counter, calls repeated until they last long
// enough to measure, a barrier that keeps the compiler from dropping work, and the ratio line.
#pragma once
#include <windows.h>

#include <cstdio>

inline double Now()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Nanoseconds per call of work, over enough calls to last about a quarter of a second.
template <typename Work> double NsPerCall(Work work)
{
    long calls = 1;
    for (;;) {
        double start = Now();
        for (long i = 0; i < calls; ++i)
            work();
        double elapsed = Now() - start;
        if (elapsed > 0.25)
            return elapsed * 1e9 / calls;
        calls *= 2;
    }
}

// The least of several NsPerCall measurements: other work on the machine only ever adds time.
template <typename Work> double BestNsPerCall(Work work)
{
    constexpr int kMeasurements = 5;
    double best = NsPerCall(work);
    for (int i = 1; i < kMeasurements; ++i) {
        double ns = NsPerCall(work);
        if (ns < best)
            best = ns;
    }
    return best;
}

// The compiler must assume that the memory behind address is read and written here.
inline void TouchMemory(void* address)
{
    asm volatile("" : : "r"(address) : "memory");
}

inline void Ratio(const char* label, double ns, const char* referenceLabel, double referenceNs)
{
    std::printf("%-44s %12.1f ns   %-32s %12.1f ns   ratio %6.2f\n", label, ns, referenceLabel, referenceNs,
                ns / referenceNs);
}
