#pragma once

#include <cstdint>
#include <string>

class VR2Graphics;
class VR2View;

// One line of text as the toolkit's labels and links draw it: "System" at the
// standard size, centred vertically, placed by an alignment code and
// shortened to the view's width.
namespace Vireo2TextLine {

constexpr int32_t kAlignLeft = 0;
constexpr int32_t kAlignRight = 1;
constexpr int32_t kAlignCentre = 2;  // any other code draws as left

struct Placement {
    int32_t left;
    int32_t width;  // the whole text's width, before any shortening
};

// Draws text in g's colour and underline on a view of width x height.
Placement Draw(VR2Graphics& g, const std::string& text, int32_t alignment, int32_t width, int32_t height);

// Resizes view to text on one line, without telling its parent.
void SizeToText(VR2View& view, const std::string& text);

}  // namespace Vireo2TextLine
