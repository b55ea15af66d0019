#include "HostFixture.h"

#include "platform/Exceptions.h"
#include "platform/FourCC.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/hosts/VR2Application.h"

namespace {

// An application that logs the messages and events reaching it.
class TestApplication : public VR2Application {
public:
    using Ref = std::shared_ptr<TestApplication>;
    static Ref Create() { return Ref(new TestApplication()); }

    struct Received {
        const platform::Object* sender;
        VR2Message::Ref message;
    };
    std::vector<Received> messages;
    EventLog events;
    platform::FolderItem::Ref openedItem;
    bool themeInstalledAtOpen = false;

protected:
    void HandleMessage(const VR2Object::Ref& sender, const VR2Message::Ref& message) override
    {
        messages.push_back({sender.get(), message});
    }
    void Open() override
    {
        themeInstalledAtOpen = DidSetupVireoSetup();
        events.push_back("Open");
    }
    void NewDocument() override { events.push_back("NewDocument"); }
    void OpenDocument(const platform::FolderItem::Ref& item) override
    {
        openedItem = item;
        events.push_back("OpenDocument");
    }

private:
    TestApplication() = default;
};

class PlainWindow : public platform::Window {
public:
    static std::shared_ptr<PlainWindow> Create() { return Opened(std::shared_ptr<PlainWindow>(new PlainWindow())); }

private:
    PlainWindow() = default;
};

class ApplicationFixture : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        platform::Application::Register(application);
    }
    void TearDown() override
    {
        platform::Application::Register(nullptr);
        HostFixture::TearDown();
    }

    TestApplication::Ref application = TestApplication::Create();
};

}  // namespace

TEST_F(ApplicationFixture, MessageClimbsFromAViewThroughTheWindowToTheApplication)
{
    auto holder = MakeHolder(0, 0);
    holder->attach(window, false, false);
    auto inner = ProbeView::Create(log, "inner", 0, 0, 10, 10);
    inner->attach(holder, false, false);
    auto sender = ProbeView::Create(log, "sender", 0, 0, 1, 1);
    log->clear();

    auto message = VR2Message::Create("probe", platform::FourCC("prob"));
    Vireo2Engine::VR2SendMessage(sender, inner, message);
    EXPECT_EQ(Take(), EventLog({"inner HandleMessage probe", "window HandleMessage probe"}));
    ASSERT_EQ(application->messages.size(), 1u);
    EXPECT_EQ(application->messages[0].sender, sender.get());
    EXPECT_EQ(application->messages[0].message, message);
    EXPECT_EQ(message->result, codes::kResultNone);  // the application leaves it as it came

    SCOPED_TRACE("what the window handles goes no further");
    window->handleMessages = true;
    Vireo2Engine::VR2SendMessage(sender, inner, VR2Message::Create("probe", platform::FourCC("prob")));
    EXPECT_EQ(application->messages.size(), 1u);
    window->handleMessages = false;

    SCOPED_TRACE("the window as its own sender: refused, not passed on");
    auto own = VR2Message::Create("own", platform::FourCC("own "));
    Vireo2Engine::VR2SendMessage(window, window, own);
    EXPECT_EQ(own->result, codes::kResultStop);
    EXPECT_EQ(application->messages.size(), 1u);

    SCOPED_TRACE("a nil message, after HandleMessage saw it");
    log->clear();
    EXPECT_THROW(window->Action(sender, nullptr), platform::NilObjectException);
    EXPECT_EQ(Take(), EventLog({"window HandleMessage nil"}));

    SCOPED_TRACE("no application: the result stays as the window left it");
    platform::Application::Register(nullptr);
    auto lost = VR2Message::Create("probe", platform::FourCC("prob"));
    window->Action(nullptr, lost);
    EXPECT_EQ(lost->result, codes::kResultNone);
}

TEST_F(ApplicationFixture, StandardSetupRunsOnceBeforeTheFirstApplicationEvent)
{
    int installs = 0;
    VR2Application::ResetVireoSetupForTesting();
    VR2Application::SetStandardThemeInstaller([&] { ++installs; });

    application->OnOpen();
    application->OnNewDocument();
    const auto item = platform::FolderItem::Create("/tmp/diary-document");
    application->OnOpenDocument(item);
    EXPECT_EQ(installs, 1);
    EXPECT_TRUE(application->themeInstalledAtOpen);
    EXPECT_EQ(application->events, EventLog({"Open", "NewDocument", "OpenDocument"}));
    EXPECT_EQ(application->openedItem, item);
    EXPECT_FALSE(application->OnUnhandledException(platform::NilObjectException()));

    VR2Application::SetStandardThemeInstaller(nullptr);
}

TEST_F(ApplicationFixture, FocusAndNamesAreFoundInTheFirstWindowThatHasThem)
{
    auto first = Add("shared", 0, 0, 10, 10);
    {
        // As the diary runs: its one window.

        SCOPED_TRACE("one window");
        ASSERT_EQ(platform::Application::WindowCount(), 1);
        first->CanFocus = true;
        first->changeFocus(codes::kFocusGive);
        EXPECT_EQ(application->focusView(), first);
        EXPECT_EQ(application->findViewByName("shared", true, false), first);
        EXPECT_EQ(Vireo2Engine::VR2FindTargetObject(codes::kTargetFindInApp, "", first), first);
        EXPECT_EQ(Vireo2Engine::VR2FindTargetObject(codes::kTargetInApp, "shared", nullptr), first);
        first->changeFocus(codes::kFocusTake);
    }

    SCOPED_TRACE("three windows, only the middle one with a focus view");
    auto secondLog = std::make_shared<EventLog>();
    auto second = TestHostWindow::Create(secondLog);
    auto plain = PlainWindow::Create();  // in front, and no surface

    EXPECT_EQ(application->focusView(), nullptr);
    auto focused = ProbeView::Create(secondLog, "focused", 0, 0, 10, 10);
    focused->attach(second, false, false);
    focused->changeFocus(codes::kFocusGive);
    EXPECT_EQ(platform::Application::Window(0), second);  // the focus brings a back window to the front
    EXPECT_EQ(application->focusView(), focused);
    EXPECT_EQ(application->findViewByName("focused", true, false), focused);
    EXPECT_EQ(application->findViewByName("missing", true, false), nullptr);

    plain->Close();
    second->Close();
    EXPECT_EQ(application->focusView(), nullptr);
}
