#include "toolkit/core/VR2NotificationCenter.h"

#include "platform/Exceptions.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/core/Vireo2Extends.h"

#include <algorithm>

namespace {

// Holds the table's lock for one scope.
class TableLock {
public:
    explicit TableLock(platform::Semaphore& semaphore) : mSemaphore(semaphore) { mSemaphore.Signal(); }
    ~TableLock() { mSemaphore.Release(); }
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

private:
    platform::Semaphore& mSemaphore;
};

template <typename Set>
bool Contains(const Set& set, const VR2Object::Ref& observer)
{
    return std::any_of(set.begin(), set.end(),
                       [&](const VR2Object::Ref& member) { return VR2SameObject(member.get(), observer.get()); });
}

template <typename Set>
void AddOnce(Set& set, const VR2Object::Ref& observer)
{
    if (!Contains(set, observer))
        set.push_back(observer);
}

template <typename Set>
void Erase(Set& set, const VR2Object::Ref& observer)
{
    std::erase_if(set, [&](const VR2Object::Ref& member) { return VR2SameObject(member.get(), observer.get()); });
}

void CheckAddress(int32_t selector, const std::string& category)
{
    if (selector == VR2NotificationCenter::kEverySelector)
        throw platform::TypeMismatchException("a notification needs a selector");
    if (category.empty())
        throw platform::TypeMismatchException("a notification needs a category");
}

}  // namespace

VR2NotificationCenter::Ref VR2NotificationCenter::Create() { return Ref(new VR2NotificationCenter()); }

void VR2NotificationCenter::addObserver(const VR2Object::Ref& observer, const std::string& category, int32_t selector)
{
    platform::Require(observer);
    TableLock lock(*mProtectObserverTable);
    if (category.empty())
        AddOnce(mAllCategories, observer);
    else
        AddOnce(mObserverTable[category][selector], observer);
}

void VR2NotificationCenter::removeObserver(const VR2Object::Ref& observer, const std::string& category,
                                           int32_t selector)
{
    TableLock lock(*mProtectObserverTable);
    if (category.empty()) {
        Erase(mAllCategories, observer);
        for (auto& [name, selectors] : mObserverTable)
            for (auto& [code, set] : selectors)
                Erase(set, observer);
        return;
    }
    const auto level = mObserverTable.find(category);
    if (level == mObserverTable.end())
        return;
    if (selector != kEverySelector) {
        const auto set = level->second.find(selector);
        if (set != level->second.end())
            Erase(set->second, observer);
        return;
    }
    for (auto& [code, set] : level->second)
        Erase(set, observer);
}

std::vector<VR2Object::Ref> VR2NotificationCenter::Gather(const std::string& category, int32_t selector)
{
    std::vector<VR2Object::Ref> recipients;
    TableLock lock(*mProtectObserverTable);
    const auto level = mObserverTable.find(category);
    if (level != mObserverTable.end()) {
        for (const int32_t code : {selector, kEverySelector}) {
            const auto set = level->second.find(code);
            if (set != level->second.end())
                for (const auto& observer : set->second)
                    AddOnce(recipients, observer);
        }
    }
    if (selector != kSelectorNotForAllCategories)
        for (const auto& observer : mAllCategories)
            AddOnce(recipients, observer);
    return recipients;
}

void VR2NotificationCenter::Deliver(const VR2Object::Ref& sender, int32_t selector, const std::string& category,
                                    const platform::Dictionary::Ref& params, bool copyParams)
{
    CheckAddress(selector, category);
    // Gathered before delivery, with the lock released: recipients may register,
    // unregister or post from inside their Action.
    const auto recipients = Gather(category, selector);
    for (const auto& recipient : recipients) {
        auto message = VR2Message::Create(category, selector);
        if (params)
            message->params = copyParams ? Vireo2Extends::Copy(params) : params;
        Vireo2Engine::VR2SendMessage(sender, recipient, message);
    }
}

void VR2NotificationCenter::postNotification(const VR2Object::Ref& sender, int32_t selector,
                                             const std::string& category, const platform::Dictionary::Ref& params)
{
    Deliver(sender, selector, category, params, false);
}

void VR2NotificationCenter::VR2Object_Action(const VR2Object::Ref& sender, const VR2Message::Ref& message)
{
    platform::Require(message);
    Deliver(sender, message->selector, message->category, message->params, true);
}
