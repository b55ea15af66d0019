#include "app/MenuBar1.h"

#include "platform/Exceptions.h"

#include <string>

namespace {

struct ItemSpec {
    const char* menu;
    const char* name;
    platform::MenuRole role;
    const char* text;
    const char* shortcut;  // nil for separators: they get none
};

using platform::MenuRole;

constexpr struct {
    const char* name;
    const char* text;
} kMenus[] = {{"FileMenu", "&File"}, {"EditMenu", "&Edit"}, {"HelpMenu", "Help"}};

constexpr ItemSpec kItems[] = {
    {"FileMenu", "FileClose", MenuRole::Plain, "Close", "Cmd+W"},
    {"FileMenu", "FileQuit", MenuRole::Quit, "&Quit", "Cmd+Q"},
    {"EditMenu", "EditUndo", MenuRole::Plain, "&Undo", "Cmd+Z"},
    {"EditMenu", "UntitledMenu1", MenuRole::Plain, "-", nullptr},
    {"EditMenu", "EditCut", MenuRole::Plain, "Cu&t", "Cmd+X"},
    {"EditMenu", "EditCopy", MenuRole::Plain, "&Copy", "Cmd+C"},
    {"EditMenu", "EditPaste", MenuRole::Plain, "&Paste", "Cmd+V"},
    {"EditMenu", "EditClear", MenuRole::Plain, "&Delete", ""},
    {"EditMenu", "UntitledMenu0", MenuRole::Plain, "-", nullptr},
    {"EditMenu", "EditSelectAll", MenuRole::Plain, "Select &All", "Cmd+A"},
    {"EditMenu", "EditPreferences", MenuRole::Preferences, "Preferences...", "Cmd+,"},
    {"HelpMenu", "HelpDiRizezozHelp", MenuRole::Plain, "Di Rizezoz Help", "Cmd+?"},
    {"HelpMenu", "HelpAboutDiRizezoz", MenuRole::About, "About Di Rizezoz", ""},
    {"HelpMenu", "UntitledSeparator0", MenuRole::Plain, "-", nullptr},
    {"HelpMenu", "HelpAskaquestion", MenuRole::Plain, "Ask a question...", ""},
    {"HelpMenu", "HelpReportBug", MenuRole::Plain, "Report Bug...", ""},
    {"HelpMenu", "HelpRequestFeature", MenuRole::Plain, "Request Feature...", ""},
    {"HelpMenu", "HelpGeneralFeedback", MenuRole::Plain, "General Feedback...", ""},
    {"HelpMenu", "UntitledSeparator1", MenuRole::Plain, "-", nullptr},
    {"HelpMenu", "HelpVisitMakerSite", MenuRole::Plain, "Visit Ziruvud Iduzizid...", ""},
};

platform::MenuItem::Ref MakeItem(const char* name, MenuRole role, const char* text)
{
    auto item = platform::MenuItem::Create();
    item->Role = role;
    item->Name = name;
    item->AutoEnable = true;
    item->Text = text;
    return item;
}

}  // namespace

MenuBar1::Ref MenuBar1::Instance()
{
    // Lives as long as the process, like the application that shows it.
    static auto* instance = new Ref(new MenuBar1());
    return *instance;
}

MenuBar1::MenuBar1()
{
    for (const auto& menuSpec : kMenus) {
        auto menu = MakeItem(menuSpec.name, MenuRole::Plain, menuSpec.text);
        menu->KeyboardShortcut = "";
        Append(menu);
        for (const auto& spec : kItems) {
            if (std::string(spec.menu) != menuSpec.name)
                continue;
            auto item = MakeItem(spec.name, spec.role, spec.text);
            if (spec.shortcut)
                item->KeyboardShortcut = spec.shortcut;
            platform::Require(Child(std::string(spec.menu))).Append(item);
        }
    }
}
