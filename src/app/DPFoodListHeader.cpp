#include "app/DPFoodListHeader.h"

#include "app/DPBuild.h"

DPListHeader::Ref DPFoodListHeader::init()
{
    auto header = DPBuild::Make<DPListHeader>("DPFoodListHeader", 0, 0, 272, 17);
    const auto surface = std::static_pointer_cast<VR2Surface>(header);
    DPBuild::Caption("Food / Drink Item", 5, 0, 193, 17)->attach(surface, false, false);
    DPBuild::Caption("Calories", 200, 0, 71, 17)->attach(surface, false, false);
    return header;
}
