#include "RecordingReceiver.h"

#include "platform/Exceptions.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"

#include <gtest/gtest.h>

#include <stdexcept>

using platform::FourCC;

namespace {

class Delivery : public testing::Test {
protected:
    void TearDown() override { Vireo2Engine::ResetForTesting(); }

    std::shared_ptr<std::vector<RecordingReceiver::Entry>> log = std::make_shared<std::vector<RecordingReceiver::Entry>>();
    RecordingReceiver::Ref a = RecordingReceiver::Create("A", log);
    RecordingReceiver::Ref b = RecordingReceiver::Create("B", log);
    VR2Message::Ref message = VR2Message::Create("test", FourCC("ping"));
};

using Names = std::vector<std::string>;

}  // namespace

TEST_F(Delivery, ChainOffersNewestFirstOnceEachUntilHandled)
{
    Vireo2Engine::VR2Responder_AcquireFocus(a);
    Vireo2Engine::VR2Responder_AcquireFocus(b);
    Vireo2Engine::VR2SendMessage(nullptr, nullptr, message);
    EXPECT_EQ(a->Names(), (Names{"B", "A"}));
    EXPECT_EQ(message->result, codes::kResultNone);

    // Only kResultHandled ends the walk.
    for (const int32_t code : {codes::kResultStop, codes::kResultNoTarget}) {
        SCOPED_TRACE(code);
        log->clear();
        b->reaction = [code](auto&, const VR2Message::Ref& m) { m->result = code; };
        Vireo2Engine::VR2SendMessage(nullptr, nullptr, VR2Message::Create());
        EXPECT_EQ(a->Names(), (Names{"B", "A"}));
    }
    log->clear();
    b->reaction = [](auto&, const VR2Message::Ref& m) { m->result = codes::kResultHandled; };
    Vireo2Engine::VR2SendMessage(nullptr, nullptr, VR2Message::Create());
    EXPECT_EQ(a->Names(), (Names{"B"}));
}

TEST_F(Delivery, ChainSeesMembersAddedOrMovedDuringTheWalk)
{
    auto added = RecordingReceiver::Create("N", log);
    Vireo2Engine::VR2Responder_AcquireFocus(a);
    Vireo2Engine::VR2Responder_AcquireFocus(b);
    b->reaction = [weakAdded = std::weak_ptr(added)](auto&, auto&) {
        Vireo2Engine::VR2Responder_AcquireFocus(weakAdded.lock());
    };
    // A moves itself to the end when offered: it is not offered again.
    a->reaction = [weakA = std::weak_ptr(a)](auto&, auto&) { Vireo2Engine::VR2Responder_AcquireFocus(weakA.lock()); };
    Vireo2Engine::VR2SendMessage(nullptr, nullptr, message);
    EXPECT_EQ(a->Names(), (Names{"B", "N", "A"}));
}

TEST_F(Delivery, NestedWalksKeepTheirOwnVisitedSets)
{
    Vireo2Engine::VR2Responder_AcquireFocus(a);
    Vireo2Engine::VR2Responder_AcquireFocus(b);
    bool nested = false;
    b->reaction = [&nested](auto&, auto&) {
        if (nested)
            return;
        nested = true;
        Vireo2Engine::VR2SendMessage(nullptr, nullptr, VR2Message::Create("inner", FourCC("innr")));
    };
    Vireo2Engine::VR2SendMessage(nullptr, nullptr, message);
    EXPECT_EQ(a->Names(), (Names{"B", "B", "A", "A"}));
}

TEST_F(Delivery, TargetAloneReceivesEmptyChainDeliversNothingAndErrorsReachTheCaller)
{
    Vireo2Engine::VR2Responder_AcquireFocus(a);
    Vireo2Engine::VR2SendMessage(a, b, message);
    EXPECT_EQ(a->Names(), (Names{"B"}));
    EXPECT_EQ(log->front().sender, a.get());

    Vireo2Engine::ResetForTesting();
    log->clear();
    message->result = codes::kResultStop;
    Vireo2Engine::VR2SendMessage(nullptr, nullptr, message);
    EXPECT_TRUE(log->empty());
    EXPECT_EQ(message->result, codes::kResultStop);

    EXPECT_THROW(Vireo2Engine::VR2SendMessage(nullptr, b, nullptr), platform::NilObjectException);
    EXPECT_THROW(Vireo2Engine::VR2ForwardMessage(a, nullptr, b, nullptr), platform::NilObjectException);
    EXPECT_TRUE(log->empty());

    // An exception from a receiver ends the walk and reaches the caller.
    Vireo2Engine::VR2Responder_AcquireFocus(a);
    Vireo2Engine::VR2Responder_AcquireFocus(b);
    b->reaction = [](auto&, auto&) { throw std::runtime_error("refused"); };
    EXPECT_THROW(Vireo2Engine::VR2SendMessage(nullptr, nullptr, message), std::runtime_error);
    EXPECT_EQ(a->Names(), (Names{"B"}));
}

TEST_F(Delivery, ForwardingCodes)
{
    // The nil target is tested before the sameness of forwarder and sender.
    Vireo2Engine::VR2ForwardMessage(a, a, nullptr, message);
    EXPECT_EQ(message->result, codes::kResultNoTarget);

    message->result = codes::kResultNone;
    Vireo2Engine::VR2ForwardMessage(a, a, b, message);
    EXPECT_EQ(message->result, codes::kResultStop);
    EXPECT_TRUE(log->empty());

    // Without a sender there is no sameness; the target sees the sender, not the forwarder.
    message->result = codes::kResultNone;
    Vireo2Engine::VR2ForwardMessage(nullptr, nullptr, b, message);
    Vireo2Engine::VR2ForwardMessage(a, b, b, message);
    ASSERT_EQ(a->Names(), (Names{"B", "B"}));
    EXPECT_EQ((*log)[0].sender, nullptr);
    EXPECT_EQ((*log)[1].sender, b.get());
    EXPECT_EQ(message->result, codes::kResultNone);
}

TEST_F(Delivery, AcquireFocusMovesToTheEndAndNeverDuplicates)
{
    auto c = RecordingReceiver::Create("C", log);
    for (const auto& member : {a, b, c})
        Vireo2Engine::VR2Responder_AcquireFocus(member);
    Vireo2Engine::VR2Responder_AcquireFocus(b);
    Vireo2Engine::VR2Responder_AcquireFocus(b);
    EXPECT_EQ(Vireo2Engine::VR2ResponderChainCopy(), (std::vector<VR2Object::Ref>{a, c, b}));
    EXPECT_THROW(Vireo2Engine::VR2Responder_AcquireFocus(nullptr), platform::NilObjectException);
}

TEST_F(Delivery, TheEndOfTheRunLetsGoOfTheChainAndTheCenter)
{
    auto c = RecordingReceiver::Create("C", log);
    Vireo2Engine::VR2Responder_AcquireFocus(c);
    Vireo2Engine::VR2Responder_AcquireFocus(a);
    const std::weak_ptr<VR2Object> member = std::exchange(c, nullptr);
    const std::weak_ptr<VR2NotificationCenter> center = Vireo2Engine::VR2DefaultNotificationCenter();

    Vireo2Engine::ReleaseAtEndOfRun();
    EXPECT_TRUE(member.expired());
    EXPECT_TRUE(Vireo2Engine::VR2ResponderChainCopy().empty());
    EXPECT_TRUE(center.expired());
}
