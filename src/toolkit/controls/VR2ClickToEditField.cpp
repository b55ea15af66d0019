#include "toolkit/controls/VR2ClickToEditField.h"

#include "toolkit/controls/Vireo2TextLine.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2EventHandler.h"
#include "toolkit/core/Vireo2Utilities.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <algorithm>

namespace {

constexpr const char* kActiveCellKey = "vr2c2e_active_cell";
// Room right of the text that still opens the editor; also the inset of left-aligned text.
constexpr int32_t kClickSlack = 3;
constexpr int32_t kLeftInset = 3;
// An empty or short text still opens on a click this far into the field.
constexpr int32_t kMinimumTarget = 40;

// Lives for the rest of the process once made.
SLTEView::Ref& Cell()
{
    static auto* const cell = new SLTEView::Ref();
    return *cell;
}

VR2EventHandler::Ref ToParent(int32_t selector)
{
    auto handler = VR2EventHandler::Create();
    handler->targetCode = codes::kTargetParent;
    handler->messageCategory = VR2ClickToEditField::kEditorCategory;
    handler->messageSelector = selector;
    return handler;
}

}  // namespace

SLTEView::Ref VR2ClickToEditField::ActiveCell() { return Cell(); }

VR2ClickToEditField::Ref VR2ClickToEditField::EditedField()
{
    const auto& cell = Cell();
    return cell ? cell->UserData(kActiveCellKey, nullptr).As<VR2ClickToEditField>() : nullptr;
}

bool VR2ClickToEditField::isEdited() { return EditedField().get() == this; }

void VR2ClickToEditField::ContainerCreated()
{
    AutoClip = true;
    auto& cell = Cell();
    if (!cell) {
        cell = SLTEView::Create();
        cell->Retained = true;
        const auto done = ToParent(kDone);
        cell->EventHandlerTable->addHandler(codes::kEventLostFocus, done);
        cell->EventHandlerTable->addHandler(codes::kEventAction, done);
        cell->EventHandlerTable->addHandler(codes::kEventCancel, ToParent(kCancel));
    }
    OverrideMouseEvents = true;
}

bool VR2ClickToEditField::ContainerMouseDown(int32_t x, int32_t)
{
    const auto self = Self();
    if (const auto edited = EditedField())
        edited->CloseActiveCell(false);
    // A commit may rebuild the list this field lives in: a field that left it stays closed.
    if (isReleased() || !parent(false))
        return true;
    if (x > std::max(mLastTextWidth + kClickSlack, kMinimumTarget))
        return true;
    const auto& cell = Cell();
    OverrideMouseEvents = false;
    cell->SetUserData(kActiveCellKey, platform::Variant(self));
    cell->Text(true, Text);
    cell->resize(width(), height(), false);
    cell->move(0, 0, false);
    cell->attach(std::dynamic_pointer_cast<VR2Surface>(self), false, false);
    cell->selectAll(true);
    cell->changeFocus(codes::kFocusGive);
    return true;
}

bool VR2ClickToEditField::CloseActiveCell(bool cancel)
{
    const auto self = Self();
    const auto& cell = Cell();
    const std::string oldText = Text;
    if (!cancel)
        Text = cell->Text();
    // Cleared first: the focus loss below comes back as 'done' and must find no open edit.
    cell->SetUserData(kActiveCellKey, nullptr);
    // The focus leaves the editor before the editor leaves the field, so no key goes to a hidden editor.
    if (cell->hasFocus())
        cell->changeFocus(codes::kFocusTake);
    cell->detach(true, false);
    OverrideMouseEvents = true;
    if (Text != oldText && EventHandlerTable)
        EventHandlerTable->triggerHandler(codes::kEventChanged, self,
                                          Vireo2Utilities::VR2MakeDictionary({codes::kKeyValue, Text}));
    return true;
}

// A field that leaves its holder, or goes, keeps what was typed into it.
void VR2ClickToEditField::ContainerClose()
{
    if (isEdited())
        CloseActiveCell(false);
}

void VR2ClickToEditField::ContainerViewWillRelease()
{
    if (isEdited())
        CloseActiveCell(false);
}

void VR2ClickToEditField::HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message)
{
    const auto& cell = Cell();
    if (message->category != kEditorCategory || !sender || !VR2SameObject(sender.get(), cell.get()))
        return;
    if (message->selector != kDone && message->selector != kCancel)
        return;
    message->result = codes::kResultHandled;
    if (const auto edited = EditedField())
        edited->CloseActiveCell(message->selector == kCancel);
}

bool VR2ClickToEditField::ContainerPaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&, int32_t)
{
    if (isEdited())
        return true;
    g->SetForeColor(TextColor);
    g->SetUnderline(false);
    g->SetBold(false);
    g->SetItalic(false);
    if (Alignment == Vireo2TextLine::kAlignLeft) {
        // Left-aligned text sits where the editor's text starts.
        g->Offset(kLeftInset, 0);
        mLastTextWidth = Vireo2TextLine::Draw(*g, Text, Alignment, width() - 2 * kLeftInset, height()).width;
        g->Offset(-kLeftInset, 0);
    } else {
        mLastTextWidth = Vireo2TextLine::Draw(*g, Text, Alignment, width(), height()).width;
    }
    return true;
}

VireoStandardProperties::PropertyTable VR2ClickToEditField::Properties()
{
    return {{VireoStandardProperties::kTextKey, [this] { return platform::Variant(Text); },
             [this](const platform::Variant& value) {
                 const std::string text = value.StringValue();
                 if (isEdited())
                     Cell()->Text(true, text);
                 Text = text;
                 refresh();
             }},
            {VireoStandardProperties::kColorKey, [this] { return platform::Variant(TextColor); },
             [this](const platform::Variant& value) {
                 TextColor = value.ColorValue();
                 refresh();
             }}};
}

bool VR2ClickToEditField::PropertyCheck(const std::vector<platform::Variant>& keys)
{
    return VireoStandardProperties::CheckProperties(Properties(), keys);
}

bool VR2ClickToEditField::PropertyGet(const std::vector<platform::Variant>& keys,
                                      const platform::Dictionary::Ref& values)
{
    return VireoStandardProperties::GetProperties(Properties(), keys, values);
}

bool VR2ClickToEditField::PropertySet(const platform::Dictionary::Ref& values)
{
    return VireoStandardProperties::SetProperties(Properties(), values);
}
