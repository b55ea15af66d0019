#pragma once

#include "platform/Color.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/core/VireoStandardProperties.h"

#include <cstdint>
#include <memory>

// A horizontal bar that fills from the left with value against maximum. With
// allowOverMax a value above the maximum shrinks the filled part to
// maximum / value of the width and shows the rest as the over-maximum zone.
//
// Properties: "int" value, "max" maximum, "over_max" allowOverMax, and the
// colours "empty_color", "value_color", "over_color"; every property set
// repaints, a direct field assignment does not.
class VR2ProgressBar : public VR2View {
public:
    using Ref = std::shared_ptr<VR2ProgressBar>;

    int32_t maximum = 100;
    int32_t value = 0;
    bool allowOverMax = false;
    platform::Color emptyColor{0x313131};
    platform::Color valueColor{0x39B449};
    platform::Color overColor{0xFF0000};

protected:
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) override;
    bool PropertyCheck(const std::vector<platform::Variant>& keys) override;
    bool PropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values) override;
    bool PropertySet(const platform::Dictionary::Ref& values) override;

private:
    VireoStandardProperties::PropertyTable Properties();
};
