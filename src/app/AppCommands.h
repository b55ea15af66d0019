#pragma once

#include <string>
#include <utility>
#include <vector>

// The application's menu commands, each named after the menu item it serves
// and answering true (handled). The application attaches them by item name.
namespace AppCommands {

bool HelpAboutDiRizezoz();
bool EditPreferences();
bool HelpAskaquestion();
bool HelpReportBug();
bool HelpGeneralFeedback();
bool HelpRequestFeature();
bool HelpVisitMakerSite();
bool HelpDiRizezozHelp();

// The eight commands with their item names, in the order they are attached.
const std::vector<std::pair<std::string, bool (*)()>>& Handlers();

// The address of a page on the maker's site; an empty path is the home page.
std::string MakerSiteURL(const std::string& pathAndQuery);

}  // namespace AppCommands
