#include "app/DPDailyListHeader.h"

#include "app/DPBuild.h"

DPListHeader::Ref DPDailyListHeader::init()
{
    auto header = DPBuild::Make<DPListHeader>("DPDailyListHeader", 0, 0, 476, 17);
    header->Pinning->Width = true;
    header->Pinning->Height = true;
    const auto surface = std::static_pointer_cast<VR2Surface>(header);
    for (const auto& [text, left, width] : {std::tuple{"Date", 5, 110}, {"Steps", 293, 70}, {"Step Goal", 364, 105},
                                            {"Calories", 117, 64}, {"Calorie Goal", 183, 100}}) {
        auto caption = DPBuild::Caption(text, left, 0, width, 17);
        caption->Pinning->Height = true;
        caption->attach(surface, false, false);
    }
    return header;
}
