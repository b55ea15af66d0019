#include "RecordingView.h"
#include "TestSurface.h"

#include "platform/Exceptions.h"
#include "platform/FourCC.h"
#include "toolkit/core/AppSeam.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/core/VireoStandardProperties.h"

#include <gtest/gtest.h>

using platform::FourCC;
using platform::Variant;
using Events = std::vector<std::string>;
namespace Props = VireoStandardProperties;

namespace {

class ViewMessages : public testing::Test {
protected:
    void SetUp() override
    {
        view->move(10, 20, false);
        view->resize(30, 40, false);
        view->attach(container, false, false);
        view->events->clear();
    }
    void TearDown() override
    {
        toolkit::SetAppSeam({});
        Vireo2Engine::ResetForTesting();
    }

    TestSurface::Ref window = TestSurface::Create();
    TestSurface::Ref container = window->AddSurface(100, 100, 200, 200, "container");
    RecordingView::Ref view = RecordingView::Create();
    RecordingReceiver::Ref sender = RecordingReceiver::Create("sender");
};

}  // namespace

TEST_F(ViewMessages, UnhandledMessagesClimbWithTheirSender)
{
    window->Name = "window";
    auto message = VR2Message::Create("dp_event_food", FourCC("nfud"));
    view->Action(sender, message);
    EXPECT_EQ(*view->events, (Events{"HandleMessage dp_event_food"}));
    ASSERT_EQ(container->log->size(), 1u);
    ASSERT_EQ(window->log->size(), 1u);
    EXPECT_EQ(window->log->back().sender, sender.get());
    EXPECT_EQ(message->result, codes::kResultNone);

    // kResultStop from a handler stops the climb at that level.
    container->reaction = [](auto&, const VR2Message::Ref& m) { m->result = codes::kResultStop; };
    view->Action(sender, VR2Message::Create("dp_event_food", FourCC("nfud")));
    EXPECT_EQ(window->log->size(), 1u);

    // A message that a view sent itself is not passed back up by it.
    container->reaction = nullptr;
    auto own = VR2Message::Create("loop", FourCC("loop"));
    view->Action(view, own);
    EXPECT_EQ(own->result, codes::kResultStop);
    EXPECT_EQ(container->log->size(), 2u);
}

TEST_F(ViewMessages, SendMessageStartsAtTheParentOrTheApplication)
{
    view->sendMessage(VR2Message::Create("dp_event_steps", FourCC("astp")));
    EXPECT_TRUE(view->events->empty());  // the view itself is skipped
    ASSERT_EQ(container->log->size(), 1u);
    EXPECT_EQ(container->log->back().sender, view.get());
    EXPECT_THROW(view->sendMessage(nullptr), platform::NilObjectException);

    auto loose = RecordingView::Create();
    loose->sendMessage(VR2Message::Create("nobody", 1));  // no application: nothing happens
    toolkit::SetAppSeam({[this] { return platform::ObjectRef(sender); }, nullptr, nullptr});
    loose->sendMessage(VR2Message::Create("to_app", 1));
    ASSERT_EQ(sender->log->size(), 1u);
    EXPECT_EQ(sender->log->back().sender, loose.get());
}

TEST_F(ViewMessages, EnableAndDisableRequests)
{
    auto disable = VR2Message::Create("vr2view", codes::kDisable);
    view->Action(nullptr, disable);
    EXPECT_FALSE(view->Enabled);
    EXPECT_EQ(disable->result, codes::kResultHandled);
    EXPECT_EQ(window->updates.size(), 1u);
    EXPECT_TRUE(view->events->empty());

    // Disabling again is an ordinary message: offered to HandleMessage, then the
    // parent, which as a view takes it as a request to itself.
    auto again = VR2Message::Create("vr2view", codes::kDisable);
    view->Action(nullptr, again);
    EXPECT_EQ(*view->events, (Events{"HandleMessage vr2view"}));
    EXPECT_FALSE(container->Enabled);
    EXPECT_EQ(again->result, codes::kResultHandled);

    auto enable = VR2Message::Create("vr2view", codes::kEnable);
    view->Action(nullptr, enable);
    EXPECT_TRUE(view->Enabled);
    EXPECT_EQ(enable->result, codes::kResultHandled);

    // An unknown property selector is an ordinary message too.
    view->Action(nullptr, VR2Message::Create("vr2o_property", FourCC("delp")));
    EXPECT_EQ(container->log->size(), 1u);
    EXPECT_EQ(window->log->size(), 1u);
}

TEST_F(ViewMessages, PropertiesByMessage)
{
    auto text = TextView::Create("Apple");
    text->attach(container, false, false);
    EXPECT_EQ(Props::VR2ObjectGetProperty(view, "visible", false).BooleanValue(), true);
    EXPECT_EQ(Props::VR2ObjectGetProperty(text, "text", "").StringValue(), "Apple");
    // A key the view does not know is left out of a handled reply.
    auto get = VR2Message::Create("vr2o_property", codes::kGetProperty);
    get->params->SetValue("width", nullptr);
    get->params->SetValue("color", nullptr);
    view->Action(nullptr, get);
    EXPECT_EQ(get->result, codes::kResultHandled);
    const auto reply = get->reply.As<platform::Dictionary>();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->Count(), 1);
    EXPECT_EQ(reply->Value("width").Int32Value(), 30);
    // Each geometry key answers its own side of the frame (10, 20, 30, 40).
    for (const auto& [key, value] : {std::pair{"left", 10}, {"top", 20}, {"width", 30}, {"height", 40}}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(Props::VR2ObjectGetProperty(view, key, -1).Int32Value(), value);
    }

    EXPECT_FALSE(Props::VR2ObjectHasProperty(view, {}));
    EXPECT_TRUE(Props::VR2ObjectHasProperty(view, {"height", "left", "top", "width", "visible"}));
    EXPECT_FALSE(Props::VR2ObjectHasProperty(view, {"height", "text"}));
    EXPECT_TRUE(Props::VR2ObjectHasProperty(text, {"height", "text"}));
    EXPECT_FALSE(Props::VR2ObjectHasProperty(view, {codes::kKeyValue}));

    // Built-in keys move the frame without notice; "visible" repaints.
    container->subviewChanges.clear();
    Props::VR2ObjectSetProperty(view, "left", "5");
    Props::VR2ObjectSetProperty(view, "top", 7.9);
    EXPECT_EQ(view->bounds(codes::kSpaceLocal)->description(), "5,7,30,40");
    EXPECT_TRUE(container->subviewChanges.empty());
    EXPECT_TRUE(window->updates.empty());
    Props::VR2ObjectSetProperty(view, "visible", false);
    EXPECT_FALSE(view->Visible);
    ASSERT_EQ(window->updates.size(), 1u);
    EXPECT_EQ(window->updates[0]->description(), "105,107,30,40");

    // An empty set is not handled; a key the view does not know makes it unhandled.
    auto values = platform::Dictionary::Create();
    EXPECT_FALSE(view->DoPropertySet(values));
    values->SetValue("left", 1);
    values->SetValue("text", "Pear");
    EXPECT_FALSE(view->DoPropertySet(values));
    EXPECT_TRUE(text->DoPropertySet(values));

    auto broken = VR2Message::Create("vr2o_property", codes::kGetProperty);
    broken->params = nullptr;
    EXPECT_THROW(view->Action(nullptr, broken), platform::NilObjectException);
}

TEST_F(ViewMessages, HidingAlongWithOtherKeysRepaintsTheNewAreaOnce)
{
    // Whatever the order of the keys, one repaint of the frame they leave behind.
    const std::vector<std::vector<std::pair<const char*, Variant>>> orders = {
        {{"visible", false}, {"left", 5}, {"width", 25}},
        {{"left", 5}, {"visible", false}, {"width", 25}},
        {{"left", 5}, {"width", 25}, {"visible", false}},
    };
    for (const auto& order : orders) {
        std::string keys;
        for (const auto& [key, value] : order)
            keys += std::string(key) + " ";
        SCOPED_TRACE(keys);
        view->move(10, 20, false);
        view->resize(30, 40, false);
        view->Visible = true;
        window->updates.clear();
        auto message = VR2Message::Create("vr2o_property", codes::kSetProperty);
        for (const auto& [key, value] : order)
            message->params->SetValue(key, value);
        view->Action(nullptr, message);
        EXPECT_FALSE(view->Visible);
        ASSERT_EQ(window->updates.size(), 1u);
        EXPECT_EQ(window->updates[0]->description(), "105,120,25,40");
    }
}

TEST_F(ViewMessages, HooksAreGatedOnEnabled)
{
    view->answer = true;
    EXPECT_TRUE(view->DoMouseDown(1, 2));
    EXPECT_TRUE(view->DoKeyDown("a"));
    view->Enabled = false;
    EXPECT_FALSE(view->DoMouseDown(1, 2));
    EXPECT_FALSE(view->DoKeyDown("a"));
    EXPECT_FALSE(view->DoDragEnter(nullptr, 0));
    view->DoMouseUp(1, 2);
    // Activation and closing are not gated.
    view->DoActivate();
    EXPECT_TRUE(view->Active());
    view->DoDeactivate();
    view->DoClose();
    EXPECT_EQ(*view->events, (Events{"MouseDown 1,2", "KeyDown a", "Activate", "Deactivate", "Close"}));
    EXPECT_FALSE(view->Active());
}

TEST_F(ViewMessages, CancelledDragDeliversOneMouseUp)
{
    view->answer = true;
    view->cancelDragOnDrag = true;
    ASSERT_TRUE(view->DoMouseDown(1, 1));
    bool cancel = false;
    view->DoMouseDrag(2, 2, cancel);
    EXPECT_FALSE(cancel);
    view->DoMouseDrag(3, 3, cancel);
    EXPECT_TRUE(cancel);
    view->DoMouseUp(4, 4);  // the real release is swallowed
    EXPECT_EQ(*view->events, (Events{"MouseDown 1,1", "MouseDrag 2,2", "MouseUp 2,2"}));

    // The next press starts clean.
    view->cancelDragOnDrag = false;
    view->events->clear();
    view->DoMouseDown(5, 5);
    cancel = false;
    view->DoMouseDrag(6, 6, cancel);
    view->DoMouseUp(7, 7);
    EXPECT_FALSE(cancel);
    EXPECT_EQ(*view->events, (Events{"MouseDown 5,5", "MouseDrag 6,6", "MouseUp 7,7"}));
}

TEST_F(ViewMessages, DragOverStateNeedsAnAcceptedEnter)
{
    auto drag = VR2DragObject::Create();
    view->DoDragExit(drag, 0);
    view->DoDropObject(drag, 0);
    EXPECT_FALSE(view->DoDragEnter(drag, 0));
    EXPECT_FALSE(view->isDragWithin());
    EXPECT_EQ(*view->events, (Events{"DragEnter"}));
    EXPECT_TRUE(window->updates.empty());

    view->answer = true;
    EXPECT_TRUE(view->DoDragEnter(drag, 0));
    EXPECT_TRUE(view->isDragWithin());
    view->DoDropObject(drag, 0);
    EXPECT_FALSE(view->isDragWithin());
    view->DoDragExit(drag, 0);
    EXPECT_EQ(*view->events, (Events{"DragEnter", "DragEnter", "DropObject"}));
    EXPECT_EQ(window->updates.size(), 2u);
}
