#include "toolkit/geometry/VR2Gradient.h"

#include "platform/Text.h"

std::vector<platform::Color> VR2Gradient::Steps(int32_t n) const
{
    std::vector<platform::Color> colours;
    if (n <= 0)
        return colours;
    colours.reserve(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i)
        colours.push_back(Step(i, n));
    return colours;
}

platform::Color VR2Gradient::Step(int32_t i, int32_t n) const
{
    const double count = n;
    const double a = (count - i) / count;
    const double b = i / count;
    auto channel = [&](int32_t end, int32_t start) { return platform::DoubleToInt32(end * b + start * a); };
    return platform::RGB(channel(EndColor.Red(), StartColor.Red()), channel(EndColor.Green(), StartColor.Green()),
                         channel(EndColor.Blue(), StartColor.Blue()));
}
