#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

// Ends the benchmark when a step it measures did not do its work: a figure
// from work left undone would mean nothing.
inline void Require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "benchmark: %s failed\n", what);
        std::exit(1);
    }
}

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

// The median ratio of the work's time to the floor's, the two run in turn,
// so that each pair meets the same state of the machine (the disk writing
// back, another program busy).
inline double MedianRatio(int runs, const std::function<void()> &floor, const std::function<void()> &work)
{
    std::vector<double> ratios;
    for (int i = 0; i < runs; ++i) {
        const double floorMicros = MedianMicros(1, floor);
        ratios.push_back(MedianMicros(1, work) / floorMicros);
    }
    std::sort(ratios.begin(), ratios.end());
    return ratios[ratios.size() / 2];
}

inline void PrintFigure(const char *name, double value)
{
    std::printf("%s: %.2f\n", name, value);
    std::fflush(stdout);
}
