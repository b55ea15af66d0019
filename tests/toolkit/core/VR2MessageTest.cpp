#include "platform/Exceptions.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2Message.h"

#include <gtest/gtest.h>


namespace {
struct Opaque : platform::Object {
    static std::shared_ptr<Opaque> Create() { return std::shared_ptr<Opaque>(new Opaque()); }
};
}  // namespace

TEST(VR2Message, DescriptionTextForm)
{
    auto message = VR2Message::Create("slte_timer", codes::kEventAction);
    EXPECT_EQ(message->description(), "slte_timer: 'actn'=1633907822 ( )");

    message->params->SetValue("food_name", "Apple");
    message->params->SetValue(codes::kKeyValue, 52);
    EXPECT_EQ(message->description(), "slte_timer: 'actn'=1633907822 (food_name:Apple, 1986096245:52 )");

    // Values and keys without a text form still make an item.
    message->params->Clear();
    message->params->SetValue("view", Opaque::Create());
    message->params->SetValue(Opaque::Create(), true);
    EXPECT_EQ(message->description(), "slte_timer: 'actn'=1633907822 (view:__Unknown, __Unknown:True )");

    message->params = nullptr;
    EXPECT_THROW(message->description(), platform::NilObjectException);
}
