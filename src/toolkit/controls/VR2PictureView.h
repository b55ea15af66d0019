#pragma once

#include "platform/Picture.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/core/VireoStandardProperties.h"

#include <memory>

// Shows one picture at its own size from the view's top-left corner, cut off
// at the frame and drawn through the picture's mask; where it does not reach,
// what lies beneath shows. Property "pict": the picture, nil for none.
class VR2PictureView : public VR2View {
public:
    using Ref = std::shared_ptr<VR2PictureView>;

    platform::Picture::Ref Contents;
    // Kept for those who set it; the picture is drawn at its own size either way.
    bool FitToSize = false;

protected:
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) override;
    bool PropertyCheck(const std::vector<platform::Variant>& keys) override;
    bool PropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values) override;
    // Always true: keys other than "pict" are passed over.
    bool PropertySet(const platform::Dictionary::Ref& values) override;

private:
    VireoStandardProperties::PropertyTable Properties();
};
