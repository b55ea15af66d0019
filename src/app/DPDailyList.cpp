#include "app/DPDailyList.h"

#include "app/DPDailyListRow.h"
#include "app/ResourcePictures.h"
#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/geometry/VR2Area.h"
#include "toolkit/geometry/VR2PictureExtras.h"
#include "toolkit/geometry/VireoColor.h"

#include <array>
#include <vector>

using platform::Picture;
using platform::Variant;
using platform::WrapAdd;
using platform::WrapSub;
using VireoStandardProperties::kPictureKey;
using VireoStandardProperties::kTextKey;

namespace {

// A masked copy of a resource picture, made while none is kept.
Picture::Ref Masked(Picture::Ref& kept, Picture::Ref (*resource)())
{
    if (!kept)
        kept = VR2PictureExtras::PictureAndMask(resource());
    return kept;
}

void Set(VR2ContainerView& row, const std::string& name, const char* key, const Variant& value)
{
    VireoStandardProperties::VR2ObjectSetProperty(row.FindViewByName(name, true, false), key, value);
}

// A goal column: the icon, and the difference or "-" for a day without a total.
void FillGoalColumn(VR2ContainerView& row, const std::string& iconName, const std::string& differenceName,
                    int32_t total, bool reached, int64_t difference)
{
    if (total == 0) {
        Set(row, iconName, kPictureKey, DPDailyList::GoalEmptyPic());
        Set(row, differenceName, kTextKey, "-");
        return;
    }
    Set(row, iconName, kPictureKey, reached ? DPDailyList::GoalReachedPic() : DPDailyList::GoalMissedPic());
    Set(row, differenceName, kTextKey, platform::Str(difference));
}

}  // namespace

void DPDailyList::ScrollingCreated()
{
    mArrangement = VR2ViewArrangement::Create();
    mArrangement->Orientation = VR2ViewArrangement::kVertical;
    mArrangement->Alignment = VR2ViewArrangement::kStretch;
    hasBackColor = true;
    backColor = VireoColor::kWhite;
}

void DPDailyList::ArrangeViews(bool refresh)
{
    const std::vector<ViewRef> rows = getViewList();
    int32_t total = 0;
    for (const auto& row : rows)
        total = WrapAdd(total, row->height());
    mArrangement->Width = height() < total ? WrapSub(width(), kBarThickness) : width();
    mArrangement->FlowViewList(rows);
    mViewList->setStackedInOrder(true);
    setDocumentSize(VR2Area::Create(mArrangement->Width, total));
    AdjustDocumentLocationToFit();
    // The bars follow the clamped offset.
    SetupScrollbars();
    if (refresh)
        this->refresh();
}

void DPDailyList::AddRow(const DPDailyRecord::Ref& record, bool arrange)
{
    const auto& day = platform::Require(record);
    const auto row = DPDailyListRow::init();
    Set(*row, "date_field", kTextKey, date_converter(day.EntryDate));
    Set(*row, "steps_field", kTextKey, day.Steps);
    Set(*row, "calorie_field", kTextKey, day.CalorieTotal);
    // The calorie difference is signed; the steps difference is the distance on the side the day lies.
    // Both computed wide, as the status bar does, so that no pair of Int32 values overflows.
    const int64_t calories = day.CalorieTotal, calorieGoal = day.CalorieGoal;
    const int64_t steps = day.Steps, stepsGoal = day.StepsGoal;
    FillGoalColumn(*row, "calorie_goal_reached", "calorie_difference", day.CalorieTotal, day.CalGoalReached,
                   calories - calorieGoal);
    FillGoalColumn(*row, "steps_goal_reached", "steps_difference", day.Steps, day.StepsGoalReached,
                   day.StepsGoalReached ? steps - stepsGoal : stepsGoal - steps);
    row->resize(width(), row->height(), false);
    row->attach(std::dynamic_pointer_cast<VR2Surface>(Self()), false, false);
    if (arrange)
        ArrangeViews(true);
}

void DPDailyList::DeleteAllRows()
{
    for (const auto& row : std::vector<ViewRef>(getViewList()))
        row->detach(false, false);
}

std::string DPDailyList::date_converter(const platform::Date::Ref& date)
{
    static constexpr std::array<const char*, 7> kWeekday{"Sun.", "Mon.", "Tue.", "Wed.", "Thu.", "Fri.", "Sat."};
    const auto& day = platform::Require(date);
    const int32_t number = day.Day();
    const char* suffix = "th";
    if (number < 11 || number > 13) {
        switch (number % 10) {
        case 1: suffix = "st"; break;
        case 2: suffix = "nd"; break;
        case 3: suffix = "rd"; break;
        default: break;
        }
    }
    return std::string(kWeekday.at(static_cast<size_t>(day.DayOfWeek() - 1))) + " " + platform::Str(number) + suffix;
}

Picture::Ref DPDailyList::GoalReachedPic()
{
    static Picture::Ref kept;
    return Masked(kept, goalHitIconPic);
}

Picture::Ref DPDailyList::GoalMissedPic()
{
    static Picture::Ref kept;
    return Masked(kept, goalMissedIconPic);
}

Picture::Ref DPDailyList::GoalEmptyPic()
{
    static Picture::Ref kept;
    return Masked(kept, goalEmptyIconPic);
}
