#pragma once

#include "platform/Color.h"
#include "platform/FourCC.h"
#include "toolkit/controls/SLTEView.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/hosts/VR2ContainerView.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One line of text that the user edits in place: a click on the text (or
// within the first 40 pixels of the field, for an empty or short text) opens
// the one editor that all fields share over the field; Return, Enter or the loss
// of the editor's focus commits, Esc discards, and a click on any field commits
// whatever edit is open. A commit that changes Text triggers 'chgd' with
// {'valu': Text} on the field's own event-handler table.
class VR2ClickToEditField : public VR2ContainerView {
public:
    using Ref = std::shared_ptr<VR2ClickToEditField>;
    static Ref Create() { return VR2View::Create<VR2ClickToEditField>(); }

    // The editor's messages to the field it edits: commit or drop the open edit.
    static constexpr const char* kEditorCategory = "vr2c2e_activecell";
    static constexpr int32_t kDone = platform::FourCC("done");
    static constexpr int32_t kCancel = platform::FourCC("canc");

    // The editor shared by every field; made with the first field, never released.
    static SLTEView::Ref ActiveCell();
    // The field being edited, or nil.
    static Ref EditedField();

    std::string Text;
    int32_t Alignment = 0;  // 0 left, 1 right, 2 centre
    platform::Color TextColor{0x000000};

    // Ends the edit open on this field, keeping the edited text unless cancel.
    virtual bool CloseActiveCell(bool cancel);

protected:
    VR2ClickToEditField() = default;
    friend class VR2View;

    void ContainerCreated() override;
    bool ContainerMouseDown(int32_t x, int32_t y) override;
    bool ContainerPaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect, int32_t layer) override;
    void ContainerClose() override;
    void ContainerViewWillRelease() override;
    void HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message) override;
    bool PropertyCheck(const std::vector<platform::Variant>& keys) override;
    bool PropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values) override;
    bool PropertySet(const platform::Dictionary::Ref& values) override;

private:
    bool isEdited();
    VireoStandardProperties::PropertyTable Properties();

    // Width of Text at the last paint; the click test measures against it.
    int32_t mLastTextWidth = 0;
};
