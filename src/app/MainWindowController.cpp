#include "app/MainWindowController.h"

#include "app/DPCodes.h"
#include "app/DPFoodEntryList.h"
#include "app/DPTypedNumber.h"
#include "platform/Codes.h"
#include "platform/EventLoop.h"
#include "platform/Services.h"
#include "platform/Text.h"
#include "store/DiaryDB.h"
#include "toolkit/controls/VR2ClickToEditField.h"
#include "toolkit/controls/VR2ListServiceView.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/core/Vireo2Extends.h"

using platform::Variant;
using platform::VariantType;
using VireoStandardProperties::kTextKey;

namespace {

constexpr const char* kMissingFoodOrCalories = "Either the food name or the calorie amount was missing.";
constexpr const char* kAddFoodFailed = "There was a problem adding the food to the database.";
constexpr const char* kGoalFailed = "Couldn't update goal.";
constexpr const char* kStepsFailed = "Error updating the steps.";
constexpr const char* kFoodEditFailed = "Couldn't update database with new values.";
constexpr const char* kCaloriesNotANumber = "The calorie amount must be a whole number, such as 350.";
constexpr const char* kStepsNotANumber = "The steps must be a whole number, such as 4200.";
constexpr const char* kGoalNotANumber = "The goal must be a whole number, such as 2000.";

// The parameter under key; nothing when the message lacks it.
std::optional<Variant> Param(const platform::Dictionary::Ref& params, const Variant& key)
{
    if (!params || !params->HasKey(key))
        return std::nullopt;
    return params->Value(key);
}

// Text of a parameter that is text or a number; nothing for any other value.
std::optional<std::string> TextOf(const Variant& value)
{
    switch (value.Type()) {
    case VariantType::Nil:
    case VariantType::String:
    case VariantType::Int32:
    case VariantType::Int64:
        return value.StringValue();
    default:
        return std::nullopt;
    }
}

// A name of blanks alone names nothing.
bool IsBlank(const std::string& name) { return platform::TrimBlanks(name).empty(); }

}  // namespace

void MainWindowController::VR2Object_Action(const VR2Object::Ref& sender, const VR2Message::Ref& message)
{
    bool matched = false;
    if (message->category == dpcodes::kCategoryNavigation)
        matched = Navigate(message->selector);
    else if (message->category == dpcodes::kCategoryFood)
        matched = FoodEntry(sender, message);
    else if (message->category == dpcodes::kCategorySteps)
        matched = StepsEntry(message);
    else if (message->category == dpcodes::kCategoryFoodList)
        matched = FoodListEntry(message);
    // Handled whatever came of it; a message outside the table keeps its result.
    if (matched)
        message->result = codes::kResultHandled;
}

bool MainWindowController::Navigate(int32_t selector)
{
    if (selector != dpcodes::kBack && selector != dpcodes::kHome && selector != dpcodes::kForward)
        return false;
    CommitOpenEdit();
    Window().LockUpdate();
    if (selector == dpcodes::kBack)
        current_date->SetDay(current_date->Day() - 1);
    else if (selector == dpcodes::kHome)
        current_date = platform::Date::Now();
    else
        current_date->SetDay(current_date->Day() + 1);
    // Another day's items are shown from the first, wherever the last day's list was scrolled.
    if (const auto list = std::dynamic_pointer_cast<DPFoodEntryList>(Find(dpcodes::kFoodEntryList)))
        list->scrollTo(0, 0);
    UpdateAll();
    Window().UnlockUpdate();
    return true;
}

bool MainWindowController::FoodEntry(const VR2Object::Ref& sender, const VR2Message::Ref& message)
{
    if (message->selector == dpcodes::kNewFood)
        AddFood(message->params);
    else if (message->selector == dpcodes::kGoal)
        ChangeGoal(true, message->params);
    else if (message->selector == dpcodes::kDeleteFood)
        DeleteSelectedFood(sender, message->params);
    else
        return false;
    return true;
}

bool MainWindowController::StepsEntry(const VR2Message::Ref& message)
{
    if (message->selector == dpcodes::kAddSteps)
        AddSteps();
    else if (message->selector == dpcodes::kGoal)
        ChangeGoal(false, message->params);
    else
        return false;
    return true;
}

bool MainWindowController::FoodListEntry(const VR2Message::Ref& message)
{
    if (message->selector == dpcodes::kCalories)
        EditCalories(message->params);
    else if (message->selector == dpcodes::kFoodName)
        EditName(message->params);
    else
        return false;
    return true;
}

void MainWindowController::AddFood(const platform::Dictionary::Ref& params)
{
    // The values come from the message; a missing one reads as empty.
    const auto name = TextOf(Vireo2Extends::FindValue(params, dpcodes::kParamFoodName, Variant()));
    const auto calories =
        DPTypedNumber::Read(Vireo2Extends::FindValue(params, dpcodes::kParamCalorieAmount, Variant()));
    // Negative calories are taken as typed; the fields keep a refused entry for the user to mend.
    if (!name || IsBlank(*name) || (calories && *calories == 0)) {
        platform::MsgBox(kMissingFoodOrCalories);
        return;
    }
    if (!calories) {
        platform::MsgBox(kCaloriesNotANumber);
        return;
    }
    auto item = DPFoodRecord::Create();
    item->CaloricItem = *name;
    item->CalVal = *calories;
    item->EatenDate = current_date->copy();
    if (DiaryDB::AddFood(item) == -1) {
        platform::MsgBox(kAddFoodFailed);
        return;
    }
    SetProperty(dpcodes::kFoodEntryField, kTextKey, "");
    SetProperty(dpcodes::kCalorieEntryField, kTextKey, "");
    if (const auto list = std::dynamic_pointer_cast<DPFoodEntryList>(Find(dpcodes::kFoodEntryList)))
        list->AddRow(item->CaloricItem, item->CalVal, item->id, true);
    if (const auto field = Find(dpcodes::kFoodEntryField))
        field->changeFocus(codes::kFocusGive);
    ReloadDailyList(true);
    Update_DailyStats(true);
    Update_GoalProgress_Calories(true);
}

void MainWindowController::DeleteSelectedFood(const VR2Object::Ref& sender, const platform::Dictionary::Ref& params)
{
    // Every key reaches here; only Backspace deletes.
    const auto key = Param(params, VR2ListServiceView::kKeyPressKey);
    if (!key || key->Type() != VariantType::String || key->StringValue() != platform::Chr(codes::kKeyBackspace))
        return;
    const auto list = std::dynamic_pointer_cast<DPFoodEntryList>(sender);
    if (!list || list != Find(dpcodes::kFoodEntryList))
        return;
    // A copy: RemoveRow selects the row that takes a removed one's place.
    const auto rows = list->selectedRows();
    if (rows.empty())
        return;
    for (const auto& row : rows) {
        const auto id = DPTypedNumber::Read(row->UserData(dpcodes::kFoodId, Variant()));
        if (id && DiaryDB::Remove_Food(*id))
            list->RemoveRow(row, false);
        platform::YieldToEventLoop();
    }
    Window().LockUpdate();
    list->ArrangeRows(true);
    Update_DailyStats(true);
    Update_GoalProgress_Calories(true);
    Window().UnlockUpdate();
}

void MainWindowController::AddSteps()
{
    const auto field = Find(dpcodes::kStepsEntryField);
    if (!field)
        return;
    const auto steps = DPTypedNumber::Read(VireoStandardProperties::VR2ObjectGetProperty(field, kTextKey, Variant()));
    // A typo keeps its text, as a failed addition does, so the user can mend it.
    if (!steps) {
        platform::MsgBox(kStepsNotANumber);
        return;
    }
    if (*steps == 0) {
        VireoStandardProperties::VR2ObjectSetProperty(field, kTextKey, "");
        return;
    }
    if (!DiaryDB::AddTo_Steps(current_date, *steps)) {
        platform::MsgBox(kStepsFailed);
        return;
    }
    VireoStandardProperties::VR2ObjectSetProperty(field, kTextKey, "");
    ReloadDailyList(true);
    Update_DailyStats(true);
    // The bar repaints itself when its values are set.
    Update_GoalProgress_Steps(false);
}

void MainWindowController::ChangeGoal(bool calories, const platform::Dictionary::Ref& params)
{
    const auto typed = Param(params, codes::kKeyValue);
    if (!typed)
        return;
    const auto goal = DPTypedNumber::Read(*typed);
    if (!goal)
        platform::MsgBox(kGoalNotANumber);
    else if (!(calories ? DiaryDB::Update_Goal_Food(current_date, *goal)
                        : DiaryDB::Update_Goal_Steps(current_date, *goal)))
        platform::MsgBox(kGoalFailed);
    // Also after a refusal: the status bar shows the stored goal again.
    Update_DailyStats(true);
    if (calories)
        Update_GoalProgress_Calories(true);
    else
        Update_GoalProgress_Steps(true);
    ReloadDailyList(true);
}

void MainWindowController::EditCalories(const platform::Dictionary::Ref& params)
{
    const auto id = Param(params, dpcodes::kParamFoodId);
    const auto typed = Param(params, dpcodes::kParamCalAmount);
    if (!id || !typed)
        return;
    const auto foodId = DPTypedNumber::Read(*id);
    const auto calories = DPTypedNumber::Read(*typed);
    if (!calories || !foodId || !DiaryDB::Update_Food(*foodId, *calories)) {
        platform::MsgBox(calories ? kFoodEditFailed : kCaloriesNotANumber);
        // The row still shows what was typed: show the stored items again.
        ReloadFoodList(true);
    }
    ReloadDailyList(true);
    Update_DailyStats(true);
    Update_GoalProgress_Calories(true);
}

void MainWindowController::EditName(const platform::Dictionary::Ref& params)
{
    const auto id = Param(params, dpcodes::kParamFoodId);
    const auto typed = Param(params, dpcodes::kParamFoodName);
    if (!id || !typed)
        return;
    const auto foodId = DPTypedNumber::Read(*id);
    const auto name = TextOf(*typed);
    if (name && IsBlank(*name)) {
        platform::MsgBox(kMissingFoodOrCalories);
        // The row shows the refused name: show the stored items again.
        ReloadFoodList(true);
        return;
    }
    // The row keeps showing the new name, stored or not.
    if (!foodId || !name || !DiaryDB::Update_Food(*foodId, *name))
        platform::MsgBox(kFoodEditFailed);
}

void MainWindowController::CommitOpenEdit()
{
    if (const auto field = VR2ClickToEditField::EditedField())
        field->CloseActiveCell(false);
}
