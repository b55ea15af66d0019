#pragma once

#include "toolkit/controls/VR2ButtonView.h"
#include "toolkit/core/VireoStandardProperties.h"

#include <cstdint>
#include <memory>
#include <string>

// One line of underlined link text; a click opens url through the platform's
// URL service, or beeps when url is empty. It sends no message. Only the
// drawn text reacts to the mouse once the link has been painted.
// Properties "text" (repaints) and "url".
class VR2WebLinkView : public VR2ButtonView {
public:
    using Ref = std::shared_ptr<VR2WebLinkView>;
    static Ref Create() { return VR2View::Create<VR2WebLinkView>(); }

    std::string text;
    std::string url;
    // Vireo2TextLine's codes: 0 left, 1 right, 2 centred.
    int32_t alignment = 0;

    // Sizes the view to its text in "System".
    void AutoSizeForText();

    using VR2Object::Action;

protected:
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) override;
    bool PropertyCheck(const std::vector<platform::Variant>& keys) override;
    bool PropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values) override;
    bool PropertySet(const platform::Dictionary::Ref& values) override;
    void Action(const VR2Rect::Ref& hotSpot, int32_t x, int32_t y) override;

private:
    VireoStandardProperties::PropertyTable Properties();
};
