#include "RecordingReceiver.h"

#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/core/VireoStandardProperties.h"

#include <gtest/gtest.h>

using platform::Dictionary;
using platform::Variant;
namespace Props = VireoStandardProperties;

namespace {

class Properties : public testing::Test {
protected:
    void TearDown() override { Vireo2Engine::ResetForTesting(); }

    // Answers with the given result and reply.
    void Answer(int32_t result, Variant reply)
    {
        receiver->reaction = [result, reply](auto&, const VR2Message::Ref& message) {
            message->result = result;
            message->reply = reply;
        };
    }

    RecordingReceiver::Ref receiver = RecordingReceiver::Create("receiver");
};

}  // namespace

TEST_F(Properties, GetReadsOnlyAHandledReply)
{
    // Not answered: the default, even a nil one.
    EXPECT_EQ(Props::VR2ObjectGetProperty(receiver, "text", "dflt").StringValue(), "dflt");
    const auto& request = receiver->log->back();
    EXPECT_EQ(request.category, "vr2o_property");
    EXPECT_EQ(request.selector, codes::kGetProperty);
    EXPECT_EQ(request.sender, nullptr);
    EXPECT_TRUE(request.message->params->HasKey("text"));

    Answer(codes::kResultStop, "ignored");
    EXPECT_EQ(Props::VR2ObjectGetProperty(receiver, "text", "dflt").StringValue(), "dflt");

    auto values = Dictionary::Create();
    values->SetValue("width", 40);
    Answer(codes::kResultHandled, values);
    EXPECT_EQ(Props::VR2ObjectGetProperty(receiver, "width", 0).Int32Value(), 40);
    EXPECT_EQ(Props::VR2ObjectGetProperty(receiver, "text", "dflt").StringValue(), "dflt");

    // A bare reply is the value itself, nil included.
    Answer(codes::kResultHandled, "bare");
    EXPECT_EQ(Props::VR2ObjectGetProperty(receiver, "text", "dflt").StringValue(), "bare");
    Answer(codes::kResultHandled, nullptr);
    EXPECT_TRUE(Props::VR2ObjectGetProperty(receiver, "text", "dflt").IsNil());
}

TEST_F(Properties, HasCountsOnlyABooleanTrue)
{
    Answer(codes::kResultHandled, true);
    EXPECT_TRUE(Props::VR2ObjectHasProperty(receiver, {"text", codes::kKeyValue}));
    const auto params = receiver->log->back().message->params;
    ASSERT_EQ(params->Count(), 2);
    EXPECT_EQ(params->Key(1), Variant(codes::kKeyValue));

    Answer(codes::kResultHandled, "True");
    EXPECT_FALSE(Props::VR2ObjectHasProperty(receiver, {"text"}));
    Answer(codes::kResultNone, true);
    EXPECT_FALSE(Props::VR2ObjectHasProperty(receiver, {"text"}));
    Answer(codes::kResultHandled, false);
    EXPECT_FALSE(Props::VR2ObjectHasProperty(receiver, {}));
    EXPECT_EQ(receiver->log->back().message->params->Count(), 0);
}

TEST_F(Properties, SetSendsThePairAndNilObjectUsesTheChain)
{
    Props::VR2ObjectSetProperty(receiver, "text", "Pear");
    const auto& request = receiver->log->back();
    EXPECT_EQ(request.selector, codes::kSetProperty);
    EXPECT_EQ(request.message->params->Value("text").StringValue(), "Pear");

    auto member = RecordingReceiver::Create("member");
    Vireo2Engine::VR2Responder_AcquireFocus(member);
    Props::VR2ObjectSetProperty(nullptr, "text", "Plum");
    EXPECT_EQ(member->log->size(), 1u);
}

TEST(PropertyTable, AnswersKeyByKeyAndNamesOnlyStrings)
{
    std::string text = "old";
    int32_t writes = 0;
    const Props::PropertyTable table = {{Props::kTextKey, [&text] { return Variant(text); },
                                         [&text, &writes](const Variant& value) {
                                             text = value.StringValue();
                                             ++writes;
                                         }}};
    EXPECT_TRUE(Props::IsKey("text", Props::kTextKey));
    EXPECT_FALSE(Props::IsKey(Variant(), ""));
    EXPECT_EQ(Props::FindProperty(table, 5), nullptr);

    EXPECT_TRUE(Props::CheckProperties(table, {"text"}));
    EXPECT_FALSE(Props::CheckProperties(table, {"text", "color"}));

    // Get stops at the first unknown key; what it read before stays.
    const auto values = Dictionary::Create();
    EXPECT_FALSE(Props::GetProperties(table, {"text", 1, "text"}, values));
    EXPECT_EQ(values->Count(), 1);
    EXPECT_EQ(values->Value("text").StringValue(), "old");

    // Set passes unknown keys over and still answers true.
    const auto change = Dictionary::Create();
    change->SetValue("color", 7);
    change->SetValue("text", "new");
    EXPECT_TRUE(Props::SetProperties(table, change));
    EXPECT_EQ(text, "new");
    EXPECT_EQ(writes, 1);
}
