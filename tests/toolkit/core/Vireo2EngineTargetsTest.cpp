#include "RecordingReceiver.h"
#include "TestSurface.h"

#include "platform/Exceptions.h"
#include "platform/FourCC.h"
#include "toolkit/core/AppSeam.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"

#include <gtest/gtest.h>

using Vireo2Engine::VR2FindTargetObject;

namespace {

// An application object; with lookups it plays a VR2Application.
class StandInApplication : public VR2Object, public VR2ApplicationInterface {
public:
    static std::shared_ptr<StandInApplication> Create() { return std::shared_ptr<StandInApplication>(new StandInApplication()); }
    std::vector<std::string> asked;
    VR2View::Ref focusAnswer;
    VR2View::Ref nameAnswer;

    VR2View::Ref focusView() override
    {
        asked.push_back("focusView");
        return focusAnswer;
    }
    VR2View::Ref findViewByName(const std::string& name, bool deep, bool visibleOnly) override
    {
        asked.push_back("findViewByName " + name + (deep ? " deep" : "") + (visibleOnly ? " visibleOnly" : ""));
        return nameAnswer;
    }

protected:
    void VR2Object_Action(const VR2Object::Ref&, const VR2Message::Ref&) override {}
};

// A window of the platform's list that holds no views.
struct PlainWindow : platform::Object {
    static std::shared_ptr<PlainWindow> Create() { return std::shared_ptr<PlainWindow>(new PlainWindow()); }
};

class Targets : public testing::Test {
protected:
    void SetUp() override
    {
        // Window 0 is not a surface; windows 1 and 2 are.
        windows = {PlainWindow::Create(), first, second};
        UseApplication(plainApplication);
        field = container->AddView(5, 5, 50, 20, "food_entry_field");
        inner = inner_container->AddView(0, 0, 10, 10, "inner");
        other = second->AddView(0, 0, 10, 10, "elsewhere");
    }
    void TearDown() override
    {
        toolkit::SetAppSeam({});
        Vireo2Engine::ResetForTesting();
    }

    void UseApplication(const platform::ObjectRef& application)
    {
        toolkit::SetAppSeam({[application] { return application; },
                             [this] { return static_cast<int32_t>(windows.size()); },
                             [this](int32_t index) { return windows[static_cast<size_t>(index)]; }});
    }
    VR2Object::Ref Find(int32_t code, const std::string& name, const VR2Object::Ref& source)
    {
        return VR2FindTargetObject(code, name, source);
    }
    static bool Same(const VR2Object::Ref& found, const platform::ObjectRef& expected)
    {
        return VR2SameObject(found.get(), expected.get());
    }

    std::vector<platform::ObjectRef> windows;
    TestSurface::Ref first = TestSurface::Create();
    TestSurface::Ref second = TestSurface::Create();
    TestSurface::Ref container = first->AddSurface(10, 10, 200, 100, "entry_bar");
    TestSurface::Ref inner_container = container->AddSurface(0, 50, 100, 40, "inner_bar");
    VR2View::Ref field;
    VR2View::Ref inner;
    VR2View::Ref other;
    std::shared_ptr<StandInApplication> application = StandInApplication::Create();
    // An application object that is not a VR2Application.
    RecordingReceiver::Ref plainApplication = RecordingReceiver::Create("app");
    VR2View::Ref loose = VR2View::Create<VR2View>();
};

}  // namespace

TEST_F(Targets, SourceParentAndWindow)
{
    auto stranger = RecordingReceiver::Create("not a view");
    EXPECT_TRUE(Same(Find(codes::kTargetSelf, "", stranger), stranger));
    EXPECT_TRUE(Same(Find(codes::kTargetParent, "", field), container));
    EXPECT_TRUE(Same(Find(codes::kTargetTop, "", inner), first));
    for (const int32_t code : {codes::kTargetParent, codes::kTargetTop, codes::kTargetFindInParent,
                               codes::kTargetFindInTop, codes::kTargetInParent, codes::kTargetInTop,
                               codes::kTargetPathInParent, codes::kTargetPathInTop}) {
        SCOPED_TRACE(platform::FourCCText(code));
        EXPECT_EQ(Find(code, "food_entry_field", loose), nullptr);
        EXPECT_EQ(Find(code, "food_entry_field", stranger), nullptr);
    }
    EXPECT_EQ(Find(platform::FourCC("what"), "", field), nullptr);
}

TEST_F(Targets, FocusCodes)
{
    EXPECT_EQ(Find(codes::kTargetFindInParent, "", field), nullptr);
    container->focus = field;
    first->focus = inner;
    EXPECT_TRUE(Same(Find(codes::kTargetFindInParent, "", field), field));
    EXPECT_TRUE(Same(Find(codes::kTargetFindInTop, "", field), inner));
    EXPECT_TRUE(Same(Find(codes::kTargetFindInSelf, "", container), field));
    EXPECT_EQ(Find(codes::kTargetFindInSelf, "", field), nullptr);

    // Without a VR2Application: the first surface window's focus, or that window.
    EXPECT_TRUE(Same(Find(codes::kTargetFindInApp, "", nullptr), inner));
    first->focus = nullptr;
    second->focus = other;
    EXPECT_TRUE(Same(Find(codes::kTargetFindInApp, "", nullptr), first));

    // A VR2Application is asked, and may answer nil.
    UseApplication(application);
    EXPECT_EQ(Find(codes::kTargetFindInApp, "", nullptr), nullptr);
    application->focusAnswer = other;
    EXPECT_TRUE(Same(Find(codes::kTargetFindInApp, "", nullptr), other));
    EXPECT_EQ(application->asked.size(), 2u);

    windows.clear();
    UseApplication(plainApplication);
    EXPECT_EQ(Find(codes::kTargetFindInApp, "", nullptr), nullptr);
}

TEST_F(Targets, ApplicationAndResponderChain)
{
    EXPECT_TRUE(Same(Find(codes::kTargetApp, "", nullptr), plainApplication));
    UseApplication(PlainWindow::Create());  // not a receiver
    EXPECT_EQ(Find(codes::kTargetApp, "", nullptr), nullptr);

    EXPECT_EQ(Find(codes::kTargetFirstResponder, "", nullptr), nullptr);
    auto oldest = RecordingReceiver::Create("oldest");
    auto newest = RecordingReceiver::Create("newest");
    Vireo2Engine::VR2Responder_AcquireFocus(oldest);
    Vireo2Engine::VR2Responder_AcquireFocus(newest);
    EXPECT_TRUE(Same(Find(codes::kTargetFirstResponder, "", field), oldest));
}

TEST_F(Targets, NamesSearchDeepAndFindHiddenViews)
{
    inner->Visible = false;
    inner_container->Visible = false;
    EXPECT_TRUE(Same(Find(codes::kTargetInParent, "inner", field), inner));
    EXPECT_TRUE(Same(Find(codes::kTargetInTop, "inner", inner), inner));
    EXPECT_TRUE(Same(Find(codes::kTargetInSelf, "inner", container), inner));
    EXPECT_EQ(Find(codes::kTargetInSelf, "inner", field), nullptr);
    EXPECT_EQ(Find(codes::kTargetInTop, "elsewhere", field), nullptr);

    // An empty name finds nothing, even a view whose name is empty.
    EXPECT_EQ(Find(codes::kTargetInParent, "", inner), nullptr);
    EXPECT_EQ(Find(codes::kTargetInApp, "", nullptr), nullptr);

    // Across the application: window by window, or through a VR2Application.
    EXPECT_TRUE(Same(Find(codes::kTargetInApp, "elsewhere", nullptr), other));
    EXPECT_EQ(Find(codes::kTargetInApp, "nothing", nullptr), nullptr);
    UseApplication(application);
    application->nameAnswer = field;
    EXPECT_TRUE(Same(Find(codes::kTargetInApp, "elsewhere", nullptr), field));
    EXPECT_EQ(application->asked, (std::vector<std::string>{"findViewByName elsewhere deep"}));
}

TEST_F(Targets, DottedPaths)
{
    EXPECT_TRUE(Same(Find(codes::kTargetPathInSelf, "entry_bar.inner", first), inner));
    // Deep at every step: intermediate containers need not be named.
    EXPECT_TRUE(Same(Find(codes::kTargetPathInTop, "entry_bar.inner", field), inner));
    EXPECT_TRUE(Same(Find(codes::kTargetPathInParent, "inner_bar.inner", field), inner));
    EXPECT_TRUE(Same(Find(codes::kTargetPathInParent, "food_entry_field", field), field));
    // A plain view cannot hold the rest of a path.
    EXPECT_EQ(Find(codes::kTargetPathInTop, "food_entry_field.inner", field), nullptr);
    EXPECT_EQ(Find(codes::kTargetPathInTop, "", field), nullptr);
    EXPECT_EQ(Find(codes::kTargetPathInSelf, "entry_bar", field), nullptr);

    EXPECT_TRUE(Same(Find(codes::kTargetPathInApp, "elsewhere", nullptr), other));
    EXPECT_EQ(Vireo2Engine::VR2ApplicationFindViewByPath("entry_bar.inner", false, true), inner);
    EXPECT_EQ(Vireo2Engine::VR2ApplicationFindViewByPath("entry_bar.inner", true, false), inner);
    EXPECT_THROW(Vireo2Engine::VR2FindViewByPath(nullptr, "x"), platform::NilObjectException);
}
