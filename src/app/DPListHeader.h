#pragma once

#include "toolkit/hosts/VR2ContainerView.h"

#include <memory>

// The grey strip behind a list's column captions: a top-to-bottom gradient
// framed on the left, top and right; the captions are its children.
class DPListHeader : public VR2ContainerView {
public:
    using Ref = std::shared_ptr<DPListHeader>;
    static Ref Create() { return VR2View::Create<DPListHeader>(); }

protected:
    DPListHeader() = default;
    friend class VR2View;

    bool ContainerPaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect, int32_t layer) override;
};
