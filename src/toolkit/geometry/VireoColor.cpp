#include "toolkit/geometry/VireoColor.h"

#include "platform/Text.h"

namespace VireoColor {

namespace {

// RGB brings each converted channel back into 0-255.
template <typename Channel>
platform::Color EachChannel(platform::Color color, Channel channel)
{
    return platform::RGB(platform::DoubleToInt32(channel(color.Red())),
                         platform::DoubleToInt32(channel(color.Green())),
                         platform::DoubleToInt32(channel(color.Blue())));
}

}  // namespace

platform::Color Lighten(platform::Color color, double fraction)
{
    return EachChannel(color, [fraction](double channel) { return channel * fraction + 255.0 * fraction; });
}

platform::Color Darken(platform::Color color, double fraction)
{
    return EachChannel(color, [fraction](double channel) { return channel * (1.0 - fraction) + 0.0 * (1.0 - fraction); });
}

}  // namespace VireoColor
