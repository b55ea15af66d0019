#pragma once

// The diary's own message vocabulary: categories, selectors, parameter keys,
// the food rows' user-data key and the names of the main window's views that
// the controller looks up. The toolkit's codes live in toolkit/core/VR2Codes.h.

#include "platform/FourCC.h"

#include <cstdint>

namespace dpcodes {

using platform::FourCC;

// Categories.
inline constexpr const char* kCategoryFood = "dp_event_food";
inline constexpr const char* kCategorySteps = "dp_event_steps";
inline constexpr const char* kCategoryNavigation = "dp_event_navigation";
inline constexpr const char* kCategoryFoodList = "food_entry_list";

// Selectors. 'food' and 'cals' are also the food list's own event codes.
constexpr int32_t kNewFood = FourCC("nfud");
constexpr int32_t kAddSteps = FourCC("astp");
constexpr int32_t kDeleteFood = FourCC("delf");
constexpr int32_t kGoal = FourCC("goal");
constexpr int32_t kBack = FourCC("back");
constexpr int32_t kHome = FourCC("home");
constexpr int32_t kForward = FourCC("frwd");
constexpr int32_t kFoodName = FourCC("food");
constexpr int32_t kCalories = FourCC("cals");

// A food row's user data: the item's row id in the store.
constexpr int32_t kFoodId = FourCC("fdid");

// Parameter keys (Strings).
inline constexpr const char* kParamFoodName = "food_name";
inline constexpr const char* kParamCalorieAmount = "calorie_amount";
inline constexpr const char* kParamSteps = "steps";
inline constexpr const char* kParamFoodId = "food_id";
inline constexpr const char* kParamCalAmount = "cal_amount";

// Views found by name in the main window.
inline constexpr const char* kFoodEntryField = "food_entry_field";
inline constexpr const char* kCalorieEntryField = "calorie_entry_field";
inline constexpr const char* kStepsEntryField = "steps_entry_field";
inline constexpr const char* kFoodEntryList = "food_entry_list";
inline constexpr const char* kDailyList = "daily_list";
inline constexpr const char* kCalorieBarDaily = "calorie_bar_daily";
inline constexpr const char* kStepsBarDaily = "steps_bar_daily";
inline constexpr const char* kCalorieBarMonthly = "calorie_bar_monthly";
inline constexpr const char* kStepsBarMonthly = "steps_bar_monthly";
inline constexpr const char* kMonthLabel = "month_label";
inline constexpr const char* kDateFieldLabel = "date_field_label";
inline constexpr const char* kCalorieTotalLabel = "dailyStat_calTot";
inline constexpr const char* kCalorieGoalField = "dailyStat_calGoal";
inline constexpr const char* kCaloriesToGoalLabel = "dailyStat_CalToGoal";
inline constexpr const char* kStepsToGoalLabel = "dailyStat_stepsToGoal";
inline constexpr const char* kStepTotalLabel = "dailyStat_stepTotal";
inline constexpr const char* kStepGoalField = "dailyStat_stepGoal";

}  // namespace dpcodes
