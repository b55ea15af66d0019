#include "RecordingReceiver.h"

#include "support/EventLoop.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2Timer.h"
#include "toolkit/core/Vireo2Engine.h"

#include <gtest/gtest.h>

using platform::FourCC;

namespace {

class MessageTimer : public testing::Test {
protected:
    void SetUp() override
    {
        timer->Message = VR2Message::Create("slte_timer", codes::kEventAction);
        timer->Period(1);
    }
    void TearDown() override
    {
        timer->Mode(0);
        Vireo2Engine::ResetForTesting();
    }

    // Fires the timer once more and waits for it.
    void FireOnce()
    {
        timer->Mode(1);
        ASSERT_TRUE(RunEventLoopUntil([&] { return timer->Mode() == 0; }));
    }

    VR2Timer::Ref timer = VR2Timer::Create();
    std::shared_ptr<std::vector<RecordingReceiver::Entry>> log = std::make_shared<std::vector<RecordingReceiver::Entry>>();
    RecordingReceiver::Ref target = RecordingReceiver::Create("target", log);
    RecordingReceiver::Ref member = RecordingReceiver::Create("member", log);
};

}  // namespace

TEST_F(MessageTimer, SendsTheSameMessageUnresetToItsTarget)
{
    timer->Target = target;
    timer->Caller = member;
    int32_t resultSeen = -1;
    target->reaction = [&resultSeen](auto&, const VR2Message::Ref& message) {
        resultSeen = message->result;
        message->result = codes::kResultHandled;
    };
    FireOnce();
    EXPECT_EQ(resultSeen, codes::kResultNone);
    FireOnce();
    EXPECT_EQ(resultSeen, codes::kResultHandled);  // what the previous firing left
    ASSERT_EQ(log->size(), 2u);
    EXPECT_EQ((*log)[0].message, (*log)[1].message);
    EXPECT_EQ((*log)[0].sender, member.get());

    // A new message and a nil caller take effect at the next firing.
    timer->Message = VR2Message::Create("other", FourCC("othr"));
    timer->Caller.reset();
    FireOnce();
    ASSERT_EQ(log->size(), 3u);
    EXPECT_EQ(log->back().category, "other");
    EXPECT_EQ(log->back().sender, nullptr);
}

TEST_F(MessageTimer, ClearedTargetUsesTheChainButAGoneTargetGetsNothing)
{
    Vireo2Engine::VR2Responder_AcquireFocus(member);
    FireOnce();
    ASSERT_EQ(log->size(), 1u);
    EXPECT_EQ(log->back().receiver, "member");

    auto shortLived = RecordingReceiver::Create("gone", log);
    timer->Target = shortLived;
    shortLived.reset();
    FireOnce();
    EXPECT_EQ(log->size(), 1u);
}
