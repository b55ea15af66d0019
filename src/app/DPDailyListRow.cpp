#include "app/DPDailyListRow.h"

#include "app/DPBuild.h"
#include "app/DPDailySeparatorBar.h"
#include "toolkit/controls/VR2PictureView.h"
#include "toolkit/controls/VR2StaticTextView.h"

using DPBuild::Make;

VR2ContainerView::Ref DPDailyListRow::init()
{
    auto row = Make<VR2ContainerView>("DPDailyListRow", 0, 0, 460, 24);
    const auto surface = std::static_pointer_cast<VR2Surface>(row);
    Make<VR2StaticTextView>("date_field", 5, 1, 110, 22)->attach(surface, false, false);
    Make<VR2StaticTextView>("steps_field", 292, 1, 70, 22)->attach(surface, false, false);
    Make<VR2StaticTextView>("steps_difference", 393, 1, 65, 22)->attach(surface, false, false);
    Make<VR2StaticTextView>("calorie_field", 117, 1, 65, 22)->attach(surface, false, false);
    Make<DPDailySeparatorBar>("", 280, 0, 10, 24)->attach(surface, false, false);
    Make<VR2StaticTextView>("calorie_difference", 213, 1, 65, 22)->attach(surface, false, false);
    Make<VR2PictureView>("steps_goal_reached", 363, 1, 25, 22)->attach(surface, false, false);
    Make<VR2PictureView>("calorie_goal_reached", 183, 1, 25, 22)->attach(surface, false, false);
    return row;
}
