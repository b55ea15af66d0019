#pragma once

#include "toolkit/hosts/VR2ContainerView.h"

#include <memory>

// The toolbar's strip: two stacked blue-grey gradients, rows 0-11 and 12-25.
class DPToolbarContainer : public VR2ContainerView {
public:
    using Ref = std::shared_ptr<DPToolbarContainer>;
    static Ref Create() { return VR2View::Create<DPToolbarContainer>(); }

protected:
    DPToolbarContainer() = default;
    friend class VR2View;

    bool ContainerPaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect, int32_t layer) override;
};
