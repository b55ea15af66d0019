#include "RecordingView.h"
#include "TestSurface.h"

#include "platform/Exceptions.h"
#include "platform/FourCC.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2EventDataSpecifier.h"
#include "toolkit/core/VR2EventDataValue.h"
#include "toolkit/core/VR2EventHandlerTable.h"
#include "toolkit/core/Vireo2Engine.h"

#include <gtest/gtest.h>

using platform::FourCC;
using platform::Variant;

namespace {

// A recipe that notes when it is released.
class NotingRecipe : public VR2EventData {
public:
    static std::shared_ptr<NotingRecipe> Create(std::string name, std::shared_ptr<std::vector<std::string>> log)
    {
        auto recipe = std::shared_ptr<NotingRecipe>(new NotingRecipe());
        recipe->name = std::move(name);
        recipe->log = std::move(log);
        return recipe;
    }
    std::string name;
    std::shared_ptr<std::vector<std::string>> log;
    void Release() override { log->push_back(name); }
};

VR2EventHandler::Ref Handler(int32_t targetCode, std::string category, int32_t selector = codes::kEventAction)
{
    auto handler = VR2EventHandler::Create();
    handler->targetCode = targetCode;
    handler->messageCategory = std::move(category);
    handler->messageSelector = selector;
    return handler;
}

VR2EventDataSpecifier::Ref Specifier(int32_t targetCode, std::string targetName, Variant propertyKey, Variant key)
{
    auto recipe = VR2EventDataSpecifier::Create();
    recipe->targetCode = targetCode;
    recipe->targetName = std::move(targetName);
    recipe->propertyKey = std::move(propertyKey);
    recipe->messageDataKey = std::move(key);
    return recipe;
}

VR2EventDataValue::Ref Value(Variant key, Variant value)
{
    auto recipe = VR2EventDataValue::Create();
    recipe->messageDataKey = std::move(key);
    recipe->value = std::move(value);
    return recipe;
}

}  // namespace

TEST(VR2EventHandlerTable, ReplacingAndRemovingReleaseTheOldHandler)
{
    auto log = std::make_shared<std::vector<std::string>>();
    auto table = VR2EventHandlerTable::Create();
    auto first = Handler(codes::kTargetParent, "first");
    first->messageData = {NotingRecipe::Create("r1", log), NotingRecipe::Create("r2", log)};
    table->addHandler(codes::kEventAction, first);
    table->addHandler(codes::kEventAction, first);
    EXPECT_EQ(first->messageCategory, "first");
    EXPECT_TRUE(log->empty());

    // Replaced: released, recipes last to first, fields emptied.
    auto second = Handler(codes::kTargetParent, "second");
    table->addHandler(codes::kEventAction, second);
    EXPECT_EQ(table->findHandler(codes::kEventAction), second);
    EXPECT_EQ(*log, (std::vector<std::string>{"r2", "r1"}));
    EXPECT_TRUE(first->messageData.empty());
    EXPECT_EQ(first->messageCategory, "");
    EXPECT_EQ(first->targetCode, 0);
    EXPECT_EQ(first->messageSelector, 0);

    // One handler under two codes: removing by handler takes the first entry only,
    // and the release empties the rule left under the other code.
    table->addHandler(codes::kEventLostFocus, second);
    table->removeHandler(second);
    EXPECT_EQ(table->findHandler(codes::kEventAction), nullptr);
    EXPECT_EQ(table->findHandler(codes::kEventLostFocus), second);
    EXPECT_EQ(second->targetCode, 0);

    table->removeHandler(FourCC("none"));
    table->removeHandler(Handler(0, "stored nowhere"));
    table->removeAllHandlers();
    EXPECT_EQ(table->findHandler(codes::kEventLostFocus), nullptr);
    table->addHandler(codes::kEventAction, first);
    EXPECT_EQ(table->findHandler(codes::kEventAction), first);
    EXPECT_THROW(table->addHandler(codes::kEventAction, nullptr), platform::NilObjectException);

    auto specifier = Specifier(codes::kTargetInTop, "field", "text", "name");
    specifier->Release();
    EXPECT_EQ(specifier->targetCode, 0);
    EXPECT_TRUE(specifier->propertyKey.IsNil());
    EXPECT_EQ(specifier->messageDataKey.StringValue(), "name");
}

namespace {

class Trigger : public testing::Test {
protected:
    void SetUp() override
    {
        field->Name = "food_entry_field";
        field->attach(container, false, false);
        calories->Name = "calorie_entry_field";
        calories->attach(window, false, false);
        Vireo2Engine::VR2Responder_AcquireFocus(watcher);
    }
    void TearDown() override { Vireo2Engine::ResetForTesting(); }

    // Sends through the field's table; answers what the container received.
    bool Fire(const VR2EventHandler::Ref& handler, const platform::Dictionary::Ref& params = nullptr)
    {
        table->addHandler(codes::kEventAction, handler);
        container->log->clear();
        return table->triggerHandler(codes::kEventAction, field, params);
    }
    platform::Dictionary::Ref Sent() const { return container->log->back().message->params; }

    TestSurface::Ref window = TestSurface::Create();
    TestSurface::Ref container = window->AddSurface(0, 0, 200, 100, "entry_bar");
    TextView::Ref field = TextView::Create("Apple");
    TextView::Ref calories = TextView::Create("52");
    // Offered every property request aimed at 'frst'.
    RecordingReceiver::Ref watcher = RecordingReceiver::Create("watcher");
    VR2EventHandlerTable::Ref table = field->EventHandlerTable;
};

}  // namespace

TEST_F(Trigger, BuildsTheMessageFromParamsAndRecipes)
{
    auto handler = Handler(codes::kTargetParent, "dp_event_food", FourCC("nfud"));
    handler->messageData = {Specifier(codes::kTargetInTop, "food_entry_field", "text", "food_name"),
                            Specifier(codes::kTargetInTop, "calorie_entry_field", "text", "calorie_amount"),
                            Value(codes::kKeyValue, 7)};
    auto params = platform::Dictionary::Create();
    params->SetValue("extra", true);
    EXPECT_TRUE(Fire(handler, params));
    ASSERT_EQ(container->log->size(), 1u);
    const auto& entry = container->log->back();
    EXPECT_EQ(entry.sender, field.get());
    EXPECT_EQ(entry.message->description(),
              "dp_event_food: 'nfud'=1852208484 (extra:True, food_name:Apple, calorie_amount:52, 1986096245:7 )");
    EXPECT_EQ(params->Count(), 1);  // the caller's Dictionary is untouched

    // No params and no recipes: an empty Dictionary.
    EXPECT_TRUE(Fire(Handler(codes::kTargetParent, "bare")));
    EXPECT_EQ(Sent()->Count(), 0);
}

TEST_F(Trigger, NoHandlerOrNoReceiverSendsNothing)
{
    auto params = platform::Dictionary::Create();
    EXPECT_FALSE(table->triggerHandler(FourCC("none"), field, params));
    EXPECT_EQ(params->Count(), 0);

    // An unattached view has no parent: no recipe is even evaluated.
    auto loose = TextView::Create();
    auto handler = Handler(codes::kTargetParent, "x");
    handler->messageData = {Specifier(codes::kTargetFirstResponder, "", "text", "text")};
    loose->EventHandlerTable->addHandler(codes::kEventAction, handler);
    EXPECT_FALSE(loose->EventHandlerTable->triggerHandler(codes::kEventAction, loose, nullptr));
    EXPECT_EQ(watcher->log->size(), 0u);

    // A released rule still stored under another code resolves nothing.
    auto shared = Handler(codes::kTargetParent, "shared");
    table->addHandler(codes::kEventLostFocus, shared);
    table->addHandler(codes::kEventAction, shared);
    table->removeHandler(codes::kEventAction);
    EXPECT_FALSE(table->triggerHandler(codes::kEventLostFocus, field, nullptr));
}

TEST_F(Trigger, EarlierValuesWinAndSpecifiersThatFindNothingAddNothing)
{
    // The caller's key wins, and its recipe is not evaluated at all.
    auto handler = Handler(codes::kTargetParent, "x");
    handler->messageData = {Specifier(codes::kTargetFirstResponder, "", "text", "food_name")};
    auto params = platform::Dictionary::Create();
    params->SetValue("food_name", "Pear");
    EXPECT_TRUE(Fire(handler, params));
    EXPECT_EQ(Sent()->Value("food_name").StringValue(), "Pear");
    EXPECT_EQ(watcher->log->size(), 0u);

    // A specifier whose target is missing or lacks the property leaves the key free.
    handler = Handler(codes::kTargetParent, "x");
    handler->messageData = {Specifier(codes::kTargetInTop, "no_such_field", "text", "name"),
                            Specifier(codes::kTargetParent, "", "text", "name"),
                            Value("name", "fixed"), Value("name", "later")};
    EXPECT_TRUE(Fire(handler));
    EXPECT_EQ(Sent()->Value("name").StringValue(), "fixed");

    handler = Handler(codes::kTargetParent, "x");
    handler->messageData = {Specifier(codes::kTargetParent, "", "text", "name")};
    EXPECT_TRUE(Fire(handler));
    EXPECT_FALSE(Sent()->HasKey("name"));

    // A nil messageDataKey stores under the property key, over the caller's value.
    handler = Handler(codes::kTargetParent, "x");
    handler->messageData = {Specifier(codes::kTargetSelf, "", "text", nullptr)};
    params->SetValue("text", "caller");
    EXPECT_TRUE(Fire(handler, params));
    EXPECT_EQ(Sent()->Value("text").StringValue(), "Apple");
}
