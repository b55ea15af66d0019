#include "platform/Exceptions.h"
#include "toolkit/core/Vireo2Extends.h"

#include <gtest/gtest.h>

using platform::Dictionary;
using platform::Variant;

TEST(Vireo2Extends, FindValueAndKeysExistTolerateNilWhereTheyMay)
{
    auto d = Dictionary::Create();
    d->SetValue("text", "Apple");
    d->SetValue("none", nullptr);
    EXPECT_EQ(Vireo2Extends::FindValue(d, "text", 0).StringValue(), "Apple");
    EXPECT_TRUE(Vireo2Extends::FindValue(d, "none", 7).IsNil());
    EXPECT_EQ(Vireo2Extends::FindValue(d, "missing", 7).Int32Value(), 7);
    EXPECT_EQ(Vireo2Extends::FindValue(nullptr, "text", 7).Int32Value(), 7);

    EXPECT_TRUE(Vireo2Extends::keysExist(nullptr, {}));
    EXPECT_TRUE(Vireo2Extends::keysExist(d, {"text", "none"}));
    EXPECT_FALSE(Vireo2Extends::keysExist(d, {"text", "missing"}));
    EXPECT_THROW(Vireo2Extends::keysExist(nullptr, {"text"}), platform::NilObjectException);
}

TEST(Vireo2Extends, CopyKeepsOrderAndSharesValues)
{
    auto shared = Dictionary::Create();
    auto d = Dictionary::Create();
    d->SetValue("b", 1);
    d->SetValue("a", shared);
    auto copy = Vireo2Extends::Copy(d);
    EXPECT_NE(copy, d);
    EXPECT_EQ(copy->Keys(), d->Keys());
    EXPECT_EQ(copy->Value("a").ObjectValue(), shared);
    copy->SetValue("c", 3);
    EXPECT_FALSE(d->HasKey("c"));
    EXPECT_THROW(Vireo2Extends::Copy(nullptr), platform::NilObjectException);
}
