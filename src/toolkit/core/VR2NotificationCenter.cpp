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

using Observers = std::vector<std::weak_ptr<VR2Object>>;

// A live member only: a gone observer's address may be a new object's.
bool IsMember(const std::weak_ptr<VR2Object>& member, const VR2Object::Ref& observer)
{
    return VR2SameObject(member.lock().get(), observer.get());
}

void AddOnce(Observers& set, const VR2Object::Ref& observer)
{
    std::erase_if(set, [](const std::weak_ptr<VR2Object>& member) { return member.expired(); });
    if (std::none_of(set.begin(), set.end(), [&](const auto& member) { return IsMember(member, observer); }))
        set.push_back(observer);
}

void AddOnce(std::vector<VR2Object::Ref>& recipients, const VR2Object::Ref& observer)
{
    if (std::none_of(recipients.begin(), recipients.end(),
                     [&](const VR2Object::Ref& member) { return VR2SameObject(member.get(), observer.get()); }))
        recipients.push_back(observer);
}

void Erase(Observers& set, const VR2Object::Ref& observer)
{
    std::erase_if(set, [&](const auto& member) { return member.expired() || IsMember(member, observer); });
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
                for (const auto& member : set->second)
                    if (const auto observer = member.lock())
                        AddOnce(recipients, observer);
        }
    }
    if (selector != kSelectorNotForAllCategories)
        for (const auto& member : mAllCategories)
            if (const auto observer = member.lock())
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
