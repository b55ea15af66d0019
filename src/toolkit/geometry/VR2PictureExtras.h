#pragma once

#include "platform/Picture.h"

// New pictures made from a picture; the source is never changed. A nil source
// raises NilObjectException before anything is made.
namespace VR2PictureExtras {

// The source holds its image in the upper half and the image's mask, as grey
// levels, in the lower half: answers a picture of the full width and half the
// height with that image and that mask.
platform::Picture::Ref PictureAndMask(const platform::Picture::Ref& picture);
// The same image with every colour level scaled to 0.6, the same mask.
platform::Picture::Ref Pressed(const platform::Picture::Ref& picture);
// The same image with every mask level raised to at least 150.
platform::Picture::Ref Disabled(const platform::Picture::Ref& picture);

}  // namespace VR2PictureExtras
