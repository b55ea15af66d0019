#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// The median time of rounds runs of frame, in microseconds: steadier than the
// mean on a busy machine.
template <typename Frame>
double MedianMicroseconds(Frame frame, int rounds)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        frame();
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
