#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// The median of the values (0 without any): steadier than the mean on a busy machine.
inline double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median time of rounds runs of frame, in microseconds.
template <typename Frame>
double MedianMicroseconds(Frame frame, int rounds)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        frame();
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    return Median(std::move(times));
}
