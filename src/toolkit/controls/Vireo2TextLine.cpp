#include "toolkit/controls/Vireo2TextLine.h"

#include "platform/Text.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <algorithm>

namespace Vireo2TextLine {

namespace {

void SetFont(VR2Graphics& g)
{
    g.SetTextFont("System");
    g.SetTextSize(0);
}

}  // namespace

Placement Draw(VR2Graphics& g, const std::string& text, int32_t alignment, int32_t width, int32_t height)
{
    SetFont(g);
    const int32_t baseline = platform::DoubleToInt32(height / 2.0 - g.TextHeight() / 2.0 + g.TextAscent());
    const int32_t textWidth = g.StringWidth(text);
    int32_t left = 0;
    if (alignment == kAlignRight)
        left = platform::DoubleToInt32(std::max(static_cast<double>(width) - textWidth, 0.0));
    else if (alignment == kAlignCentre)
        left = platform::DoubleToInt32(std::max(width / 2.0 - textWidth / 2.0, 0.0));
    // Shortened only when wider by this measure: the platform's eliding counts
    // fractions of a pixel and would shorten a text sized to fit.
    g.DrawString(text, left, baseline, textWidth <= width ? VR2Graphics::kOneLine : width, true);
    return {left, textWidth};
}

void SizeToText(VR2View& view, const std::string& text)
{
    const auto measure = VR2Graphics::Create();
    SetFont(*measure);
    view.resize(measure->StringWidth(text), measure->TextHeight(), false);
}

}  // namespace Vireo2TextLine
