#pragma once

#include "app/MainWindow.h"
#include "platform/Date.h"
#include "platform/Dictionary.h"
#include "platform/Variant.h"
#include "toolkit/core/VR2Object.h"
#include "toolkit/core/VR2View.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// Turns what the user does in the main window into store operations and view
// updates. Its message table is keyed by category and selector; every entry
// marks its message handled, whatever the outcome. It never keeps a view:
// each operation finds what it needs by name through the window.
class MainWindowController : public VR2Object {
public:
    using Ref = std::shared_ptr<MainWindowController>;

    static Ref Create() { return Ref(new MainWindowController()); }

    // The day on view. Back and forward change only its calendar day.
    platform::Date::Ref current_date;
    MainWindow::Ref contentView;

    // Opens the window on today, fills every view and shows the window.
    virtual void init();

    // Each refills its views for current_date from the store; refresh also
    // repaints them at once. A store that answers nothing leaves them as they are.
    virtual void ReloadFoodList(bool refresh);
    virtual void ReloadDailyList(bool refresh);
    virtual void Update_GoalProgress_Steps(bool refresh);
    virtual void Update_GoalProgress_Calories(bool refresh);
    virtual void Update_DateField(bool refresh);
    virtual void Update_MonthlyStats(bool refresh);
    virtual void Update_DailyStats(bool refresh);

    // "January" ... "December" for 1 to 12, "" otherwise.
    std::string NameOfMonth(int32_t month) const;

protected:
    MainWindowController() = default;

    void VR2Object_Action(const VR2Object::Ref& sender, const VR2Message::Ref& message) override;

private:
    // The message table's entries; each answers whether it matched.
    bool Navigate(int32_t selector);
    bool FoodEntry(const VR2Object::Ref& sender, const VR2Message::Ref& message);
    bool StepsEntry(const VR2Message::Ref& message);
    bool FoodListEntry(const VR2Message::Ref& message);

    void AddFood(const platform::Dictionary::Ref& params);
    void DeleteSelectedFood(const VR2Object::Ref& sender, const platform::Dictionary::Ref& params);
    void AddSteps();
    void ChangeGoal(bool calories, const platform::Dictionary::Ref& params);
    void EditCalories(const platform::Dictionary::Ref& params);
    void EditName(const platform::Dictionary::Ref& params);

    // The full update after the day on view changed.
    void UpdateAll();
    // A click-to-edit edit still open is committed, so no typed text is lost.
    void CommitOpenEdit();

    // The window; NilObjectException before init made it.
    MainWindow& Window() const;
    // Every view is found by name through the window, nested ones and hidden ones too.
    VR2View::Ref Find(const std::string& name) const;
    void SetProperty(const std::string& name, const platform::Variant& key, const platform::Variant& value) const;
    void Refresh(const std::string& name) const;
    void FillGoalBar(const std::string& name, int32_t goal, int32_t value, bool refresh);
    void FillChartBar(const std::string& name, int32_t empty, int32_t hits, int32_t misses);
};
