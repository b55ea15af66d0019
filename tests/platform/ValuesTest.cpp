#include "platform/Dictionary.h"
#include "platform/Exceptions.h"
#include "platform/FourCC.h"
#include "platform/Text.h"
#include "platform/Variant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

using namespace platform;

namespace {
struct Thing : Object {
    static std::shared_ptr<Thing> Create() { return std::shared_ptr<Thing>(new Thing()); }
};
}  // namespace

TEST(DoubleToInt32, TruncatesSaturatesAndMapsNaNToZero)
{
    EXPECT_EQ(DoubleToInt32(2.9), 2);
    EXPECT_EQ(DoubleToInt32(-2.9), -2);
    EXPECT_EQ(DoubleToInt32(1e12), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(DoubleToInt32(-1e12), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(DoubleToInt32(std::numeric_limits<double>::infinity()), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(DoubleToInt32(std::nan("")), 0);
    EXPECT_EQ(WrapAdd(std::numeric_limits<int32_t>::max(), 1), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ClampToInt32(int64_t{std::numeric_limits<int32_t>::max()} + 1), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ClampToInt32(int64_t{std::numeric_limits<int32_t>::min()} - 1), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ClampToInt32(-5), -5);
}

TEST(Variant, ConvertsBetweenKinds)
{
    EXPECT_EQ(Variant("250").Int32Value(), 250);
    EXPECT_EQ(Variant("").Int32Value(), 0);
    EXPECT_EQ(Variant("12abc").Int32Value(), 12);
    EXPECT_EQ(Variant(3.99).Int32Value(), 3);
    EXPECT_EQ(Variant(true).Int32Value(), 1);
    EXPECT_EQ(Variant().Int32Value(), 0);
    EXPECT_EQ(Variant(int32_t{-7}).StringValue(), "-7");
    EXPECT_EQ(Variant(true).StringValue(), "True");
    EXPECT_EQ(Variant().StringValue(), "");
    EXPECT_EQ(Variant(Color{0x00FF80}).StringValue(), "&h00FF80");
    EXPECT_TRUE(Variant("true").BooleanValue());
    EXPECT_TRUE(Variant("1").BooleanValue());
    EXPECT_FALSE(Variant("no").BooleanValue());
    EXPECT_FALSE(Variant().BooleanValue());
    EXPECT_EQ(Variant(int32_t{0x7F123456}).ColorValue().value, 0x123456) << "the high byte is no colour";
    EXPECT_THROW(Variant(Thing::Create()).StringValue(), TypeMismatchException);
    EXPECT_THROW(Variant(Thing::Create()).Int32Value(), TypeMismatchException);
}

TEST(Variant, EqualityAndHashFollowKindAndIdentity)
{
    auto a = Thing::Create();
    auto b = Thing::Create();
    EXPECT_EQ(Variant(a), Variant(a));
    EXPECT_NE(Variant(a), Variant(b));
    EXPECT_EQ(Variant(a).Hash(), Variant(a).Hash());
    EXPECT_NE(Variant("1"), Variant(int32_t{1}));
    EXPECT_EQ(Variant(int32_t{5}), Variant(int64_t{5}));
    EXPECT_EQ(Variant(int32_t{5}).Hash(), Variant(int64_t{5}).Hash());
    EXPECT_NE(Variant("Text"), Variant("text"));
    EXPECT_EQ(Variant(), Variant(nullptr));
    EXPECT_EQ(Variant(std::shared_ptr<Thing>()).Type(), VariantType::Nil);
    EXPECT_EQ(Variant(Date::Create(2026, 1, 2)).Type(), VariantType::Date);
    EXPECT_EQ(Variant(a).As<Thing>(), a);
}

TEST(Dictionary, KeepsKindsApartAndInsertionOrder)
{
    auto d = Dictionary::Create();
    auto object = Thing::Create();
    d->SetValue("valu", 1);
    d->SetValue(FourCC("valu"), 2);
    d->SetValue(Variant(), 3);
    d->SetValue(object, 4);
    d->SetValue("valu", 5);  // replaces, keeps its place
    EXPECT_EQ(d->Count(), 4);
    EXPECT_EQ(d->Value("valu").Int32Value(), 5);
    EXPECT_EQ(d->Value(FourCC("valu")).Int32Value(), 2);
    EXPECT_EQ(d->Value(Variant()).Int32Value(), 3);
    EXPECT_EQ(d->Value(object).Int32Value(), 4);
    EXPECT_FALSE(d->HasKey(Thing::Create()));
    EXPECT_FALSE(d->HasKey("VALU"));
    EXPECT_THROW(d->Value("missing"), KeyNotFoundException);
    EXPECT_EQ(d->Lookup("missing", 9).Int32Value(), 9);

    auto keys = d->Keys();
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(keys[0], Variant("valu"));
    EXPECT_EQ(keys[1], Variant(FourCC("valu")));
    keys.clear();  // a copy: the dictionary keeps its keys
    EXPECT_EQ(d->Keys().size(), 4u);

    d->Remove(FourCC("valu"));
    EXPECT_EQ(d->Keys().size(), 3u);
    EXPECT_EQ(d->Key(1), Variant());
}

TEST(Text, ValIsLocaleFreeNumericPrefix)
{
    EXPECT_EQ(Val("  42abc"), 42);
    EXPECT_EQ(Val("-3.5e2x"), -350);
    EXPECT_EQ(Val("+7"), 7);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("&hFF"), 255);
    EXPECT_EQ(Val("1,5"), 1);
    EXPECT_EQ(Val("-.5"), -0.5);
    EXPECT_EQ(Val("inf"), 0) << "typed words are no numbers";
    EXPECT_EQ(Val("-Infinity"), 0);
    EXPECT_EQ(Val("nan"), 0);
    // Beyond a Double: saturated by the Int32 rule like any large number.
    EXPECT_EQ(Variant("1e309").Int32Value(), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(DoubleToInt32(Val("-" + std::string(400, '7'))), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(Val("1e-400"), 0);
}

TEST(Text, TypedWholeNumbersAreReadStrictly)
{
    const std::optional<int32_t> none;
    EXPECT_EQ(ParseTypedInt32(" \t-300 "), -300);
    EXPECT_EQ(ParseTypedInt32("+7"), 7);
    EXPECT_EQ(ParseTypedInt32("  "), 0) << "blank reads 0";
    EXPECT_EQ(ParseTypedInt32("2147483647"), 2147483647);
    EXPECT_EQ(ParseTypedInt32("-2147483648"), std::numeric_limits<int32_t>::min());
    for (const char* typo : {"2147483648", "-2147483649", "99999999999999999999", "12a", "abc", "1.5", "1,500",
                             "1 500", "+-5", "--5", "-", "&hFF", "1e3", "\xd9\xa3"}) {
        SCOPED_TRACE(typo);
        EXPECT_EQ(ParseTypedInt32(typo), none);
    }
    SCOPED_TRACE("blanks: spaces, tabs, line breaks, vertical tabs and form feeds, at either end");
    EXPECT_EQ(ParseTypedInt32("\r\n 12\n"), 12);
    EXPECT_EQ(ParseTypedInt32("350\r\n"), 350);
    for (const char blank : {' ', '\t', '\r', '\n', '\v', '\f'}) {
        SCOPED_TRACE(static_cast<int>(blank));
        const std::string blanks(2, blank);
        EXPECT_EQ(ParseTypedInt32(blanks + "-7" + blanks), -7);
        EXPECT_EQ(ParseTypedInt32(blanks), 0);
        EXPECT_EQ(TrimBlanks(blanks + "Pear " + blank + " pie" + blanks), "Pear " + std::string(1, blank) + " pie");
        EXPECT_EQ(TrimBlanks(blanks), "") << "a name of blanks alone";
    }
}

TEST(Text, FormatMasks)
{
    EXPECT_EQ(Format(1633907822, "#"), "1633907822");
    EXPECT_EQ(Format(0, "#"), "");
    EXPECT_EQ(Format(-12, "#"), "-12");
    EXPECT_EQ(Format(7, "#;- #;0"), "7");
    EXPECT_EQ(Format(0, "#;- #;0"), "0");
    EXPECT_EQ(Format(-7, "#;- #;0"), "- 7");
    EXPECT_EQ(Format(1500.0 / 2000.0, "#%"), "75%");
    EXPECT_EQ(Format(2.5, "#%"), "250%");
    // Fractions round half away from zero; what rounds to zero has no sign.
    EXPECT_EQ(Format(-0.4, "#") + "|" + Format(-0.4, "#;- #;0") + "|" + Format(-0.5, "#") + "|" +
                  Format(-2.5, "#;(#)") + "|" + Format(1.49, "00"),
              "|0|-1|(3)|01");
}

TEST(Text, SplitJoinAndCodePoints)
{
    EXPECT_TRUE(Split("", ",").empty());
    EXPECT_EQ(Split("a,,b", ","), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(Join({"a", "b", "c"}, "."), "a.b.c");
    EXPECT_EQ(Len("héllo"), 5);
    EXPECT_EQ(Mid("héllo", 2, 2), "él");
    EXPECT_EQ(Mid("héllo", 4), "lo");
    EXPECT_EQ(Mid("abc", 5, 2), "");
    EXPECT_EQ(Chr(13), "\r");
    EXPECT_EQ(Chr(0xE9), "é");
    EXPECT_EQ(Chr(0x7F) + Chr(0x80) + Chr(0x7FF) + Chr(0x800) + Chr(0xFFFF) + Chr(0x10000) + Chr(0x110000),
              "\x7F" "\xC2\x80" "\xDF\xBF" "\xE0\xA0\x80" "\xEF\xBF\xBF" "\xF0\x90\x80\x80") << "each UTF-8 length";
    EXPECT_EQ(FourCCText(FourCC("actn")), "actn");
    EXPECT_EQ(FourCC("actn"), 1633907822);
}
