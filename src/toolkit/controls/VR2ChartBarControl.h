#pragma once

#include "platform/Color.h"
#include "platform/FourCC.h"
#include "toolkit/core/VR2View.h"

#include <cstdint>
#include <memory>
#include <vector>

// A horizontal bar of equal cells: runs of coloured cells from the left, then
// emptyCount empty cells that show only the bar's dark background. Filled by
// message (category "vr2chartbarcontrol": 'rset', 'adcl') and through the
// property "emptyCount"; it takes no input.
class VR2ChartBarControl : public VR2View {
public:
    using Ref = std::shared_ptr<VR2ChartBarControl>;

    static constexpr const char* kCategory = "vr2chartbarcontrol";
    static constexpr int32_t kReset = platform::FourCC("rset");
    static constexpr int32_t kAddColor = platform::FourCC("adcl");

    int32_t emptyCount = 0;

    // Appends a run of count cells of color; a count below 1 draws no cell
    // but still takes its share of the bar.
    void AddColor(platform::Color color, int32_t count, bool redraw);
    // No runs and no empty cells.
    void Reset(bool redraw);

protected:
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) override;
    // 'adcl' needs "color" and "count" (refused with result 3 without them);
    // both take an optional "redraw". Other messages go on to the parent.
    void HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message) override;
    bool PropertyCheck(const std::vector<platform::Variant>& keys) override;
    bool PropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values) override;
    bool PropertySet(const platform::Dictionary::Ref& values) override;

private:
    std::vector<int32_t> mCount;
    std::vector<platform::Color> mColor;
};
