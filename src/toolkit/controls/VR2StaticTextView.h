#pragma once

#include "platform/Color.h"
#include "toolkit/core/VR2View.h"
#include "toolkit/core/VireoStandardProperties.h"

#include <cstdint>
#include <memory>
#include <string>

// A one-line label in the toolkit's font, centred vertically and placed by
// alignment: 0 left, 1 right, 2 centred, anything else left. A text wider
// than the view starts at its left edge and is shortened to fit. Properties
// "text" and "color" repaint when set; a direct field assignment does not.
class VR2StaticTextView : public VR2View {
public:
    using Ref = std::shared_ptr<VR2StaticTextView>;

    std::string text;
    platform::Color textColor{0x000000};
    int32_t alignment = 0;
    bool underline = false;

    // One line's height, and the text's width; the position stays and
    // nothing is told or repainted.
    void AutoSizeForText();

protected:
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) override;
    bool PropertyCheck(const std::vector<platform::Variant>& keys) override;
    bool PropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values) override;
    // Always true: other keys are passed over.
    bool PropertySet(const platform::Dictionary::Ref& values) override;

private:
    VireoStandardProperties::PropertyTable Properties();
};
