#include "RecordingReceiver.h"

#include "platform/Exceptions.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2NotificationCenter.h"
#include "toolkit/core/Vireo2Engine.h"

#include <gtest/gtest.h>

#include <algorithm>

using platform::FourCC;

namespace {

class Notifications : public testing::Test {
protected:
    void TearDown() override { Vireo2Engine::ResetForTesting(); }

    size_t CountFor(const RecordingReceiver::Ref& receiver) const
    {
        return static_cast<size_t>(std::count_if(log->begin(), log->end(),
                                                  [&](const auto& entry) { return entry.receiver == receiver->name; }));
    }
    // What exact, anySelector and everything heard since the log was last cleared; clears it.
    std::vector<size_t> Heard()
    {
        std::vector<size_t> counts{CountFor(exact), CountFor(anySelector), CountFor(everything)};
        log->clear();
        return counts;
    }

    VR2NotificationCenter::Ref center = Vireo2Engine::VR2DefaultNotificationCenter();
    std::shared_ptr<std::vector<RecordingReceiver::Entry>> log = std::make_shared<std::vector<RecordingReceiver::Entry>>();
    RecordingReceiver::Ref exact = RecordingReceiver::Create("exact", log);
    RecordingReceiver::Ref anySelector = RecordingReceiver::Create("anySelector", log);
    RecordingReceiver::Ref everything = RecordingReceiver::Create("everything", log);
    const int32_t kChange = codes::kStateButtonChanged;
    const int32_t kOther = FourCC("othr");
};

using Sizes = std::vector<size_t>;

}  // namespace

TEST_F(Notifications, WildcardsMatchAndEachObserverHearsOnce)
{
    center->addObserver(exact, "buttons", kChange);
    center->addObserver(anySelector, "buttons", 0);
    center->addObserver(everything, "", 12345);
    // One observer registered three ways still hears once per post.
    center->addObserver(exact, "buttons", 0);
    center->addObserver(exact, "", 0);
    center->addObserver(exact, "buttons", kChange);

    center->postNotification(exact, kChange, "buttons", nullptr);
    // A poster that observes hears itself, as sender.
    for (const auto& entry : *log)
        EXPECT_EQ(entry.sender, exact.get());
    EXPECT_EQ(Heard(), (Sizes{1, 1, 1}));
    center->postNotification(nullptr, FourCC("othr"), "buttons", nullptr);
    EXPECT_EQ(Heard(), (Sizes{1, 1, 1}));

    // Selector 2000 does not reach the observers of every category.
    center->removeObserver(exact, "", 0);
    center->addObserver(exact, "buttons", 2000);
    center->postNotification(nullptr, 2000, "buttons", nullptr);
    EXPECT_EQ(Heard(), (Sizes{1, 1, 0}));
    center->postNotification(nullptr, codes::kThemeChanged, "vr2theme", nullptr);
    EXPECT_EQ(Heard(), (Sizes{0, 0, 1}));
}

TEST_F(Notifications, RemovalBySelectorCategoryAndEverything)
{
    {
        SCOPED_TRACE("an observer let go of without removal is not kept and hears nothing");
        auto dropped = RecordingReceiver::Create("dropped", log);
        const std::weak_ptr<RecordingReceiver> watch = dropped;
        center->addObserver(dropped, "", 0);
        dropped.reset();
        EXPECT_TRUE(watch.expired());
    }
    // A selector other than 0 leaves the category's other selectors, its
    // selector-0 and the all-categories registrations.
    center->addObserver(exact, "buttons", kChange);
    center->addObserver(exact, "buttons", kOther);
    center->removeObserver(exact, "buttons", kChange);
    center->postNotification(nullptr, kChange, "buttons", nullptr);
    center->postNotification(nullptr, kOther, "buttons", nullptr);
    EXPECT_EQ(log->size(), 1u);
    center->addObserver(exact, "buttons", 0);
    center->addObserver(exact, "", 0);
    center->removeObserver(exact, "buttons", kChange);
    center->postNotification(nullptr, kChange, "buttons", nullptr);
    EXPECT_EQ(CountFor(exact), 2u);

    center->removeObserver(exact, "buttons", 0);
    center->postNotification(nullptr, kChange, "buttons", nullptr);
    EXPECT_EQ(CountFor(exact), 3u);  // still an observer of every category

    center->addObserver(exact, "buttons", kChange);
    center->removeObserver(exact, "", 7);
    center->postNotification(nullptr, kChange, "buttons", nullptr);
    EXPECT_EQ(CountFor(exact), 3u);

    // Emptied levels are reused by a later registration.
    center->addObserver(exact, "buttons", kChange);
    center->postNotification(nullptr, kChange, "buttons", nullptr);
    EXPECT_EQ(CountFor(exact), 4u);
    center->removeObserver(exact, "unknown", 0);
}

TEST_F(Notifications, RecipientsAreGatheredBeforeDelivery)
{
    auto late = RecordingReceiver::Create("late", log);
    center->addObserver(exact, "buttons", kChange);
    center->addObserver(anySelector, "buttons", 0);
    // The first recipient to run removes the other and adds a newcomer:
    // the removed one still hears this post, the newcomer does not.
    auto react = [this, weakLate = std::weak_ptr(late)](auto&, const VR2Message::Ref&) {
        if (log->size() != 1)
            return;
        center->removeObserver(exact, "buttons", 0);
        center->removeObserver(anySelector, "buttons", 0);
        center->addObserver(weakLate.lock(), "buttons", 0);
    };
    exact->reaction = react;
    anySelector->reaction = react;
    center->postNotification(nullptr, kChange, "buttons", nullptr);
    EXPECT_EQ(log->size(), 2u);
    EXPECT_EQ(CountFor(late), 0u);

    log->clear();
    center->postNotification(nullptr, kChange, "buttons", nullptr);
    EXPECT_EQ(CountFor(late), 1u);
    EXPECT_EQ(log->size(), 1u);
}

TEST_F(Notifications, PostSharesParamsWhileActionCopiesThem)
{
    center->addObserver(exact, "buttons", kChange);
    center->addObserver(anySelector, "buttons", 0);
    auto grow = [](auto&, const VR2Message::Ref& message) {
        message->params->SetValue("count", message->params->Lookup("count", 0).Int32Value() + 1);
    };
    exact->reaction = grow;
    anySelector->reaction = grow;

    auto params = platform::Dictionary::Create();
    params->SetValue("count", 0);
    center->postNotification(nullptr, kChange, "buttons", params);
    EXPECT_EQ(params->Value("count").Int32Value(), 2);

    auto incoming = VR2Message::Create("buttons", kChange);
    incoming->params->SetValue("count", 0);
    incoming->result = codes::kResultHandled;
    center->Action(exact, incoming);
    EXPECT_EQ(incoming->params->Value("count").Int32Value(), 0);
    EXPECT_EQ(incoming->result, codes::kResultHandled);
    ASSERT_EQ(log->size(), 4u);
    EXPECT_EQ((*log)[2].message->params->Value("count").Int32Value(), 1);
    EXPECT_EQ((*log)[3].message->params->Value("count").Int32Value(), 1);
    EXPECT_EQ((*log)[3].sender, exact.get());

    // Without params every recipient has a Dictionary of its own.
    log->clear();
    center->postNotification(nullptr, kChange, "buttons", nullptr);
    ASSERT_EQ(log->size(), 2u);
    EXPECT_NE((*log)[0].message->params, (*log)[1].message->params);
}

TEST_F(Notifications, NestedPostCompletesBeforeTheOuterGoesOn)
{
    center->addObserver(exact, "outer", 0);
    center->addObserver(anySelector, "outer", 0);
    center->addObserver(everything, "inner", 0);
    exact->reaction = [this](auto&, auto&) { center->postNotification(nullptr, kChange, "inner", nullptr); };
    center->postNotification(nullptr, kChange, "outer", nullptr);
    ASSERT_EQ(log->size(), 3u);
    EXPECT_EQ((*log)[0].receiver, "exact");
    EXPECT_EQ((*log)[1].receiver, "everything");
    EXPECT_EQ((*log)[2].receiver, "anySelector");
}

TEST_F(Notifications, BadAddressesAndFailingRecipients)
{
    center->addObserver(exact, "buttons", 0);
    EXPECT_THROW(center->addObserver(nullptr, "buttons", 0), platform::NilObjectException);
    EXPECT_THROW(center->postNotification(nullptr, 0, "buttons", nullptr), platform::TypeMismatchException);
    EXPECT_THROW(center->postNotification(nullptr, kChange, "", nullptr), platform::TypeMismatchException);
    EXPECT_THROW(center->Action(nullptr, VR2Message::Create("", kChange)), platform::TypeMismatchException);
    EXPECT_THROW(center->Action(nullptr, nullptr), platform::NilObjectException);
    EXPECT_TRUE(log->empty());

    // A failing recipient ends the post; the table is not left locked.
    center->addObserver(anySelector, "buttons", 0);
    exact->reaction = [](auto&, auto&) { throw platform::RuntimeException("observer failed"); };
    EXPECT_THROW(center->postNotification(nullptr, kChange, "buttons", nullptr), platform::RuntimeException);
    EXPECT_EQ(log->size(), 1u);
    center->removeObserver(exact, "", 0);
    center->postNotification(nullptr, kChange, "buttons", nullptr);
    EXPECT_EQ(CountFor(anySelector), 1u);
}
