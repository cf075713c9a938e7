#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// The median wall time of repeated runs, in microseconds.
inline double MedianMicros(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

inline void PrintFigure(const char *name, double value)
{
    std::printf("%s: %.2f\n", name, value);
    std::fflush(stdout);
}
