#pragma once

#include "platform/Date.h"
#include "platform/Picture.h"
#include "store/DPDailyRecord.h"
#include "toolkit/controls/VR2ScrollingView.h"
#include "toolkit/hosts/VR2ViewArrangement.h"

#include <memory>
#include <string>

// The history list: one fixed row per day, stacked top to bottom with no
// selection and no editing. Rows take the list's width, less the vertical
// scroll bar's when they overflow its height.
class DPDailyList : public VR2ScrollingView {
public:
    using Ref = std::shared_ptr<DPDailyList>;
    static Ref Create() { return VR2View::Create<DPDailyList>(); }

    VR2ViewArrangement::Ref mArrangement;

    // Stacks the rows, sizes the document and pulls the scroll position back into range.
    virtual void ArrangeViews(bool refresh);
    // Appends a row showing the day; with arrange False nothing is laid out or painted.
    virtual void AddRow(const DPDailyRecord::Ref& record, bool arrange);
    // Detaches every row; the document keeps its size until the next ArrangeViews.
    virtual void DeleteAllRows();
    // "Tue. 11th": weekday abbreviation, the day and its ordinal suffix.
    virtual std::string date_converter(const platform::Date::Ref& date);

    // The shared goal icons, masked once for every row.
    static platform::Picture::Ref GoalReachedPic();
    static platform::Picture::Ref GoalMissedPic();
    static platform::Picture::Ref GoalEmptyPic();

protected:
    DPDailyList() = default;
    friend class VR2View;

    void ScrollingCreated() override;
};
