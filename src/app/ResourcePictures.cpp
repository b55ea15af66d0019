#include "app/ResourcePictures.h"

#include "platform/Application.h"
#include "platform/Exceptions.h"

#include <array>

using platform::Picture;

namespace ResourcePictures {

namespace {

// One variable per resource id, so that loading one picture never loads another.
Picture::Ref& Kept(int32_t id)
{
    // Reachable to the end of the process; Release empties it.
    static auto* pictures = new std::array<Picture::Ref, kIconId - kGoalEmptyIconId + 1>();
    return pictures->at(static_cast<size_t>(id - kGoalEmptyIconId));
}

}  // namespace

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

void Release()
{
    for (int32_t id = kGoalEmptyIconId; id <= kIconId; ++id)
        Kept(id).reset();
}

}  // namespace ResourcePictures

namespace {

Picture::Ref Read(int32_t id) { return ResourcePictures::ReadOnce(ResourcePictures::Kept(id), id); }

}  // namespace

Picture::Ref goalEmptyIconPic() { return Read(ResourcePictures::kGoalEmptyIconId); }
Picture::Ref goalMissedIconPic() { return Read(ResourcePictures::kGoalMissedIconId); }
Picture::Ref goalHitIconPic() { return Read(ResourcePictures::kGoalHitIconId); }
Picture::Ref headerBackgroundPic() { return Read(ResourcePictures::kHeaderBackgroundId); }
Picture::Ref addBtnPic() { return Read(ResourcePictures::kAddButtonId); }
Picture::Ref backBtnPic() { return Read(ResourcePictures::kBackButtonId); }
Picture::Ref todayBtnPic() { return Read(ResourcePictures::kTodayButtonId); }
Picture::Ref nextBtnPic() { return Read(ResourcePictures::kNextButtonId); }
Picture::Ref iconPic() { return Read(ResourcePictures::kIconId); }
