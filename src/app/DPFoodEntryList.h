#pragma once

#include "toolkit/controls/VR2ListServiceView.h"

#include <cstdint>
#include <memory>
#include <string>

// The day's eaten items, one row each, name and calories editable in place.
// A committed edit becomes the list's own event, 'food' {"food_id",
// "food_name"} or 'cals' {"food_id", "cal_amount"}, the id being the row's
// 'fdid'. "cal_amount" is an Int32 when the typed text is a number and the
// typed text itself otherwise, for the receiver to refuse.
class DPFoodEntryList : public VR2ListServiceView {
public:
    using Ref = std::shared_ptr<DPFoodEntryList>;
    static Ref Create() { return VR2View::Create<DPFoodEntryList>(); }

    using VR2ListServiceView::AddRow;
    // Appends a row 16 pixels narrower than the list, room for the vertical
    // bar whether it shows or not. With arrange the rows are stacked, the new
    // row scrolled into view and the list repainted; without, nothing is laid
    // out or painted.
    void AddRow(const std::string& name, int32_t calories, int32_t id, bool arrange);

protected:
    DPFoodEntryList() = default;
    friend class VR2View;

    void ListCreated() override;
    void HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message) override;

private:
    bool HoldsRow(const VR2Surface::Ref& surface);
};
