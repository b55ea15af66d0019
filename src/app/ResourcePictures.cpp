#include "app/ResourcePictures.h"

#include "platform/Application.h"
#include "platform/Exceptions.h"

using platform::Picture;

namespace ResourcePictures {

Picture::Ref ReadOnce(Picture::Ref& picture, int32_t id)
{
    if (!picture)
        picture = platform::Require(platform::Require(platform::Application::Current()).ResourceFork()).GetPicture(id);
    return picture;
}

void Preload()
{
    platform::Require(platform::Require(platform::Application::Current()).ResourceFork())
        .Preload({kGoalEmptyIconId, kGoalMissedIconId, kGoalHitIconId, kHeaderBackgroundId, kAddButtonId,
                  kBackButtonId, kTodayButtonId, kNextButtonId});
}

}  // namespace ResourcePictures

namespace {

// One variable per resource id, so that loading one picture never loads another.
template <int32_t id>
Picture::Ref Kept()
{
    // Kept until the process ends, like the resources.
    static auto* picture = new Picture::Ref();
    return ResourcePictures::ReadOnce(*picture, id);
}

}  // namespace

Picture::Ref goalEmptyIconPic() { return Kept<ResourcePictures::kGoalEmptyIconId>(); }
Picture::Ref goalMissedIconPic() { return Kept<ResourcePictures::kGoalMissedIconId>(); }
Picture::Ref goalHitIconPic() { return Kept<ResourcePictures::kGoalHitIconId>(); }
Picture::Ref headerBackgroundPic() { return Kept<ResourcePictures::kHeaderBackgroundId>(); }
Picture::Ref addBtnPic() { return Kept<ResourcePictures::kAddButtonId>(); }
Picture::Ref backBtnPic() { return Kept<ResourcePictures::kBackButtonId>(); }
Picture::Ref todayBtnPic() { return Kept<ResourcePictures::kTodayButtonId>(); }
Picture::Ref nextBtnPic() { return Kept<ResourcePictures::kNextButtonId>(); }
Picture::Ref iconPic() { return Kept<ResourcePictures::kIconId>(); }
