#include "app/AboutWindow.h"

#include "app/KxAboutBoxKit.h"
#include "platform/Application.h"
#include "platform/Text.h"
#include "toolkit/geometry/VireoColor.h"

namespace {

constexpr int32_t kWidth = 285;
constexpr int32_t kHeight = 179;

// Stage codes of the application's version.
constexpr int32_t kStageDevelopment = 0;
constexpr int32_t kStageAlpha = 1;
constexpr int32_t kStageBeta = 2;

platform::StaticText::Ref MakeLabel(const char* name, int32_t left, int32_t top, int32_t width, int32_t height,
                                    const std::string& text, const char* font, bool bold)
{
    auto label = platform::StaticText::Create();
    label->Name = name;
    label->SetBounds(left, top, width, height);
    label->Text(text);
    label->TextFont(font);
    label->TextSize(0);
    label->Bold(bold);
    label->TextAlign(platform::StaticText::kAlignCenter);
    return label;
}

}  // namespace

AboutWindow::AboutWindow() { Layout(); }

AboutWindow::Ref AboutWindow::Create()
{
    Ref window(new AboutWindow());
    window->CreateControls();
    window->AddMenuHandlers();
    return Opened(window);
}

void AboutWindow::Layout()
{
    Width(kWidth);
    Height(kHeight);
    Resizeable(false);
    HasBackColor(false);
    BackColor(VireoColor::kWhite);
    Title("");
    Visible(true);
    // The menu bar stays with the main window; its shortcuts still reach this one.
    MenuBarVisible(false);
}

void AboutWindow::CreateControls()
{
    const std::weak_ptr<AboutWindow> weak = std::dynamic_pointer_cast<AboutWindow>(shared_from_this());

    mStaticAppName = MakeLabel("StaticAppName", 20, 90, 245, 20, "KxApplicationName", "System", true);
    mStaticAppName->Open = [weak] {
        if (const auto window = weak.lock())
            window->StaticAppName_Open();
    };
    AddControl(mStaticAppName);

    mIconView = platform::Canvas::Create();
    mIconView->Name = "IconView";
    mIconView->SetBounds(110, 14, 64, 64);
    AddControl(mIconView);

    mStaticCopyright =
        MakeLabel("StaticCopyright", 0, 150, kWidth, 16, "Copyright notice", "SmallSystem", false);
    AddControl(mStaticCopyright);

    mStaticText1 = MakeLabel("StaticText1", 20, 118, 245, 20, "", "SmallSystem", false);
    mStaticText1->Open = [weak] {
        if (const auto window = weak.lock())
            window->StaticText1_Open();
    };
    AddControl(mStaticText1);
}

void AboutWindow::AddMenuHandlers()
{
    const std::weak_ptr<AboutWindow> weak = std::dynamic_pointer_cast<AboutWindow>(shared_from_this());
    AddMenuHandler("FileClose", [weak] {
        const auto window = weak.lock();
        return window && window->FileClose();
    });
}

void AboutWindow::Setup(const platform::Picture::Ref& icon, const std::string& name, const std::string& copyright)
{
    mIconView->Backdrop(icon);
    mStaticAppName->Text(name);
    mStaticCopyright->Text(copyright);
    Title("About " + name);
}

void AboutWindow::StaticAppName_Open() { mStaticAppName->Bold(true); }

void AboutWindow::StaticText1_Open()
{
    const auto& application = platform::Require(platform::Application::Current());
    mStaticText1->Text(VersionLine(application.MajorVersion(), application.MinorVersion(), application.BugVersion(),
                                   application.StageCode(), application.NonReleaseVersion()));
}

std::string AboutWindow::VersionLine(int32_t major, int32_t minor, int32_t bug, int32_t stageCode,
                                     int32_t nonRelease)
{
    using platform::Str;
    std::string suffix;
    if (stageCode == kStageDevelopment)
        suffix = "dr" + Str(nonRelease);
    else if (stageCode == kStageAlpha)
        suffix = "a" + Str(nonRelease);
    else if (stageCode == kStageBeta)
        suffix = "b" + Str(nonRelease);
    const std::string shortVersion = Str(major) + "." + Str(minor);
    return shortVersion + " (" + shortVersion + "." + Str(bug) + suffix + ")";
}

bool AboutWindow::FileClose()
{
    Close();
    return true;
}

void AboutWindow::OnClose() { KxAboutBoxKit::KxAboutWindowDidClose(); }
