#include "toolkit/hosts/VR2ViewArrangement.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"

void VR2ViewArrangement::FlowViewList(const std::vector<VR2View::Ref>& views)
{
    if (Orientation != kVertical && Orientation != kHorizontal)
        return;
    const bool vertical = Orientation == kVertical;
    const int32_t cross = vertical ? Width : Height;
    int32_t pos = Padding;
    const size_t count = views.size();
    for (size_t index = 0; index < count; ++index) {
        auto& view = platform::Require(views[index]);
        const int32_t size = vertical ? view.width() : view.height();
        int32_t across = 0;
        bool place = true;
        switch (Alignment) {
        case kStretch:
            if (vertical)
                view.resize(cross, view.height(), false);
            else
                view.resize(view.width(), cross, false);
            break;
        case kCentre:
            across = platform::DoubleToInt32(cross / 2.0 - size / 2.0);
            break;
        case kLeading:
            break;
        case kTrailing:
            across = platform::WrapSub(cross, size);
            break;
        default:
            place = false;
            break;
        }
        if (place) {
            if (vertical)
                view.move(across, pos, false);
            else
                view.move(pos, across, false);
        }
        pos = platform::WrapAdd(platform::WrapAdd(pos, vertical ? view.height() : view.width()), Padding);
    }
}
