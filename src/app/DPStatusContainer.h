#pragma once

#include "platform/Picture.h"
#include "toolkit/hosts/VR2ContainerView.h"

#include <memory>

// The status bar's strip: the header background picture at its own size,
// fetched once for the whole process by whichever status bar paints first.
// Without the picture the strip draws nothing of its own.
class DPStatusContainer : public VR2ContainerView {
public:
    using Ref = std::shared_ptr<DPStatusContainer>;
    static Ref Create() { return VR2View::Create<DPStatusContainer>(); }

    // Test seam: the next paint fetches the picture again, from source.
    static void FetchHeaderFrom(platform::Picture::Ref (*source)());

protected:
    DPStatusContainer() = default;
    friend class VR2View;

    bool ContainerPaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect, int32_t layer) override;
};
