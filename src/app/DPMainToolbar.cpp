#include "app/DPMainToolbar.h"

#include "app/DPBuild.h"
#include "app/DPCodes.h"
#include "app/ResourcePictures.h"
#include "toolkit/controls/VR2PictureButton.h"
#include "toolkit/core/VR2Codes.h"

DPToolbarContainer::Ref DPMainToolbar::init()
{
    auto toolbar = DPBuild::Make<DPToolbarContainer>("DPMainToolbar", 0, 0, 799, 26);
    const auto surface = std::static_pointer_cast<VR2Surface>(toolbar);
    DPBuild::Caption("Add food or drink item", 20, 2, 268, 22)->attach(surface, false, false);
    DPBuild::Caption("Add more steps", 585, 2, 194, 22, 1)->attach(surface, false, false);
    const struct {
        int32_t left;
        platform::Picture::Ref (*picture)();
        int32_t selector;
    } buttons[] = {{388, todayBtnPic, dpcodes::kHome}, {363, backBtnPic, dpcodes::kBack},
                   {412, nextBtnPic, dpcodes::kForward}};
    for (const auto& button : buttons) {
        auto view = DPBuild::Make<VR2PictureButton>("", button.left, 2, 22, 22);
        view->initWithPictureAndMask(button.picture());
        DPBuild::AddHandler(*view, codes::kEventAction, dpcodes::kCategoryNavigation, button.selector,
                            codes::kTargetTop);
        view->attach(surface, false, false);
    }
    return toolbar;
}
