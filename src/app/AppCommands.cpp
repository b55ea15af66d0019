#include "app/AppCommands.h"

#include "app/KxAboutBoxKit.h"
#include "app/ResourcePictures.h"
#include "platform/Picture.h"
#include "platform/Services.h"
#include "toolkit/geometry/VR2PictureExtras.h"

namespace AppCommands {

namespace {

// Every help and feedback page lives on this one host.
constexpr char kMakerSite[] = "https://ziruvud-iduzizid.example";
constexpr char kFeedbackQuery[] = "?app=dirizezoz&os=mac";
constexpr char kApplicationName[] = "Di Rizezoz";
constexpr char kCopyright[] = "Copyright \u00A9 2026 Ziruvud Iduzizid";

bool ShowPage(const std::string& pathAndQuery)
{
    // Without a browser the user still learns where the page is.
    const std::string url = MakerSiteURL(pathAndQuery);
    if (!platform::ShowURL(url))
        platform::MsgBox("No web browser could be started to show this page. Its address is:\n\n" + url);
    return true;
}

}  // namespace

std::string MakerSiteURL(const std::string& pathAndQuery) { return kMakerSite + pathAndQuery; }

bool HelpAboutDiRizezoz()
{
    // A missing icon leaves the about box without one.
    const auto picture = iconPic();
    const auto icon = picture ? VR2PictureExtras::PictureAndMask(picture) : nullptr;
    KxAboutBoxKit::KxAboutShowStandardAbout(icon, kApplicationName, kCopyright);
    return true;
}

bool EditPreferences()
{
    platform::MsgBox("There aren't any preferences yet.  If you would like to suggest some, select Request Feature "
                     "from the Help menu.");
    return true;
}

bool HelpAskaquestion() { return ShowPage(std::string("/ask_question.php") + kFeedbackQuery); }
bool HelpReportBug() { return ShowPage(std::string("/report_bug.php") + kFeedbackQuery); }
bool HelpGeneralFeedback() { return ShowPage(std::string("/general_feedback.php") + kFeedbackQuery); }
bool HelpRequestFeature() { return ShowPage(std::string("/request_feature.php") + kFeedbackQuery); }
bool HelpVisitMakerSite() { return ShowPage(""); }
bool HelpDiRizezozHelp() { return ShowPage("/dirizezoz/help.php"); }

const std::vector<std::pair<std::string, bool (*)()>>& Handlers()
{
    static const std::vector<std::pair<std::string, bool (*)()>> handlers = {
        {"HelpAboutDiRizezoz", HelpAboutDiRizezoz}, {"EditPreferences", EditPreferences},
        {"HelpAskaquestion", HelpAskaquestion},     {"HelpReportBug", HelpReportBug},
        {"HelpGeneralFeedback", HelpGeneralFeedback}, {"HelpRequestFeature", HelpRequestFeature},
        {"HelpVisitMakerSite", HelpVisitMakerSite}, {"HelpDiRizezozHelp", HelpDiRizezozHelp},
    };
    return handlers;
}

}  // namespace AppCommands
