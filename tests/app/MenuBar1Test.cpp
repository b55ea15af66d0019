#include "AppFixture.h"

#include <string>
#include <vector>

namespace {

std::string Describe(const platform::MenuItem& item)
{
    static const char* const roles[] = {"", " [quit]", " [preferences]", " [about]"};
    std::string line = item.Name + " \"" + item.Text + "\"";
    if (!item.KeyboardShortcut.empty())
        line += " " + item.KeyboardShortcut;
    line += roles[static_cast<int>(item.Role)];
    if (!item.AutoEnable)
        line += " not auto-enabled";
    return line;
}

TEST(MenuBar1, HoldsEveryMenuAndItemWithItsTextAndShortcut)
{
    const auto bar = MenuBar1::Instance();
    EXPECT_EQ(MenuBar1::Instance(), bar);
    std::vector<std::string> lines;
    for (int32_t index = 0; index < bar->Count(); ++index) {
        const auto menu = bar->Child(index);
        lines.push_back(Describe(*menu));
        for (int32_t itemIndex = 0; itemIndex < menu->Count(); ++itemIndex)
            lines.push_back("  " + Describe(*menu->Child(itemIndex)));
    }
    EXPECT_EQ(lines, std::vector<std::string>({
                         "FileMenu \"&File\"",
                         "  FileClose \"Close\" Cmd+W",
                         "  FileQuit \"&Quit\" Cmd+Q [quit]",
                         "EditMenu \"&Edit\"",
                         "  EditUndo \"&Undo\" Cmd+Z",
                         "  UntitledMenu1 \"-\"",
                         "  EditCut \"Cu&t\" Cmd+X",
                         "  EditCopy \"&Copy\" Cmd+C",
                         "  EditPaste \"&Paste\" Cmd+V",
                         "  EditClear \"&Delete\"",
                         "  UntitledMenu0 \"-\"",
                         "  EditSelectAll \"Select &All\" Cmd+A",
                         "  EditPreferences \"Preferences...\" Cmd+, [preferences]",
                         "HelpMenu \"Help\"",
                         "  HelpDiRizezozHelp \"Di Rizezoz Help\" Cmd+?",
                         "  HelpAboutDiRizezoz \"About Di Rizezoz\" [about]",
                         "  UntitledSeparator0 \"-\"",
                         "  HelpAskaquestion \"Ask a question...\"",
                         "  HelpReportBug \"Report Bug...\"",
                         "  HelpRequestFeature \"Request Feature...\"",
                         "  HelpGeneralFeedback \"General Feedback...\"",
                         "  UntitledSeparator1 \"-\"",
                         "  HelpVisitMakerSite \"Visit Ziruvud Iduzizid...\"",
                     }));
}

using AppCommandsTest = AppFixture;

TEST_F(AppCommandsTest, EachCommandOpensItsOnePageOrShowsItsNotice)
{
    const std::string site = AppCommands::MakerSiteURL("");
    EXPECT_EQ(site.rfind("https://", 0), 0u);
    EXPECT_EQ(site.find('/', 8), std::string::npos);  // a host alone
    const std::vector<std::pair<std::string, std::string>> pages = {
        {"HelpAskaquestion", "/ask_question.php?app=dirizezoz&os=mac"},
        {"HelpReportBug", "/report_bug.php?app=dirizezoz&os=mac"},
        {"HelpRequestFeature", "/request_feature.php?app=dirizezoz&os=mac"},
        {"HelpGeneralFeedback", "/general_feedback.php?app=dirizezoz&os=mac"},
        {"HelpVisitMakerSite", ""},
        {"HelpDiRizezozHelp", "/dirizezoz/help.php"},
    };
    for (const auto& [name, page] : pages) {
        SCOPED_TRACE(name);
        services->urls.clear();
        EXPECT_TRUE(platform::Application::ChooseMenuItem(Item(name)));
        EXPECT_EQ(services->urls, std::vector<std::string>({site + page}));
    }

    SCOPED_TRACE("Preferences");
    EXPECT_TRUE(platform::Application::ChooseMenuItem(Item("EditPreferences")));
    EXPECT_EQ(services->messages,
              std::vector<std::string>({"There aren't any preferences yet.  If you would like to suggest some, "
                                        "select Request Feature from the Help menu."}));

    SCOPED_TRACE("an Edit item has no command");
    EXPECT_FALSE(platform::Application::ChooseMenuItem(Item("EditCut")));
    EXPECT_EQ(services->urls.size() + services->messages.size(), 2u);
}

}  // namespace
