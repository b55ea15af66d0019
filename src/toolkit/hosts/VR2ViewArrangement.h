#pragma once

#include "toolkit/core/VR2View.h"

#include <cstdint>
#include <memory>
#include <vector>

// Lays views out one after another, stacked downwards or in a row, with a
// fixed gap, placing or stretching each across the flow. It keeps no state
// between calls and moves views without telling their parent: the caller repaints.
class VR2ViewArrangement {
public:
    using Ref = std::shared_ptr<VR2ViewArrangement>;

    static constexpr int32_t kVertical = 0;
    static constexpr int32_t kHorizontal = 1;
    static constexpr int32_t kStretch = 0;
    static constexpr int32_t kCentre = 1;
    static constexpr int32_t kLeading = 2;   // left, or top in a row
    static constexpr int32_t kTrailing = 3;  // right, or bottom in a row

    static Ref Create() { return std::make_shared<VR2ViewArrangement>(); }
    virtual ~VR2ViewArrangement() = default;

    int32_t Orientation = kVertical;  // any other value arranges nothing
    int32_t Alignment = kStretch;     // any other value leaves a view where it is
    int32_t Width = 0;                // cross size of a stack
    int32_t Height = 0;               // cross size of a row
    int32_t Padding = 0;              // before the first view and after each

    // A nil element raises NilObjectException.
    virtual void FlowViewList(const std::vector<VR2View::Ref>& views);
};
