#pragma once

#include "toolkit/core/VR2View.h"

#include <memory>

// The flat light grey band between the calorie half and the steps half of a
// history row.
class DPDailySeparatorBar : public VR2View {
public:
    using Ref = std::shared_ptr<DPDailySeparatorBar>;
    static Ref Create() { return VR2View::Create<DPDailySeparatorBar>(); }

protected:
    DPDailySeparatorBar() = default;
    friend class VR2View;

    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) override;
};
