#pragma once

#include "platform/Picture.h"

#include <cstdint>

// The pictures the diary ships, each read from the running application's
// resources on first use and shared until the end of the run; callers must
// not change them. All but the header background hold their image over its
// mask, for VR2PictureExtras::PictureAndMask.
namespace ResourcePictures {

constexpr int32_t kGoalEmptyIconId = 168;
constexpr int32_t kGoalMissedIconId = 169;
constexpr int32_t kGoalHitIconId = 170;
constexpr int32_t kHeaderBackgroundId = 171;
constexpr int32_t kAddButtonId = 172;
constexpr int32_t kBackButtonId = 173;
constexpr int32_t kTodayButtonId = 174;
constexpr int32_t kNextButtonId = 175;
constexpr int32_t kIconId = 176;

// What every accessor does with its own variable: while it is nil, reads the
// resource into it. A missing resource leaves it nil, so the next call reads
// again. No running application, or one without resources, raises
// NilObjectException.
platform::Picture::Ref ReadOnce(platform::Picture::Ref& picture, int32_t id);

// Has the running application decode them all ahead of the first window.
void Preload();

// Once the event loop has returned: drops the pictures read so far, so that
// none is freed by a static destructor after the platform has ended.
void Release();

}  // namespace ResourcePictures

platform::Picture::Ref goalEmptyIconPic();
platform::Picture::Ref goalMissedIconPic();
platform::Picture::Ref goalHitIconPic();
// 799 x 89, without a mask half.
platform::Picture::Ref headerBackgroundPic();
platform::Picture::Ref addBtnPic();
platform::Picture::Ref backBtnPic();
platform::Picture::Ref todayBtnPic();
platform::Picture::Ref nextBtnPic();
platform::Picture::Ref iconPic();
