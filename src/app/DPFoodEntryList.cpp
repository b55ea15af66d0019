#include "app/DPFoodEntryList.h"

#include "app/DPCodes.h"
#include "app/DPFoodListRow.h"
#include "app/DPTypedNumber.h"
#include "platform/Text.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/core/Vireo2Utilities.h"
#include "toolkit/geometry/VireoColor.h"

#include <algorithm>

using platform::Variant;
using VireoStandardProperties::kTextKey;
using VireoStandardProperties::VR2ObjectGetProperty;
using VireoStandardProperties::VR2ObjectSetProperty;

namespace {

constexpr int32_t kBarRoom = 16;

void AddEditRule(VR2View& field, int32_t selector)
{
    auto handler = VR2EventHandler::Create();
    handler->targetCode = codes::kTargetParent;
    handler->messageCategory = dpcodes::kCategoryFoodList;
    handler->messageSelector = selector;
    field.EventHandlerTable->addHandler(codes::kEventChanged, handler);
}

}  // namespace

void DPFoodEntryList::ListCreated()
{
    clickThrough = 2;
    hasBackColor = true;
    backColor = VireoColor::kWhite;
}

void DPFoodEntryList::AddRow(const std::string& name, int32_t calories, int32_t id, bool arrange)
{
    const auto row = DPFoodListRow::init();
    const auto nameField = row->FindViewByName("food_name", true, false);
    VR2ObjectSetProperty(nameField, kTextKey, name);
    AddEditRule(*nameField, dpcodes::kFoodName);
    const auto caloriesField = row->FindViewByName("cal_val", true, false);
    VR2ObjectSetProperty(caloriesField, kTextKey, calories);
    AddEditRule(*caloriesField, dpcodes::kCalories);
    row->SetUserData(dpcodes::kFoodId, id);
    row->resize(platform::WrapSub(width(), kBarRoom), row->height(), false);
    VR2ListServiceView::AddRow(row, false);
    if (!arrange)
        return;
    ArrangeRows(false);
    // A row added to a full list would land below what shows.
    scrollRectIntoView(row->bounds(codes::kSpaceLocal));
    refresh();
}

bool DPFoodEntryList::HoldsRow(const VR2Surface::Ref& surface)
{
    const auto row = std::dynamic_pointer_cast<VR2View>(surface);
    const auto& rows = getViewList();
    return row && std::find(rows.begin(), rows.end(), row) != rows.end();
}

void DPFoodEntryList::HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message)
{
    if (message->category != dpcodes::kCategoryFoodList)
        return;
    const bool calories = message->selector == dpcodes::kCalories;
    if (!calories && message->selector != dpcodes::kFoodName)
        return;
    // Only the rows' own fields send this category; anything else goes on up.
    const auto field = std::dynamic_pointer_cast<VR2View>(sender);
    const auto row = std::dynamic_pointer_cast<VR2ContainerView>(field ? field->parent(false) : nullptr);
    if (!HoldsRow(row))
        return;
    const Variant id = row->UserData(dpcodes::kFoodId, Variant()).Int32Value();
    if (calories) {
        const Variant typed = VR2ObjectGetProperty(row->FindViewByName("cal_val", true, false), kTextKey, Variant());
        const auto number = DPTypedNumber::Read(typed);
        const Variant amount = number ? Variant(*number) : Variant(typed.StringValue());
        EventHandlerTable->triggerHandler(
            dpcodes::kCalories, Self(),
            Vireo2Utilities::VR2MakeDictionary({dpcodes::kParamFoodId, id, dpcodes::kParamCalAmount, amount}));
    } else {
        const Variant name = VR2ObjectGetProperty(row->FindViewByName("food_name", true, false), kTextKey, Variant());
        EventHandlerTable->triggerHandler(
            dpcodes::kFoodName, Self(),
            Vireo2Utilities::VR2MakeDictionary({dpcodes::kParamFoodId, id, dpcodes::kParamFoodName,
                                                name.StringValue()}));
    }
    message->result = codes::kResultHandled;
}
