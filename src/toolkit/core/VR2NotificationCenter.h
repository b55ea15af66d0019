#pragma once

#include "platform/Dictionary.h"
#include "platform/Semaphore.h"
#include "toolkit/core/VR2Message.h"
#include "toolkit/core/VR2Object.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The process-wide observer registry (Vireo2Engine::VR2DefaultNotificationCenter).
// Observers register for a category and a selector; kEverySelector stands for
// every selector of the category, and the category "" for every category. Each
// matching observer receives its own new message, synchronously, once per post.
// The table holds its observers weakly: an observer that goes away without
// being removed receives nothing more and is forgotten.
class VR2NotificationCenter : public VR2Object {
public:
    using Ref = std::shared_ptr<VR2NotificationCenter>;

    // The selector that stands for every selector of a category.
    static constexpr int32_t kEverySelector = 0;
    // Observers of every category do not hear of this selector.
    static constexpr int32_t kSelectorNotForAllCategories = 2000;

    static Ref Create();

    // A nil observer raises NilObjectException.
    void addObserver(const VR2Object::Ref& observer, const std::string& category, int32_t selector);

    // kEverySelector or an empty category raise TypeMismatchException. A params
    // Dictionary is shared by every recipient and the poster.
    void postNotification(const VR2Object::Ref& sender, int32_t selector, const std::string& category,
                          const platform::Dictionary::Ref& params);

    // kEverySelector removes the observer from every selector of the category; the
    // category "" removes it from every set of the table.
    void removeObserver(const VR2Object::Ref& observer, const std::string& category, int32_t selector);

    void Release() {}

protected:
    // Posts the message on; each recipient gets its own copy of the params.
    void VR2Object_Action(const VR2Object::Ref& sender, const VR2Message::Ref& message) override;

private:
    using ObserverSet = std::vector<std::weak_ptr<VR2Object>>;

    VR2NotificationCenter() = default;
    std::vector<VR2Object::Ref> Gather(const std::string& category, int32_t selector);
    void Deliver(const VR2Object::Ref& sender, int32_t selector, const std::string& category,
                 const platform::Dictionary::Ref& params, bool copyParams);

    std::map<std::string, std::map<int32_t, ObserverSet>> mObserverTable;
    ObserverSet mAllCategories;  // the table's entry ""
    platform::Semaphore::Ref mProtectObserverTable = platform::Semaphore::Create(1);
};
