#pragma once

#include "platform/Color.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/hosts/VR2ContainerView.h"

#include <memory>
#include <string>

// The step goal in the status bar: the caption "Goal: " and the goal, edited
// in place, both pushed against the field's right edge. The value child
// shares the field's event-handler table, so a rule stored on the field fires
// when an edit of the value is committed. Properties "text" and "color".
class DPStepGoalField : public VR2ContainerView {
public:
    using Ref = std::shared_ptr<DPStepGoalField>;
    static Ref Create() { return VR2View::Create<DPStepGoalField>(); }

    std::string text();
    // Lays the children out again for the new text; does not repaint.
    void text(const std::string& value);
    platform::Color textColor();
    // Both texts; no layout and no repaint.
    void textColor(platform::Color value);
    // The value as wide as its text plus 8 at the right edge, the caption just left of it.
    void ArrangeViews();

protected:
    DPStepGoalField() = default;
    friend class VR2View;

    void ContainerCreated() override;
    bool PropertyCheck(const std::vector<platform::Variant>& keys) override;
    bool PropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values) override;
    // Always true: other keys are passed over.
    bool PropertySet(const platform::Dictionary::Ref& values) override;

private:
    VR2View::Ref Child(const std::string& name);
    VireoStandardProperties::PropertyTable Properties();
};
